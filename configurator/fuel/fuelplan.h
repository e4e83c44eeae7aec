#pragma once
// Fuel for one flight: trip fuel from a climb / cruise / descent model over
// the performance tables, reserves, block fuel and its split over the tanks.
// Kilograms, NM and ft as 32-bit integers at the interface; single-precision
// arithmetic inside. No allocation, no state, no file access.

#include "configurator/fuel/fueltables.h"

#include <cstdint>

namespace fuel {

struct FuelPlanInput {
    std::int32_t distance = 0; // NM
    std::int32_t altitude = 0; // ft
    std::int32_t costIndex = 0;
    std::int32_t zeroFuelWeight = 0; // kg
    std::int32_t taxiFuel = 0;       // kg
    std::int32_t reservePercent = 0; // % of the trip fuel
    std::int32_t finalFuel = 0;      // kg
};

struct TankLoad {
    bool present = false;    // the aircraft has this tank
    std::int32_t amount = 0; // kg in one tank (per wing for inner and outer)
    float fraction = 0.0f;   // of the tank's capacity, 0 to 1
};

struct TankDistribution {
    TankLoad Inner;
    TankLoad Outer;
    TankLoad Center;
    TankLoad Trim;
    std::int32_t remainder = 0; // kg no tank took; 2 or more: over capacity
};

struct FuelPlan {
    std::int32_t tripFuel = 0;
    std::int32_t routeReserve = 0;
    std::int32_t blockFuel = 0;
    TankDistribution tanks;
    // Climb plus descent of the final pass, in NM. A distance shorter than
    // that leaves a negative cruise: the figures are computed all the same,
    // but they are no plan, and the user is told so.
    float climbDescentDistance = 0.0f;
    bool tooShortForAltitude = false;
};

// A remainder of 1 kg is the odd kilogram left by halving, not an excess.
inline bool exceedsCapacity(const TankDistribution& tanks) {
    return tanks.remainder >= 2;
}

// (weight - weightOffset - referenceEmptyKg) / 1000, truncated toward zero.
std::int32_t WeightStep(std::int32_t weight, std::int32_t weightOffset,
                        std::int32_t referenceEmptyKg);

// Climb from 0 ft to `altitude` at takeoff weight `weight`.
float climbDistance(const AircraftType& aircraft, std::int32_t altitude,
                    std::int32_t weight); // NM
float climbFuel(const AircraftType& aircraft, std::int32_t altitude,
                std::int32_t weight); // kg, FuelFactor applied
// Descent from `altitude` to 2000 ft, including the fixed allowances.
float descentDistance(const AircraftType& aircraft, std::int32_t altitude,
                      std::int32_t weight); // NM, +15
float descentFuel(const AircraftType& aircraft, std::int32_t altitude,
                  std::int32_t weight); // kg, FuelFactor applied, +500

float cruiseTrueAirspeed(std::int32_t altitude);         // kt
float cruiseTime(std::int32_t altitude, float distance); // minutes; negative for x < 0
// Per engine, kg/h, scaled by FuelFactor and CruiseFactor. The table covers
// cruising altitudes above 19000 ft up to 39000 ft; outside it the flow of
// the nearest row applies (39000 ft above, 19000 ft below), while the speed
// there is always 394 kt.
float cruiseFuelFlow(const AircraftType& aircraft, std::int32_t altitude, std::int32_t weight);

struct SpeedFigures {
    std::int32_t ClimbSpeed = 0;
    std::int32_t DescentSpeed = 0;
    float kC = 0.0f;
    float kD = 0.0f;
};
SpeedFigures speedFigures(std::int32_t altitude, std::int32_t costIndex);

// Trip fuel for an assumed takeoff weight.
std::int32_t TripFuel(const AircraftType& aircraft, std::int32_t distance, std::int32_t altitude,
                      std::int32_t costIndex, std::int32_t takeoffWeight);
// Trip fuel from the zero fuel weight: two passes of TripFuel.
std::int32_t FlightTripFuel(const AircraftType& aircraft, std::int32_t distance,
                            std::int32_t altitude, std::int32_t costIndex,
                            std::int32_t zeroFuelWeight);
// reservePercent % of the trip fuel, truncated.
std::int32_t routeReserve(std::int32_t reservePercent, std::int32_t tripFuel);
TankDistribution DistributeFuel(const AircraftType& aircraft, std::int32_t blockFuel);
// Distance, altitude, cost index and zero fuel weight must each be at least 1.
FuelPlan PlanFuel(const AircraftType& aircraft, const FuelPlanInput& input);

} // namespace fuel
