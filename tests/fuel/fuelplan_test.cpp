#include "configurator/fuel/fuelplan.h"
#include "configurator/session/sessionstate.h"

#include <gtest/gtest.h>

namespace {

const AircraftType& aircraft(std::int32_t code) {
    return *aircraftOfCode(code);
}

TEST(WeightStep, TruncatesTowardZeroOnBothSides) {
    // A330 climb reference 173706 kg.
    EXPECT_EQ(fuel::WeightStep(173706, 52595, 121111), 0);
    EXPECT_EQ(fuel::WeightStep(174705, 52595, 121111), 0);
    EXPECT_EQ(fuel::WeightStep(174706, 52595, 121111), 1);
    EXPECT_EQ(fuel::WeightStep(172707, 52595, 121111), 0);
    EXPECT_EQ(fuel::WeightStep(172706, 52595, 121111), -1);
    // Every real A340-600 weight lies below its descent reference of 419160 kg.
    EXPECT_EQ(fuel::WeightStep(300000, 242157, 177003), -119);
}

struct SpeedCase {
    const char* name;
    std::int32_t altitude, costIndex;
    std::int32_t climb, descent;
};

void PrintTo(const SpeedCase& c, std::ostream* os) {
    *os << c.name;
}

class SpeedFigures : public testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedFigures, FollowAltitudeAndCostIndex) {
    const SpeedCase& c = GetParam();
    const fuel::SpeedFigures speeds = fuel::speedFigures(c.altitude, c.costIndex);
    EXPECT_EQ(speeds.ClimbSpeed, c.climb);
    EXPECT_EQ(speeds.DescentSpeed, c.descent);
    EXPECT_EQ(speeds.kC, static_cast<float>(c.climb) * 0.0033333334f);
    EXPECT_EQ(speeds.kD, static_cast<float>(c.descent) * 0.0033333334f);
}

const SpeedCase kSpeeds[] = {
    {"At35000Ci50", 35000, 50, 298, 298},
    {"At33000Ci100DescentCapped", 33000, 100, 319, 340},
    {"At33500StepTruncatesToZero", 33500, 50, 300, 300},
    {"At20000Ci300BothCapped", 20000, 300, 340, 340},
};

INSTANTIATE_TEST_SUITE_P(Cases, SpeedFigures, testing::ValuesIn(kSpeeds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClimbLookup, InterpolatesRowsAndExtendsTheTopSegment) {
    const auto& a330 = aircraft(kA330_200);
    const std::int32_t w = 173706; // WeightStep 0: the intercepts themselves
    EXPECT_FLOAT_EQ(fuel::climbDistance(a330, 35000, w), 73.2f);
    EXPECT_FLOAT_EQ(fuel::climbDistance(a330, 35500, w), (73.2f + 77.0f) / 2);
    EXPECT_FLOAT_EQ(fuel::climbDistance(a330, 39000, w), 91.3f);
    EXPECT_FLOAT_EQ(fuel::climbDistance(a330, 41000, w), 91.3f + 2 * (91.3f - 85.5f));
    EXPECT_FLOAT_EQ(fuel::climbFuel(a330, 35000, w), 4738 * 0.5618f);
    EXPECT_EQ(fuel::climbDistance(a330, 0, w), 0.0f);
    EXPECT_EQ(fuel::climbDistance(a330, -1, w), 0.0f);
    EXPECT_EQ(fuel::climbFuel(a330, -500, w), 0.0f);
    // Two steps heavier: intercept + 2 x slope.
    EXPECT_FLOAT_EQ(fuel::climbDistance(a330, 35000, w + 2000), 73.2f + 2 * 0.604f);
}

TEST(DescentLookup, RunsFromTheAltitudeDownTo2000Feet) {
    const auto& a330 = aircraft(kA330_200);
    const std::int32_t w = 156155; // WeightStep 0
    EXPECT_FLOAT_EQ(fuel::descentDistance(a330, 39000, w), 103.4f + 15);
    EXPECT_FLOAT_EQ(fuel::descentDistance(a330, 35000, w), 103.4f - 9.9f + 15);
    EXPECT_FLOAT_EQ(fuel::descentDistance(a330, 34500, w), 103.4f - (9.9f + 11.9f) / 2 + 15);
    EXPECT_FLOAT_EQ(fuel::descentFuel(a330, 35000, w), (454 - 26) * 0.5618f + 500);
    // Above 39000 ft the slope between 34000 and 39000 ft continues.
    EXPECT_FLOAT_EQ(fuel::descentDistance(a330, 41500, w), 103.4f + 11.9f / 2 + 15);
    // 2000 ft and below: only the fixed allowances.
    for (std::int32_t h : {2000, 1999, 0, -3000}) {
        EXPECT_EQ(fuel::descentDistance(a330, h, w), 15.0f) << h;
        EXPECT_EQ(fuel::descentFuel(a330, h, w), 500.0f) << h;
    }
    // Negative steps are not clamped: the A340-600 figures fall below the
    // intercepts.
    const auto& a346 = aircraft(kA340_600);
    EXPECT_LT(fuel::descentDistance(a346, 39000, 300000), 120.6f + 15);
}

TEST(CruiseLookup, SpeedAndFlowByAltitudeBand) {
    EXPECT_EQ(fuel::cruiseTrueAirspeed(35000), 450.0f);
    EXPECT_EQ(fuel::cruiseTrueAirspeed(34000), 452.0f);
    EXPECT_EQ(fuel::cruiseTrueAirspeed(19500), 397.0f); // 406 - 0.75 x 12
    for (std::int32_t h : {39001, 45000, 19000, 5000})
        EXPECT_EQ(fuel::cruiseTrueAirspeed(h), 394.0f) << h;
    EXPECT_FLOAT_EQ(fuel::cruiseTime(35000, 450.0f), 60.0f);
    EXPECT_LT(fuel::cruiseTime(35000, -45.0f), 0.0f);

    const auto& a330 = aircraft(kA330_200);
    const auto scaled = [&](float flow) { return flow * a330.FuelFactor * a330.CruiseFactor; };
    // Real weights: the heaviest column of the row at or above the altitude.
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 35000, 200000), scaled(1490));
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 34000, 200000), scaled(1490));
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 33000, 200000), scaled(1485));
    // Inside the weight columns the flow is interpolated both ways.
    EXPECT_FLOAT_EQ(fuel::cruiseFuelFlow(a330, 35000, 47000), scaled((1035 + 1073) / 2.0f));
    EXPECT_FLOAT_EQ(fuel::cruiseFuelFlow(a330, 34000, 44000), scaled((1035 + 1116) / 2.0f));
    // Outside the altitude band: the nearest row.
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 41000, 200000), scaled(1620));
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 19000, 200000), scaled(1496));
    EXPECT_EQ(fuel::cruiseFuelFlow(a330, 8000, 200000), scaled(1496));
}

TEST(FlightTripFuel, WorkedExamplesToTheKilogram) {
    const auto& a330 = aircraft(kA330_200);
    EXPECT_EQ(fuel::TripFuel(a330, 3000, 35000, 50, 170000 + 20 * 3000), 46339);
    EXPECT_EQ(fuel::TripFuel(a330, 3000, 35000, 50, 170000 + 46339), 45996);
    EXPECT_EQ(fuel::FlightTripFuel(a330, 3000, 35000, 50, 170000), 45996);
    EXPECT_EQ(fuel::FlightTripFuel(a330, 5000, 35000, 50, 170000), 76246);
}

// One flight per aircraft, each through its own climb and descent data set
// and factors; the figures were worked out step by step apart from this code.
TEST(FlightTripFuel, OneFlightOfEachAircraft) {
    const struct {
        std::int32_t code;
        std::int32_t distance, altitude, costIndex, zfw;
        std::int32_t trip;
    } flights[] = {
        {kA330_200, 3000, 35000, 50, 170000, 45996},
        {kA330_300, 4000, 37000, 30, 175000, 50719},
        {kA340_300, 5500, 33000, 60, 180000, 78760},
        {kA340_600, 6500, 31000, 80, 250000, 114591},
    };
    for (const auto& f : flights) {
        const AircraftType& aircraft = *aircraftOfCode(f.code);
        EXPECT_EQ(fuel::FlightTripFuel(aircraft, f.distance, f.altitude, f.costIndex, f.zfw),
                  f.trip)
            << aircraft.designation;
    }
}

TEST(TripFuel, ShortDistanceGivesNegativeCruiseFuelWithoutError) {
    const auto& a330 = aircraft(kA330_200);
    const std::int32_t w = 200000;
    const fuel::SpeedFigures speeds = fuel::speedFigures(35000, 50);
    const float climbAndDescent =
        fuel::climbFuel(a330, 35000, w) * speeds.kC + fuel::descentFuel(a330, 35000, w) * speeds.kD;
    const std::int32_t trip = fuel::TripFuel(a330, 50, 35000, 50, w);
    EXPECT_LT(static_cast<float>(trip), climbAndDescent - 1000);
}

struct ShortHopCase {
    const char* name;
    std::int32_t code, distance, altitude, zeroFuelWeight;
    bool tooShort;
};

void PrintTo(const ShortHopCase& c, std::ostream* os) {
    *os << c.name;
}

class TooShortForAltitude : public testing::TestWithParam<ShortHopCase> {};

// The figures are never changed; the flag only says whether the distance
// leaves any cruise after the climb and the descent of the final pass.
TEST_P(TooShortForAltitude, FlagsADistanceBelowClimbPlusDescent) {
    const ShortHopCase& c = GetParam();
    const fuel::FuelPlanInput input{c.distance, c.altitude, 50, c.zeroFuelWeight, 200, 5, 1000};
    const fuel::FuelPlan plan = fuel::PlanFuel(aircraft(c.code), input);
    EXPECT_EQ(plan.tooShortForAltitude, c.tooShort);
    EXPECT_EQ(plan.tooShortForAltitude, static_cast<float>(c.distance) < plan.climbDescentDistance);
    EXPECT_EQ(plan.tripFuel,
              fuel::FlightTripFuel(aircraft(c.code), c.distance, c.altitude, 50, c.zeroFuelWeight));
}

const ShortHopCase kShortHops[] = {
    {"A340_600ShortHopAtFL390", kA340_600, 50, 39000, 250000, true},
    {"A330WorkedExample", kA330_200, 3000, 35000, 170000, false},
    {"A330HundredMilesAtFL350", kA330_200, 100, 35000, 170000, true},
    {"A330HundredMilesAtFL100", kA330_200, 100, 10000, 170000, false},
    {"A340_300JustLongEnoughAtFL390", kA340_300, 260, 39000, 180000, false},
    {"A340_300JustTooShortAtFL390", kA340_300, 200, 39000, 180000, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, TooShortForAltitude, testing::ValuesIn(kShortHops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TooShortForAltitude, TheShortHopKeepsItsNegativeTripFuel) {
    const fuel::FuelPlan plan =
        fuel::PlanFuel(aircraft(kA340_600), {50, 39000, 50, 250000, 200, 5, 1000});
    EXPECT_EQ(plan.tripFuel, -274);
    EXPECT_LT(plan.blockFuel, 200 + 1000);
    EXPECT_TRUE(plan.tooShortForAltitude);
}

TEST(RouteReserve, TruncatesTheExtendedProduct) {
    EXPECT_EQ(fuel::routeReserve(5, 2000), 99);
    EXPECT_EQ(fuel::routeReserve(5, 45996), 2299);
    EXPECT_EQ(fuel::routeReserve(5, 76246), 3812);
    EXPECT_EQ(fuel::routeReserve(0, 45996), 0);
    EXPECT_EQ(fuel::routeReserve(10, 1000), 99);
}

struct DistributionCase {
    const char* name;
    std::int32_t code;
    std::int32_t block;
    std::int32_t inner, outer, center, trim, remainder;
};

void PrintTo(const DistributionCase& c, std::ostream* os) {
    *os << c.name;
}

class DistributeFuel : public testing::TestWithParam<DistributionCase> {};

TEST_P(DistributeFuel, FillsWingsThenCentreThenTrim) {
    const DistributionCase& c = GetParam();
    const fuel::TankDistribution tanks = fuel::DistributeFuel(aircraft(c.code), c.block);
    EXPECT_EQ(tanks.Inner.amount, c.inner);
    EXPECT_EQ(tanks.Outer.amount, c.outer);
    EXPECT_EQ(tanks.Center.amount, c.center);
    EXPECT_EQ(tanks.Trim.amount, c.trim);
    EXPECT_EQ(tanks.remainder, c.remainder);
    EXPECT_EQ(fuel::exceedsCapacity(tanks), c.remainder >= 2);
    EXPECT_EQ(2 * (tanks.Inner.amount + tanks.Outer.amount) + tanks.Center.amount +
                  tanks.Trim.amount + tanks.remainder,
              c.block);
}

const DistributionCase kDistributions[] = {
    {"OddBlockLeavesOneKilogram", kA330_200, 49495, 24747, 0, 0, 0, 1},
    {"OddAfterInnerFullStaysOut", kA330_200, 2 * 33784 + 1, 33784, 0, 0, 0, 1},
    {"SpillsIntoOuterThenCentre", kA330_200, 81258, 33784, 2935, 7820, 0, 0},
    {"EvenSpillIntoOuter", kA330_200, 2 * 33784 + 100, 33784, 50, 0, 0, 0},
    {"CentreFullGoesToTrim", kA330_200, 2 * 33784 + 2 * 2935 + 33434 + 10, 33784, 2935, 33434, 10,
     0},
    {"EveryTankFullWarns", kA330_200, 2 * 33784 + 2 * 2935 + 33434 + 5012 + 7, 33784, 2935, 33434,
     5012, 7},
    {"NoCentreSoTrimTakesIt", kA330_300, 2 * 33571 + 2 * 2965 + 1000, 33571, 2965, 0, 1000, 0},
    {"NoCentreBeyondTrimWarns", kA330_300, 2 * 33571 + 2 * 2965 + 6000, 33571, 2965, 0, 4918, 1082},
    {"A340_600BigOuterTanks", kA340_600, 2 * 27959 + 2 * 10000 + 1, 27959, 10000, 0, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, DistributeFuel, testing::ValuesIn(kDistributions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DistributeFuel, FractionsAndTankPresence) {
    const fuel::TankDistribution a332 = fuel::DistributeFuel(aircraft(kA330_200), 81258);
    EXPECT_EQ(a332.Inner.fraction, 1.0f);
    EXPECT_EQ(a332.Outer.fraction, 1.0f);
    EXPECT_EQ(a332.Center.fraction, 7820.0f / 33434.0f);
    EXPECT_EQ(a332.Trim.fraction, 0.0f);
    EXPECT_TRUE(a332.Center.present && a332.Trim.present && a332.Outer.present);

    const fuel::TankDistribution a333 = fuel::DistributeFuel(aircraft(kA330_300), 90000);
    EXPECT_FALSE(a333.Center.present);
    EXPECT_EQ(a333.Center.amount, 0);
    EXPECT_TRUE(a333.Trim.present);
}

TEST(PlanFuel, WorkedExamplesWithReservesAndTanks) {
    const auto& a330 = aircraft(kA330_200);
    const fuel::FuelPlan plan = fuel::PlanFuel(a330, {3000, 35000, 50, 170000, 200, 5, 1000});
    EXPECT_EQ(plan.tripFuel, 45996);
    EXPECT_EQ(plan.routeReserve, 2299);
    EXPECT_EQ(plan.blockFuel, 49495);
    EXPECT_EQ(plan.tanks.Inner.amount, 24747);
    EXPECT_EQ(plan.tanks.remainder, 1);
    EXPECT_FALSE(fuel::exceedsCapacity(plan.tanks));

    const fuel::FuelPlan longer = fuel::PlanFuel(a330, {5000, 35000, 50, 170000, 200, 5, 1000});
    EXPECT_EQ(longer.tripFuel, 76246);
    EXPECT_EQ(longer.routeReserve, 3812);
    EXPECT_EQ(longer.blockFuel, 81258);
    EXPECT_EQ(longer.tanks.Center.amount, 7820);
    EXPECT_EQ(longer.tanks.remainder, 0);
}

TEST(PlanFuel, NoReserveTaxiOrFinalLeavesTheTripFuel) {
    const fuel::FuelPlan plan =
        fuel::PlanFuel(aircraft(kA340_300), {2500, 37000, 30, 180000, 0, 0, 0});
    EXPECT_GT(plan.tripFuel, 0);
    EXPECT_EQ(plan.routeReserve, 0);
    EXPECT_EQ(plan.blockFuel, plan.tripFuel);
}

TEST(PlanFuel, ExtremeFiguresStayDefinedAndAccounted) {
    // Eight-digit fields, an altitude that makes the climb speed 0 (infinite
    // cruise times), a zero fuel weight far beyond the tables.
    const fuel::FuelPlanInput inputs[] = {
        {99999999, 35000, 50, 170000, 99999999, 99999999, 99999999},
        {3000, 314000, 1, 170000, 200, 5, 1000},
        {3000, 99999999, 99999999, 99999999, 0, 0, 0},
        {1, 1, 1, 1, 0, 0, 0},
    };
    for (const fuel::FuelPlanInput& input : inputs) {
        for (const AircraftType& aircraft : kAircraftTypes) {
            const fuel::FuelPlan plan = fuel::PlanFuel(aircraft, input);
            const fuel::TankDistribution& t = plan.tanks;
            EXPECT_EQ(2 * std::int64_t{t.Inner.amount} + 2 * std::int64_t{t.Outer.amount} +
                          t.Center.amount + t.Trim.amount + t.remainder,
                      plan.blockFuel)
                << aircraft.designation << " " << input.distance << " " << input.altitude;
        }
    }
}

} // namespace
