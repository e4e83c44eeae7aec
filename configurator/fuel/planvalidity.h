#pragma once
// Whether a computed fuel plan is one to fly and to print: a plan whose
// distance is too short for its altitude, or whose trip fuel comes out
// negative, is computed all the same but is no plan.

#include "configurator/fuel/fuelplan.h"

#include <QString>
#include <optional>

namespace fuel {

// The warning that says why `plan` is not valid (lines separated by '\n'),
// or nothing when it is valid.
std::optional<QString> invalidPlanText(const FuelPlanInput& input, const FuelPlan& plan);

} // namespace fuel
