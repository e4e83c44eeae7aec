// configurator: the main menu, or one of the commands that need no display.
#include "common/platform/console.h"
#include "common/platform/display.h"
#include "common/platform/programarguments.h"
#include "common/ui/shippedfonts.h"
#include "configurator/app/mainmenu.h"
#include "configurator/app/shellscreenshots.h"
#include "configurator/cli/backupcommands.h"
#include "configurator/cli/fuelcommand.h"
#include "configurator/cli/keyscommand.h"
#include "configurator/cli/loadsheetcommand.h"
#include "configurator/cli/pathscommand.h"
#include "configurator/cli/payloadcommand.h"
#include "configurator/cli/prefscommand.h"
#include "configurator/cli/programline.h"
#include "configurator/fuel/fuelscreenshots.h"
#include "configurator/keys/keysscreenshots.h"
#include "configurator/load/loadscreenshots.h"
#include "configurator/prefs/prefsscreenshots.h"
#include "configurator/session/installpaths.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

namespace {

// Add a row per command; `configurator --help` lists them in this order.
const CommandEntry kCommands[] = {
    {"paths", "print the resolved simulator folder and preferences path", &runPathsCommand,
     &pathsCommandSyntax},
    {"prefs", "print the preferences", &runPrefsCommand, &prefsCommandSyntax},
    {"keys", "print every command with its shortcut", &runKeysCommand, &keysCommandSyntax},
    {"payload", "show or save the payload of one aircraft", &runPayloadCommand,
     &payloadCommandSyntax},
    {"fuel", "compute a fuel plan", &runFuelCommand, &fuelCommandSyntax},
    {"backups", "list the kept versions of the files the tools replaced", &runBackupsCommand,
     &backupsCommandSyntax},
    {"restore", "put a kept version of a file, or a whole save, back", &runRestoreCommand,
     &restoreCommandSyntax},
    {"loadsheet", "write the load sheet of a flight as a PDF", &runLoadSheetCommand,
     &loadSheetCommandSyntax, true},
};

int runMainMenu(int& argc, char* argv[], const ProgramRequest& request, QTextStream& err) {
    if (!platform::hasDisplay()) {
        err << "configurator: no display to show the main menu on.\n"
            << "Use 'configurator --screenshots DIR' to render every window to PNG files,\n"
            << "or a command that needs no display (see --help).\n";
        return cli::kExitFailed;
    }
    QApplication app(argc, argv);
    ui::useShippedFonts();
    QApplication::setWindowIcon(configuratorIcon()); // every window of the run
    resolveInstallPaths(platform::ExePathSource{request.fsRoot});
    CMainMenuDlg menu;
    menu.exec();
    return cli::kExitOk;
}

int runScreenshots(int& argc, char* argv[], const ProgramRequest& request, QTextStream& out,
                   QTextStream& err) {
    const QString& dir = request.screenshotFolder;
    // Pictures need no screen.
    platform::useOffscreenRendering();
    QApplication app(argc, argv);
    ui::useShippedFonts();
    if (!QDir().mkpath(dir)) {
        err << "configurator: cannot create the folder " << dir << "\n";
        return cli::kExitFailed;
    }
    resolveInstallPaths(platform::ExePathSource{request.fsRoot});
    QStringList written = saveShellScreenshots(dir);
    written << savePrefsScreenshots(dir) << saveKeysScreenshots(dir) << saveLoadScreenshots(dir)
            << saveFuelScreenshots(dir);
    for (const QString& file : written)
        out << QDir::toNativeSeparators(file) << "\n";
    return written.isEmpty() ? cli::kExitFailed : cli::kExitOk;
}

} // namespace

int main(int argc, char* argv[]) {
    // Names the user's data folder, where the backups are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("Volaro"));
    QCoreApplication::setApplicationName(QStringLiteral("configurator"));
    platform::prepareStandardOutput();
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Decided before the application object: only windows need a display.
    const ProgramRequest request =
        parseProgramLine(platform::commandLineArguments(argc, argv), kCommands);
    switch (request.action) {
    case ProgramRequest::Action::BadArguments:
        return cli::badArguments(programSyntax(kCommands), request.error, err);
    case ProgramRequest::Action::Help:
        out << cli::helpText(programSyntax(kCommands));
        return cli::kExitOk;
    case ProgramRequest::Action::MainMenu:
        return runMainMenu(argc, argv, request, err);
    case ProgramRequest::Action::Screenshots:
        return runScreenshots(argc, argv, request, out, err);
    case ProgramRequest::Action::Command:
        break;
    }
    std::unique_ptr<QCoreApplication> app;
    if (request.command->drawsText) {
        platform::useOffscreenRendering();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    resolveInstallPaths(platform::ExePathSource{request.fsRoot});
    return request.command->run(request.commandArguments, out, err);
}
