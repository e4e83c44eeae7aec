// configurator: the main menu, or one of the commands that need no display.
#include "common/platform/console.h"
#include "common/platform/display.h"
#include "configurator/app/commandline.h"
#include "configurator/session/installpaths.h"
#include "configurator/app/mainmenu.h"
#include "configurator/app/shellscreenshots.h"
#include "configurator/fuel/fuelcommand.h"
#include "configurator/fuel/fuelscreenshots.h"
#include "configurator/keys/keyscommand.h"
#include "configurator/keys/keysscreenshots.h"
#include "configurator/load/loadscreenshots.h"
#include "configurator/load/payloadcommand.h"
#include "configurator/prefs/prefscommand.h"
#include "configurator/prefs/prefsscreenshots.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
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
        << "Without a command, opens the main menu (needs a display).\n\n"
        << "  --fs-root DIR      the simulator folder (else $" << platform::kFsRootEnv
        << ", else the Wine registry, else the working directory + \\..\\..)\n"
        << "  --screenshots DIR  render every window to a PNG file in DIR (no display needed)\n"
        << "  --help             this text\n\nCommands (no display needed):\n";
    for (const CommandEntry& command : kCommands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(14) << command.synopsis
            << "\n";
}

int runMainMenu(int& argc, char* argv[], const CommandLine& line, QTextStream& err) {
    if (!platform::hasDisplay()) {
        err << "configurator: no display to show the main menu on.\n"
            << "Use 'configurator --screenshots DIR' to render every window to PNG files,\n"
            << "or a command that needs no display (see --help).\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(configuratorIcon()); // every window of the run
    resolveInstallPaths(platform::ExePathSource{line.fsRoot});
    CMainMenuDlg menu;
    menu.exec();
    return 0;
}

int runScreenshots(int& argc, char* argv[], const CommandLine& line, QTextStream& out,
                   QTextStream& err) {
    const QString dir = line.words.value(1);
    if (dir.isEmpty() || line.words.size() > 2) {
        err << "configurator: --screenshots needs one folder\n";
        return 2;
    }
    // Pictures need no screen.
    platform::useOffscreenRendering();
    QApplication app(argc, argv);
    if (!QDir().mkpath(dir)) {
        err << "configurator: cannot create the folder " << dir << "\n";
        return 1;
    }
    resolveInstallPaths(platform::ExePathSource{line.fsRoot});
    QStringList written = saveShellScreenshots(dir);
    written << savePrefsScreenshots(dir) << saveKeysScreenshots(dir) << saveLoadScreenshots(dir)
            << saveFuelScreenshots(dir);
    for (const QString& file : written)
        out << QDir::toNativeSeparators(file) << "\n";
    return written.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    platform::prepareStandardOutput();
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Decided before the application object: only windows need a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        err << "configurator: " << line.error << "\n";
        return 2;
    }
    const QString name = line.words.value(0);
    if (name == QStringLiteral("--help")) {
        printHelp(out);
        return 0;
    }
    if (name.isEmpty())
        return runMainMenu(argc, argv, line, err);
    if (name == QStringLiteral("--screenshots"))
        return runScreenshots(argc, argv, line, out, err);

    QCoreApplication app(argc, argv);
    resolveInstallPaths(platform::ExePathSource{line.fsRoot});
    for (const CommandEntry& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(line.words.mid(1), out, err);
    }
    err << "configurator: unknown command '" << name << "' (see --help)\n";
    return 2;
}
