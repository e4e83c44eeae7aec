#pragma once
// `configurator prefs`: prints the preferences, as text or JSON.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& prefsCommandSyntax();
int runPrefsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
