#pragma once
// The upgrader's options and help text. Only arguments that begin with "--"
// (and a leading "-h") are options; every other argument is a piece of the
// simulator folder, whatever it looks like.

#include "common/cli/commandsyntax.h"

#include <QStringList>

const cli::CommandSyntax& upgraderCommandSyntax();

// Whether `arguments` (without the program name) are answered as options:
// a known option is run, an unknown one refused, before any window opens.
bool isOptionLine(const QStringList& arguments);
