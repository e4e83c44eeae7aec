#pragma once
// How the planner shows and reads weights: whole kilograms inside, the
// current unit (kg or lb) in the fields.

#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/fuelplan.h"

#include <QString>
#include <cstdint>

namespace fuel {

// Display factor per unit: exactly 1 in kilograms, the float nearest
// 1/0.4536 in pounds.
inline constexpr float kKilogramsFactor = 1.0f;
inline constexpr float kPoundsFactor = 2.2045855f;
constexpr float displayFactor(WeightUnit unit) {
    return unit == WeightUnit::Pounds ? kPoundsFactor : kKilogramsFactor;
}

// A kilogram figure in `unit`, truncated.
std::int32_t toDisplayUnit(std::int32_t kilograms, WeightUnit unit);
// A figure typed in `unit` as kilograms, truncated.
std::int32_t toKilograms(std::int32_t shown, WeightUnit unit);
// A shown weight re-expressed after a unit switch to `to` (x 0.4536 to kg,
// x 2.204585537918871 to lb, double precision, truncated).
std::int32_t convertShownWeight(std::int32_t shown, WeightUnit to);

// A tank as the planner shows it: "24747 (73.3%)".
QString tankText(std::int32_t kilograms, float fraction, WeightUnit unit);

// What the planner says after a plan whose distance is too short for its
// cruising altitude: the figures and the climb and descent distance, whole NM
// rounded up.
QString tooShortForAltitudeText(const FuelPlanInput& input, const FuelPlan& plan);

// The leading decimal integer of a field's text (at most its first 98
// characters), 0 when there is none; saturates instead of overflowing.
std::int32_t leadingInteger(const QString& text);

} // namespace fuel
