#pragma once
// `configurator keys`: prints every command with its shortcut.

#include <QStringList>

class QTextStream;

int runKeysCommand(const QStringList& args, QTextStream& out, QTextStream& err);
