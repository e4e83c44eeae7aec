#pragma once
// `configurator backups` lists the kept versions of Prefs.cfg and the
// aircraft.cfg files; `configurator restore` puts one back.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& backupsCommandSyntax();
int runBackupsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

const cli::CommandSyntax& restoreCommandSyntax();
int runRestoreCommand(const QStringList& args, QTextStream& out, QTextStream& err);
