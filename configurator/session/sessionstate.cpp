#include "configurator/session/sessionstate.h"

std::int32_t CurrentAircraft = kNoAircraft;
std::int32_t LastZfw = 0;
std::int32_t AircraftZfw[kAircraftCount] = {};
