#pragma once
// `configurator payload`: shows and saves the payload of one aircraft.

#include "common/cli/commandline.h"

#include <QStringList>

class QTextStream;

const cli::CommandSyntax& payloadCommandSyntax();
int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err);
