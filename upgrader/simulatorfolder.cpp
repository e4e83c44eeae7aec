#include "upgrader/simulatorfolder.h"

#include "common/platform/hostpath.h"
#include "upgrader/gaugefiles.h"
#include "upgrader/signature.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

FolderProblem simulatorFolderProblem(const std::string& root,
                                     std::span<const UpgradeEntry> catalogue) {
    if (root.empty())
        return FolderProblem::NoFolderGiven;
    std::error_code error;
    if (!std::filesystem::is_directory(platform::hostPath(root), error))
        return FolderProblem::FolderMissing;
    const bool anyGauge =
        std::any_of(catalogue.begin(), catalogue.end(), [&](const UpgradeEntry& entry) {
            return FileExists(gaugeFiles(root, entry).gauge);
        });
    return anyGauge ? FolderProblem::None : FolderProblem::NoGaugeFound;
}

std::vector<std::string> folderProblemLines(FolderProblem problem, const std::string& root) {
    const std::string folder = platform::pathText(platform::displayPath(root));
    switch (problem) {
    case FolderProblem::None:
        break;
    case FolderProblem::NoFolderGiven:
        return {"No simulator folder was given on the command line: the gauges were looked for "
                "at the root of the current drive.",
                "Start the upgrader with the simulator folder as its argument."};
    case FolderProblem::FolderMissing:
        return {"The simulator folder " + folder + " does not exist.",
                "Start the upgrader with the simulator folder as its argument."};
    case FolderProblem::NoGaugeFound:
        return {"No gauge of the package was found in " + folder + ".",
                "Nothing can be upgraded there: start the upgrader with the simulator folder "
                "the package is installed in."};
    }
    return {};
}
