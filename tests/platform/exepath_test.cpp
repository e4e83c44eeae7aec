#include "common/platform/exepath.h"
#include "tests/platform/exepathfixture.h"

#include <gtest/gtest.h>

using testing_support::ScopedEnv;

namespace {

TEST_F(ExePath, CommandLineWinsOverEnvironmentAndRegistry) {
    ScopedEnv env(platform::kFsRootEnv, "/from/env");
    writeRegistry("[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1\n"
                  "\"EXE Path\"=\"C:\\\\FS9\"\n");
    EXPECT_EQ(platform::readExePath({std::string("/from/cli")}, 500), "/from/cli");
    EXPECT_EQ(platform::readExePath({}, 500), "/from/env");
}

TEST_F(ExePath, ValueThatDoesNotFitIsAFailedRead) {
    EXPECT_EQ(platform::readExePath({std::string(499, 'a')}, 500), std::string(499, 'a'));
    EXPECT_EQ(platform::readExePath({std::string(500, 'a')}, 500), std::nullopt);
}

TEST_F(ExePath, EmptyValueIsASuccessfulRead) {
    EXPECT_EQ(platform::readExePath({std::string()}, 500), std::string());
}

} // namespace
