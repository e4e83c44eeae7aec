#pragma once
// `configurator paths`: where the tools look for the simulator and its
// preferences.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& pathsCommandSyntax();
int runPathsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
