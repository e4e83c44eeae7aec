// Permission bits on POSIX: a folder that refuses new files, a file that can
// be written but not read, and modes that survive a replacement.
#include "common/profile/profile.h"
#include "tests/support/asuser.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using testing_support::entriesIn;
using testing_support::readFile;
using testing_support::runAsUnprivileged;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

const std::string kOld = "; kept\r\n[Common]\r\nUnitSystem=0\r\n";

int writeAsUnprivileged(const std::string& path) {
    return runAsUnprivileged([&] {
        const auto result = profile::writeString("Common", "UnitSystem", "1", path);
        return result.ok ? 1 : (result.reason.empty() ? 2 : 0);
    });
}

TEST(WriteFault, ReadOnlyFolderIsReportedAndKept) {
    TempDir dir;
    writeFile(dir.path() / "Prefs.cfg", kOld);
    ::chmod(dir.file("Prefs.cfg").c_str(), 0666);
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(writeAsUnprivileged(dir.file("Prefs.cfg")), 0);
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), kOld);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WriteFault, UnreadableFileIsNeverReplaced) {
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    writeFile(dir.path() / "Prefs.cfg", kOld);
    ::chmod(dir.file("Prefs.cfg").c_str(), 0222);
    EXPECT_EQ(writeAsUnprivileged(dir.file("Prefs.cfg")), 0);
    ::chmod(dir.file("Prefs.cfg").c_str(), 0644);
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), kOld);
}

TEST(WriteString, KeepsPermissionsOfTheOldFile) {
    TempDir dir;
    writeFile(dir.path() / "p.cfg", "[W]\nk=1\n");
    ::chmod(dir.file("p.cfg").c_str(), 0640);
    ASSERT_TRUE(profile::writeString("W", "k", "2", dir.file("p.cfg")));
    struct stat info;
    ASSERT_EQ(::stat(dir.file("p.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
