#pragma once
// Take-off and landing weights of a computed plan, and the check against the
// aircraft's maximum take-off weight (max_gross_weight of its primary
// aircraft.cfg, in pounds).

#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/fuelplan.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace fuel {

// In the unit shown (kg or lb), like every weight the planner shows.
struct FlightWeights {
    std::int32_t takeoff = 0;               // zero fuel weight + block fuel - taxi fuel
    std::int32_t landing = 0;               // take-off weight - trip fuel
    std::optional<std::int32_t> maxTakeoff; // nothing when unknown: no check
    bool overMaximum = false;               // takeoff above maxTakeoff
};

// `zfw` and `taxi` as the user typed them in `unit`; the
// block and trip fuel of `plan` (kg) as the planner shows them in that unit,
// so the weights add up with the fields beside them. `maxGrossLb` from
// maxGrossWeightLb().
FlightWeights flightWeights(std::int32_t zfw, std::int32_t taxi, const FuelPlan& plan,
                            WeightUnit unit, std::optional<double> maxGrossLb);

// max_gross_weight of the primary aircraft.cfg of aircraft `code` below
// InstallFolder; nothing when the file or the value is missing, not a
// number, or not above 0.
std::optional<double> maxGrossWeightLb(std::int32_t code);

// A weight of the file in `unit`: kilograms as the load
// manager reads pounds (x 0.4536, rounded), pounds rounded to whole pounds.
std::int32_t fileWeightShown(double pounds, WeightUnit unit);

// What the planner says after Validate when the take-off weight is above
// the maximum, naming both in the unit shown.
QString takeoffWeightWarningText(const FlightWeights& weights, WeightUnit unit);

} // namespace fuel
