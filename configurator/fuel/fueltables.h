#pragma once
// Performance data of the four aircraft: constant tables that the fuel
// computation reads. Weights and fuel in kg, distances in NM, altitudes in ft.

#include <array>
#include <cstdint>

namespace fuel {

enum class DataSet { A330, A340_300, A340_600 };
inline constexpr int kDataSetCount = 3;

struct AircraftPerformance {
    std::int32_t code; // aircraft code as the selector sets it (6 to 9)
    const char* name;  // "A330-200", ...
    int engines;
    float referenceEmptyWeightLb;
    std::int32_t climbWeightOffset;   // kg
    std::int32_t descentWeightOffset; // kg
    float FuelFactor;
    float CruiseFactor;
    DataSet dataSet; // climb and descent tables
    // Capacities in kg; inner and outer are per wing. 0: no such tank.
    std::int32_t innerCapacity;
    std::int32_t outerCapacity;
    std::int32_t centerCapacity;
    std::int32_t trimCapacity;
};

// Reference empty weight in kg: the pound figure times 0.4536 (double),
// truncated.
std::int32_t referenceEmptyWeightKg(const AircraftPerformance& aircraft);

// The record of an aircraft code, or nullptr for a code outside 6 to 9.
const AircraftPerformance* aircraftPerformance(std::int32_t code);
// The record whose name matches ("A330-200", ...), or nullptr.
const AircraftPerformance* aircraftPerformanceByName(const char* name);
extern const std::array<AircraftPerformance, 4> kAircraftPerformance;

// One altitude row: value = intercept + WeightStep x slope (slope per 1000 kg).
struct ClimbDescentRow {
    float distanceIntercept;
    float distanceSlope;
    float fuelIntercept;
    float fuelSlope;
};

// Row i: a climb from 0 ft to 1000 x i ft.
inline constexpr int kClimbRows = 40;
// Row k: a descent from 39000 ft down to 39000 - 1000 x k ft (cumulative).
inline constexpr int kDescentRows = 38;
inline constexpr std::int32_t kDescentTopAltitude = 39000;

extern const ClimbDescentRow ClimbTable[kDataSetCount][kClimbRows];
extern const ClimbDescentRow DescentTable[kDataSetCount][kDescentRows];

// True airspeed and fuel flow per engine (kg/h) by weight column, altitudes
// descending; shared by all aircraft and scaled by their factors.
inline constexpr int kCruiseRows = 13;
inline constexpr int kCruiseWeightColumns = 7;
inline constexpr std::int32_t kCruiseFirstWeight = 44000; // kg
inline constexpr std::int32_t kCruiseWeightStep = 6000;   // kg

struct CruiseRow {
    std::int32_t altitude;
    std::int32_t trueAirspeed; // kt
    std::int32_t fuelFlow[kCruiseWeightColumns];
};

extern const CruiseRow CruiseTable[kCruiseRows];

} // namespace fuel
