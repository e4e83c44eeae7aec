#include "common/platform/hostpath.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

using testing_support::ScopedEnv;

TEST(HostPath, BackslashesAndLetterCaseOfExistingComponents) {
    TempDir dir;
    writeFile(dir.path() / "Aircraft" / "Korvanta TEV A333RR" / "aircraft.cfg", "x");
    const std::string text = dir.path().string() + "\\AIRCRAFT\\korvanta tev a333rr\\Aircraft.cfg";
    EXPECT_EQ(platform::hostPath(text), dir.path() / "Aircraft/Korvanta TEV A333RR/aircraft.cfg");
}

TEST(HostPath, MissingComponentsKeptAsWritten) {
    TempDir dir;
    const std::string text = dir.path().string() + "\\Korvanta\\Volaro\\Prefs.cfg";
    EXPECT_EQ(platform::hostPath(text), dir.path() / "Korvanta/Volaro/Prefs.cfg");
}

TEST(HostPath, ParentComponentsAndDoubleSeparatorsPassThrough) {
    TempDir dir;
    writeFile(dir.path() / "Korvanta" / "Volaro" / "Prefs.cfg", "x");
    const std::string text =
        dir.path().string() + "\\Korvanta\\Volaro\\..\\..\\\\korvanta\\volaro\\prefs.cfg";
    const auto host = platform::hostPath(text);
    EXPECT_EQ(host, dir.path() / "Korvanta/Volaro/../../Korvanta/Volaro/Prefs.cfg");
    EXPECT_TRUE(std::filesystem::exists(host));
}

TEST(HostPath, DriveLetterMapsThroughWinePrefix) {
    TempDir prefix;
    writeFile(prefix.path() / "drive_c" / "Games" / "FS9" / "fs9.exe", "x");
    const ScopedEnv env("WINEPREFIX", prefix.path().string());
    EXPECT_EQ(platform::hostPath("C:\\games\\fs9\\FS9.EXE"),
              prefix.path() / "drive_c/Games/FS9/fs9.exe");
    EXPECT_EQ(platform::hostPath("c:\\Games"), prefix.path() / "drive_c/Games");
}

TEST(HostPath, OtherDriveLettersUseDosDevices) {
    TempDir prefix;
    TempDir target;
    std::filesystem::create_directories(prefix.path() / "dosdevices");
    std::filesystem::create_directory_symlink(target.path(), prefix.path() / "dosdevices" / "d:");
    writeFile(target.path() / "Sim" / "x.cfg", "x");
    const ScopedEnv env("WINEPREFIX", prefix.path().string());
    EXPECT_TRUE(std::filesystem::exists(platform::hostPath("D:\\SIM\\X.CFG")));
}

// Path text is the host's own bytes here: names in any script arrive whole,
// and ASCII letters still match in any case.
TEST(HostPath, HostNamesInAnyScriptPassThrough) {
    TempDir dir;
    const std::string names[] = {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD FS9", // Cyrillic
                                 "\xE9\xA3\x9E\xE8\xA1\x8C",             // CJK
                                 "Caf\xC3\xA9 d\xE2\x80\x99\xC3\xA9t\xC3\xA9"};
    for (const std::string& name : names) {
        writeFile(dir.path() / name / "Aircraft" / "p.cfg", "x");
        const std::string text = dir.path().string() + "/" + name + "\\AIRCRAFT\\P.cfg";
        EXPECT_EQ(platform::hostPath(text), dir.path() / name / "Aircraft/p.cfg") << name;
        EXPECT_EQ(platform::pathText(platform::fromPathText(text)), text) << name;
        EXPECT_EQ(platform::displayPath(text),
                  QString::fromUtf8(dir.path().string() + "/" + name + "/Aircraft/p.cfg"));
    }
}

} // namespace
