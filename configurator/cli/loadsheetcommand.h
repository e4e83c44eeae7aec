#pragma once
// `configurator loadsheet`: the payload and the fuel plan of one flight as a
// one-page PDF.

#include "common/cli/commandsyntax.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& loadSheetCommandSyntax();
// Needs a QGuiApplication (the PDF's fonts); no display.
int runLoadSheetCommand(const QStringList& args, QTextStream& out, QTextStream& err);
