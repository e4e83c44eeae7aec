#include "configurator/fuel/fuelcommand.h"

#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/fuelunits.h"

#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

constexpr int kBadArguments = 2;
// As many digits as the planner's fields take.
constexpr std::int32_t kLargestFigure = 99999999;

const char* const kUsage =
    "Usage: configurator fuel --aircraft A330-200|A330-300|A340-300|A340-600\n"
    "         --distance NM --altitude FT --zfw KG [--cost-index 50]\n"
    "         [--taxi 200] [--reserve 5] [--final 1000] [--json]\n\n"
    "Computes the fuel plan as the fuel planner's Validate does: trip fuel,\n"
    "route reserve (percent of the trip fuel), block fuel (FOB) and the load of\n"
    "each tank, in kilograms. Exit status: 0 done, 2 bad arguments.\n";

const char* const kMandatoryMessage = "All the mandatory fields must be filled.";

struct FuelRequest {
    const fuel::AircraftPerformance* aircraft = nullptr;
    std::optional<std::int32_t> distance, altitude, zfw;
    fuel::FuelPlanInput input{0, 0, 50, 0, 200, 5, 1000};
    bool json = false;
    bool help = false;
};

// Fills `request`; returns an error text for the user, or an empty string.
QString parse(const QStringList& args, FuelRequest& request) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        std::optional<std::int32_t>* mandatory = nullptr;
        std::int32_t* optional = nullptr;
        if (word == QLatin1String("--help")) {
            request.help = true;
        } else if (word == QLatin1String("--json")) {
            request.json = true;
        } else if (word == QLatin1String("--aircraft")) {
            if (i + 1 >= args.size())
                return QStringLiteral("--aircraft needs a value");
            const QString name = args[++i];
            request.aircraft = fuel::aircraftPerformanceByName(name.toLatin1().constData());
            if (!request.aircraft)
                return QStringLiteral("unknown aircraft '%1' (use A330-200, A330-300, A340-300 "
                                      "or A340-600)")
                    .arg(name);
        } else if (word == QLatin1String("--distance")) {
            mandatory = &request.distance;
        } else if (word == QLatin1String("--altitude")) {
            mandatory = &request.altitude;
        } else if (word == QLatin1String("--zfw")) {
            mandatory = &request.zfw;
        } else if (word == QLatin1String("--cost-index")) {
            optional = &request.input.costIndex;
        } else if (word == QLatin1String("--taxi")) {
            optional = &request.input.taxiFuel;
        } else if (word == QLatin1String("--reserve")) {
            optional = &request.input.reservePercent;
        } else if (word == QLatin1String("--final")) {
            optional = &request.input.finalFuel;
        } else {
            return QStringLiteral("unknown argument '%1'").arg(word);
        }
        if (mandatory || optional) {
            bool ok = false;
            const int number = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok)
                return QStringLiteral("%1 needs a whole number").arg(word);
            if (number > kLargestFigure)
                return QStringLiteral("%1 must be at most %2").arg(word).arg(kLargestFigure);
            if (optional && number < 0)
                return QStringLiteral("%1 cannot be negative").arg(word);
            if (mandatory)
                *mandatory = number;
            else
                *optional = number;
        }
    }
    if (!request.help && !request.aircraft)
        return QStringLiteral("--aircraft is required");
    return {};
}

QString tankOrMissing(const fuel::TankLoad& tank) {
    return tank.present ? fuel::tankText(tank.amount, tank.fraction, fuel::kKilogramsFactor)
                        : QStringLiteral("---");
}

void printText(const fuel::AircraftPerformance& aircraft, const fuel::FuelPlanInput& input,
               const fuel::FuelPlan& plan, QTextStream& out) {
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
    if (plan.tooShortForAltitude)
        out << "\n" << fuel::tooShortForAltitudeText(input, plan).replace(u'\n', u' ') << "\n";
    if (fuel::exceedsCapacity(tanks)) {
        out << "\nWarning.\nThis fuel quantity may be too low for this trip.\n"
            << "(" << tanks.remainder << " kg do not fit in the tanks)\n";
    }
}

QString jsonTank(const fuel::TankLoad& tank) {
    if (!tank.present)
        return QStringLiteral("null");
    char fraction[32];
    std::snprintf(fraction, sizeof fraction, "%.6g", static_cast<double>(tank.fraction));
    return QStringLiteral("{\"kg\":%1,\"fraction\":%2}")
        .arg(tank.amount)
        .arg(QString::fromLatin1(fraction));
}

void printJson(const fuel::AircraftPerformance& aircraft, const fuel::FuelPlan& plan,
               QTextStream& out) {
    const fuel::TankDistribution& tanks = plan.tanks;
    out << "{\"aircraft\":\"" << aircraft.name << "\""
        << ",\"trip_fuel\":" << plan.tripFuel << ",\"route_reserve\":" << plan.routeReserve
        << ",\"block_fuel\":" << plan.blockFuel << ",\"remainder\":" << tanks.remainder
        << ",\"capacity_warning\":" << (fuel::exceedsCapacity(tanks) ? "true" : "false")
        << ",\"too_short_for_altitude\":" << (plan.tooShortForAltitude ? "true" : "false")
        << ",\"inner\":" << jsonTank(tanks.Inner) << ",\"outer\":" << jsonTank(tanks.Outer)
        << ",\"center\":" << jsonTank(tanks.Center) << ",\"trim\":" << jsonTank(tanks.Trim)
        << "}\n";
}

} // namespace

int runFuelCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    FuelRequest request;
    const QString error = parse(args, request);
    if (!error.isEmpty()) {
        err << "configurator fuel: " << error << "\n" << kUsage;
        return kBadArguments;
    }
    if (request.help) {
        out << kUsage;
        return 0;
    }
    request.input.distance = request.distance.value_or(0);
    request.input.altitude = request.altitude.value_or(0);
    request.input.zeroFuelWeight = request.zfw.value_or(0);
    const fuel::FuelPlanInput& input = request.input;
    if (input.distance <= 0 || input.altitude <= 0 || input.costIndex <= 0 ||
        input.zeroFuelWeight <= 0) {
        err << kMandatoryMessage << "\n";
        return kBadArguments;
    }

    const fuel::FuelPlan plan = fuel::PlanFuel(*request.aircraft, input);
    if (request.json)
        printJson(*request.aircraft, plan, out);
    else
        printText(*request.aircraft, input, plan, out);
    return 0;
}
