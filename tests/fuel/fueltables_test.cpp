#include "configurator/fuel/fueltables.h"
#include "configurator/session/sessionstate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using fuel::ClimbDescentRow;

struct RowCase {
    const char* name;
    bool climb;
    FuelTables set;
    int row;
    ClimbDescentRow expected;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

// Rows copied by hand from the published performance data: the first and
// last rows of each table and rows where a column dips or repeats.
const RowCase kRows[] = {
    {"ClimbA330At1000", true, FuelTables::A330, 1, {1.3f, 0.0013f, 500, 24.44f}},
    {"ClimbA330At35000", true, FuelTables::A330, 35, {73.2f, 0.604f, 4738, 56.44f}},
    {"ClimbA330At39000", true, FuelTables::A330, 39, {91.3f, 0.9547f, 5319, 62.73f}},
    {"ClimbA340_300At1000", true, FuelTables::A340_300, 1, {1.2f, 0.0103f, 0, 0}},
    {"ClimbA340_300At22000", true, FuelTables::A340_300, 22, {27.6f, 0.1916f, 1507, 10.22f}},
    {"ClimbA340_600At2000", true, FuelTables::A340_600, 2, {3, 0.0105f, 153, 1.62f}},
    {"ClimbA340_600At39000", true, FuelTables::A340_600, 39, {134.1f, 1.1394f, 4053, 59.56f}},
    {"DescentA330At38000", false, FuelTables::A330, 1, {3.2f, 0.0126f, 8, 0.25f}},
    {"DescentA330At35000", false, FuelTables::A330, 4, {9.9f, 0.0315f, 26, 0.73f}},
    {"DescentA330At2000", false, FuelTables::A330, 37, {103.4f, 0.3019f, 454, 11.53f}},
    {"DescentA340_300At38000", false, FuelTables::A340_300, 1, {3.7f, 0, 18, 0}},
    {"DescentA340_300At2000", false, FuelTables::A340_300, 37, {103.9f, 0.2526f, 688, 1.47f}},
    {"DescentA340_600At36000", false, FuelTables::A340_600, 3, {9.8f, 0.0019f, 48, 0.18f}},
    {"DescentA340_600At11000", false, FuelTables::A340_600, 28, {84.5f, 0.0992f, 465, 2.56f}},
    {"DescentA340_600At2000", false, FuelTables::A340_600, 37, {120.6f, 0.1207f, 785, 3.78f}},
};

class PerformanceRows : public testing::TestWithParam<RowCase> {};

TEST_P(PerformanceRows, MatchThePublishedFigures) {
    const RowCase& c = GetParam();
    const ClimbDescentRow& row = c.climb ? fuel::ClimbTable[static_cast<int>(c.set)][c.row]
                                         : fuel::DescentTable[static_cast<int>(c.set)][c.row];
    EXPECT_EQ(row.distanceIntercept, c.expected.distanceIntercept);
    EXPECT_EQ(row.distanceSlope, c.expected.distanceSlope);
    EXPECT_EQ(row.fuelIntercept, c.expected.fuelIntercept);
    EXPECT_EQ(row.fuelSlope, c.expected.fuelSlope);
}

INSTANTIATE_TEST_SUITE_P(Spots, PerformanceRows, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A digit lost or moved while copying the tables breaks these shapes.
TEST(PerformanceTables, InterceptsNeverDecreaseAndSlopesAreNotNegative) {
    for (int set = 0; set < kFuelTablesCount; ++set) {
        const auto check = [&](const ClimbDescentRow* rows, int count, const char* table) {
            EXPECT_EQ(rows[0].distanceIntercept, 0) << table << set;
            EXPECT_EQ(rows[0].fuelIntercept, 0) << table << set;
            for (int i = 1; i < count; ++i) {
                SCOPED_TRACE(testing::Message() << table << " set " << set << " row " << i);
                EXPECT_GE(rows[i].distanceIntercept, rows[i - 1].distanceIntercept);
                EXPECT_GE(rows[i].fuelIntercept, rows[i - 1].fuelIntercept);
                EXPECT_GE(rows[i].distanceSlope, 0);
                EXPECT_GE(rows[i].fuelSlope, 0);
            }
        };
        check(fuel::ClimbTable[set], fuel::kClimbRows, "climb");
        check(fuel::DescentTable[set], fuel::kDescentRows, "descent");
    }
}

TEST(PerformanceTables, CruiseRowsDescendWithTheirSpeedsAndFlows) {
    const int altitudes[] = {39000, 37000, 35000, 33000, 31000, 29000, 28000,
                             27000, 26000, 25000, 23000, 21000, 19000};
    const int speeds[] = {447, 447, 450, 454, 458, 459, 452, 445, 438, 432, 419, 406, 394};
    const int heaviest[] = {1620, 1500, 1490, 1485, 1498, 1533, 1522,
                            1513, 1507, 1501, 1495, 1491, 1496};
    for (int i = 0; i < fuel::kCruiseRows; ++i) {
        EXPECT_EQ(fuel::CruiseTable[i].altitude, altitudes[i]);
        EXPECT_EQ(fuel::CruiseTable[i].trueAirspeed, speeds[i]);
        EXPECT_EQ(fuel::CruiseTable[i].fuelFlow[6], heaviest[i]);
    }
    const int flows39000[] = {918, 973, 1055, 1161, 1290, 1440, 1620};
    const int flows19000[] = {1303, 1324, 1350, 1379, 1413, 1452, 1496};
    for (int j = 0; j < fuel::kCruiseWeightColumns; ++j) {
        EXPECT_EQ(fuel::CruiseTable[0].fuelFlow[j], flows39000[j]);
        EXPECT_EQ(fuel::CruiseTable[12].fuelFlow[j], flows19000[j]);
    }
}

// Every cell of the climb, descent and cruise tables against the figures
// typed into performance_tables.txt. A decimal read with strtof is the same
// single-precision number as the literal in the table source.
TEST(PerformanceTables, EveryCellAsPublished) {
    std::ifstream file(VOLARO_TEST_DATA_DIR "/performance_tables.txt");
    ASSERT_TRUE(file) << "performance_tables.txt";
    int climbRows = 0, descentRows = 0, cruiseRows = 0;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string kind, altitude;
        words >> kind >> altitude;
        std::vector<std::string> cells;
        for (std::string cell; words >> cell;)
            cells.push_back(cell);
        const auto value = [&](std::size_t i) { return std::strtof(cells.at(i).c_str(), nullptr); };
        SCOPED_TRACE(kind + " " + altitude + " ft");
        if (kind == "climb" || kind == "descent") {
            const bool climb = kind == "climb";
            const int row = climb ? climbRows++ : descentRows++;
            ASSERT_LT(row, climb ? fuel::kClimbRows : fuel::kDescentRows);
            EXPECT_EQ(std::stoi(altitude),
                      climb ? 1000 * row : fuel::kDescentTopAltitude - 1000 * row);
            ASSERT_EQ(cells.size(), 4u * kFuelTablesCount);
            for (int set = 0; set < kFuelTablesCount; ++set) {
                const ClimbDescentRow& r =
                    climb ? fuel::ClimbTable[set][row] : fuel::DescentTable[set][row];
                const std::size_t first = 4u * static_cast<std::size_t>(set);
                EXPECT_EQ(r.distanceIntercept, value(first)) << "set " << set;
                EXPECT_EQ(r.distanceSlope, value(first + 1)) << "set " << set;
                EXPECT_EQ(r.fuelIntercept, value(first + 2)) << "set " << set;
                EXPECT_EQ(r.fuelSlope, value(first + 3)) << "set " << set;
            }
        } else if (kind == "cruise") {
            const int row = cruiseRows++;
            ASSERT_LT(row, fuel::kCruiseRows);
            ASSERT_EQ(cells.size(), 1u + fuel::kCruiseWeightColumns);
            const fuel::CruiseRow& r = fuel::CruiseTable[row];
            EXPECT_EQ(r.altitude, std::stoi(altitude));
            EXPECT_EQ(r.trueAirspeed, std::stoi(cells[0]));
            for (int j = 0; j < fuel::kCruiseWeightColumns; ++j)
                EXPECT_EQ(r.fuelFlow[j], std::stoi(cells.at(1u + static_cast<std::size_t>(j))))
                    << "column " << j;
        } else {
            ADD_FAILURE() << "unknown line: " << line;
        }
    }
    EXPECT_EQ(climbRows, fuel::kClimbRows);
    EXPECT_EQ(descentRows, fuel::kDescentRows);
    EXPECT_EQ(cruiseRows, fuel::kCruiseRows);
}

TEST(AircraftPerformance, ReferenceWeightsComeOutAsPublished) {
    struct Expected {
        std::int32_t code;
        std::int32_t emptyKg, climbReference, descentReference;
        std::int32_t inner, outer, center, trim;
    };
    const Expected expected[] = {
        {kA330_200, 121111, 173706, 156155, 33784, 2935, 33434, 5012},
        {kA330_300, 121111, 173706, 156155, 33571, 2965, 0, 4918},
        {kA340_300, 129797, 179321, 135407, 34411, 2935, 34125, 5012},
        {kA340_600, 177003, 247203, 419160, 27959, 19707, 44216, 6726},
    };
    for (const Expected& e : expected) {
        const AircraftType* aircraft = aircraftOfCode(e.code);
        ASSERT_NE(aircraft, nullptr);
        SCOPED_TRACE(aircraft->designation);
        EXPECT_EQ(aircraftNamed(aircraft->designation), aircraft);
        const std::int32_t emptyKg = fuel::referenceEmptyWeightKg(*aircraft);
        EXPECT_EQ(emptyKg, e.emptyKg);
        EXPECT_EQ(emptyKg + aircraft->climbWeightOffset, e.climbReference);
        EXPECT_EQ(emptyKg + aircraft->descentWeightOffset, e.descentReference);
        EXPECT_EQ(aircraft->innerCapacity, e.inner);
        EXPECT_EQ(aircraft->outerCapacity, e.outer);
        EXPECT_EQ(aircraft->centerCapacity, e.center);
        EXPECT_EQ(aircraft->trimCapacity, e.trim);
    }
    EXPECT_EQ(aircraftOfCode(kNoAircraft), nullptr);
    EXPECT_EQ(aircraftNamed("A330"), nullptr);
}

} // namespace
