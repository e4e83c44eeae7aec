#include "configurator/fuel/plannedflight.h"

#include "configurator/fuel/fuelunits.h"

namespace fuel {

FuelFigures shownFigures(const FuelPlanInput& input, const FuelPlan& plan, WeightUnit unit) {
    const auto shown = [&](std::int32_t kilograms) { return toDisplayUnit(kilograms, unit); };
    FuelFigures figures;
    figures.zeroFuelWeight = shown(input.zeroFuelWeight);
    figures.taxiFuel = shown(input.taxiFuel);
    figures.tripFuel = shown(plan.tripFuel);
    figures.routeReserve = shown(plan.routeReserve);
    figures.finalFuel = shown(input.finalFuel);
    figures.blockFuel = shown(plan.blockFuel);
    return figures;
}

} // namespace fuel
