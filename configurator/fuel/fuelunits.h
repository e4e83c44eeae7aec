#pragma once
// How the planner shows and reads weights: whole kilograms inside, the
// current unit (kg or lb) in the fields.

#include "configurator/fuel/fuelplan.h"

#include <QString>
#include <cstdint>

namespace fuel {

// Display factor per unit: exactly 1 in kilograms, the float nearest
// 1/0.4536 in pounds.
inline constexpr float kKilogramsFactor = 1.0f;
inline constexpr float kPoundsFactor = 2.2045855f;

// A kilogram figure in the unit of `unitFactor`, truncated.
std::int32_t toDisplayUnit(std::int32_t kilograms, float unitFactor);
// A figure typed in the unit of `unitFactor` as kilograms, truncated.
std::int32_t toKilograms(std::int32_t shown, float unitFactor);
// A shown weight re-expressed after a unit switch (x 0.4536 to kg,
// x 2.204585537918871 to lb, double precision, truncated).
std::int32_t convertShownWeight(std::int32_t shown, bool toPounds);

// A tank as the planner shows it: "24747 (73.3%)".
QString tankText(std::int32_t kilograms, float fraction, float unitFactor);

// What the planner says after a plan whose distance is too short for its
// cruising altitude: the figures and the climb and descent distance, whole NM
// rounded up.
QString tooShortForAltitudeText(const FuelPlanInput& input, const FuelPlan& plan);

// The leading decimal integer of a field's text (at most its first 98
// characters), 0 when there is none; saturates instead of overflowing.
std::int32_t leadingInteger(const QString& text);

} // namespace fuel
