#include "upgrader/patchlaunch.h"
#include "common/platform/hostpath.h"
#include "common/platform/process.h"

namespace {
std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

QString hostArgument(const std::string& path) {
    return platform::pathArgument(platform::hostPath(path));
}
} // namespace

std::vector<std::string> PatchLaunch::commandLine() const {
    return {quoted(program),  "-d", "-f", "-s", quoted(backupPath), quoted(patchDataPath),
            quoted(gaugePath)};
}

int launchPatchProgram(const PatchLaunch& launch) {
    // The quotes of commandLine() only group a path on a Windows command
    // line; an argument list carries each path whole without them.
    return platform::runProgram(platform::hostPath(launch.program),
                                {QStringLiteral("-d"), QStringLiteral("-f"), QStringLiteral("-s"),
                                 hostArgument(launch.backupPath),
                                 hostArgument(launch.patchDataPath),
                                 hostArgument(launch.gaugePath)});
}
