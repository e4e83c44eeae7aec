#pragma once
// The load sheet of one flight: what was loaded (passengers per class, cargo
// per hold), the zero fuel weight and its centre of gravity, the fuel plan
// and its tanks, the take-off and landing weights. Every text of the printed
// page is built here, in one unit; the PDF only draws it.

#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/load/loadmanager.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace loadsheet {

struct Row {
    QString label;
    QString value; // with its unit: "45996 kg", "24747 (73.3%)"
};

struct Section {
    QString heading;
    std::vector<Row> rows;
};

struct Sheet {
    QString title;
    QStringList header; // aircraft, date and time, unit
    std::vector<Section> sections;
    QStringList notes; // warnings, one line each
};

// The fuel plan's weights in the sheet's unit, as the planner shows them.
struct FuelFigures {
    std::int32_t zeroFuelWeight = 0, taxiFuel = 0, tripFuel = 0, routeReserve = 0, finalFuel = 0,
                 blockFuel = 0;
};

// Everything a sheet shows.
struct Flight {
    const char* aircraft = ""; // "A330-200"
    bool pounds = false;
    // The payload as the load manager shows it, in the sheet's unit.
    int business = 0, economy = 0; // passengers
    int forward = 0, aft = 0;      // percent of the hold
    PayloadFigures payload;
    std::optional<double> zfwCgMac;    // % MAC of that payload; none: not known
    bool payloadGivesOtherZfw = false; // the plan is for another ZFW than the payload's
    FuelFigures fuel;
    fuel::FuelPlan plan; // kg, for the tanks and the warnings
    std::int32_t reservePercent = 0;
    const fuel::AircraftPerformance* performance = nullptr; // which tanks exist
    fuel::FlightWeights weights;                            // in the sheet's unit
    QDateTime when;                                         // printed in UTC
};

// The plan's weights in the unit of `unitFactor` as Validate writes them
// (truncated).
FuelFigures fuelFigures(const fuel::FuelPlanInput& input, const fuel::FuelPlan& plan,
                        float unitFactor);

// The flight of `payload` (loaded and refreshed in the sheet's unit) and of
// the plan computed from `input`; `shown` holds the plan's weights as the
// planner's fields show them, `weights` the take-off and landing weights.
Flight flightOf(const CLoadManager& payload, const fuel::AircraftPerformance& performance,
                const fuel::FuelPlanInput& input, const fuel::FuelPlan& plan,
                const FuelFigures& shown, const fuel::FlightWeights& weights,
                const QDateTime& when);

Sheet makeSheet(const Flight& flight);

// The whole sheet as plain lines (label and value separated by blanks), as a
// reader of the PDF's text sees it; for the command's output and tests.
QStringList sheetLines(const Sheet& sheet);

} // namespace loadsheet
