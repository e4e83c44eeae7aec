// A copy that fails half-way, made to fail by a file-size limit.
#include "common/platform/fileops.h"
#include "tests/upgrader/fileopsfixture.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::writeFile;

namespace {

TEST_F(FileOpsTest, CopyThatFailsHalfWayIsRemoved) {
    // In a child limited to 4 KiB files, writing the copy fails part-way.
    writeFile(dir.path() / "Big.gau", std::string(100000, 'b'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(platform::copyFileNoOverwrite(text("Big.gau"), text("Big.upg1")) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy reported success";
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Big.upg1"));
}

} // namespace
