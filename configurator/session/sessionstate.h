#pragma once
// State that passes between the configurator's tools for one run.

#include <cstdint>

// Aircraft codes as the selector sets them.
inline constexpr std::int32_t kNoAircraft = 0;
inline constexpr std::int32_t kA330_200 = 6;
inline constexpr std::int32_t kA330_300 = 7;
inline constexpr std::int32_t kA340_300 = 8;
inline constexpr std::int32_t kA340_600 = 9;
inline constexpr std::int32_t kFirstAircraft = kA330_200;
inline constexpr int kAircraftCount = 4;

// Chosen in the selector; 0 whenever the menu is idle.
extern std::int32_t CurrentAircraft;
// Zero fuel weight (kg) of the most recent load manager refresh.
extern std::int32_t LastZfw;
// Zero fuel weight (kg) per aircraft after a load manager OK, indexed by
// code - 6; 0 means none. Never saved.
extern std::int32_t AircraftZfw[kAircraftCount];
