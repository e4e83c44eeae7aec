#pragma once
// The figures a new fuel plan starts with, in the planner and on the
// command line alike.

#include "configurator/fuel/fuelplan.h"

namespace fuel {

inline constexpr std::int32_t kDefaultCostIndex = 50;
inline constexpr std::int32_t kDefaultTaxiFuel = 200;     // kg
inline constexpr std::int32_t kDefaultReservePercent = 5; // of the trip fuel
inline constexpr std::int32_t kDefaultFinalFuel = 1000;   // kg

// Distance, altitude and zero fuel weight are the user's: none by default.
inline constexpr FuelPlanInput kDefaultInput{
    0, 0, kDefaultCostIndex, 0, kDefaultTaxiFuel, kDefaultReservePercent, kDefaultFinalFuel};

} // namespace fuel
