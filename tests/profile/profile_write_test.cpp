#include "common/profile/profile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <vector>

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
using namespace std::string_view_literals;

namespace {

struct WriteCase {
    const char* name;
    std::string_view before;
    const char* section;
    const char* key;
    const char* value;
    std::string_view after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

const WriteCase kWriteCases[] = {
    {"replacesInPlaceKeepingOtherLines", "; top\r\n[Common]\r\nA=1\r\nUnitSystem=0\r\nB=2\r\n",
     "Common", "UnitSystem", "1", "; top\r\n[Common]\r\nA=1\r\nUnitSystem=1\r\nB=2\r\n"},
    {"keepsFileSpellingOfKey", "[Common]\n  unitSYSTEM = 0 \n", "COMMON", "UnitSystem", "1",
     "[Common]\nunitSYSTEM=1\n"},
    {"replacesOnlyFirstDuplicateKey", "[W]\nk=1\nk=2\n", "W", "k", "3", "[W]\nk=3\nk=2\n"},
    {"newKeyAfterLastKeyLine", "[W]\na=1\n; note\n\n[X]\nb=2\n", "W", "k", "3",
     "[W]\na=1\nk=3\n; note\n\n[X]\nb=2\n"},
    {"newKeyInEmptySectionAfterHeader", "[W]\n\n[X]\n", "W", "k", "1", "[W]\nk=1\n\n[X]\n"},
    {"newKeyGoesToFirstDuplicateSection", "[W]\na=1\n[W]\nb=2\n", "W", "k", "3",
     "[W]\na=1\nk=3\n[W]\nb=2\n"},
    {"newSectionAtEndWithFileLineEnding", "[X]\r\nb=2\r\n", "W", "k", "1",
     "[X]\r\nb=2\r\n[W]\r\nk=1\r\n"},
    {"newSectionAfterMissingFinalNewline", "[X]\nb=2", "W", "k", "1", "[X]\nb=2\n[W]\nk=1\n"},
    {"newKeyAfterLastLineWithoutEnding", "[W]\na=1", "W", "k", "2", "[W]\na=1\nk=2"},
    {"crOnlyFileKeepsCr", "[W]\ra=1\r", "W", "k", "2", "[W]\ra=1\rk=2\r"},
    {"newKeyTakesTheLineEndingOfTheLineBefore", "a\r[W]\nx=1\n\nrest\n", "W", "k", "2",
     "a\r[W]\nx=1\nk=2\n\nrest\n"},
    {"valueWrittenVerbatimWithQuotes", "[W]\n", "W", "station_load.4",
     "\"4960,   26.0, 0.0, 0.0, First\"",
     "[W]\nstation_load.4=\"4960,   26.0, 0.0, 0.0, First\"\n"},
    {"emptyFileGetsSection", "", "W", "k", "1", "[W]\r\nk=1\r\n"},
    {"oddLinesAndHighBytesSurvive",
     "junk without equals\n\xE9t\xE9=\xFC\n[W]\n=novalue\n[broken\nk=0\n\x01\x02\n"sv, "W", "k",
     "5", "junk without equals\n\xE9t\xE9=\xFC\n[W]\n=novalue\n[broken\nk=5\n\x01\x02\n"sv},
    {"nulBytesSurvive", "[W]\nx=\0\0\nk=1\n"sv, "W", "k", "2", "[W]\nx=\0\0\nk=2\n"sv},
    {"byteOrderMarkKeptAndSectionAdded", "\xEF\xBB\xBF[W]\nk=1\n", "W", "k", "2",
     "\xEF\xBB\xBF[W]\nk=1\n[W]\nk=2\n"},
    {"keyBeforeAnySectionUntouched", "k=1\n[W]\n", "W", "k", "2", "k=1\n[W]\nk=2\n"},
};

class WriteString : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteString, ChangesOnlyItsOwnLine) {
    const WriteCase& c = GetParam();
    TempDir dir;
    writeFile(dir.path() / "p.cfg", std::string(c.before));
    const auto result = profile::writeString(c.section, c.key, c.value, dir.file("p.cfg"));
    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(readFile(dir.path() / "p.cfg"), std::string(c.after));
    // What was written reads back.
    EXPECT_EQ(profile::readInt(c.section, c.key, -9999, dir.file("p.cfg")) != -9999, true);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteString, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteString, MissingFileIsCreatedWithSectionAndKey) {
    TempDir dir;
    ASSERT_TRUE(profile::writeString("Common", "ColdAndDark", "1", dir.file("Prefs.cfg")));
    EXPECT_EQ(readFile(dir.path() / "Prefs.cfg"), "[Common]\r\nColdAndDark=1\r\n");
}

TEST(WriteString, MissingFolderFailsAndCreatesNothing) {
    TempDir dir;
    const auto result = profile::writeString("W", "k", "1", dir.file("no/such/p.cfg"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no"));
}

TEST(WriteString, ExistingFileFoundIgnoringCase) {
    TempDir dir;
    writeFile(dir.path() / "Korvanta" / "Volaro" / "prefs.CFG", "[Common]\nA=1\n");
    const std::string path = dir.path().string() + "\\korvanta\\VOLARO\\Prefs.cfg";
    ASSERT_TRUE(profile::writeString("Common", "A", "2", path));
    EXPECT_EQ(readFile(dir.path() / "Korvanta" / "Volaro" / "prefs.CFG"), "[Common]\nA=2\n");
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(dir.path() / "Korvanta" / "Volaro"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"prefs.CFG"}); // the file's own spelling kept
}

// Names or values that would break the file's lines are refused, and the
// file stays as it was.
TEST(WriteString, RefusesWritesThatWouldInjectLines) {
    TempDir dir;
    writeFile(dir.path() / "p.cfg", "[W]\nk=1\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } bad[] = {{"W", "k", "1\r\n[X]"}, {"W", "k=2", "1"}, {"W]", "k", "1"},
               {"", "k", "1"},         {"W", "", "1"},    {"W", ";k", "1"}};
    for (const auto& b : bad) {
        EXPECT_FALSE(profile::writeString(b.section, b.key, b.value, dir.file("p.cfg")).ok)
            << b.section << "/" << b.key;
    }
    EXPECT_EQ(readFile(dir.path() / "p.cfg"), "[W]\nk=1\n");
}

TEST(WriteString, FolderInPlaceOfFileFails) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "p.cfg");
    EXPECT_FALSE(profile::writeString("W", "k", "1", dir.file("p.cfg")).ok);
}

TEST(WriteString, GarbageFileKeepsEveryByte) {
    TempDir dir;
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    garbage += std::string(1 << 20, 'x'); // a megabyte-long line
    writeFile(dir.path() / "p.cfg", garbage);
    ASSERT_TRUE(profile::writeString("W", "k", "1", dir.file("p.cfg")));
    const std::string after = readFile(dir.path() / "p.cfg");
    ASSERT_GE(after.size(), garbage.size());
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(profile::readString("W", "k", "", 9, dir.file("p.cfg")), "1");
}

TEST(WriteBatch, EqualsTheSameWritesOneByOne) {
    TempDir dir;
    const std::string start = "; prefs\r\n[Keys]\r\nCommand.05-Key=7\r\n\r\n[Common]\r\nA=1\r\n";
    writeFile(dir.path() / "single.cfg", start);
    writeFile(dir.path() / "batch.cfg", start);

    profile::WriteBatch batch(dir.file("batch.cfg"));
    for (int slot = 0; slot <= 90; ++slot) {
        char modifier[32], key[32];
        std::snprintf(modifier, sizeof modifier, "Command.%02d-Modifier", slot);
        std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
        const std::string value = std::to_string(slot);
        profile::writeString("Keys", modifier, value, dir.file("single.cfg"));
        profile::writeString("Keys", key, value, dir.file("single.cfg"));
        batch.writeString("Keys", modifier, value);
        batch.writeString("Keys", key, value);
    }
    profile::writeString("New", "X", "1", dir.file("single.cfg"));
    profile::writeString("Common", "A", "2", dir.file("single.cfg"));
    batch.writeString("New", "X", "1");
    batch.writeString("Common", "A", "2");
    ASSERT_TRUE(batch.commit());
    EXPECT_EQ(readFile(dir.path() / "batch.cfg"), readFile(dir.path() / "single.cfg"));
}

TEST(WriteBatch, OneBadEntryWritesNothing) {
    TempDir dir;
    writeFile(dir.path() / "p.cfg", "[W]\nk=1\n");
    profile::WriteBatch batch(dir.file("p.cfg"));
    batch.writeString("W", "k", "2");
    batch.writeString("W", "j", "bad\nline");
    EXPECT_FALSE(batch.commit().ok);
    EXPECT_EQ(readFile(dir.path() / "p.cfg"), "[W]\nk=1\n");
}

} // namespace
