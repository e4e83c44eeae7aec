// Starting a program: argument list, exit codes, and -1 only when it cannot
// be started.
#include "common/platform/process.h"
#include "tests/support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>

using testing_support::readFile;
using testing_support::TempDir;

namespace {

struct ExitCase {
    const char* name;
    const char* script;
    int code;
};
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class RunProgramExitTest : public ::testing::TestWithParam<ExitCase> {};

TEST_P(RunProgramExitTest, GivesTheCodeTheProgramEndedWith) {
    EXPECT_EQ(platform::runProgram("/bin/bash",
                                   {QStringLiteral("-c"), QString::fromLatin1(GetParam().script)}),
              GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Codes, RunProgramExitTest,
                         ::testing::Values(ExitCase{"Zero", "exit 0", 0},
                                           ExitCase{"Error", "exit 3", 3},
                                           // exit(-1) ends with status 255 here
                                           ExitCase{"MinusOne", "exit -1", 255},
                                           ExitCase{"KilledBySignal", "kill -KILL $$", 128 + 9},
                                           ExitCase{"Aborted", "kill -ABRT $$", 128 + 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunProgram, MinusOneWhenTheProgramCannotBeStarted) {
    TempDir dir;
    testing_support::writeFile(dir.path() / "patch.bin", "#!/bin/sh\nexit 0\n"); // not executable
    EXPECT_EQ(platform::runProgram(dir.path() / "missing.bin", {}), platform::kNotStarted);
    EXPECT_EQ(platform::runProgram(dir.path() / "patch.bin", {}), platform::kNotStarted);
    EXPECT_EQ(platform::runProgram(dir.path(), {}), platform::kNotStarted);
}

TEST(RunProgram, PassesEveryArgumentWholeWithoutAShell) {
    TempDir dir;
    const std::string out = dir.file("args.txt");
    const QStringList arguments = {QStringLiteral("-c"),
                                   QStringLiteral("printf '%s|' \"$@\" > \"$0\""),
                                   QString::fromStdString(out),
                                   QStringLiteral("a b"),
                                   QStringLiteral("\"quoted\""),
                                   QStringLiteral("$HOME;*"),
                                   QStringLiteral("")};
    ASSERT_EQ(platform::runProgram("/bin/sh", arguments), 0);
    EXPECT_EQ(readFile(out), "a b|\"quoted\"|$HOME;*||");
}

} // namespace
