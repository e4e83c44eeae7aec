// A write that is interrupted, by a full disk or by the process being
// killed, leaves the previous file whole.
#include "common/profile/profile.h"
#include "tests/support/tempdir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::entriesIn;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

TEST(WriteCrashSafety, FullDiskBeforeRenameLeavesOldFileAndReportsFailure) {
    TempDir dir;
    const std::string old = "[Common]\r\nUnitSystem=0\r\n" + std::string(4000, ';') + "\r\n";
    writeFile(dir.path() / "Prefs.cfg", old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The disk "fills up" after 8 KB: the new content cannot be written whole.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto result =
            profile::writeString("Common", "Big", std::string(20000, 'v'), dir.file("Prefs.cfg"));
        ::_exit(result.ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the failure must be reported";
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), old);
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file left behind";
}

TEST(WriteCrashSafety, KilledWriterLeavesOldOrNewContentNeverAMix) {
    TempDir dir;
    const std::string filler = std::string(64 * 1024, ';') + "\r\n";
    const std::string contentA = "[W]\r\nk=A\r\n" + filler;
    const std::string contentB = "[W]\r\nk=B\r\n" + filler;
    writeFile(dir.path() / "p.cfg", contentA);

    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                profile::writeString("W", "k", (i % 2) ? "A" : "B", dir.file("p.cfg"));
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = readFile(dir.path() / "p.cfg");
        ASSERT_TRUE(now == contentA || now == contentB) << "round " << round;
    }
}

} // namespace
