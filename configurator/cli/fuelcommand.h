#pragma once
// `configurator fuel`: computes a fuel plan.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& fuelCommandSyntax();
int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err);
