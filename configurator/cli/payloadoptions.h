#pragma once
// The payload options of `payload`, `fuel` and `loadsheet`, declared and
// read once so the same line means the same in each command:
// --aircraft --business --economy --forward --aft --unit.

#include "common/cli/commandsyntax.h"
#include "configurator/aircraft/aircrafttable.h"
#include "configurator/aircraft/weightunit.h"

#include <QString>
#include <optional>
#include <vector>

class CLoadManager;
class QTextStream;

namespace cli_options {

struct PayloadOptions {
    const AircraftType* aircraft = nullptr;
    std::optional<int> business, economy, forward, aft; // passengers, percent of the hold
    WeightUnit unit = WeightUnit::Kilograms;
};

// How a command takes the group.
struct PayloadGroup {
    const char* aircraftNote; // after the names in --aircraft's help: "(required)"
    const char* unitHelp;     // "unit of the weights shown (kg)"
    bool loads = true;        // the passenger and cargo options are there
};

// --aircraft, the load options when the group has them, then --unit.
std::vector<cli::Option> payloadOptions(const PayloadGroup& group);

// Reads the group from `line`; an error text for the user, or nothing.
// `aircraftRequired`: a missing --aircraft is an error. The loads are read
// once the aircraft is known: here when --aircraft is given, else by
// readLoads once the command knows it.
std::optional<QString> readPayloadOptions(const cli::ParsedLine& line, bool aircraftRequired,
                                          PayloadOptions& options);

// Reads the passenger and cargo options for `options.aircraft` (set): from 0
// to its seats, from 0 to 100 %. An error text for the user, or nothing.
std::optional<QString> readLoads(const cli::ParsedLine& line, PayloadOptions& options);

// Applies the loads to `model` (loaded from its file) in `options`' unit and
// refreshes it.
void applyPayloadOptions(const PayloadOptions& options, CLoadManager& model);

// Opens the aircraft's payload as the load manager does and applies the
// options: the model, or the exit status after the problem was told on `err`
// (no simulator folder, a file that cannot be read, the aircraft not
// installed).
std::optional<int> openPayload(const PayloadOptions& options, CLoadManager& model,
                               const cli::CommandSyntax& syntax, QTextStream& err);

} // namespace cli_options
