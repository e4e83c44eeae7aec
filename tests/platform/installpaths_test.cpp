#include "configurator/session/installpaths.h"
#include "tests/support/scopedenv.h"

#include <gtest/gtest.h>

using testing_support::ScopedEnv;

namespace {

struct PathCase {
    const char* name;
    std::optional<std::string> exePath;
    std::string workingDirectory;
    std::string installFolder;
    std::string prefsPath;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

const PathCase kCases[] = {
    {"registryValueUsedAsStored", "C:\\Games\\FS9", "C:\\x", "C:\\Games\\FS9",
     "C:\\Games\\FS9\\Korvanta\\Volaro\\Prefs.cfg"},
    {"trailingBackslashGivesTwo", "C:\\FS9\\", "C:\\x", "C:\\FS9\\",
     "C:\\FS9\\\\Korvanta\\Volaro\\Prefs.cfg"},
    {"emptyValueIsNotAFailure", "", "C:\\x", "", "\\Korvanta\\Volaro\\Prefs.cfg"},
    {"noValueFallsBackToWorkingDirectory", std::nullopt, "D:\\Sim\\Korvanta\\Volaro",
     "D:\\Sim\\Korvanta\\Volaro\\..\\..",
     "D:\\Sim\\Korvanta\\Volaro\\..\\..\\Korvanta\\Volaro\\Prefs.cfg"},
    {"longestWorkingDirectoryThatFits", std::nullopt, std::string(493, 'w'),
     std::string(493, 'w') + "\\..\\..",
     std::string(493, 'w') + "\\..\\..\\Korvanta\\Volaro\\Prefs.cfg"},
    {"tooLongWorkingDirectoryUsesRelativeForm", std::nullopt, std::string(494, 'w'), ".\\..\\..",
     ".\\..\\..\\Korvanta\\Volaro\\Prefs.cfg"},
};

class ResolveInstallPaths : public testing::TestWithParam<PathCase> {};

TEST_P(ResolveInstallPaths, FillsBothBuffers) {
    const PathCase& c = GetParam();
    resolveInstallPaths(c.exePath, c.workingDirectory);
    EXPECT_EQ(std::string(InstallFolder), c.installFolder);
    EXPECT_EQ(std::string(PrefsPath), c.prefsPath);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveInstallPaths, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A stored value of 500 characters or more does not fit: the read fails and
// the working directory is used.
TEST(ResolveInstallPathsFromHost, OverlongValueFallsBackToWorkingDirectory) {
    const ScopedEnv env(platform::kFsRootEnv, std::string(500, 'r'));
    const ScopedEnv prefix("WINEPREFIX", "/nonexistent");
    resolveInstallPaths(platform::ExePathSource{});
    EXPECT_EQ(std::string(InstallFolder), platform::currentDirectory() + "\\..\\..");
}

TEST(ResolveInstallPathsFromHost, EnvironmentValueUsed) {
    const ScopedEnv env(platform::kFsRootEnv, "/srv/fs9");
    resolveInstallPaths(platform::ExePathSource{});
    EXPECT_EQ(std::string(PrefsPath), "/srv/fs9\\Korvanta\\Volaro\\Prefs.cfg");
}

} // namespace
