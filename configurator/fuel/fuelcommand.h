#pragma once
// `configurator fuel`: computes a fuel plan.

#include "common/cli/commandline.h"

#include <QStringList>

class QTextStream;

const cli::CommandSpec& fuelCommandSpec();
int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err);
