#include "upgrader/upgrade2app.h"
#include "common/platform/hostpath.h"
#include "common/platform/programarguments.h"
#include "common/ui/messagebox.h"
#include "common/ui/shippedfonts.h"
#include "upgrader/checkcommand.h"
#include "upgrader/rootargument.h"
#include "upgrader/screenshots.h"
#include "upgrader/upgrade2dlg.h"
#include "upgrader/upgraderoptions.h"

#include <QDir>
#include <QTextStream>

Upgrade2App::Upgrade2App(int& argc, char** argv)
    : QApplication(argc, argv) {
    ui::useShippedFonts();
}

int Upgrade2App::InitInstance() {
    return runUpgrader(arguments());
}

std::optional<int> answerWithoutWindow(const QStringList& arguments) {
    if (!isOptionLine(arguments))
        return std::nullopt;
    const cli::CommandSyntax& syntax = upgraderCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, arguments);
    if (!line.ok()) {
        QTextStream err(stderr);
        return cli::badArguments(syntax, line.error(), err);
    }
    if (line.helpRequested()) {
        QTextStream out(stdout);
        out << cli::helpText(syntax);
        return cli::kExitOk;
    }
    if (line.isSet("check") || line.isSet("json")) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runCheckCommand(arguments, UpgradeCatalogue(), out, err);
    }
    if (!line.isSet("screenshots")) {
        // Only "--" itself gets here: the parser takes it for the end of the options.
        QTextStream err(stderr);
        return cli::badArguments(syntax, QStringLiteral("unknown argument '--'"), err);
    }
    if (line.value("screenshots").isEmpty() || !line.positional().isEmpty()) {
        QTextStream err(stderr);
        return cli::badArguments(syntax,
                                 line.value("screenshots").isEmpty()
                                     ? QStringLiteral("--screenshots needs a folder")
                                     : QStringLiteral("--screenshots takes one folder"),
                                 err);
    }
    return std::nullopt;
}

int runUpgrader(const QStringList& arguments) {
    const QStringList rest = arguments.mid(1);
    if (const auto answered = answerWithoutWindow(rest))
        return *answered;
    if (isOptionLine(rest)) {
        const QString dir = cli::parse(upgraderCommandSyntax(), rest).value("screenshots");
        QTextStream err(stderr);
        if (!QDir().mkpath(dir)) {
            err << "upgrader: cannot create the folder " << dir << "\n";
            return cli::kExitFailed;
        }
        const QStringList files = saveUpgraderScreenshots(dir);
        QTextStream out(stdout);
        for (const QString& file : files)
            out << QDir::toNativeSeparators(file) << "\n";
        if (files.size() != 2) {
            err << "upgrader: the pictures could not all be written into " << dir << "\n";
            return cli::kExitFailed;
        }
        return cli::kExitOk;
    }

    // Paths are built in fixed buffers and as path text: a root that
    // does not fit is refused before anything is touched.
    if (const auto problem =
            rootProblem(rest, platform::switchMarkers(), maxRootLength(UpgradeCatalogue()))) {
        ui::showMessage(nullptr, platform::fromPathText(*problem), QStringLiteral("ERROR"),
                        ui::MessageIcon::Error);
        return cli::kExitFailed;
    }

    Upgrade2CommandLine line;
    parseArguments(rest, platform::switchMarkers(), line);
    Upgrade2Dlg window(line.root());
    window.exec(); // its result is not examined
    return cli::kExitOk;
}
