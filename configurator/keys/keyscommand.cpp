#include "configurator/keys/keyscommand.h"

#include "common/platform/windows1252.h"
#include "configurator/session/installpaths.h"
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"

#include <QTextStream>

namespace {

const char* const kUsage = "usage: configurator keys [--json] [--layout en|fr]\n";

QString jsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

void printJson(const keys::CommandTable& table, QTextStream& out) {
    out << "[\n";
    for (int slot = 0; slot < keys::CommandTable::kNamedCount; ++slot) {
        out << "  {\"slot\": " << slot
            << ", \"name\": " << jsonString(platform::fromWindows1252(table.name(slot)))
            << ", \"modifier\": " << table.modifier(slot) << ", \"key\": " << table.keyCode(slot)
            << ", \"shortcut\": "
            << jsonString(platform::fromWindows1252(
                   keys::shortcutText(table.modifier(slot), table.keyCode(slot))))
            << (slot + 1 < keys::CommandTable::kNamedCount ? "},\n" : "}\n");
    }
    out << "]\n";
}

void printSheet(const keys::CommandTable& table, QTextStream& out) {
    out << "Key assignments from " << platform::fromWindows1252(PrefsPath) << " ("
        << (keys::tableLayout() == keys::Layout::French ? "French" : "English")
        << " keyboard layout)\n\n";
    for (int slot = 0; slot < keys::CommandTable::kNamedCount; ++slot) {
        out << QStringLiteral("%1  ").arg(slot, 2, 10, QLatin1Char('0'))
            << platform::fromWindows1252(table.name(slot)).leftJustified(50) << "  "
            << platform::fromWindows1252(
                   keys::shortcutText(table.modifier(slot), table.keyCode(slot)))
            << "\n";
    }
}

} // namespace

int runKeysCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    bool json = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--json")) {
            json = true;
        } else if (arg == QStringLiteral("--layout")) {
            const QString value = args.value(++i);
            if (value == QStringLiteral("en")) {
                keys::forceLayout(keys::Layout::English);
            } else if (value == QStringLiteral("fr")) {
                keys::forceLayout(keys::Layout::French);
            } else {
                err << "configurator keys: --layout needs 'en' or 'fr'"
                    << (value.isEmpty() ? QString() : QStringLiteral(", not '%1'").arg(value))
                    << "\n"
                    << kUsage;
                return 2;
            }
        } else if (arg == QStringLiteral("--help")) {
            out << kUsage;
            return 0;
        } else {
            err << "configurator keys: unknown option '" << arg << "'\n" << kUsage;
            return 2;
        }
    }

    // A table of its own, as a fresh run's key dialog would load it.
    keys::CommandTable table;
    keys::loadShortcuts(table, PrefsPath);
    if (json)
        printJson(table, out);
    else
        printSheet(table, out);
    return 0;
}
