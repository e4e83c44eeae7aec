// File copy, rename and delete with the results the upgrade relies on.
#include "common/platform/fileops.h"
#include "tests/support/tempdir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

class FileOpsTest : public ::testing::Test {
protected:
    FileOpsTest() {
        writeFile(dir.path() / "Gauge.gau", "original");
        writeFile(dir.path() / "Other.upg1", "backup");
    }
    std::string text(const char* name) const { return dir.path().string() + "\\" + name; }
    TempDir dir;
};

TEST_F(FileOpsTest, CopyMakesAWholeCopy) {
    ASSERT_TRUE(platform::copyFileNoOverwrite(text("Gauge.gau"), text("Gauge.upg1")));
    EXPECT_EQ(readFile(dir.path() / "Gauge.upg1"), "original");
    EXPECT_EQ(readFile(dir.path() / "Gauge.gau"), "original");
}

TEST_F(FileOpsTest, CopyNeverOverwrites) {
    EXPECT_FALSE(platform::copyFileNoOverwrite(text("Gauge.gau"), text("Other.upg1")));
    EXPECT_FALSE(platform::copyFileNoOverwrite(text("Gauge.gau"), text("OTHER.UPG1")));
    EXPECT_EQ(readFile(dir.path() / "Other.upg1"), "backup");
}

TEST_F(FileOpsTest, CopyOfAFileThatCannotBeReadLeavesNoTarget) {
    std::filesystem::create_directories(dir.path() / "Folder");
    EXPECT_FALSE(platform::copyFileNoOverwrite(text("Missing.gau"), text("Copy.upg1")));
    EXPECT_FALSE(platform::copyFileNoOverwrite(text("Folder"), text("Copy.upg1")));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Copy.upg1"));
}

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

TEST_F(FileOpsTest, RenameNeverReplaces) {
    EXPECT_FALSE(platform::renameNoReplace(text("Other.upg1"), text("gauge.GAU")));
    EXPECT_EQ(readFile(dir.path() / "Gauge.gau"), "original");
    EXPECT_EQ(readFile(dir.path() / "Other.upg1"), "backup");

    ASSERT_TRUE(platform::renameNoReplace(text("Other.upg1"), text("Other.gau")));
    EXPECT_EQ(readFile(dir.path() / "Other.gau"), "backup");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Other.upg1"));
    EXPECT_FALSE(platform::renameNoReplace(text("Other.upg1"), text("Again.gau")));
}

TEST_F(FileOpsTest, DeleteRemovesFilesOnly) {
    std::filesystem::create_directories(dir.path() / "Folder");
    EXPECT_TRUE(platform::deleteFile(text("GAUGE.GAU")));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Gauge.gau"));
    EXPECT_FALSE(platform::deleteFile(text("Gauge.gau")));
    EXPECT_FALSE(platform::deleteFile(text("Folder")));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Folder"));
}

} // namespace
