#include "configurator/keys/keyscommand.h"

#include <QTextStream>

int runKeysCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "configurator: this command is not available yet\n";
    return 2;
}
