#include "configurator/prefs/prefscommand.h"

#include <QTextStream>

int runPrefsCommand(const QStringList&, QTextStream&, QTextStream& err) {
    err << "configurator: this command is not available yet\n";
    return 2;
}
