#pragma once
// `configurator keys`: prints every command with its shortcut.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& keysCommandSyntax();
int runKeysCommand(const QStringList& args, QTextStream& out, QTextStream& err);
