#include "configurator/cli/simulatorfolder.h"

#include "common/platform/hostpath.h"
#include "configurator/session/installpaths.h"

#include <filesystem>
#include <system_error>

QString simulatorFolderHostPath() {
    return platform::displayPath(InstallFolder);
}

std::optional<QString> simulatorFolderProblem() {
    if (InstallFolder[0] == '\0')
        return QStringLiteral("is not set");
    const std::filesystem::path folder = platform::hostPath(InstallFolder);
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return std::nullopt;
    if (std::filesystem::exists(folder, error))
        return QStringLiteral("is not a folder");
    return QStringLiteral("does not exist");
}

std::optional<int> refuseMissingSimulatorFolder(const cli::CommandSyntax& syntax,
                                                QTextStream& err) {
    const std::optional<QString> problem = simulatorFolderProblem();
    if (!problem)
        return std::nullopt;
    if (InstallFolder[0] == '\0')
        return cli::failure(syntax,
                            QStringLiteral("no simulator folder is set (give --fs-root DIR)"), err);
    return cli::failure(
        syntax,
        QStringLiteral("the simulator folder %1 %2").arg(simulatorFolderHostPath(), *problem), err);
}
