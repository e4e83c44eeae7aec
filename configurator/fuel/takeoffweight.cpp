#include "configurator/fuel/takeoffweight.h"

#include "configurator/aircraft/cfgnumber.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"

#include <QString>
#include <cmath>
#include <limits>
#include <string>

namespace fuel {
namespace {

std::int32_t clamped(double value) {
    if (!(value > static_cast<double>(std::numeric_limits<std::int32_t>::min())))
        return std::isnan(value) ? 0 : std::numeric_limits<std::int32_t>::min();
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

bool isPounds(WeightUnit unit) {
    return unit == WeightUnit::Pounds;
}

} // namespace

FlightWeights flightWeights(std::int32_t zfw, std::int32_t taxi, const FuelPlan& plan,
                            WeightUnit unit, std::optional<double> maxGrossLb) {
    FlightWeights weights;
    const double block = toDisplayUnit(plan.blockFuel, unit);
    const double trip = toDisplayUnit(plan.tripFuel, unit);
    weights.takeoff = clamped(static_cast<double>(zfw) + block - taxi);
    weights.landing = clamped(static_cast<double>(weights.takeoff) - trip);
    if (maxGrossLb) {
        weights.maxTakeoff = fileWeightShown(*maxGrossLb, unit);
        weights.overMaximum = weights.takeoff > *weights.maxTakeoff;
    }
    return weights;
}

std::optional<double> maxGrossWeightLb(std::int32_t code) {
    const AircraftType* aircraft = aircraftOfCode(code);
    if (!aircraft)
        return std::nullopt;
    const std::string primary = std::string(InstallFolder) + aircraftFileTexts(*aircraft).front();
    const auto pounds = aircraftcfg::readNumber(payload::kSection, "max_gross_weight", primary);
    if (!pounds || !(*pounds > 0))
        return std::nullopt;
    return pounds;
}

std::int32_t fileWeightShown(double pounds, WeightUnit unit) {
    const double shown = isPounds(unit) ? pounds : pounds * payload::kLbToKg;
    return clamped(shown + 0.5);
}

QString takeoffWeightWarningText(const FlightWeights& weights, WeightUnit unit) {
    const QString symbol = QLatin1String(unitSymbol(unit));
    return QStringLiteral("The take-off weight of %1 %3 is above\n"
                          "the maximum take-off weight of %2 %3 of this aircraft.\n"
                          "Reduce the payload or the fuel.")
        .arg(weights.takeoff)
        .arg(weights.maxTakeoff.value_or(0))
        .arg(symbol);
}

} // namespace fuel
