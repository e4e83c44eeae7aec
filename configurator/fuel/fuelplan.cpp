#include "configurator/fuel/fuelplan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// The figures are compared to the kilogram with the planner's published
// results, so every intermediate stays in float exactly where the model keeps
// it, and the build forbids fused multiply-adds for this library.

namespace fuel {

namespace {

constexpr float kOneSixtieth = 0.016666668f; // 1/60 in single precision
constexpr float kOneThreeHundredth = 0.0033333334f;
constexpr float kDescentExtraDistance = 15.0f; // NM below 2000 ft
constexpr float kDescentExtraFuel = 500.0f;    // kg below 2000 ft
constexpr std::int32_t kDescentBottomAltitude = 2000;

enum class Column { Distance, Fuel };

// Sums and products of whole kilograms are formed in 64 bits and pinned to
// the 32-bit range, so that no figure a user can type overflows.
std::int32_t saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Cut toward zero like a conversion to integer, but defined for every float:
// absurd inputs (an altitude of 300000 ft makes the climb speed 0) must give a
// wrong number, not undefined behaviour.
std::int32_t truncateToInt(float value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<std::int32_t>::max();
    if (value < -2147483648.0f)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

const ClimbDescentRow* climbRows(const AircraftType& aircraft) {
    return ClimbTable[static_cast<int>(aircraft.fuelTables)];
}

const ClimbDescentRow* descentRows(const AircraftType& aircraft) {
    return DescentTable[static_cast<int>(aircraft.fuelTables)];
}

float rowValue(const ClimbDescentRow& row, Column column, std::int32_t step) {
    const float q = static_cast<float>(step);
    return column == Column::Distance ? row.distanceIntercept + q * row.distanceSlope
                                      : row.fuelIntercept + q * row.fuelSlope;
}

float climbLookup(const AircraftType& aircraft, Column column, std::int32_t altitude,
                  std::int32_t weight) {
    const std::int32_t q =
        WeightStep(weight, aircraft.climbWeightOffset, referenceEmptyWeightKg(aircraft));
    const ClimbDescentRow* rows = climbRows(aircraft);
    std::array<float, kClimbRows> v;
    for (int i = 0; i < kClimbRows; ++i)
        v[i] = rowValue(rows[i], column, q);

    const int last = kClimbRows - 1;
    if (altitude >= 1000 * last)
        return v[last] +
               (v[last] - v[last - 1]) / 1000.0f * static_cast<float>(altitude - 1000 * last);
    if (altitude < 0)
        return 0.0f;
    const int i = altitude / 1000;
    return v[i] + (v[i + 1] - v[i]) / 1000.0f * static_cast<float>(altitude - 1000 * i);
}

float descentLookup(const AircraftType& aircraft, Column column, std::int32_t altitude,
                    std::int32_t weight) {
    const std::int32_t q =
        WeightStep(weight, aircraft.descentWeightOffset, referenceEmptyWeightKg(aircraft));
    const ClimbDescentRow* rows = descentRows(aircraft);
    std::array<float, kDescentRows> s;
    for (int k = 0; k < kDescentRows; ++k)
        s[k] = rowValue(rows[k], column, q);

    // c[k]: from row k's altitude down to 2000 ft, accumulated row by row in
    // float; the rounding of each step shows in the kilograms, so this is not
    // simply s[37] - s[k].
    std::array<float, kDescentRows> c;
    const int last = kDescentRows - 1;
    c[last] = 0.0f;
    for (int k = last - 1; k >= 0; --k)
        c[k] = (s[k + 1] + c[k + 1]) - s[k];

    if (altitude > kDescentTopAltitude) {
        // Continued with the slope between 34000 ft (row 5) and 39000 ft.
        return c[0] + (c[0] - c[5]) * static_cast<float>(altitude - kDescentTopAltitude) / 5000.0f;
    }
    if (altitude < kDescentBottomAltitude)
        return 0.0f;
    if (altitude == kDescentTopAltitude)
        return c[0];
    // Row k with 39000 - 1000 (k + 1) <= altitude < 39000 - 1000 k.
    const int k = (kDescentTopAltitude - altitude + 999) / 1000 - 1;
    const std::int32_t below = kDescentTopAltitude - 1000 * (k + 1);
    return c[k + 1] - (c[k + 1] - c[k]) * static_cast<float>(altitude - below) / 1000.0f;
}

// Band i of the cruise table with altitude[i+1] < h <= altitude[i], or -1.
int cruiseAltitudeBand(std::int32_t altitude) {
    for (int i = 0; i + 1 < kCruiseRows; ++i) {
        if (CruiseTable[i + 1].altitude < altitude && altitude <= CruiseTable[i].altitude)
            return i;
    }
    return -1;
}

// Position of `altitude` inside band i: 0 at its top row, 1 at its bottom row.
float bandPosition(int i, std::int32_t altitude) {
    return static_cast<float>(CruiseTable[i].altitude - altitude) /
           static_cast<float>(CruiseTable[i].altitude - CruiseTable[i + 1].altitude);
}

// Weight band j with weight[j] <= W < weight[j+1], or -1.
int cruiseWeightBand(std::int32_t weight) {
    for (int j = 0; j + 1 < kCruiseWeightColumns; ++j) {
        const std::int32_t low = kCruiseFirstWeight + j * kCruiseWeightStep;
        if (low <= weight && weight < low + kCruiseWeightStep)
            return j;
    }
    return -1;
}

// One row's flow at `weight`: interpolated inside the weight columns, the
// heaviest column outside them.
float rowFuelFlow(const CruiseRow& row, std::int32_t weight) {
    const int j = cruiseWeightBand(weight);
    if (j < 0)
        return static_cast<float>(row.fuelFlow[kCruiseWeightColumns - 1]);
    const float g = static_cast<float>(row.fuelFlow[j]);
    const float g2 = static_cast<float>(row.fuelFlow[j + 1]);
    const std::int32_t low = kCruiseFirstWeight + j * kCruiseWeightStep;
    return g + (g2 - g) * static_cast<float>(weight - low) / static_cast<float>(kCruiseWeightStep);
}

float tableFuelFlow(std::int32_t altitude, std::int32_t weight) {
    const int i = cruiseAltitudeBand(altitude);
    if (i < 0) {
        // Outside the table's band (above 39000 ft, or 19000 ft and below) the
        // flow of the nearest row applies: the 39000 ft row above, the
        // 19000 ft row below. Both are the flows the aircraft burns closest to
        // that level; a zero or extrapolated flow would make the cruise free
        // or run away with the altitude.
        const CruiseRow& nearest =
            altitude > CruiseTable[0].altitude ? CruiseTable[0] : CruiseTable[kCruiseRows - 1];
        return rowFuelFlow(nearest, weight);
    }
    const int j = cruiseWeightBand(weight);
    if (j < 0) {
        // The row at or above the altitude, no interpolation over altitude.
        return static_cast<float>(CruiseTable[i].fuelFlow[kCruiseWeightColumns - 1]);
    }
    const float r = bandPosition(i, altitude);
    const CruiseRow& upper = CruiseTable[i];
    const CruiseRow& lower = CruiseTable[i + 1];
    const float fj = static_cast<float>(upper.fuelFlow[j]);
    const float fj1 = static_cast<float>(upper.fuelFlow[j + 1]);
    const float g = fj - (fj - static_cast<float>(lower.fuelFlow[j])) * r;
    const float g2 = fj1 - (fj1 - static_cast<float>(lower.fuelFlow[j + 1])) * r;
    const std::int32_t low = kCruiseFirstWeight + j * kCruiseWeightStep;
    return g + (g2 - g) * static_cast<float>(weight - low) / static_cast<float>(kCruiseWeightStep);
}

} // namespace

std::int32_t WeightStep(std::int32_t weight, std::int32_t weightOffset,
                        std::int32_t referenceEmptyKg) {
    return saturate((std::int64_t{weight} - weightOffset - referenceEmptyKg) / 1000);
}

float climbDistance(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight) {
    return climbLookup(aircraft, Column::Distance, altitude, weight);
}

float climbFuel(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight) {
    return climbLookup(aircraft, Column::Fuel, altitude, weight) * aircraft.FuelFactor;
}

float descentDistance(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight) {
    return descentLookup(aircraft, Column::Distance, altitude, weight) + kDescentExtraDistance;
}

float descentFuel(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight) {
    return descentLookup(aircraft, Column::Fuel, altitude, weight) * aircraft.FuelFactor +
           kDescentExtraFuel;
}

float cruiseTrueAirspeed(std::int32_t altitude) {
    const int i = cruiseAltitudeBand(altitude);
    if (i < 0)
        return static_cast<float>(CruiseTable[kCruiseRows - 1].trueAirspeed);
    const float upper = static_cast<float>(CruiseTable[i].trueAirspeed);
    const float lower = static_cast<float>(CruiseTable[i + 1].trueAirspeed);
    return upper - bandPosition(i, altitude) * (upper - lower);
}

float cruiseTime(std::int32_t altitude, float distance) {
    return distance / cruiseTrueAirspeed(altitude) * 60.0f;
}

float cruiseFuelFlow(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight) {
    return tableFuelFlow(altitude, weight) * aircraft.FuelFactor * aircraft.CruiseFactor;
}

SpeedFigures speedFigures(std::int32_t altitude, std::int32_t costIndex) {
    const std::int64_t d = (33000 - std::int64_t{altitude}) / 1000;
    SpeedFigures speeds;
    speeds.ClimbSpeed = saturate(
        static_cast<std::int64_t>(std::min(std::floor(d + 0.38 * costIndex + 281.5), 340.0)));
    speeds.DescentSpeed = saturate(
        static_cast<std::int64_t>(std::min(std::floor(d + 1.18 * costIndex + 241.5), 340.0)));
    speeds.kC = static_cast<float>(speeds.ClimbSpeed) * kOneThreeHundredth;
    speeds.kD = static_cast<float>(speeds.DescentSpeed) * kOneThreeHundredth;
    return speeds;
}

namespace {

struct TripProfile {
    std::int32_t fuel = 0;          // kg
    float climbDescentDistance = 0; // NM, the descent's 15 NM included
};

TripProfile tripProfile(const AircraftType& aircraft, std::int32_t distance, std::int32_t altitude,
                        std::int32_t costIndex, std::int32_t takeoffWeight) {
    const SpeedFigures speeds = speedFigures(altitude, costIndex);
    const float kC = speeds.kC;
    const float engines = static_cast<float>(aircraft.engines);

    const float climbFuelUsed = climbFuel(aircraft, altitude, takeoffWeight) * kC;
    const float climbDist = climbDistance(aircraft, altitude, takeoffWeight);
    const std::int32_t topOfClimbWeight =
        truncateToInt(static_cast<float>(takeoffWeight) - climbFuelUsed);
    const float remaining = static_cast<float>(distance) - climbDist;

    // First guess of the cruise with a 50 NM descent, only to estimate the
    // weight at the top of descent.
    const float cruiseFlow = cruiseFuelFlow(aircraft, altitude, topOfClimbWeight);
    const float firstCruiseTime = cruiseTime(altitude, remaining - 50.0f) / kC;
    const std::int32_t topOfDescentWeight =
        truncateToInt(static_cast<float>(topOfClimbWeight) -
                      cruiseFlow * engines * firstCruiseTime * kC * kOneSixtieth);

    const float descentDist = descentDistance(aircraft, altitude, topOfDescentWeight);
    const float descentFuelUsed = descentFuel(aircraft, altitude, topOfDescentWeight) * speeds.kD;
    const float cruiseMinutes = cruiseTime(altitude, remaining - descentDist) / kC;
    // The flow stays the one at the top-of-climb weight.
    const float cruiseFuelUsed = cruiseFlow * engines * cruiseMinutes * kC * kOneSixtieth;
    return {truncateToInt(cruiseFuelUsed + descentFuelUsed + climbFuelUsed),
            climbDist + descentDist};
}

TripProfile flightTripProfile(const AircraftType& aircraft, std::int32_t distance,
                              std::int32_t altitude, std::int32_t costIndex,
                              std::int32_t zeroFuelWeight) {
    // First pass assumes 20 kg of fuel per NM; the second takes off with the
    // first pass's trip fuel.
    const std::int32_t first = tripProfile(aircraft, distance, altitude, costIndex,
                                           saturate(zeroFuelWeight + std::int64_t{20} * distance))
                                   .fuel;
    return tripProfile(aircraft, distance, altitude, costIndex,
                       saturate(std::int64_t{zeroFuelWeight} + first));
}

} // namespace

std::int32_t TripFuel(const AircraftType& aircraft, std::int32_t distance, std::int32_t altitude,
                      std::int32_t costIndex, std::int32_t takeoffWeight) {
    return tripProfile(aircraft, distance, altitude, costIndex, takeoffWeight).fuel;
}

std::int32_t FlightTripFuel(const AircraftType& aircraft, std::int32_t distance,
                            std::int32_t altitude, std::int32_t costIndex,
                            std::int32_t zeroFuelWeight) {
    return flightTripProfile(aircraft, distance, altitude, costIndex, zeroFuelWeight).fuel;
}

std::int32_t routeReserve(std::int32_t reservePercent, std::int32_t tripFuel) {
    // Formed at extended precision and truncated once: 5 % of 2000 kg is 99.
    const long double product = static_cast<long double>(reservePercent) *
                                static_cast<long double>(static_cast<float>(tripFuel)) *
                                static_cast<long double>(0.01f);
    if (product >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (product <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(product);
}

TankDistribution DistributeFuel(const AircraftType& aircraft, std::int32_t blockFuel) {
    TankDistribution tanks;
    auto fill = [](TankLoad& tank, std::int32_t amount, std::int32_t capacity) {
        tank.amount = amount;
        tank.fraction =
            amount == 0 ? 0.0f : static_cast<float>(amount) / static_cast<float>(capacity);
    };

    tanks.Inner.present = true;
    std::int32_t inner = std::min(blockFuel / 2, aircraft.innerCapacity);
    fill(tanks.Inner, inner, aircraft.innerCapacity);
    std::int32_t r = blockFuel - 2 * inner;

    if (aircraft.outerCapacity > 0) {
        tanks.Outer.present = true;
        const std::int32_t outer = std::min(r / 2, aircraft.outerCapacity);
        fill(tanks.Outer, outer, aircraft.outerCapacity);
        r -= 2 * outer;
    }
    // The centre and trim take what the wings left, but not the odd
    // kilogram of the halving.
    auto fillSingle = [&](TankLoad& tank, std::int32_t capacity) {
        if (capacity <= 0)
            return;
        tank.present = true;
        const std::int32_t amount = r <= 1 ? 0 : std::min(r, capacity);
        fill(tank, amount, capacity);
        r -= amount;
    };
    fillSingle(tanks.Center, aircraft.centerCapacity);
    fillSingle(tanks.Trim, aircraft.trimCapacity);
    tanks.remainder = r;
    return tanks;
}

FuelPlan PlanFuel(const AircraftType& aircraft, const FuelPlanInput& input) {
    FuelPlan plan;
    const TripProfile trip = flightTripProfile(aircraft, input.distance, input.altitude,
                                               input.costIndex, input.zeroFuelWeight);
    plan.tripFuel = trip.fuel;
    plan.climbDescentDistance = trip.climbDescentDistance;
    plan.tooShortForAltitude = static_cast<float>(input.distance) < trip.climbDescentDistance;
    plan.routeReserve = routeReserve(input.reservePercent, plan.tripFuel);
    plan.blockFuel = saturate(std::int64_t{plan.tripFuel} + input.taxiFuel + plan.routeReserve +
                              input.finalFuel);
    plan.tanks = DistributeFuel(aircraft, plan.blockFuel);
    return plan;
}

} // namespace fuel
