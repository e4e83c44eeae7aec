#include "configurator/cli/flightoptions.h"

#include "configurator/cli/figureoption.h"
#include "configurator/fuel/fueldefaults.h"
#include "configurator/fuel/fuelunits.h"

#include <QStringList>
#include <string>

namespace cli_options {

namespace {

struct Figure {
    const char* option;
    std::optional<std::int32_t> FlightOptions::*value;
    long long lowest; // as the planner's Validate and the flight-plan import take it
};

constexpr Figure kFigures[] = {
    {"distance", &FlightOptions::distance, 1}, {"altitude", &FlightOptions::altitude, 1},
    {"zfw", &FlightOptions::zfw, 1},           {"cost-index", &FlightOptions::costIndex, 0},
    {"taxi", &FlightOptions::taxi, 0},         {"reserve", &FlightOptions::reserve, 0},
    {"final", &FlightOptions::finalFuel, 0},
};

} // namespace

std::vector<cli::Option> flightOptions(bool withZfw) {
    std::vector<cli::Option> options{
        {"ofp", "FILE", "a flight plan in SimBrief's XML format"},
        {"distance", "NM", "flight distance (required without --ofp)"},
        {"altitude", "FT", "cruising altitude (required without --ofp)"},
    };
    if (withZfw)
        options.push_back({"zfw", "KG", "zero fuel weight (required without --ofp)"});
    // Texts that must outlive every syntax holding them.
    static const std::string costIndex =
        "cost index (" + std::to_string(fuel::kDefaultCostIndex) + ")";
    static const std::string taxi = "taxi fuel (" + std::to_string(fuel::kDefaultTaxiFuel) + ")";
    static const std::string reserve = "route reserve, percent of the trip fuel (" +
                                       std::to_string(fuel::kDefaultReservePercent) + ")";
    static const std::string finalFuel =
        "final reserve fuel (" + std::to_string(fuel::kDefaultFinalFuel) + ")";
    options.push_back({"cost-index", "N", costIndex.c_str()});
    options.push_back({"taxi", "KG", taxi.c_str()});
    options.push_back({"reserve", "PCT", reserve.c_str()});
    options.push_back({"final", "KG", finalFuel.c_str()});
    return options;
}

const char* flightDefaultsUsage() {
    static const std::string usage = "[--cost-index " + std::to_string(fuel::kDefaultCostIndex) +
                                     "] [--taxi " + std::to_string(fuel::kDefaultTaxiFuel) +
                                     "] [--reserve " +
                                     std::to_string(fuel::kDefaultReservePercent) + "] [--final " +
                                     std::to_string(fuel::kDefaultFinalFuel) + "]";
    return usage.c_str();
}

std::optional<QString> readFlightOptions(const cli::ParsedLine& line, FlightOptions& options) {
    if (line.isSet("ofp")) {
        options.ofp = line.value("ofp");
        if (options.ofp.isEmpty())
            return QStringLiteral("--ofp needs a file");
    }
    for (const Figure& figure : kFigures) {
        const ReadFigure read =
            readFigure(line, figure.option, {figure.lowest, kLargestFigure, {}});
        if (read.error)
            return read.error;
        if (read.value)
            options.*figure.value = static_cast<std::int32_t>(*read.value);
    }
    return std::nullopt;
}

fuel::FuelPlanInput flightInput(const FlightOptions& options, const fuel::ImportedFlight* imported,
                                WeightUnit unit) {
    fuel::FuelPlanInput input = fuel::kDefaultInput;
    if (imported) {
        input.distance = imported->distance;
        input.altitude = imported->altitude;
        input.costIndex = imported->costIndex;
        input.zeroFuelWeight = imported->zeroFuelWeight.kilograms;
        input.taxiFuel = imported->taxiFuel.kilograms;
    }
    const auto kilograms = [unit](std::int32_t shown) { return fuel::toKilograms(shown, unit); };
    input.distance = options.distance.value_or(input.distance);
    input.altitude = options.altitude.value_or(input.altitude);
    input.costIndex = options.costIndex.value_or(input.costIndex);
    input.reservePercent = options.reserve.value_or(input.reservePercent);
    if (options.zfw)
        input.zeroFuelWeight = kilograms(*options.zfw);
    if (options.taxi)
        input.taxiFuel = kilograms(*options.taxi);
    if (options.finalFuel)
        input.finalFuel = kilograms(*options.finalFuel);
    return input;
}

std::optional<QString> missingMandatoryFigures(const fuel::FuelPlanInput& input, bool withZfw) {
    QStringList missing;
    if (input.distance <= 0)
        missing << QStringLiteral("--distance");
    if (input.altitude <= 0)
        missing << QStringLiteral("--altitude");
    if (input.costIndex < 0)
        missing << QStringLiteral("--cost-index");
    if (withZfw && input.zeroFuelWeight <= 0)
        missing << QStringLiteral("--zfw");
    if (missing.isEmpty())
        return std::nullopt;
    // The planner's own sentence, then what the command line lacks.
    return QStringLiteral("All the mandatory fields must be filled. (missing: %1)")
        .arg(missing.join(QStringLiteral(", ")));
}

} // namespace cli_options
