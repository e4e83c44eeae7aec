// Writes that cannot be done: the caller is told why, the old file stays
// whole, and nothing else is touched.
#include "common/profile/profile.h"
#include "tests/support/asuser.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::entriesIn;
using testing_support::readFile;
using testing_support::runAsUnprivileged;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

const std::string kOld = "; kept\r\n[Common]\r\nUnitSystem=0\r\n";

// 0: refused with a reason; 1: reported success; 2: refused without a reason.
int writeAsUnprivileged(const std::string& path) {
    return runAsUnprivileged([&] {
        const auto result = profile::writeString("Common", "UnitSystem", "1", path);
        return result.ok ? 1 : (result.reason.empty() ? 2 : 0);
    });
}

TEST(WriteFault, ReadOnlyFileIsReportedAndKept) {
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    writeFile(dir.path() / "Prefs.cfg", kOld);
    std::filesystem::permissions(dir.path() / "Prefs.cfg", std::filesystem::perms(0444));
    EXPECT_EQ(writeAsUnprivileged(dir.file("Prefs.cfg")), 0);
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), kOld);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WriteFault, PathTooLongIsReported) {
    TempDir dir;
    const std::string longName(300, 'n');
    const auto result = profile::writeString("Common", "A", "1", dir.file(longName));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(entriesIn(dir.path()), 0u);
}

} // namespace
