#include "common/platform/hostpath.h"
#include "configurator/cli/prefscommand.h"
#include "configurator/prefs/preferences.h"
#include "tests/prefs/prefsfixture.h"

#include <QJsonDocument>
#include <QTextStream>

namespace {

struct ReadCase {
    const char* name;
    const char* stored; // nullptr: key missing
    const char* key;
    std::int32_t fallback;
    std::int32_t expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kSevenAfter48Zeros = std::string(48, '0') + "7"; // the 7 is cut off

const ReadCase kReadCases[] = {
    {"outOfRangeNumberKept", "5", "UserExperience", 1, 5},
    {"textGivesDefault", "abc", "PanelVolume", 100, 100},
    {"scanMarkerGivesDefault", "-9999", "PanelVolume", 100, 100},
    {"numberRead", "40", "PanelVolume", 100, 40},
    {"leadingNumberOfText", " 42 percent", "PanelVolume", 100, 42},
    {"negativeKept", "-3", "Modifier", 0, -3},
    {"emptyGivesDefault", "", "IRSAlignmentTime", 60, 60},
    {"missingGivesDefault", nullptr, "Locker", 1, 1},
    {"literalUndefinedIsMissing", "<UNDEFINED>", "IRSAlignmentTime", 60, 60},
    {"cutTo48CharactersBeforeScanning", kSevenAfter48Zeros.c_str(), "IRSAlignmentTime", 60, 0},
    {"wrapsInsteadOfOverflowing", "4294967297", "AutoPause", 0, 1},
};

class ReadSetting : public PrefsFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadSetting, AppliesTheMissingValueRules) {
    const ReadCase& c = GetParam();
    if (c.stored)
        writePrefs(std::string("[Common]\n") + c.key + "=" + c.stored + "\n");
    EXPECT_EQ(prefs::readSetting(c.key, c.fallback), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadSetting, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Preferences = PrefsFileTest;

TEST_F(Preferences, MissingFileGivesEveryDefault) {
    prefs::Working = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    prefs::getAll();
    const prefs::Values defaults;
    for (const prefs::Setting& setting : prefs::kSettings)
        EXPECT_EQ(prefs::Working.*setting.value, defaults.*setting.value) << setting.key;
}

// The PPU choice survives the next opening (and so the next Ok).
TEST_F(Preferences, StoredPushbackIsReadLikeTheOthers) {
    const std::pair<const char*, int> cases[] = {
        {"[Common]\nPushbackType=1\n", 1}, {"[Common]\nPushbackType=0\n", 0},
        {"[Common]\nPushbackType=3\n", 3}, {"[Common]\nPushbackType=abc\n", 0},
        {"[Common]\nUnitSystem=1\n", 0},
    };
    for (const auto& [file, expected] : cases) {
        writePrefs(file);
        prefs::Working.pushbackType = 7;
        prefs::getAll();
        EXPECT_EQ(prefs::Working.pushbackType, expected) << file;
    }
}

TEST_F(Preferences, SetAllAppendsCommonInWriteOrderAfterColdAndDark) {
    writePrefs("[Keys]\nKey1=65\n");
    ASSERT_TRUE(prefs::requestColdAndDark());
    prefs::Working = {1, 1, 2, 40, 600, 0, 3, 7, 0, 5};
    ASSERT_TRUE(prefs::setAll());
    EXPECT_EQ(readPrefs(), "[Keys]\nKey1=65\n"
                           "[Common]\nColdAndDark=1\nUnitSystem=1\nPushbackType=1\n"
                           "UserExperience=2\nPanelVolume=40\nIRSAlignmentTime=600\n"
                           "Modifier=0\nLocker=3\nAutoPause=7\nFsuipcUsage=0\nFMGCSaveMode=5\n");
}

TEST_F(Preferences, SetAllEqualsTheSetOperationsOneByOne) {
    const std::string start = "; user notes\n[Common]\nLocker=2\nExtra=x\nPanelVolume=10\n";
    prefs::Working = {0, 1, 0, 55, 10, 4, 0, 1, 1, 0};
    writePrefs(start);
    for (auto set :
         {prefs::SetUnit, prefs::SetPushbackType, prefs::SetUserExperience, prefs::SetPanelVolume,
          prefs::SetIRSAlignmentTime, prefs::SetMCDUKeyModifierAndLocker, prefs::SetAutoPause,
          prefs::SetFsuipcUsage, prefs::SetFMGCSaveMode})
        ASSERT_TRUE(set());
    const std::string oneByOne = readPrefs();
    writePrefs(start);
    ASSERT_TRUE(prefs::setAll());
    EXPECT_EQ(readPrefs(), oneByOne);
}

TEST_F(Preferences, FailedWritesAreReportedToTheCaller) {
    std::filesystem::remove_all(sim_.path() / "Korvanta");
    EXPECT_FALSE(prefs::setAll());
    EXPECT_FALSE(prefs::SetUnit());
    const profile::WriteResult coldAndDark = prefs::requestColdAndDark();
    EXPECT_FALSE(coldAndDark.ok);
    EXPECT_FALSE(coldAndDark.reason.empty());
}

TEST(PreferenceLabels, VolumeLabelThresholds) {
    const std::pair<int, const char*> cases[] = {
        {-5, "Low"},    {0, "No Sound"}, {1, "Low"},   {32, "Low"},      {33, "Medium"},
        {66, "Medium"}, {67, "High"},    {99, "High"}, {100, "Maximum"}, {150, "Maximum"}};
    for (const auto& [volume, label] : cases)
        EXPECT_STREQ(prefs::volumeLabel(volume), label) << volume;
}

TEST(PreferenceLabels, IrsTimeLabel) {
    const std::pair<int, const char*> cases[] = {{0, "0s"},      {10, "10s"},   {60, "60s"},
                                                 {61, "1m01s"},  {90, "1m30s"}, {600, "10m00s"},
                                                 {900, "15m00s"}};
    for (const auto& [seconds, label] : cases)
        EXPECT_EQ(prefs::irsTimeLabel(seconds), label) << seconds;
}

TEST(PreferenceLabels, LockKeyAndModifierInterplay) {
    prefs::Values v;
    v.modifier = 2;
    prefs::chooseLocker(v, 1);
    EXPECT_EQ(v.modifier, 0);
    EXPECT_FALSE(prefs::modifiersEnabled(v.locker));
    prefs::chooseLocker(v, 0);
    EXPECT_EQ(v.modifier, 3);
    EXPECT_TRUE(prefs::modifiersEnabled(v.locker));
    v.modifier = 4;
    prefs::chooseLocker(v, 0);
    EXPECT_EQ(v.modifier, 4);
    prefs::chooseLocker(v, 9); // unknown: nothing changes
    EXPECT_EQ(v.locker, 0);
    EXPECT_EQ(v.modifier, 4);
}

TEST_F(Preferences, JsonCommandPrintsWhatTheGetOperationsRead) {
    writePrefs("[Common]\nPushbackType=1\nPanelVolume=abc\nIRSAlignmentTime=900\nLocker=0\n"
               "Modifier=0\nFMGCSaveMode=2\n");
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    EXPECT_EQ(runPrefsCommand({QStringLiteral("--json")}, out, err), 0);
    out.flush();
    // JSON objects are unordered: compared as parsed.
    EXPECT_EQ(QJsonDocument::fromJson(outText.toUtf8()),
              QJsonDocument::fromJson("{\n  \"UnitSystem\": 0,\n  \"PushbackType\": 1,\n"
                                      "  \"UserExperience\": 1,\n  \"PanelVolume\": 100,\n"
                                      "  \"IRSAlignmentTime\": 900,\n  \"Modifier\": 0,\n"
                                      "  \"Locker\": 0,\n  \"AutoPause\": 0,\n"
                                      "  \"FsuipcUsage\": 0,\n  \"FMGCSaveMode\": 2\n}\n"))
        << outText.toStdString();
    EXPECT_TRUE(outText.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(errText.isEmpty());

    outText.clear();
    EXPECT_EQ(runPrefsCommand({}, out, err), 0);
    out.flush();
    EXPECT_TRUE(outText.contains(QStringLiteral("\nPushbackType      1\n")))
        << outText.toStdString();
    EXPECT_EQ(runPrefsCommand({QStringLiteral("--xml")}, out, err), 2);
}

// The window would show the defaults; the command says why instead.
TEST_F(Preferences, CommandReportsAPrefsFileThatCannotBeRead) {
    std::filesystem::create_directories(prefsFile());
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    EXPECT_EQ(runPrefsCommand({QStringLiteral("--json")}, out, err), 1);
    out.flush();
    err.flush();
    EXPECT_TRUE(outText.isEmpty());
    EXPECT_TRUE(
        errText.startsWith(QStringLiteral("configurator prefs: cannot read ") +
                           platform::qtPath(sim_.path() / "Korvanta" / "Volaro" / "Prefs.cfg")))
        << errText.toStdString();
}

} // namespace
