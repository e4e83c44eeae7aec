// Profile writes against what Windows does to files: a replacement in place,
// a file another program holds open, and folder names beyond ASCII.
#include "common/profile/profile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <windows.h>

using testing_support::entriesIn;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

const std::string kOld = "; kept\r\n[Common]\r\nUnitSystem=0\r\n";

// Another program's handle on a file, with the sharing it allows others.
class HeldOpen {
public:
    HeldOpen(const std::filesystem::path& path, DWORD share)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST(WindowsWrite, ReplacesAnExistingFileInPlace) {
    TempDir dir;
    writeFile(dir.path() / "Prefs.cfg", kOld);
    ASSERT_TRUE(profile::writeString("Common", "UnitSystem", "1", dir.file("Prefs.cfg")));
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), "; kept\r\n[Common]\r\nUnitSystem=1\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
    EXPECT_EQ(::GetFileAttributesW((dir.path() / "Prefs.cfg").c_str()) & FILE_ATTRIBUTE_READONLY,
              0u);
}

TEST(WindowsWrite, ReadOnlyAttributeRefusesTheWriteAndStays) {
    TempDir dir;
    writeFile(dir.path() / "Prefs.cfg", kOld);
    const std::wstring file = (dir.path() / "Prefs.cfg").wstring();
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const auto result = profile::writeString("Common", "UnitSystem", "1", dir.file("Prefs.cfg"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), kOld);
    EXPECT_NE(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// A file opened without sharing (an editor that locks it), or shared for
// reading and writing but not for deletion (what most programs do), cannot be
// replaced: the write says so and the file is whole once it is closed.
TEST(WindowsWrite, FileHeldOpenByAnotherProgramIsReportedAndKept) {
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        SCOPED_TRACE(share);
        TempDir dir;
        writeFile(dir.path() / "Prefs.cfg", kOld);
        {
            const HeldOpen other(dir.path() / "Prefs.cfg", share);
            ASSERT_TRUE(other.isOpen());
            const auto result =
                profile::writeString("Common", "UnitSystem", "1", dir.file("Prefs.cfg"));
            EXPECT_FALSE(result.ok);
            EXPECT_FALSE(result.reason.empty());
        }
        EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), kOld);
        EXPECT_EQ(entriesIn(dir.path()), 1u);
    }
}

// Path text is Windows-1252, as the system composes it: "Père Noël" is
// written with the bytes 0xE8 and 0xEB and names the folder Windows shows.
TEST(WindowsWrite, FolderNamesBeyondAsciiAreFound) {
    TempDir dir;
    const std::filesystem::path folder = dir.path() / L"P\u00e8re No\u00ebl";
    std::filesystem::create_directories(folder);
    const std::string text = dir.path().string() + "\\P\xE8re No\xEBl\\Prefs.cfg";
    ASSERT_TRUE(profile::writeString("Common", "UnitSystem", "1", text));
    EXPECT_EQ(readFile(folder / "Prefs.cfg"), "[Common]\r\nUnitSystem=1\r\n");
    EXPECT_EQ(profile::readInt("Common", "UnitSystem", 0, text), 1);
}

} // namespace
