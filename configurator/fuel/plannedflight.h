#pragma once
// A flight as the fuel planner shows it: its inputs in kilograms, the unit
// shown, and the weights as its fields show them. What the load sheet of the
// planner is printed from.

#include "configurator/aircraft/aircrafttable.h"
#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/fuelplan.h"

#include <cstdint>
#include <optional>

namespace fuel {

// The plan's weights in one unit, as the planner's fields show them.
struct FuelFigures {
    std::int32_t zeroFuelWeight = 0, taxiFuel = 0, tripFuel = 0, routeReserve = 0, finalFuel = 0,
                 blockFuel = 0;
};

// The weights of `input` and `plan` in `unit` as Validate writes them
// (truncated).
FuelFigures shownFigures(const FuelPlanInput& input, const FuelPlan& plan, WeightUnit unit);

struct PlannedFlight {
    const AircraftType* type = nullptr;
    FuelPlanInput input; // kg
    WeightUnit unit = WeightUnit::Kilograms;
    FuelFigures shown;
    std::optional<double> maxGrossLb; // max_gross_weight of the aircraft file
    FuelPlan plan;                    // of `input`
};

} // namespace fuel
