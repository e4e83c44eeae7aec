// File copy, rename and delete with the results the upgrade relies on.
#include "common/platform/fileops.h"
#include "tests/upgrader/fileopsfixture.h"

#include <gtest/gtest.h>

using testing_support::readFile;
using testing_support::writeFile;

namespace {

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
