#include "common/platform/exepath.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

// Each test starts with no environment value and an empty Wine prefix.
class ExePath : public testing::Test {
protected:
    TempDir prefix;
    ScopedEnv noRoot{platform::kFsRootEnv, std::nullopt};
    ScopedEnv winePrefix{"WINEPREFIX", prefix.path().string()};

    void writeRegistry(const std::string& body) {
        writeFile(prefix.path() / "system.reg", "WINE REGISTRY Version 2\n\n" + body);
    }
};

TEST_F(ExePath, NothingSuppliedIsAFailedRead) {
    EXPECT_EQ(platform::readExePath({}, 500), std::nullopt);
}

TEST_F(ExePath, CommandLineWinsOverEnvironmentAndRegistry) {
    ScopedEnv env(platform::kFsRootEnv, "/from/env");
    writeRegistry("[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1\n"
                  "\"EXE Path\"=\"C:\\\\FS9\"\n");
    EXPECT_EQ(platform::readExePath({std::string("/from/cli")}, 500), "/from/cli");
    EXPECT_EQ(platform::readExePath({}, 500), "/from/env");
}

TEST_F(ExePath, WineRegistryValueUnescaped) {
    writeRegistry(
        "[Software\\\\Other] 1\n\"EXE Path\"=\"C:\\\\Wrong\"\n\n"
        "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1700000000\n"
        "#time=1d\n"
        "\"EXE Path\"=\"C:\\\\Program Files\\\\Caf\\x00e9 \\\"FS9\\\"\\\\\"\n");
    EXPECT_EQ(platform::readExePath({}, 500), "C:\\Program Files\\Caf\xE9 \"FS9\"\\");
}

TEST_F(ExePath, WineRegistry32BitViewOfA64BitPrefix) {
    writeRegistry("[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight "
                  "Simulator\\\\9.0] 1\r\n\"EXE Path\"=\"D:\\\\FS9\"\r\n");
    EXPECT_EQ(platform::readExePath({}, 500), "D:\\FS9");
}

TEST_F(ExePath, ValueThatDoesNotFitIsAFailedRead) {
    EXPECT_EQ(platform::readExePath({std::string(499, 'a')}, 500), std::string(499, 'a'));
    EXPECT_EQ(platform::readExePath({std::string(500, 'a')}, 500), std::nullopt);
}

TEST_F(ExePath, EmptyValueIsASuccessfulRead) {
    EXPECT_EQ(platform::readExePath({std::string()}, 500), std::string());
}

} // namespace
