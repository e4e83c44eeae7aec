#include "upgrader/upgrade2app.h"
#include "common/platform/commandline.h"
#include "common/platform/windows1252.h"
#include "common/ui/messagebox.h"
#include "upgrader/commandline.h"
#include "upgrader/screenshots.h"
#include "upgrader/upgrade2dlg.h"

#include <QDir>
#include <QTextStream>

Upgrade2App::Upgrade2App(int& argc, char** argv)
    : QApplication(argc, argv) {}

int Upgrade2App::InitInstance() {
    return runUpgrader(arguments());
}

int runUpgrader(const QStringList& arguments) {
    const QStringList rest = arguments.mid(1);
    if (rest.size() == 1 && rest[0] == QStringLiteral("--help")) {
        QTextStream(stdout)
            << "Usage: upgrader SIMULATOR_FOLDER\n"
            << "  or:  upgrader --screenshots DIR\n\n"
            << "Opens the installer window, which moves the nine gauges of the package from\n"
            << "Upgrade v1 to version 2 when START is pressed. The simulator folder is every\n"
            << "argument joined by single blanks, so a folder with blanks may be given\n"
            << "unquoted.\n\n"
            << "  --screenshots DIR  render the window before START and after a run to PNG files\n"
            << "  --help             this text\n\n"
            << "Exit status: 0 done, 1 failed, 2 bad arguments.\n";
        return 0;
    }
    if (rest.value(0) == QStringLiteral("--screenshots")) {
        QTextStream err(stderr);
        if (rest.size() < 2) {
            err << "upgrader: --screenshots needs a folder\n";
            return 2;
        }
        if (!QDir().mkpath(rest[1])) {
            err << "upgrader: cannot create the folder " << rest[1] << "\n";
            return 1;
        }
        const QStringList files = saveUpgraderScreenshots(rest[1]);
        QTextStream out(stdout);
        for (const QString& file : files)
            out << QDir::toNativeSeparators(file) << "\n";
        if (files.size() != 2) {
            err << "upgrader: the pictures could not all be written into " << rest[1] << "\n";
            return 1;
        }
        return 0;
    }

    // Paths are built in fixed buffers and as Windows-1252 text: a root that
    // does not fit is refused before anything is touched.
    if (const auto problem =
            rootProblem(rest, platform::switchMarkers(), maxRootLength(UpgradeCatalogue()))) {
        ui::showMessage(nullptr, platform::fromWindows1252(*problem), QStringLiteral("ERROR"),
                        ui::MessageIcon::Error);
        return 1;
    }

    Upgrade2CommandLine line;
    parseArguments(rest, platform::switchMarkers(), line);
    Upgrade2Dlg window(line.root());
    window.exec(); // its result is not examined
    return 0;
}
