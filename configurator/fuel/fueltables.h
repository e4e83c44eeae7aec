#pragma once
// Performance data of the four aircraft: constant tables that the fuel
// computation reads. Weights and fuel in kg, distances in NM, altitudes in ft.

#include "configurator/aircraft/aircrafttable.h"

#include <array>
#include <cstdint>

namespace fuel {

// The aircraft's own constants (factors, offsets, capacities) are in the
// aircraft table; its `fuelTables` picks the climb and descent tables here.

// Reference empty weight in kg: the pound figure times 0.4536 (double),
// truncated.
std::int32_t referenceEmptyWeightKg(const AircraftType& aircraft);

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

extern const ClimbDescentRow ClimbTable[kFuelTablesCount][kClimbRows];
extern const ClimbDescentRow DescentTable[kFuelTablesCount][kDescentRows];

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
