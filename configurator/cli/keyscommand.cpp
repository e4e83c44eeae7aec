#include "configurator/cli/keyscommand.h"

#include "common/platform/hostpath.h"
#include "common/platform/windows1252.h"
#include "common/profile/profile.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"
#include "configurator/session/installpaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString shortcutOf(const keys::CommandTable& table, int slot) {
    return platform::fromWindows1252(keys::shortcutText(table.modifier(slot), table.keyCode(slot)));
}

void printJson(const keys::CommandTable& table, QTextStream& out) {
    QJsonArray commands;
    for (int slot = 0; slot < keys::CommandTable::kNamedCount; ++slot) {
        commands.append(QJsonObject{
            {QStringLiteral("slot"), slot},
            {QStringLiteral("name"), platform::fromWindows1252(table.name(slot))},
            {QStringLiteral("modifier"), table.modifier(slot)},
            {QStringLiteral("key"), table.keyCode(slot)},
            {QStringLiteral("shortcut"), shortcutOf(table, slot)},
        });
    }
    out << QJsonDocument(commands).toJson(QJsonDocument::Indented);
}

void printSheet(const keys::CommandTable& table, QTextStream& out) {
    out << "Key assignments from " << platform::displayPath(PrefsPath) << " ("
        << (keys::tableLayout() == keys::Layout::French ? "French" : "English")
        << " keyboard layout)\n\n";
    for (int slot = 0; slot < keys::CommandTable::kNamedCount; ++slot) {
        out << QStringLiteral("%1  ").arg(slot, 2, 10, QLatin1Char('0'))
            << platform::fromWindows1252(table.name(slot)).leftJustified(50) << "  "
            << shortcutOf(table, slot) << "\n";
    }
}

} // namespace

const cli::CommandSyntax& keysCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator keys",
        "configurator [--fs-root DIR] keys [--json] [--layout en|fr]",
        "Prints every command of the key assignments with its shortcut, as the\n"
        "key assignments window loads them from Prefs.cfg: a cheat sheet.",
        {{"json", nullptr, "print JSON instead of text"},
         {"layout", "en|fr", "name the keys as this keyboard layout does (else the one in force)"},
         kFsRootOption},
        nullptr,
        "0 done, 1 the simulator folder is missing or Prefs.cfg cannot be read, 2 bad arguments",
    };
    return syntax;
}

int runKeysCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = keysCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    if (line.isSet("layout")) {
        const QString value = line.value("layout");
        if (value == QStringLiteral("en")) {
            keys::forceLayout(keys::Layout::English);
        } else if (value == QStringLiteral("fr")) {
            keys::forceLayout(keys::Layout::French);
        } else {
            return cli::badArguments(
                syntax,
                QStringLiteral("--layout needs 'en' or 'fr'") +
                    (value.isEmpty() ? QString() : QStringLiteral(", not '%1'").arg(value)),
                err);
        }
    }
    if (const auto missing = refuseMissingSimulatorFolder(syntax, err))
        return *missing;

    // The window would show the defaults; a terminal user is told why.
    if (const auto problem = profile::readProblem(PrefsPath)) {
        return cli::failure(syntax,
                            QStringLiteral("cannot read %1: %2")
                                .arg(QString::fromStdString(problem->hostPath),
                                     QString::fromStdString(problem->reason)),
                            err);
    }
    // A table of its own, as a fresh run's key dialog would load it.
    keys::CommandTable table;
    keys::loadShortcuts(table, PrefsPath);
    if (line.isSet("json"))
        printJson(table, out);
    else
        printSheet(table, out);
    return cli::kExitOk;
}
