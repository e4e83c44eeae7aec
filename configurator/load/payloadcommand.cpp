#include "configurator/load/payloadcommand.h"

#include <QTextStream>

int runPayloadCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "configurator: this command is not available yet\n";
    return 2;
}
