#pragma once
// `configurator payload`: shows and saves the payload of one aircraft.

#include <QStringList>

class QTextStream;

int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err);
