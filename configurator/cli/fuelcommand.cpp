#include "configurator/cli/fuelcommand.h"

#include "configurator/cli/flightoptions.h"
#include "configurator/cli/payloadoptions.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/plannedflight.h"
#include "configurator/fuel/planvalidity.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/session/installpaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <optional>
#include <string>

namespace {

QString tankOrMissing(const fuel::TankLoad& tank, WeightUnit unit) {
    return tank.present ? fuel::tankText(tank.amount, tank.fraction, unit) : QStringLiteral("---");
}

void printText(const AircraftType& aircraft, const fuel::FuelPlanInput& input,
               const fuel::FuelPlan& plan, const fuel::FuelFigures& shown,
               const fuel::FlightWeights& weights, WeightUnit unit, QTextStream& out) {
    const auto row = [&](const char* label, const QString& value) {
        out << QString::fromLatin1(label).leftJustified(16) << value << "\n";
    };
    const QString symbol = QLatin1String(unitSymbol(unit));
    const auto kg = [&](std::int32_t value) {
        return QStringLiteral("%1 %2").arg(value).arg(symbol);
    };
    out << aircraft.designation << " fuel plan\n";
    row("Trip Fuel", kg(shown.tripFuel));
    row("Route Reserve",
        QStringLiteral("%1 (%2%)").arg(kg(shown.routeReserve)).arg(input.reservePercent));
    row("Taxi Fuel", kg(shown.taxiFuel));
    row("Final Fuel", kg(shown.finalFuel));
    row("FOB", kg(shown.blockFuel));
    const fuel::TankDistribution& tanks = plan.tanks;
    row("LEFT / RIGHT", tankOrMissing(tanks.Inner, unit) + QStringLiteral(" each"));
    row("Outer L / R", tankOrMissing(tanks.Outer, unit) +
                           (tanks.Outer.present ? QStringLiteral(" each") : QString()));
    row("CENTER", tankOrMissing(tanks.Center, unit));
    row("TRIM", tankOrMissing(tanks.Trim, unit));
    row("TOW", kg(weights.takeoff));
    row("LW", kg(weights.landing));
    row("Max TOW", weights.maxTakeoff ? kg(*weights.maxTakeoff)
                                      : QStringLiteral("unknown (no aircraft.cfg to read)"));
    if (const auto invalid = fuel::invalidPlanText(input, plan))
        out << "\n" << QString(*invalid).replace(u'\n', u' ') << "\n";
    if (fuel::exceedsCapacity(tanks)) {
        out << "\nWarning.\nThis fuel quantity may be too low for this trip.\n"
            << "("
            << (unit == WeightUnit::Kilograms ? tanks.remainder
                                              : fuel::toDisplayUnit(tanks.remainder, unit))
            << ' ' << symbol << " do not fit in the tanks)\n";
    }
    if (weights.overMaximum) {
        out << "\n" << fuel::takeoffWeightWarningText(weights, unit) << "\n";
    }
}

// In kilograms the tank's amount is "kg"; in pounds "lb" as well, beside it.
QJsonValue jsonTank(const fuel::TankLoad& tank, WeightUnit unit) {
    if (!tank.present)
        return QJsonValue(QJsonValue::Null);
    // Six significant digits, as a person reads a fraction of a tank.
    const double fraction = QString::number(static_cast<double>(tank.fraction), 'g', 6).toDouble();
    QJsonObject json{{QStringLiteral("kg"), tank.amount}, {QStringLiteral("fraction"), fraction}};
    if (unit == WeightUnit::Pounds)
        json.insert(QStringLiteral("lb"), fuel::toDisplayUnit(tank.amount, unit));
    return json;
}

void printJson(const AircraftType& aircraft, const fuel::FuelPlan& plan,
               const fuel::FuelFigures& shown, const fuel::FlightWeights& weights, WeightUnit unit,
               QTextStream& out) {
    const fuel::TankDistribution& tanks = plan.tanks;
    QJsonObject json{
        {QStringLiteral("aircraft"), QLatin1String(aircraft.designation)},
        {QStringLiteral("trip_fuel"), shown.tripFuel},
        {QStringLiteral("route_reserve"), shown.routeReserve},
        {QStringLiteral("block_fuel"), shown.blockFuel},
        {QStringLiteral("remainder"), unit == WeightUnit::Kilograms
                                          ? tanks.remainder
                                          : fuel::toDisplayUnit(tanks.remainder, unit)},
        {QStringLiteral("capacity_warning"), fuel::exceedsCapacity(tanks)},
        {QStringLiteral("too_short_for_altitude"), plan.tooShortForAltitude},
        {QStringLiteral("inner"), jsonTank(tanks.Inner, unit)},
        {QStringLiteral("outer"), jsonTank(tanks.Outer, unit)},
        {QStringLiteral("center"), jsonTank(tanks.Center, unit)},
        {QStringLiteral("trim"), jsonTank(tanks.Trim, unit)},
        {QStringLiteral("takeoff_weight"), weights.takeoff},
        {QStringLiteral("landing_weight"), weights.landing},
        {QStringLiteral("max_takeoff_weight"),
         weights.maxTakeoff ? QJsonValue(*weights.maxTakeoff) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("takeoff_weight_warning"), weights.overMaximum},
    };
    // Only in pounds, so a plan in kilograms reads as it always has.
    if (unit == WeightUnit::Pounds)
        json.insert(QStringLiteral("unit"), QLatin1String(unitSymbol(unit)));
    out << QJsonDocument(json).toJson(QJsonDocument::Compact) << "\n";
}

std::vector<cli::Option> options() {
    std::vector<cli::Option> list = cli_options::payloadOptions(
        {"(required without --ofp)", "unit of the weights given and shown (kg)", false});
    const std::vector<cli::Option> flight = cli_options::flightOptions(true);
    // As the help has always listed them: the aircraft, the flight, the unit.
    list.insert(list.begin() + 1, flight.begin(), flight.end());
    list.push_back({"json", nullptr, "print JSON instead of text"});
    list.push_back(kFsRootOption);
    return list;
}

} // namespace

const cli::CommandSyntax& fuelCommandSyntax() {
    static const std::string usage =
        std::string("configurator fuel --aircraft TYPE --distance NM --altitude FT --zfw KG\n"
                    "    ") +
        cli_options::flightDefaultsUsage() +
        "\n"
        "    [--unit kg|lb] [--json]\n"
        "configurator fuel --ofp FILE [--aircraft TYPE] [any option above]";
    static const cli::CommandSyntax syntax{
        "configurator fuel",
        usage.c_str(),
        "Computes the fuel plan as the fuel planner's Validate does: trip fuel,\n"
        "route reserve (percent of the trip fuel), block fuel (FOB) and the load of\n"
        "each tank, in kilograms, or in pounds with --unit lb (the weights given\n"
        "are then pounds too). Then the take-off and landing weights; the\n"
        "take-off weight is checked against max_gross_weight of the aircraft's\n"
        "aircraft.cfg when the simulator folder has the aircraft.\n"
        "With --ofp, distance (air distance, else route distance), altitude, cost\n"
        "index, zero fuel weight and taxi fuel come from a SimBrief flight plan (XML),\n"
        "its pounds turned into kilograms; a figure given on the line replaces the\n"
        "plan's. The plan must be for the --aircraft given, if any.\n"
        "A plan that is not valid (a distance too short for the altitude) is printed\n"
        "with the warning, and the exit status is 1.",
        options(),
        nullptr,
        "0 done, 1 the plan is not valid, the flight plan cannot be read or used or "
        "the simulator folder is missing, 2 bad arguments",
    };
    return syntax;
}

int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = fuelCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    cli_options::PayloadOptions payload;
    cli_options::FlightOptions flight;
    if (auto error = cli_options::readPayloadOptions(line, false, payload); !error) {
        // A flight plan names its aircraft itself.
        if (!payload.aircraft && !line.isSet("ofp"))
            error = QStringLiteral("--aircraft is required");
        else
            error = cli_options::readFlightOptions(line, flight);
        if (error)
            return cli::badArguments(syntax, *error, err);
    } else {
        return cli::badArguments(syntax, *error, err);
    }

    std::optional<fuel::ImportedFlight> imported;
    if (!flight.ofp.isEmpty()) {
        const fuel::FlightPlanImport plan = fuel::readFlightPlanFile(flight.ofp, payload.aircraft);
        if (!plan.flight)
            return cli::failure(
                syntax,
                QStringLiteral("cannot use the flight plan %1: %2").arg(flight.ofp, plan.error),
                err);
        imported = plan.flight;
        payload.aircraft = imported->aircraft;
    }
    const WeightUnit unit = payload.unit;
    const fuel::FuelPlanInput input =
        cli_options::flightInput(flight, imported ? &*imported : nullptr, unit);
    if (const auto missing = cli_options::missingMandatoryFigures(input, true)) {
        err << *missing << "\n";
        return cli::kExitBadArguments;
    }
    // The maximum take-off weight is read from the aircraft's file.
    if (const auto status = refuseMissingSimulatorFolder(syntax, err))
        return *status;

    const AircraftType& aircraft = *payload.aircraft;
    const fuel::FuelPlan plan = fuel::PlanFuel(aircraft, input);
    // The weights as typed in the unit, the planner's way, so they add up
    // with the figures beside them.
    fuel::FuelFigures shown =
        unit == WeightUnit::Kilograms
            ? fuel::FuelFigures{input.zeroFuelWeight, input.taxiFuel,  plan.tripFuel,
                                plan.routeReserve,    input.finalFuel, plan.blockFuel}
            : fuel::shownFigures(input, plan, unit);
    if (flight.zfw)
        shown.zeroFuelWeight = *flight.zfw;
    else if (imported)
        shown.zeroFuelWeight = imported->zeroFuelWeight.inUnit(unit);
    if (flight.taxi)
        shown.taxiFuel = *flight.taxi;
    else if (imported)
        shown.taxiFuel = imported->taxiFuel.inUnit(unit);
    if (flight.finalFuel)
        shown.finalFuel = *flight.finalFuel;
    // Checked against the installed aircraft when its file can be read.
    const fuel::FlightWeights weights = fuel::flightWeights(
        shown.zeroFuelWeight, shown.taxiFuel, plan, unit, fuel::maxGrossWeightLb(aircraft.code));
    const bool json = line.isSet("json");
    if (json)
        printJson(aircraft, plan, shown, weights, unit, out);
    else
        printText(aircraft, input, plan, shown, weights, unit, out);
    // Shown all the same, as the planner shows it, but no plan to fly; the
    // text output has said why already.
    if (const auto invalid = fuel::invalidPlanText(input, plan)) {
        if (json)
            cli::failure(syntax, QString(*invalid).replace(u'\n', u' '), err);
        return cli::kExitFailed;
    }
    return cli::kExitOk;
}
