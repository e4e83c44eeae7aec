#include "configurator/cli/pathscommand.h"

#include "common/platform/hostpath.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/session/installpaths.h"

#include <QTextStream>

const cli::CommandSyntax& pathsCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator paths",
        "configurator [--fs-root DIR] paths",
        "Prints the simulator folder and the preferences path as the tools compose\n"
        "them, then the folder and the preferences file they name on this system.",
        {kFsRootOption},
        nullptr,
        "0 done, 2 bad arguments",
    };
    return syntax;
}

int runPathsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = pathsCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    // The one command that still answers on a missing folder: it shows where
    // the others looked.
    const std::optional<QString> problem = simulatorFolderProblem();
    out << "InstallFolder: " << platform::fromPathText(InstallFolder) << "\n"
        << "PrefsPath: " << platform::fromPathText(PrefsPath) << "\n"
        << "Simulator folder: " << simulatorFolderHostPath()
        << (problem ? QStringLiteral(" (%1)").arg(*problem) : QString()) << "\n"
        << "Preferences file: " << platform::displayPath(PrefsPath) << "\n";
    return cli::kExitOk;
}
