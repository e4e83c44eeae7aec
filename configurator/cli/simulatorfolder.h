#pragma once
// The simulator folder the commands read (InstallFolder, from --fs-root,
// $VOLARO_FS_ROOT or the registry): one that does not exist is an error,
// never a run on the defaults.

#include "common/cli/commandsyntax.h"

#include <QString>
#include <optional>

class QTextStream;

// InstallFolder as this host names it ("/home/pilot/fs9").
QString simulatorFolderHostPath();

// Why the simulator folder cannot be read ("does not exist"), or nothing.
std::optional<QString> simulatorFolderProblem();

// Tells on `err` that the simulator folder cannot be read and gives the exit
// status; nothing when it is there.
std::optional<int> refuseMissingSimulatorFolder(const cli::CommandSyntax& syntax, QTextStream& err);
