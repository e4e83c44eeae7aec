#include "configurator/fuel/fuelcommand.h"

#include <QTextStream>

int runFuelCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "configurator: this command is not available yet\n";
    return 2;
}
