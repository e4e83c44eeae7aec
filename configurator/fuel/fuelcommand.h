#pragma once
// `configurator fuel`: computes a fuel plan.

#include <QStringList>

class QTextStream;

int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err);
