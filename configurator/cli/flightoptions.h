#pragma once
// The flight options of `fuel` and `loadsheet`, declared and read once:
// --distance --altitude --cost-index --taxi --reserve --final --ofp --zfw.
// Figures are taken in the unit of the payload options (--unit).

#include "common/cli/commandsyntax.h"
#include "configurator/aircraft/aircrafttable.h"
#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelplan.h"

#include <QString>
#include <optional>
#include <vector>

namespace cli_options {

// As many digits as the planner's fields take.
inline constexpr long long kLargestFigure = 99999999;

struct FlightOptions {
    std::optional<std::int32_t> distance, altitude, zfw; // zfw in the unit given
    std::optional<std::int32_t> costIndex, taxi, reserve, finalFuel;
    QString ofp; // empty: no flight plan
};

// `withZfw`: the command takes the zero fuel weight from the line (`fuel`)
// rather than from the payload (`loadsheet`).
std::vector<cli::Option> flightOptions(bool withZfw);

// "[--cost-index 50] [--taxi 200] [--reserve 5] [--final 1000]", for usages.
const char* flightDefaultsUsage();

// Reads the group from `line`; an error text for the user, or nothing.
std::optional<QString> readFlightOptions(const cli::ParsedLine& line, FlightOptions& options);

// The fuel plan's inputs in kilograms: the defaults, then the flight plan's
// figures (`imported`, when there is one), then the line's, which win.
// Weights on the line are in `unit`.
fuel::FuelPlanInput flightInput(const FlightOptions& options, const fuel::ImportedFlight* imported,
                                WeightUnit unit);

// Distance, altitude and cost index are there, and the zero fuel weight when
// `withZfw`: the planner's "mandatory fields" (a cost index of 0 is one).
// Nothing when they are, else the planner's message naming the options.
std::optional<QString> missingMandatoryFigures(const fuel::FuelPlanInput& input, bool withZfw);

} // namespace cli_options
