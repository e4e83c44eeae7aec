#pragma once
// State that passes between the configurator's tools for one run.

#include "configurator/aircraft/aircrafttable.h"

#include <cstdint>

// Chosen in the selector; 0 whenever the menu is idle.
extern std::int32_t CurrentAircraft;
// Zero fuel weight (kg) of the most recent load manager refresh.
extern std::int32_t LastZfw;
// Zero fuel weight (kg) per aircraft after a load manager OK, indexed by
// code - 6; 0 means none. Never saved.
extern std::int32_t AircraftZfw[kAircraftCount];
