#include "configurator/aircraft/cfgnumber.h"
#include "configurator/load/balance.h"
#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

// One of the simulator's default twin-jets, written the way its files are:
// blanks, quotes, several parts, trailing comments.
const char* const kAnchorGeometry = "[airplane_geometry]\r\n"
                                    "wing_area = 1344.0\r\n"
                                    "wing_span = 117.42   ; ft\r\n"
                                    "wing_root_chord = \"21.0\"\r\n"
                                    "wing_sweep = 27.2\r\n"
                                    "wing_pos_apex_lon = 6.96\r\n";

std::string anchorFile(const std::string& weightAndBalance) {
    return std::string(kAnchorGeometry) + "\r\n[WEIGHT_AND_BALANCE]\r\n" + weightAndBalance;
}

const char* const kAnchorEmpty = "empty_weight = 91300\r\n"
                                 "reference_datum_position = 0.0, 0.0, 0.0\r\n"
                                 "empty_weight_CG_position = -9.0, 0.0, 0.0\r\n";

TEST(Balance, DefaultTwinJetGivesTheMacAndEmptyCgTheSimulatorShows) {
    TempDir dir;
    writeFile(dir.path() / "aircraft.cfg", anchorFile(kAnchorEmpty));
    const balance::BalanceFile file = balance::readBalanceFile(dir.file("aircraft.cfg"));
    ASSERT_TRUE(file.wing);
    const auto chord = balance::meanAerodynamicChord(*file.wing);
    ASSERT_TRUE(chord);
    EXPECT_NEAR(chord->length, 14.10, 0.005);
    const auto cg = balance::cgPercentMac(file, {});
    ASSERT_TRUE(cg);
    EXPECT_NEAR(*cg, 35.95, 0.005);
    EXPECT_EQ(balance::percentMacText(cg), "36.0");
    EXPECT_EQ(balance::roundedToTenth(cg), 36.0);
}

TEST(Balance, EveryStationCountsTheDatumIsAddedAndLoadsStandInForTheirStations) {
    TempDir dir;
    writeFile(
        dir.path() / "aircraft.cfg",
        anchorFile("empty_weight = 100000\r\n"
                   "reference_datum_position = 1.0, 0.0, 0.0\r\n"
                   "empty_weight_CG_position = -9.0, 0.0, 0.0\r\n"
                   "STATION_LOAD.12 = \"10000, 20.0, 0.0, 0.0, Forward\" ; numbered freely\r\n"
                   "station_load.7=5000,-30.0,0,0,Aft\r\n"
                   "station_load.07=99999, 500.0\r\n")); // a name the simulator never reads
    const balance::BalanceFile file = balance::readBalanceFile(dir.file("aircraft.cfg"));
    EXPECT_EQ(file.stations.size(), 2u);
    const auto cg = balance::cgPercentMac(file, {});
    ASSERT_TRUE(cg);
    EXPECT_NEAR(*cg, 17.4583, 1e-4);
    const auto replaced = balance::cgPercentMac(file, {{12, balance::Mass{2000, 20.0}}});
    ASSERT_TRUE(replaced);
    EXPECT_NEAR(*replaced, 31.9784, 1e-4);
}

TEST(Balance, RootChordBeyondTwiceTheMeanCountsAsARectangularWing) {
    const auto chord = balance::meanAerodynamicChord({100, 10, 25, 0, 3.0});
    ASSERT_TRUE(chord);
    EXPECT_DOUBLE_EQ(chord->length, 10.0);
    EXPECT_DOUBLE_EQ(chord->leadingEdge, 3.0);
}

struct MissingCase {
    const char* name;
    std::string file;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.name;
}

std::string without(std::string text, const std::string& line) {
    text.erase(text.find(line), line.size());
    return text;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

const std::string kAnchor = anchorFile(kAnchorEmpty);

const MissingCase kMissingCases[] = {
    {"noWingArea", without(kAnchor, "wing_area = 1344.0\r\n")},
    {"noWingSpan", without(kAnchor, "wing_span = 117.42   ; ft\r\n")},
    {"noRootChord", without(kAnchor, "wing_root_chord = \"21.0\"\r\n")},
    {"noSweep", without(kAnchor, "wing_sweep = 27.2\r\n")},
    {"noApex", without(kAnchor, "wing_pos_apex_lon = 6.96\r\n")},
    {"noGeometrySection", std::string("[WEIGHT_AND_BALANCE]\r\n") + kAnchorEmpty},
    {"noEmptyWeightCg", without(kAnchor, "empty_weight_CG_position = -9.0, 0.0, 0.0\r\n")},
    {"noDatum", without(kAnchor, "reference_datum_position = 0.0, 0.0, 0.0\r\n")},
    {"noEmptyWeight", without(kAnchor, "empty_weight = 91300\r\n")},
    {"spanNotANumber", replaced(kAnchor, "117.42", "abc")},
    {"zeroSpan", replaced(kAnchor, "117.42", "0")},
    {"zeroArea", replaced(kAnchor, "1344.0", "0.0")},
    {"zeroRootChord", replaced(kAnchor, "\"21.0\"", "0")},
    {"sweepOfNinetyDegrees", replaced(kAnchor, "27.2", "90")},
    {"emptyValue", replaced(kAnchor, "6.96", "")},
    {"nanIsNoNumber", replaced(kAnchor, "6.96", "nan")},
    {"stationWithoutPosition", kAnchor + "station_load.0 = \"170\"\r\n"},
    {"stationNotANumber", kAnchor + "station_load.1 = \"pilot, 50.0\"\r\n"},
    {"weightsAddUpToZero",
     replaced(kAnchor, "empty_weight = 91300", "empty_weight = 0") + "station_load.0=0, 5.0\r\n"},
};

class BalanceMissing : public testing::TestWithParam<MissingCase> {};

TEST_P(BalanceMissing, GivesNoFigure) {
    TempDir dir;
    writeFile(dir.path() / "aircraft.cfg", GetParam().file);
    const auto cg = balance::cgPercentMac(balance::readBalanceFile(dir.file("aircraft.cfg")), {});
    EXPECT_FALSE(cg) << *cg;
    EXPECT_EQ(balance::percentMacText(cg), "---");
}

INSTANTIATE_TEST_SUITE_P(Cases, BalanceMissing, testing::ValuesIn(kMissingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AircraftCfgNumber, ReadsTheLeadingNumberOfEachPart) {
    using aircraftcfg::numberAt;
    EXPECT_EQ(numberAt("-9.0, 0.0, 0.0"), -9.0);
    EXPECT_EQ(numberAt("  6.96\t; apex"), 6.96);
    EXPECT_EQ(numberAt("+1.5e1"), 15.0);
    EXPECT_EQ(numberAt(".5"), 0.5);
    EXPECT_EQ(numberAt("\"170, 78.0, -1.5, 0.0, Pilot\" ; crew", 0), 170.0);
    EXPECT_EQ(numberAt("\"170, 78.0, -1.5, 0.0, Pilot\" ; crew", 1), 78.0);
    EXPECT_EQ(numberAt("170", 1), std::nullopt);
    EXPECT_EQ(numberAt("Pilot, 78.0"), std::nullopt);
    EXPECT_EQ(numberAt("-"), std::nullopt);
    EXPECT_EQ(numberAt("inf"), std::nullopt);
    EXPECT_EQ(numberAt("1e999"), std::nullopt);
    EXPECT_EQ(numberAt(""), std::nullopt);
}

// The load manager's own stations as Save writes them; the rest of the file
// as it stands.
class LoadManagerBalance : public ::testing::Test {
protected:
    void SetUp() override { resolveInstallPaths(dir.path().string(), ""); }
    std::filesystem::path primary() const {
        return dir.path() / "Aircraft" / "Korvanta TEV A343CFM" / "Aircraft.cfg";
    }
    std::unique_ptr<CLoadManager> loaded() const {
        auto model = createLoadManager(8);
        model->load();
        return model;
    }
    TempDir dir;
};

TEST_F(LoadManagerBalance, CgFollowsThePositionsNotTheUnitAndMatchesTheSavedFile) {
    // Save writes its own positions (16.0 ft for the forward hold); the file's
    // 90.0 ft would be gone after OK.
    writeFile(primary(), anchorFile("empty_weight = 286150\r\n"
                                    "reference_datum_position = 0.0, 0.0, 0.0\r\n"
                                    "empty_weight_CG_position = -9.0, 0.0, 0.0\r\n"
                                    "station_load.0 = \"170, 58.0, -1.5, 4.0, Captain\"\r\n"
                                    "station_load.2 = \"0, 90.0, 0.0, 0.0, Baggage\"\r\n"));
    auto model = loaded();
    const auto empty = model->zfwCgPercentMac();
    ASSERT_TRUE(empty);

    model->setForward(100);
    model->setEconomy(305);
    model->refresh();
    const auto loadedCg = model->zfwCgPercentMac();
    ASSERT_TRUE(loadedCg);
    EXPECT_LT(*loadedCg, *empty); // the forward hold and the cabin lie ahead of -9 ft

    model->setUnit(WeightUnit::Pounds);
    model->refresh();
    EXPECT_EQ(model->zfwCgPercentMac(), loadedCg);

    ASSERT_EQ(model->save().size(), 1u);
    const auto reopened = loaded();
    EXPECT_EQ(reopened->forward(), 100);
    EXPECT_EQ(reopened->zfwCgPercentMac(), loadedCg);
    const balance::BalanceFile saved = balance::readBalanceFile(model->filePaths().front());
    EXPECT_EQ(balance::cgPercentMac(saved, {}), loadedCg);
}

TEST_F(LoadManagerBalance, MissingGeometryLeavesTheWeightsAsTheyWere) {
    writeFile(primary(), "[WEIGHT_AND_BALANCE]\r\nempty_weight=286150\r\n"
                         "reference_datum_position=0.0\r\nempty_weight_CG_position=-9.0\r\n");
    auto model = loaded();
    model->setEconomy(100);
    model->refresh();
    EXPECT_FALSE(model->zfwCgPercentMac());
    EXPECT_EQ(model->figures().zfw, 129798 + 7500);
}

} // namespace
