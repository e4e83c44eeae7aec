#include "configurator/fuel/planvalidity.h"

#include "configurator/fuel/fuelunits.h"

namespace fuel {

std::optional<QString> invalidPlanText(const FuelPlanInput& input, const FuelPlan& plan) {
    if (plan.tooShortForAltitude)
        return tooShortForAltitudeText(input, plan);
    if (plan.tripFuel < 0)
        return QStringLiteral("The trip fuel comes out at %1 kg, below zero.\n"
                              "This fuel plan is not valid.")
            .arg(plan.tripFuel);
    return std::nullopt;
}

} // namespace fuel
