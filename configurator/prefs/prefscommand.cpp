#include "configurator/prefs/prefscommand.h"

#include "configurator/prefs/preferences.h"

#include <QTextStream>

int runPrefsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    bool json = false;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json")) {
            json = true;
        } else if (arg == QStringLiteral("--help")) {
            out << "Usage: configurator prefs [--json]\n"
                << "Prints the preferences of section Common of Prefs.cfg as the configuration\n"
                << "window reads them (defaults applied to missing or unusable values).\n";
            return 0;
        } else {
            err << "configurator prefs: unknown option '" << arg << "' (see 'prefs --help')\n";
            return 2;
        }
    }

    prefs::getAll();
    if (json) {
        // Keys in the file's write order, which QJsonObject would sort away.
        out << "{";
        bool first = true;
        for (const prefs::Setting& setting : prefs::kSettings) {
            out << (first ? "\n" : ",\n") << "  \"" << setting.key
                << "\": " << prefs::Working.*setting.value;
            first = false;
        }
        out << "\n}\n";
        return 0;
    }
    for (const prefs::Setting& setting : prefs::kSettings)
        out << QString::fromLatin1(setting.key).leftJustified(18) << prefs::Working.*setting.value
            << "\n";
    return 0;
}
