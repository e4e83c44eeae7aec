// File operations against what Windows does to files: a copy that fails
// half-way (its source locked part-way by another handle), attributes, and
// names beyond ASCII.
#include "common/platform/fileops.h"
#include "tests/upgrader/fileopsfixture.h"

#include <gtest/gtest.h>
#include <windows.h>

using testing_support::readFile;
using testing_support::writeFile;

namespace {

TEST_F(FileOpsTest, CopyThatFailsHalfWayIsRemoved) {
    writeFile(dir.path() / "Big.gau", std::string(300000, 'b'));
    const HANDLE other =
        ::CreateFileW((dir.path() / "Big.gau").c_str(), GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    // Reads of the copy succeed up to the locked range, then fail.
    ASSERT_TRUE(::LockFile(other, 200000, 0, 1000, 0));
    EXPECT_FALSE(platform::copyFileNoOverwrite(text("Big.gau"), text("Big.upg1")));
    ::UnlockFile(other, 200000, 0, 1000, 0);
    ::CloseHandle(other);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Big.upg1"));
    EXPECT_EQ(readFile(dir.path() / "Big.gau"), std::string(300000, 'b'));
}

TEST_F(FileOpsTest, CopyKeepsTheReadOnlyAttributeAndRenameMovesIt) {
    const std::wstring gauge = (dir.path() / "Gauge.gau").wstring();
    ASSERT_TRUE(::SetFileAttributesW(gauge.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(platform::copyFileNoOverwrite(text("Gauge.gau"), text("Gauge.upg1")));
    EXPECT_NE(::GetFileAttributesW((dir.path() / "Gauge.upg1").c_str()) & FILE_ATTRIBUTE_READONLY,
              0u);
    EXPECT_EQ(readFile(dir.path() / "Gauge.upg1"), "original");
    // A read-only file cannot be deleted, as DeleteFile refuses it.
    EXPECT_FALSE(platform::deleteFile(text("Gauge.gau")));
    ASSERT_TRUE(platform::renameNoReplace(text("Gauge.upg1"), text("Moved.gau")));
    EXPECT_EQ(readFile(dir.path() / "Moved.gau"), "original");
}

TEST_F(FileOpsTest, NamesBeyondAsciiAreWindows1252Text) {
    std::filesystem::create_directories(dir.path() / L"Caf\u00e9");
    writeFile(dir.path() / L"Caf\u00e9" / L"Jauge \u00e9t\u00e9.gau", "original");
    const std::string folder = dir.path().string() + "\\Caf\xE9\\";
    ASSERT_TRUE(
        platform::copyFileNoOverwrite(folder + "Jauge \xE9t\xE9.gau", folder + "Copie.upg1"));
    EXPECT_EQ(readFile(dir.path() / L"Caf\u00e9" / L"Copie.upg1"), "original");
    ASSERT_TRUE(platform::renameNoReplace(folder + "Copie.upg1", folder + "\xC9t\xE9.gau"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / L"Caf\u00e9" / L"\u00c9t\u00e9.gau"));
    EXPECT_TRUE(platform::deleteFile(folder + "\xC9t\xE9.gau"));
}

} // namespace
