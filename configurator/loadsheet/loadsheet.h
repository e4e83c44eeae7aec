#pragma once
// The load sheet of one flight: what was loaded (passengers per class, cargo
// per hold), the zero fuel weight and its centre of gravity, the fuel plan
// and its tanks, the take-off and landing weights. Every text of the printed
// page is built here, in one unit; the PDF only draws it.

#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/plannedflight.h"
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

// Everything a sheet shows.
struct Flight {
    const char* aircraft = ""; // "A330-200"
    WeightUnit unit = WeightUnit::Kilograms;
    // The payload as the load manager shows it, in the sheet's unit.
    int business = 0, economy = 0; // passengers
    int forward = 0, aft = 0;      // percent of the hold
    PayloadFigures payload;
    std::optional<double> zfwCgMac;    // % MAC of that payload; none: not known
    bool payloadGivesOtherZfw = false; // the plan is for another ZFW than the payload's
    fuel::FuelFigures fuel;
    fuel::FuelPlan plan; // kg, for the tanks and the warnings
    std::int32_t reservePercent = 0;
    const AircraftType* type = nullptr; // which tanks exist
    fuel::FlightWeights weights;        // in the sheet's unit
    QDateTime when;                     // printed in UTC
};

// What one sheet is made of: the payload (loaded and refreshed in the
// sheet's unit), the flight's inputs in kilograms, the weights as they are
// shown in that unit, and the maximum take-off weight of the aircraft file.
struct SheetRequest {
    const CLoadManager& payload;
    fuel::FuelPlanInput input;
    fuel::FuelFigures shown;
    std::optional<double> maxGrossLb;
    QDateTime when;
};

// The sheet of one flight, as the command and the planner print it: the fuel
// plan of the request's inputs, its take-off and landing weights, the page.
Sheet composeSheet(const SheetRequest& request);

Sheet makeSheet(const Flight& flight);

// The whole sheet as plain lines (label and value separated by blanks), as a
// reader of the PDF's text sees it; for the command's output and tests.
QStringList sheetLines(const Sheet& sheet);

} // namespace loadsheet
