// Windows opens the system's path text as it stands: only the characters
// change from Windows-1252 to the wide text of the file system.
#include "common/platform/hostpath.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

TEST(HostPath, TextIsKeptAsWritten) {
    EXPECT_EQ(platform::hostPath("C:\\Games\\FS9\\..\\FS9\\\\Aircraft.cfg").wstring(),
              L"C:\\Games\\FS9\\..\\FS9\\\\Aircraft.cfg");
    EXPECT_EQ(platform::hostPath("\\Korvanta\\Volaro\\Prefs.cfg").wstring(),
              L"\\Korvanta\\Volaro\\Prefs.cfg");
}

TEST(HostPath, LetterCaseIsTheFileSystemsBusiness) {
    TempDir dir;
    writeFile(dir.path() / "Aircraft" / "Korvanta TEV A333RR" / "aircraft.cfg", "x");
    const std::string text = dir.path().string() + "\\AIRCRAFT\\korvanta tev a333rr\\Aircraft.cfg";
    EXPECT_TRUE(std::filesystem::exists(platform::hostPath(text)));
}

TEST(HostPath, Windows1252TextBecomesUnicodeNames) {
    TempDir dir;
    writeFile(dir.path() / L"Caf\u00e9 \u20ac" / "p.cfg", "x");
    const auto host = platform::hostPath(dir.path().string() + "\\CAF\xC9 \x80\\p.cfg");
    EXPECT_TRUE(std::filesystem::exists(host));
    EXPECT_EQ(platform::qtPath(host), QString::fromStdWString(dir.path().wstring()) +
                                          QStringLiteral("\\CAF\u00c9 \u20ac\\p.cfg"));
}

} // namespace
