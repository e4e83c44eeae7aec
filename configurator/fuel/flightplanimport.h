#pragma once
// An operational flight plan (OFP) exported as XML by the SimBrief planner,
// read into the planner's figures: distance, cruising altitude, cost index,
// zero fuel weight and taxi fuel. Qt Core's stream reader only.

#include "configurator/aircraft/weightunit.h"
#include "configurator/fuel/fueltables.h"

#include <QString>
#include <cstdint>
#include <optional>

class QIODevice;

namespace fuel {

// A weight of the plan: whole kilograms for the computation, and the figure
// as the plan writes it, which a field in the plan's own unit shows as it is.
struct PlanWeight {
    std::int32_t kilograms = 0;
    std::int32_t asWritten = 0;
    WeightUnit unit = WeightUnit::Kilograms; // the plan's

    // The figure for a field in `unit`, one that the
    // planner reads back as `kilograms`.
    std::int32_t inUnit(WeightUnit unit) const;
};

struct ImportedFlight {
    const AircraftType* aircraft = nullptr; // the type the plan is for
    std::int32_t distance = 0;              // NM: air distance, else route distance
    std::int32_t altitude = 0;              // ft, the initial cruising altitude
    std::int32_t costIndex = 0;
    PlanWeight zeroFuelWeight; // the estimated one
    PlanWeight taxiFuel;
};

struct FlightPlanImport {
    std::optional<ImportedFlight> flight;
    // Why there is none, for the user: "it has no <weights><est_zfw> (zero
    // fuel weight)". Starts in lower case, no full stop.
    QString error;
};

// Reads a whole plan. `chosen`, when given, is the aircraft the plan must be
// for; without it the plan's own type is taken if it is one of ours. Every
// figure must lie where the planner's Validate accepts it (1 to 99999999; taxi
// fuel from 0): one outside is refused, never clamped. Pounds become
// kilograms as a figure typed in pounds does (divided by kPoundsFactor,
// truncated).
FlightPlanImport readFlightPlan(QIODevice& device, const AircraftType* chosen);
FlightPlanImport readFlightPlanFile(const QString& hostPath, const AircraftType* chosen);

} // namespace fuel
