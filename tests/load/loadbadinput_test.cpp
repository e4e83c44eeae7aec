// Hostile aircraft.cfg files: a huge file, a huge line, NUL bytes, a UTF-8
// byte order mark, CR-only line ends. Load reads what it can, falls back for
// the rest, and Save changes nothing but the four station lines.
#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"
#include "tests/support/textlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
using namespace std::string_literals;

bool isStationLine(std::string_view line) {
    std::string text(testing_support::trimBlanks(line));
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.starts_with("station_load.") && text.find('=') != std::string::npos;
}

std::vector<std::string> otherLines(std::string_view bytes) {
    return testing_support::lineTexts(bytes,
                                      [](std::string_view line) { return !isStationLine(line); });
}

// readFile() goes byte by byte: far too slow for 100 MB in a debug build.
std::string wholeFile(const std::filesystem::path& path) {
    std::string bytes(std::filesystem::file_size(path), '\0');
    std::ifstream(path, std::ios::binary)
        .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

struct Positions {
    int business, economy, forward, aft;
};

class LoadBadInput : public ::testing::Test {
protected:
    void SetUp() override { resolveInstallPaths(dir.path().string(), ""); }

    std::filesystem::path primary(int code) const {
        std::string relative = aircraftFileTexts(*aircraftOfCode(code)).front();
        std::replace(relative.begin(), relative.end(), '\\', '/');
        return dir.path().string() + relative;
    }

    static Positions positions(const CLoadManager& model) {
        return {model.business(), model.economy(), model.forward(), model.aft()};
    }

    TempDir dir;
};

bool operator==(const Positions& a, const Positions& b) {
    return a.business == b.business && a.economy == b.economy && a.forward == b.forward &&
           a.aft == b.aft;
}
void PrintTo(const Positions& p, std::ostream* os) {
    *os << p.business << "/" << p.economy << "/" << p.forward << "%/" << p.aft << "%";
}

// Station values of the A330-200 for 20 and 100 passengers, 50 % and 25 % cargo.
const std::string kStations = "station_load.4=\"3306, 26.0, 0.0, 0.0, First\"\r\n"
                              "station_load.5=\"16534, 0.0, 0.0, 0.0, Coach\"\r\n"
                              "station_load.2=\"20789, 16.0, 0.0, 0.0, Baggage\"\r\n"
                              "station_load.3=\"8400, 0.0, 0.0, 0.0, Cargo\"\r\n";
constexpr Positions kStationPositions{20, 100, 50, 25};
constexpr Positions kNothingFound{0, 0, 0, 0};
const int kDefaultEmptyKg = static_cast<int>(264875 * payload::kLbToKg);

std::string crOnly(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

struct BadFileCase {
    const char* name;
    std::string bytes;
    Positions expected;
    int expectedEmptyKg;
};
void PrintTo(const BadFileCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadBadFile : public LoadBadInput, public ::testing::WithParamInterface<BadFileCase> {};

const std::string kMegabyte(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, LoadBadFile,
    ::testing::Values(
        BadFileCase{"ByteOrderMarkBeforeAnotherSection",
                    "\xEF\xBB\xBF[fltsim.0]\r\ntitle=A\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight="
                    "250000\r\n" +
                        kStations,
                    kStationPositions, 113400},
        // The marked line is no section header: nothing is found, all falls back.
        BadFileCase{"ByteOrderMarkBeforeTheSection",
                    "\xEF\xBB\xBF[WEIGHT_AND_BALANCE]\r\nempty_weight=250000\r\n" + kStations,
                    kNothingFound, kDefaultEmptyKg},
        BadFileCase{"CarriageReturnsOnly",
                    crOnly("[fltsim.0]\r\ntitle=A\r\n\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight="
                           "250000\r\n" +
                           kStations + "[GENERAL]\r\natc_type=A330\r\n"),
                    kStationPositions, 113400},
        BadFileCase{"NulBytesInOtherLinesAndAfterANumber",
                    "[fltsim.0]\r\ntitle=A\0B\r\n\0\0\0\r\n[WEIGHT_AND_BALANCE]\r\n"
                    "empty_weight=250000\0\r\n"s +
                        kStations,
                    kStationPositions, 113400},
        BadFileCase{"NulBytesOnly", std::string(4096, '\0'), kNothingFound, kDefaultEmptyKg},
        BadFileCase{"MegabyteLineBeforeTheSection",
                    "[fltsim.0]\r\ndescription=" + kMegabyte +
                        "\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight=250000\r\n" + kStations,
                    kStationPositions, 113400},
        // Values are read through a 100-byte buffer: the digits that fit count.
        BadFileCase{"MegabyteValues",
                    "[WEIGHT_AND_BALANCE]\r\nempty_weight=" + std::string(1 << 20, '9') +
                        "\r\nstation_load.4=" + std::string(1 << 20, '1') + "\r\nstation_load.5=-" +
                        kMegabyte + "\r\n",
                    Positions{30, 0, 0, 0}, 974098582}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LoadBadFile, LoadsWhatItCanAndSaveKeepsEveryOtherLine) {
    const BadFileCase& c = GetParam();
    writeFile(primary(kA330_200), c.bytes);

    auto model = createLoadManager(kA330_200);
    model->load();
    EXPECT_EQ(positions(*model), c.expected);
    EXPECT_EQ(model->emptyWeightKg(), c.expectedEmptyKg);
    EXPECT_GE(model->lastZfw(), 0);

    model->setBusiness(7);
    model->setEconomy(200);
    model->setForward(10);
    model->setAft(90);
    const auto results = model->save();
    ASSERT_EQ(results.size(), 1u);
    ASSERT_TRUE(results[0].ok) << results[0].reason;

    const std::string after = readFile(primary(kA330_200));
    std::vector<std::string> expected = otherLines(c.bytes);
    if (c.expected == kNothingFound) // the stations went to a section of their own
        expected.emplace_back("[WEIGHT_AND_BALANCE]");
    EXPECT_TRUE(otherLines(after) == expected) << "a line other than a station changed";

    auto reloaded = createLoadManager(kA330_200);
    reloaded->load();
    EXPECT_EQ(positions(*reloaded), (Positions{7, 200, 10, 90}));
}

// 100 MB of liveries after the section. Every read scans the file up to the
// key it finds, so the section comes first to keep the test quick.
TEST_F(LoadBadInput, HundredMegabyteFileLoadsAndSavesWhole) {
    std::string tail = "[GENERAL]\r\natc_type=A330\r\n";
    tail.reserve(100u << 20);
    for (int n = 0; tail.size() < (100u << 20); ++n)
        tail += "[fltsim." + std::to_string(n) + "]\r\ntitle=Korvanta TEV A330-200 livery " +
                std::string(60, 'L') + "\r\n";
    const std::string head = "[WEIGHT_AND_BALANCE]\r\nempty_weight=250000\r\n";
    writeFile(primary(kA330_200), head + kStations + tail);

    auto model = createLoadManager(kA330_200);
    model->load();
    EXPECT_EQ(positions(*model), kStationPositions);
    EXPECT_EQ(model->emptyWeightKg(), 113400);

    model->setBusiness(30);
    const auto results = model->save();
    ASSERT_EQ(results.size(), 1u);
    ASSERT_TRUE(results[0].ok) << results[0].reason;
    const CLoadManager::StationPounds lb = model->stationPounds();
    char stations[400];
    std::snprintf(stations, sizeof stations,
                  "station_load.4=\"%d,   26.0, 0.0, 0.0, First\"\r\n"
                  "station_load.5=\"%d,  0.0, 0.0, 0.0, Coach\"\r\n"
                  "station_load.2=\"%d,   16.0, 0.0, 0.0, Baggage\"\r\n"
                  "station_load.3=\"%d,   0.0, 0.0, 0.0, Cargo\"\r\n",
                  lb.business, lb.economy, lb.forward, lb.aft);
    EXPECT_TRUE(wholeFile(primary(kA330_200)) == head + stations + tail)
        << "the saved file is not the old one with new stations";
}

} // namespace
