// "EXE Path" from a Wine prefix's registry file, as a Wine user's Linux
// programs find the simulator.
#include "common/platform/exepath.h"
#include "tests/platform/exepathfixture.h"

#include <gtest/gtest.h>

namespace {

TEST_F(ExePath, NothingSuppliedIsAFailedRead) {
    EXPECT_EQ(platform::readExePath({}, 500), std::nullopt);
}

TEST_F(ExePath, WineRegistryValueUnescaped) {
    writeRegistry(
        "[Software\\\\Other] 1\n\"EXE Path\"=\"C:\\\\Wrong\"\n\n"
        "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1700000000\n"
        "#time=1d\n"
        "\"EXE Path\"=\"C:\\\\Program Files\\\\Caf\\x00e9 \\\"FS9\\\"\\\\\"\n");
    EXPECT_EQ(platform::readExePath({}, 500), "C:\\Program Files\\Caf\xC3\xA9 \"FS9\"\\");
}

TEST_F(ExePath, WineRegistry32BitViewOfA64BitPrefix) {
    writeRegistry("[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight "
                  "Simulator\\\\9.0] 1\r\n\"EXE Path\"=\"D:\\\\FS9\"\r\n");
    EXPECT_EQ(platform::readExePath({}, 500), "D:\\FS9");
}

} // namespace
