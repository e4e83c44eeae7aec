#include "configurator/load/loadmanager.h"

#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/asuser.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
using Keys = std::vector<std::pair<std::string, std::string>>;

std::string weightAndBalance(const Keys& keys) {
    std::string text = "[WEIGHT_AND_BALANCE]\r\n";
    for (const auto& [key, value] : keys)
        text += key + "=" + value + "\r\n";
    return text;
}

// The lines of `text`, split at LF.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

class LoadManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(dir.path().string(), "");
        LastZfw = 0;
    }

    std::filesystem::path file(int code, int variant = 0) const {
        const std::string relative = aircraftFileTexts(*aircraftOfCode(code)).at(variant);
        std::string host = relative;
        std::replace(host.begin(), host.end(), '\\', '/');
        return dir.path().string() + host;
    }

    // A fresh model of `code` that has read its primary file.
    std::unique_ptr<CLoadManager> loaded(int code) const {
        auto model = createLoadManager(code);
        model->load();
        return model;
    }

    TempDir dir;
};

TEST(PayloadConstants, ConversionFactorsAreTheDoubleAndTheFloatOfOneOverLbToKg) {
    EXPECT_EQ(payload::kKgToLbOnSave, 2.204585537918871);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(payload::kPoundsDisplayFactor), 0x400D17EEu);
    EXPECT_EQ(payload::kPoundsDisplayFactor, static_cast<float>(1.0 / 0.4536));
}

TEST(PayloadTable, CodesNamesAndClassesFindTheirRows) {
    EXPECT_EQ(aircraftOfCode(kA340_600)->economySeats, 383);
    EXPECT_EQ(aircraftNamed("a330-300")->code, kA330_300);
    EXPECT_EQ(aircraftOfCode(5), nullptr);
    EXPECT_EQ(aircraftNamed("A330"), nullptr);
    EXPECT_EQ(createLoadManager(10), nullptr);
    EXPECT_STREQ(A343LoadManager().aircraft().designation, "A340-300");
    EXPECT_STREQ(CA332LoadManager().aircraft().loadManagerClass, "CA332LoadManager");
}

// --- Round trip of every position of every aircraft through the file -------

struct AircraftCase {
    const char* name;
    int code;
};
void PrintTo(const AircraftCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTripTest : public LoadManagerTest, public ::testing::WithParamInterface<AircraftCase> {};

TEST_P(RoundTripTest, EveryPassengerCountAndCargoPercentReadsBackAfterSave) {
    const int code = GetParam().code;
    const AircraftType& row = *aircraftOfCode(code);
    writeFile(file(code), weightAndBalance({{"empty_weight", "250000"}}));
    const int last = std::max({row.businessSeats, row.economySeats, 100});
    // One save per step moves all four positions, so every value of each is
    // written and read back.
    for (int k = 0; k <= last; ++k) {
        auto model = createLoadManager(code);
        model->setBusiness(k);
        model->setEconomy(k);
        model->setForward(k);
        model->setAft(k);
        model->refresh();
        ASSERT_EQ(model->save().size(), 1u);
        const auto back = loaded(code);
        ASSERT_EQ(back->business(), std::min(k, row.businessSeats)) << "step " << k;
        ASSERT_EQ(back->economy(), std::min(k, row.economySeats)) << "step " << k;
        ASSERT_EQ(back->forward(), std::min(k, 100)) << "step " << k;
        ASSERT_EQ(back->aft(), std::min(k, 100)) << "step " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(AllAircraft, RoundTripTest,
                         ::testing::Values(AircraftCase{"A330_200", kA330_200},
                                           AircraftCase{"A330_300", kA330_300},
                                           AircraftCase{"A340_300", kA340_300},
                                           AircraftCase{"A340_600", kA340_600}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadManagerTest, SaveWritesTheQuotedStationsInPoundsWithTheirExactSpacing) {
    writeFile(file(kA330_200), "[WEIGHT_AND_BALANCE]\r\nempty_weight=264875\r\n");
    auto model = createLoadManager(kA330_200);
    model->setBusiness(30);
    model->setEconomy(263);
    model->setForward(50);
    model->setAft(33);
    model->refresh();
    const auto results = model->save();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok) << results[0].reason;
    // 30 x 75 kg = 4960.3 lb; 263 x 75 = 43485.4; 50 % of 18860 = 20789.6;
    // 33 % of 15240 = 5029 kg = 11086.9 lb.
    EXPECT_EQ(readFile(file(kA330_200)), "[WEIGHT_AND_BALANCE]\r\n"
                                         "empty_weight=264875\r\n"
                                         "station_load.4=\"4960,   26.0, 0.0, 0.0, First\"\r\n"
                                         "station_load.5=\"43485,  0.0, 0.0, 0.0, Coach\"\r\n"
                                         "station_load.2=\"20789,   16.0, 0.0, 0.0, Baggage\"\r\n"
                                         "station_load.3=\"11086,   0.0, 0.0, 0.0, Cargo\"\r\n");
}

TEST_F(LoadManagerTest, SaveKeepsEveryOtherLineOfARealAircraftFileByteForByte) {
    const std::string original =
        readFile(std::string(VOLARO_TEST_DATA_DIR) + "/fixtures/aircraft.cfg");
    ASSERT_FALSE(original.empty());
    writeFile(file(kA330_200), original);
    auto model = loaded(kA330_200);
    EXPECT_EQ(model->emptyWeightKg(), 120147);
    model->setEconomy(200);
    model->refresh();
    ASSERT_TRUE(model->save().at(0).ok);

    const std::vector<std::string> before = lines(original);
    const std::vector<std::string> after = lines(readFile(file(kA330_200)));
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            EXPECT_EQ(before[i].rfind("station_load.", 0), 0u) << "line " << i + 1 << " changed";
        }
    }
    EXPECT_NE(
        std::find(after.begin(), after.end(), "station_load.5=\"33068,  0.0, 0.0, 0.0, Coach\"\r"),
        after.end());
}

// --- Reading the stations and the empty weight ----------------------------

struct StationCase {
    const char* name;
    int code;
    const char* key;
    const char* value;
    int business, economy, forward, aft;
};
void PrintTo(const StationCase& c, std::ostream* os) {
    *os << c.name;
}

class StationReadTest : public LoadManagerTest,
                        public ::testing::WithParamInterface<StationCase> {};

TEST_P(StationReadTest, ReadsThePositionFromTheLeadingNumber) {
    const StationCase& c = GetParam();
    writeFile(file(c.code), weightAndBalance({{c.key, c.value}}));
    const auto model = loaded(c.code);
    EXPECT_EQ(model->business(), c.business);
    EXPECT_EQ(model->economy(), c.economy);
    EXPECT_EQ(model->forward(), c.forward);
    EXPECT_EQ(model->aft(), c.aft);
}

INSTANTIATE_TEST_SUITE_P(
    Stations, StationReadTest,
    ::testing::Values(
        StationCase{"QuotedEconomy", kA330_200, "station_load.5",
                    "\"43485,  0.0, 0.0, 0.0, Coach\"", 0, 263, 0, 0},
        StationCase{"ForwardHalf", kA330_200, "station_load.2", "20789, 16.0, 0.0, 0.0, Baggage", 0,
                    0, 50, 0},
        StationCase{"AftPartly", kA340_600, "station_load.3", "\"20000, 0,0,0,Cargo\"", 0, 0, 0,
                    49},
        StationCase{"BusinessAboveSeatsIsFullClass", kA330_300, "station_load.4", "99999", 30, 0, 0,
                    0},
        StationCase{"EconomyAboveSeatsIsFullClass", kA340_600, "station_load.5", "2000000", 0, 383,
                    0, 0},
        StationCase{"CargoAboveMaximumIsFull", kA340_300, "station_load.2", "60000", 0, 0, 100, 0},
        StationCase{"HugeNumberSaturates", kA340_300, "station_load.3", "99999999999999", 0, 0, 0,
                    100},
        StationCase{"Zero", kA330_200, "station_load.4", "0", 0, 0, 0, 0},
        StationCase{"Negative", kA330_200, "station_load.5", "-4000, 0.0, 0.0, 0.0, Coach", 0, 0, 0,
                    0},
        StationCase{"TextWithoutNumber", kA330_200, "station_load.2", "Baggage 9000", 0, 0, 0, 0},
        StationCase{"Empty", kA330_200, "station_load.3", "", 0, 0, 0, 0},
        StationCase{"LeadingBlanksAndSign", kA330_200, "station_load.4", "\"  +331\"", 2, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct EmptyWeightCase {
    const char* name;
    int code;
    const char* value; // null: no key
    int kilograms;
};
void PrintTo(const EmptyWeightCase& c, std::ostream* os) {
    *os << c.name;
}

class EmptyWeightTest : public LoadManagerTest,
                        public ::testing::WithParamInterface<EmptyWeightCase> {};

TEST_P(EmptyWeightTest, MissingTruncatesTheDefaultUnusableRoundsIt) {
    const EmptyWeightCase& c = GetParam();
    writeFile(file(c.code), c.value ? weightAndBalance({{"empty_weight", c.value}})
                                    : weightAndBalance({{"station_load.0", "170"}}));
    EXPECT_EQ(loaded(c.code)->emptyWeightKg(), c.kilograms);
}

INSTANTIATE_TEST_SUITE_P(
    EmptyWeight, EmptyWeightTest,
    ::testing::Values(EmptyWeightCase{"A346Missing", kA340_600, nullptr, 177003},
                      EmptyWeightCase{"A346Text", kA340_600, "abc", 177004},
                      EmptyWeightCase{"A343Missing", kA340_300, nullptr, 129797},
                      EmptyWeightCase{"A343Zero", kA340_300, "0", 129798},
                      EmptyWeightCase{"A343Negative", kA340_300, "-286150", 129798},
                      EmptyWeightCase{"NumberIsRounded", kA330_300, "  300001.9 ; OEW", 136080},
                      EmptyWeightCase{"NumberWithComment", kA330_200, "264875 ; lb", 120147}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Figures ---------------------------------------------------------------

TEST_F(LoadManagerTest, NoPayloadKeysGiveTheEmptyWeightAsZfw) {
    writeFile(file(kA330_200), "[General]\r\natc_type=A330\r\n");
    const auto model = loaded(kA330_200);
    const PayloadFigures& f = model->figures();
    EXPECT_EQ(f.zfw, 120147);
    EXPECT_EQ(f.aircraftWeight, 120147);
    EXPECT_EQ(f.paxWeight + f.cargoWeight + f.businessWeight + f.economyWeight, 0);
    EXPECT_EQ(LastZfw, 120147);
}

TEST_F(LoadManagerTest, KilogramZfwIsEmptyWeightPlusPassengersPlusCargo) {
    writeFile(file(kA330_300), weightAndBalance({{"empty_weight", "267000"}}));
    auto model = loaded(kA330_300);
    model->setBusiness(17);
    model->setEconomy(211);
    model->setForward(37);
    model->setAft(81);
    model->refresh();
    const PayloadFigures& f = model->figures();
    EXPECT_EQ(f.businessWeight, 1275);
    EXPECT_EQ(f.economyWeight, 15825);
    EXPECT_EQ(f.paxWeight, 17100);
    EXPECT_EQ(f.forwardWeight, 8458); // 37 % of 22860 = 8458.2, remainder dropped
    EXPECT_EQ(f.aftWeight, 14985);
    EXPECT_EQ(f.cargoWeight, 8458 + 14985);
    EXPECT_EQ(f.zfw, 121111 + 17100 + 8458 + 14985);
    EXPECT_EQ(model->lastZfw(), f.zfw);
    EXPECT_EQ(LastZfw, f.zfw);
}

TEST_F(LoadManagerTest, PoundsRoundClassWeightsButTruncateThePassengerTotal) {
    auto model = loaded(kA330_200);
    model->setBusiness(2);
    model->setUnit(WeightUnit::Pounds);
    model->refresh();
    EXPECT_EQ(model->figures().businessWeight, 331);
    EXPECT_EQ(model->figures().paxWeight, 330);
    EXPECT_EQ(model->figures().aircraftWeight, 264874); // 120147 kg x the float factor
}

// One payload, one zero fuel weight in kilograms, whatever the unit shown
// (the pound totals alone would lose a kilogram).
TEST_F(LoadManagerTest, LastZfwComesFromTheKilogramsWhateverTheUnit) {
    auto model = loaded(kA330_200); // W = 120147
    model->setBusiness(2);
    model->refresh();
    EXPECT_EQ(LastZfw, 120297);
    model->setUnit(WeightUnit::Pounds);
    model->refresh();
    EXPECT_EQ(LastZfw, 120297);
    EXPECT_EQ(model->lastZfw(), 120297);
    EXPECT_EQ(model->figures().zfw, 265205);
}

TEST_F(LoadManagerTest, PoundsAndBackRestoreEveryKilogramFigure) {
    auto model = loaded(kA340_600);
    model->setBusiness(29);
    model->setEconomy(301);
    model->setForward(71);
    model->setAft(13);
    model->refresh();
    const PayloadFigures kilograms = model->figures();
    const int zfw = LastZfw;
    model->setUnit(WeightUnit::Pounds);
    model->refresh();
    EXPECT_NE(model->figures().zfw, kilograms.zfw);
    model->setUnit(WeightUnit::Kilograms);
    model->refresh();
    const PayloadFigures back = model->figures();
    EXPECT_EQ(std::tie(back.businessWeight, back.economyWeight, back.paxWeight, back.forwardWeight,
                       back.aftWeight, back.cargoWeight, back.aircraftWeight, back.zfw),
              std::tie(kilograms.businessWeight, kilograms.economyWeight, kilograms.paxWeight,
                       kilograms.forwardWeight, kilograms.aftWeight, kilograms.cargoWeight,
                       kilograms.aircraftWeight, kilograms.zfw));
    EXPECT_EQ(LastZfw, zfw);
}

TEST_F(LoadManagerTest, AbsurdEmptyWeightSaturatesInsteadOfOverflowing) {
    writeFile(file(kA340_300), weightAndBalance({{"empty_weight", "99999999999"}}));
    auto model = loaded(kA340_300);
    model->setUnit(WeightUnit::Pounds);
    model->refresh();
    EXPECT_GT(model->figures().aircraftWeight, 0);
    EXPECT_GT(model->figures().zfw, 0);
}

TEST_F(LoadManagerTest, PositionsAreClampedToSeatsAndPercent) {
    auto model = createLoadManager(kA340_600);
    model->setBusiness(37);
    model->setEconomy(-1);
    model->setForward(101);
    model->setAft(-20);
    EXPECT_EQ(model->business(), 36);
    EXPECT_EQ(model->economy(), 0);
    EXPECT_EQ(model->forward(), 100);
    EXPECT_EQ(model->aft(), 0);
}

// --- Installed test and the files Save touches -----------------------------

TEST_F(LoadManagerTest, InstalledWhenAnyFileOfTheRowOpens) {
    EXPECT_FALSE(createLoadManager(kA330_200)->isInstalled());
    writeFile(file(kA330_200, 1), weightAndBalance({}));
    EXPECT_TRUE(createLoadManager(kA330_200)->isInstalled());
    EXPECT_FALSE(createLoadManager(kA340_300)->isInstalled());
    // A folder named like the file is not a readable file.
    std::filesystem::create_directories(file(kA340_600));
    EXPECT_FALSE(createLoadManager(kA340_600)->isInstalled());
}

TEST_F(LoadManagerTest, FolderCaseDoesNotMatter) {
    writeFile(dir.path() / "aircraft" / "korvanta tev a343cfm" / "aircraft.cfg",
              weightAndBalance({{"station_load.4", "1654"}}));
    const auto model = loaded(kA340_300);
    EXPECT_TRUE(model->isInstalled());
    EXPECT_EQ(model->business(), 10);
}

TEST_F(LoadManagerTest, BothA330VariantsGetIdenticalStations) {
    writeFile(file(kA330_300, 0), "[WEIGHT_AND_BALANCE]\r\nempty_weight=267000\r\n"
                                  "station_load.4=\"100, 26.0, 0.0, 0.0, First\"\r\n");
    writeFile(file(kA330_300, 1), "[WEIGHT_AND_BALANCE]\r\nempty_weight=268100\r\n");
    auto model = loaded(kA330_300);
    model->setEconomy(150);
    model->setAft(60);
    model->refresh();
    const auto results = model->save();
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].ok && results[1].ok);
    for (const char* key :
         {"station_load.2", "station_load.3", "station_load.4", "station_load.5"}) {
        EXPECT_EQ(profile::readString("WEIGHT_AND_BALANCE", key, "", 99, model->filePaths()[0]),
                  profile::readString("WEIGHT_AND_BALANCE", key, "", 99, model->filePaths()[1]))
            << key;
    }
    // Each variant keeps its own empty weight.
    EXPECT_EQ(profile::readInt("WEIGHT_AND_BALANCE", "empty_weight", 0, model->filePaths()[1]),
              268100);
}

TEST_F(LoadManagerTest, OnlyTheSecondA330FileLoadsDefaultsAndSavesThereOnly) {
    writeFile(file(kA330_200, 1),
              weightAndBalance({{"empty_weight", "250000"}, {"station_load.5", "40000"}}));
    auto model = loaded(kA330_200);
    ASSERT_TRUE(model->isInstalled());
    // The primary file alone is read: all positions 0, the default empty weight.
    EXPECT_EQ(model->economy(), 0);
    EXPECT_EQ(model->emptyWeightKg(), 120147);
    model->setBusiness(5);
    model->refresh();
    const auto results = model->save();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok);
    EXPECT_FALSE(std::filesystem::exists(file(kA330_200, 0)));
    EXPECT_EQ(profile::readInt("WEIGHT_AND_BALANCE", "station_load.4", 0, model->filePaths()[1]),
              826);
    EXPECT_EQ(profile::readInt("WEIGHT_AND_BALANCE", "station_load.5", 0, model->filePaths()[1]),
              0);
}

TEST_F(LoadManagerTest, SaveReportsNothingWrittenWhenTheFilesVanished) {
    writeFile(file(kA340_600), weightAndBalance({}));
    auto model = loaded(kA340_600);
    std::filesystem::remove(file(kA340_600));
    EXPECT_TRUE(model->save().empty());
    EXPECT_FALSE(std::filesystem::exists(file(kA340_600)));
}

TEST_F(LoadManagerTest, SaveReportsAFileThatCannotBeReplaced) {
    writeFile(file(kA340_300), weightAndBalance({{"station_load.4", "1654"}}));
    const std::string before = readFile(file(kA340_300));
    // Readable by everybody, the file and its folder writable by nobody else
    // (Windows knows only the file's read-only attribute).
    for (std::filesystem::path p = file(kA340_300).parent_path(); p != dir.path().parent_path();
         p = p.parent_path())
        std::filesystem::permissions(p, std::filesystem::perms(0755));
    std::filesystem::permissions(file(kA340_300), std::filesystem::perms(0444));
    const int status = testing_support::runAsUnprivileged([] {
        auto model = createLoadManager(kA340_300);
        model->load();
        model->setBusiness(20);
        model->refresh();
        const auto results = model->save();
        if (results.size() != 1)
            return 1;
        return !results[0].ok && !results[0].reason.empty() ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(file(kA340_300)), before);
}

} // namespace
