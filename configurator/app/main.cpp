// configurator: the main menu, or one of the commands that need no display.
#include "configurator/app/commandline.h"
#include "configurator/app/installpaths.h"
#include "configurator/fuel/fuelcommand.h"
#include "configurator/keys/keyscommand.h"
#include "configurator/load/payloadcommand.h"
#include "configurator/prefs/prefscommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iterator>

namespace {

int printPaths(const QStringList&, QTextStream& out, QTextStream&) {
    out << "InstallFolder: " << InstallFolder << "\n"
        << "PrefsPath: " << PrefsPath << "\n";
    return 0;
}

// Add a row per command; `configurator --help` lists them in this order.
const CommandEntry kCommands[] = {
    {"paths", "print the resolved simulator folder and preferences path", &printPaths},
    {"prefs", "print the preferences (--json)", &runPrefsCommand},
    {"keys", "print every command with its shortcut ([--json] [--layout en|fr])", &runKeysCommand},
    {"payload", "show or save the payload of one aircraft (see 'payload --help')",
     &runPayloadCommand},
    {"fuel", "compute a fuel plan (see 'fuel --help')", &runFuelCommand},
};

void printHelp(QTextStream& out) {
    out << "Usage: configurator [--fs-root DIR] [COMMAND [OPTIONS]]\n\n"
        << "Without a command, opens the main menu.\n\n"
        << "  --fs-root DIR   the simulator folder (else $" << platform::kFsRootEnv
        << ", else the Wine registry, else the working directory + \\..\\..)\n"
        << "  --help          this text\n\nCommands:\n";
    for (const CommandEntry& command : kCommands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(14) << command.synopsis
            << "\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const CommandLine line = parseCommandLine(app.arguments().mid(1));
    if (!line.error.isEmpty()) {
        err << "configurator: " << line.error << "\n";
        return 2;
    }
    if (line.words.value(0) == QStringLiteral("--help")) {
        printHelp(out);
        return 0;
    }
    resolveInstallPaths(platform::ExePathSource{line.fsRoot});

    const QString name = line.words.value(0, QStringLiteral("paths"));
    for (const CommandEntry& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(line.words.mid(1), out, err);
    }
    err << "configurator: unknown command '" << name << "' (see --help)\n";
    return 2;
}
