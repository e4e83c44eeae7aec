#include "configurator/fuel/fuelcommand.h"

#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/session/installpaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <optional>

namespace {

// As many digits as the planner's fields take.
constexpr std::int32_t kLargestFigure = 99999999;

const char* const kMandatoryMessage = "All the mandatory fields must be filled.";

struct FuelRequest {
    const fuel::AircraftPerformance* aircraft = nullptr;
    std::optional<std::int32_t> distance, altitude, zfw;
    fuel::FuelPlanInput input{0, 0, 50, 0, 200, 5, 1000};
};

// Fills `request` from a parsed line; returns an error text for the user, or
// an empty string.
QString readRequest(const cli::ParsedLine& line, FuelRequest& request) {
    if (line.isSet("ofp") && line.value("ofp").isEmpty())
        return QStringLiteral("--ofp needs a file");
    // A flight plan names its aircraft itself.
    if (!line.isSet("aircraft") && !line.isSet("ofp"))
        return QStringLiteral("--aircraft is required");
    if (line.isSet("aircraft")) {
        const QString name = line.value("aircraft");
        if (name.isEmpty())
            return QStringLiteral("--aircraft needs a value");
        request.aircraft = fuel::aircraftPerformanceByName(name.toLatin1().constData());
        if (!request.aircraft)
            return QStringLiteral("unknown aircraft '%1' (use A330-200, A330-300, A340-300 "
                                  "or A340-600)")
                .arg(name);
    }
    const struct {
        const char* option;
        std::optional<std::int32_t>* mandatory;
        std::int32_t* optional;
    } figures[] = {
        {"distance", &request.distance, nullptr},
        {"altitude", &request.altitude, nullptr},
        {"zfw", &request.zfw, nullptr},
        {"cost-index", nullptr, &request.input.costIndex},
        {"taxi", nullptr, &request.input.taxiFuel},
        {"reserve", nullptr, &request.input.reservePercent},
        {"final", nullptr, &request.input.finalFuel},
    };
    for (const auto& figure : figures) {
        if (!line.isSet(figure.option))
            continue;
        const QString option = QStringLiteral("--") + QLatin1String(figure.option);
        bool ok = false;
        const int number = line.value(figure.option).toInt(&ok);
        if (!ok)
            return QStringLiteral("%1 needs a whole number").arg(option);
        if (number > kLargestFigure)
            return QStringLiteral("%1 must be at most %2").arg(option).arg(kLargestFigure);
        if (figure.optional && number < 0)
            return QStringLiteral("%1 cannot be negative").arg(option);
        if (figure.mandatory)
            *figure.mandatory = number;
        else
            *figure.optional = number;
    }
    return {};
}

QString tankOrMissing(const fuel::TankLoad& tank) {
    return tank.present ? fuel::tankText(tank.amount, tank.fraction, fuel::kKilogramsFactor)
                        : QStringLiteral("---");
}

void printText(const fuel::AircraftPerformance& aircraft, const fuel::FuelPlanInput& input,
               const fuel::FuelPlan& plan, const fuel::FlightWeights& weights, QTextStream& out) {
    const auto row = [&](const char* label, const QString& value) {
        out << QString::fromLatin1(label).leftJustified(16) << value << "\n";
    };
    const auto kg = [](std::int32_t value) { return QStringLiteral("%1 kg").arg(value); };
    out << aircraft.name << " fuel plan\n";
    row("Trip Fuel", kg(plan.tripFuel));
    row("Route Reserve",
        QStringLiteral("%1 (%2%)").arg(kg(plan.routeReserve)).arg(input.reservePercent));
    row("Taxi Fuel", kg(input.taxiFuel));
    row("Final Fuel", kg(input.finalFuel));
    row("FOB", kg(plan.blockFuel));
    const fuel::TankDistribution& tanks = plan.tanks;
    row("LEFT / RIGHT", tankOrMissing(tanks.Inner) + QStringLiteral(" each"));
    row("Outer L / R",
        tankOrMissing(tanks.Outer) + (tanks.Outer.present ? QStringLiteral(" each") : QString()));
    row("CENTER", tankOrMissing(tanks.Center));
    row("TRIM", tankOrMissing(tanks.Trim));
    row("TOW", kg(weights.takeoff));
    row("LW", kg(weights.landing));
    row("Max TOW", weights.maxTakeoff ? kg(*weights.maxTakeoff)
                                      : QStringLiteral("unknown (no aircraft.cfg to read)"));
    if (plan.tooShortForAltitude)
        out << "\n" << fuel::tooShortForAltitudeText(input, plan).replace(u'\n', u' ') << "\n";
    if (fuel::exceedsCapacity(tanks)) {
        out << "\nWarning.\nThis fuel quantity may be too low for this trip.\n"
            << "(" << tanks.remainder << " kg do not fit in the tanks)\n";
    }
    if (weights.overMaximum) {
        out << "\n" << fuel::takeoffWeightWarningText(weights, fuel::kKilogramsFactor) << "\n";
    }
}

QJsonValue jsonTank(const fuel::TankLoad& tank) {
    if (!tank.present)
        return QJsonValue(QJsonValue::Null);
    // Six significant digits, as a person reads a fraction of a tank.
    const double fraction = QString::number(static_cast<double>(tank.fraction), 'g', 6).toDouble();
    return QJsonObject{{QStringLiteral("kg"), tank.amount}, {QStringLiteral("fraction"), fraction}};
}

void printJson(const fuel::AircraftPerformance& aircraft, const fuel::FuelPlan& plan,
               const fuel::FlightWeights& weights, QTextStream& out) {
    const fuel::TankDistribution& tanks = plan.tanks;
    const QJsonObject json{
        {QStringLiteral("aircraft"), QLatin1String(aircraft.name)},
        {QStringLiteral("trip_fuel"), plan.tripFuel},
        {QStringLiteral("route_reserve"), plan.routeReserve},
        {QStringLiteral("block_fuel"), plan.blockFuel},
        {QStringLiteral("remainder"), tanks.remainder},
        {QStringLiteral("capacity_warning"), fuel::exceedsCapacity(tanks)},
        {QStringLiteral("too_short_for_altitude"), plan.tooShortForAltitude},
        {QStringLiteral("inner"), jsonTank(tanks.Inner)},
        {QStringLiteral("outer"), jsonTank(tanks.Outer)},
        {QStringLiteral("center"), jsonTank(tanks.Center)},
        {QStringLiteral("trim"), jsonTank(tanks.Trim)},
        {QStringLiteral("takeoff_weight"), weights.takeoff},
        {QStringLiteral("landing_weight"), weights.landing},
        {QStringLiteral("max_takeoff_weight"),
         weights.maxTakeoff ? QJsonValue(*weights.maxTakeoff) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("takeoff_weight_warning"), weights.overMaximum},
    };
    out << QJsonDocument(json).toJson(QJsonDocument::Compact) << "\n";
}

} // namespace

const cli::CommandSyntax& fuelCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator fuel",
        "configurator fuel --aircraft TYPE --distance NM --altitude FT --zfw KG\n"
        "    [--cost-index 50] [--taxi 200] [--reserve 5] [--final 1000] [--json]\n"
        "configurator fuel --ofp FILE [--aircraft TYPE] [any option above]",
        "Computes the fuel plan as the fuel planner's Validate does: trip fuel,\n"
        "route reserve (percent of the trip fuel), block fuel (FOB) and the load of\n"
        "each tank, in kilograms. Then the take-off and landing weights; the\n"
        "take-off weight is checked against max_gross_weight of the aircraft's\n"
        "aircraft.cfg when the simulator folder has the aircraft.\n"
        "With --ofp, distance (air distance, else route distance), altitude, cost\n"
        "index, zero fuel weight and taxi fuel come from a SimBrief flight plan (XML),\n"
        "its pounds turned into kilograms; a figure given on the line replaces the\n"
        "plan's. The plan must be for the --aircraft given, if any.",
        {{"aircraft", "TYPE", "A330-200, A330-300, A340-300 or A340-600 (required without --ofp)"},
         {"ofp", "FILE", "a flight plan in SimBrief's XML format"},
         {"distance", "NM", "flight distance (required without --ofp)"},
         {"altitude", "FT", "cruising altitude (required without --ofp)"},
         {"zfw", "KG", "zero fuel weight (required without --ofp)"},
         {"cost-index", "N", "cost index (50)"},
         {"taxi", "KG", "taxi fuel (200)"},
         {"reserve", "PCT", "route reserve, percent of the trip fuel (5)"},
         {"final", "KG", "final reserve fuel (1000)"},
         {"json", nullptr, "print JSON instead of text"},
         kFsRootOption},
        nullptr,
        "0 done, 1 the flight plan cannot be read or used, 2 bad arguments",
    };
    return syntax;
}

int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = fuelCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    FuelRequest request;
    if (const QString error = readRequest(line, request); !error.isEmpty())
        return cli::badArguments(syntax, error, err);

    if (line.isSet("ofp")) {
        const QString file = line.value("ofp");
        const fuel::FlightPlanImport plan = fuel::readFlightPlanFile(file, request.aircraft);
        if (!plan.flight)
            return cli::failure(
                syntax, QStringLiteral("cannot use the flight plan %1: %2").arg(file, plan.error),
                err);
        const fuel::ImportedFlight& flight = *plan.flight;
        request.aircraft = flight.aircraft;
        request.distance = request.distance.value_or(flight.distance);
        request.altitude = request.altitude.value_or(flight.altitude);
        request.zfw = request.zfw.value_or(flight.zeroFuelWeight.kilograms);
        if (!line.isSet("cost-index"))
            request.input.costIndex = flight.costIndex;
        if (!line.isSet("taxi"))
            request.input.taxiFuel = flight.taxiFuel.kilograms;
    }
    request.input.distance = request.distance.value_or(0);
    request.input.altitude = request.altitude.value_or(0);
    request.input.zeroFuelWeight = request.zfw.value_or(0);
    const fuel::FuelPlanInput& input = request.input;
    if (input.distance <= 0 || input.altitude <= 0 || input.costIndex <= 0 ||
        input.zeroFuelWeight <= 0) {
        err << kMandatoryMessage << "\n";
        return cli::kExitBadArguments;
    }

    const fuel::FuelPlan plan = fuel::PlanFuel(*request.aircraft, input);
    // Checked against the installed aircraft when its file can be read.
    const fuel::FlightWeights weights =
        fuel::flightWeights(input.zeroFuelWeight, input.taxiFuel, plan, fuel::kKilogramsFactor,
                            fuel::maxGrossWeightLb(request.aircraft->code));
    if (line.isSet("json"))
        printJson(*request.aircraft, plan, weights, out);
    else
        printText(*request.aircraft, input, plan, weights, out);
    return cli::kExitOk;
}
