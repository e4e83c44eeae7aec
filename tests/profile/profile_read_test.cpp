#include "common/profile/profile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

using namespace std::string_view_literals;

struct ReadCase {
    const char* name;
    std::string_view file;
    const char* section;
    const char* key;
    int capacity;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

// Every case reads with the default "<UNDEFINED>".
const ReadCase kReadCases[] = {
    {"plain", "[Common]\r\nUnitSystem=1\r\n", "Common", "UnitSystem", 49, "1"},
    {"sectionAndKeyIgnoreCase", "[COMMON]\nunitsystem=2\n", "common", "UNITSYSTEM", 49, "2"},
    {"blanksAroundKeyAndValue", "[Common]\n  UnitSystem \t=\t 3  \n", "Common", "UnitSystem", 49,
     "3"},
    {"blanksInsideBrackets", "[ Common ]\nUnitSystem=4\n", "Common", "UnitSystem", 49, "4"},
    {"textAfterBracketIgnored", "[Common] ; main\nUnitSystem=5\n", "Common", "UnitSystem", 49, "5"},
    {"emptyValueIsNotMissing", "[Common]\nUnitSystem=\n", "Common", "UnitSystem", 49, ""},
    {"quotesRemoved", "[W]\nstation_load.4=\"4960,   26.0, 0.0, 0.0, First\"\n", "W",
     "station_load.4", 99, "4960,   26.0, 0.0, 0.0, First"},
    {"onlyOnePairOfQuotes", "[W]\nk=\"\"x\"\"\n", "W", "k", 99, "\"x\""},
    {"unmatchedQuoteStays", "[W]\nk=\"x\n", "W", "k", 99, "\"x"},
    {"singleQuotesStay", "[W]\nk='x'\n", "W", "k", 99, "'x'"},
    {"valueAfterFirstEquals", "[W]\nk=a=b\n", "W", "k", 99, "a=b"},
    {"semicolonInValueKept", "[W]\nk=1 ; note\n", "W", "k", 99, "1 ; note"},
    {"cutToCapacityMinusOne", "[W]\nk=0123456789\n", "W", "k", 5, "0123"},
    {"capacityOneGivesEmpty", "[W]\nk=0123456789\n", "W", "k", 1, ""},
    {"defaultIsCutToo", "[W]\n", "W", "k", 4, "<UN"},
    {"missingSection", "[Other]\nk=1\n", "W", "k", 99, "<UNDEFINED>"},
    {"missingKey", "[W]\nj=1\n", "W", "k", 99, "<UNDEFINED>"},
    {"keyInOtherSectionNotFound", "[W]\nj=1\n[X]\nk=2\n", "W", "k", 99, "<UNDEFINED>"},
    {"firstOfDuplicateKeys", "[W]\nk=1\nk=2\n", "W", "k", 99, "1"},
    {"onlyFirstOfDuplicateSections", "[W]\nj=1\n[X]\n[W]\nk=2\n", "W", "k", 99, "<UNDEFINED>"},
    {"keyBeforeAnySectionUnreadable", "k=1\n[W]\n", "W", "k", 99, "<UNDEFINED>"},
    {"commentedKeyIgnored", "[W]\n;k=1\n  ; k=2\nk=3\n", "W", "k", 99, "3"},
    {"lineWithoutEqualsIsNoKey", "[W]\nk\nk=7\n", "W", "k", 99, "7"},
    {"crOnlyLineEnds", "[W]\rj=1\rk=2\r", "W", "k", 99, "2"},
    {"lastLineWithoutEnding", "[W]\r\nk=9", "W", "k", 99, "9"},
    {"byteOrderMarkHidesFirstHeader", "\xEF\xBB\xBF[W]\nk=1\n", "W", "k", 99, "<UNDEFINED>"},
    {"windows1252BytesKept",
     "[W]\nk=Arr\xEAt D\xE9"
     "fil\n",
     "W", "k", 99,
     "Arr\xEAt D\xE9"
     "fil"},
    {"literalUndefinedReadsAsStored", "[W]\nk=<UNDEFINED>\n", "W", "k", 99, "<UNDEFINED>"},
    {"nulBytesDoNotStopTheScan", "[W]\nj=\0\nk=5\n"sv, "W", "k", 99, "5"},
};

class ReadString : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadString, ReturnsValueAsTheSimulatorReadsIt) {
    const ReadCase& c = GetParam();
    TempDir dir;
    writeFile(dir.path() / "p.cfg", std::string(c.file));
    EXPECT_EQ(
        profile::readString(c.section, c.key, profile::kUndefined, c.capacity, dir.file("p.cfg")),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadString, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadString, MissingFileGivesDefault) {
    TempDir dir;
    EXPECT_EQ(profile::readString("W", "k", "fallback", 99, dir.file("none.cfg")), "fallback");
}

TEST(ReadString, FindsFileAndFoldersIgnoringCaseThroughWindowsPathText) {
    TempDir dir;
    writeFile(dir.path() / "Aircraft" / "Korvanta TEV A332GE" / "aircraft.cfg",
              "[WEIGHT_AND_BALANCE]\nempty_weight=264875\n");
    const std::string path = dir.path().string() + "\\aircraft\\Korvanta TEV A332GE\\Aircraft.cfg";
    EXPECT_EQ(
        profile::readString("WEIGHT_AND_BALANCE", "empty_weight", profile::kUndefined, 99, path),
        "264875");
}

struct IntCase {
    const char* name;
    const char* value; // nullptr: key absent
    int expected;
};

void PrintTo(const IntCase& c, std::ostream* os) {
    *os << c.name;
}

const IntCase kIntCases[] = {
    {"plain", "42", 42},
    {"negative", "-1", -1},
    {"plusSign", "+1", 1},
    {"leadingNumberOnly", "42A", 42},
    {"letterGivesZeroNotDefault", "B", 0},
    {"emptyGivesZero", "", 0},
    {"quoted", "\"17\"", 17},
    {"signAlone", "-", 0},
    {"wrapsAt2To32", "4294967297", 1},
    {"largestNegative", "-2147483648", -2147483647 - 1},
    {"missingKeyGivesDefault", nullptr, -9999},
};

class ReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(ReadInt, ScansLeadingDecimalNumber) {
    const IntCase& c = GetParam();
    TempDir dir;
    std::string file = "[Keys]\n";
    if (c.value)
        file += std::string("Command.00-Key=") + c.value + "\n";
    writeFile(dir.path() / "p.cfg", file);
    EXPECT_EQ(profile::readInt("Keys", "Command.00-Key", -9999, dir.file("p.cfg")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadInt, testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadInt, MissingFileGivesDefault) {
    TempDir dir;
    EXPECT_EQ(profile::readInt("Keys", "k", -9999, dir.file("none.cfg")), -9999);
}

TEST(ReadKeys, ListsTheKeysOfTheFirstSectionOfThatNameInFileOrder) {
    TempDir dir;
    writeFile(dir.path() / "a.cfg", "[General]\nx=1\n[weight_and_balance]\n; note\n"
                                    " station_load.1 = 5\nempty_weight=2\nnot a key\n"
                                    "[WEIGHT_AND_BALANCE]\nstation_load.7=9\n");
    EXPECT_EQ(profile::readKeys("WEIGHT_AND_BALANCE", dir.file("a.cfg")),
              (std::vector<std::string>{"station_load.1", "empty_weight"}));
    EXPECT_TRUE(profile::readKeys("Radios", dir.file("a.cfg")).empty());
    EXPECT_TRUE(profile::readKeys("General", dir.file("none.cfg")).empty());
}

} // namespace
