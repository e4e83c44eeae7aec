#include "configurator/loadsheet/loadsheetcommand.h"

#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/load/loadmanager.h"
#include "configurator/loadsheet/loadsheet.h"
#include "configurator/loadsheet/loadsheetpdf.h"
#include "configurator/session/installpaths.h"

#include <QDateTime>
#include <QDir>
#include <QTextStream>
#include <optional>

namespace {

// As many digits as the planner's fields take.
constexpr int kLargestFigure = 99999999;

struct SheetRequest {
    const PayloadAircraft* aircraft = nullptr;
    std::optional<int> business, economy, forward, aft;
    std::optional<int> distance, altitude, costIndex, taxi, reserve, finalFuel;
    bool pounds = false;
    QString ofp, pdf;
};

// Fills `request` from a parsed line; returns an error text for the user, or
// an empty string.
QString readRequest(const cli::ParsedLine& line, SheetRequest& request) {
    if (!line.isSet("aircraft"))
        return QStringLiteral("--aircraft is required");
    const QString name = line.value("aircraft");
    request.aircraft = findPayloadAircraft(name.toStdString());
    if (!request.aircraft)
        return QStringLiteral("unknown aircraft '%1' (use A330-200, A330-300, A340-300 or "
                              "A340-600)")
            .arg(name);
    if (!line.isSet("pdf") || line.value("pdf").isEmpty())
        return QStringLiteral("--pdf FILE is required");
    request.pdf = line.value("pdf");
    if (line.isSet("ofp") && line.value("ofp").isEmpty())
        return QStringLiteral("--ofp needs a file");
    request.ofp = line.value("ofp");
    if (line.isSet("unit")) {
        const QString unit = line.value("unit");
        if (unit != QLatin1String("kg") && unit != QLatin1String("lb"))
            return QStringLiteral("--unit must be kg or lb");
        request.pounds = unit == QLatin1String("lb");
    }
    const std::pair<const char*, std::optional<int>*> figures[] = {
        {"business", &request.business},    {"economy", &request.economy},
        {"forward", &request.forward},      {"aft", &request.aft},
        {"distance", &request.distance},    {"altitude", &request.altitude},
        {"cost-index", &request.costIndex}, {"taxi", &request.taxi},
        {"reserve", &request.reserve},      {"final", &request.finalFuel},
    };
    for (const auto& [option, figure] : figures) {
        if (!line.isSet(option))
            continue;
        const QString name = QStringLiteral("--") + QLatin1String(option);
        bool ok = false;
        const int number = line.value(option).toInt(&ok);
        if (!ok)
            return QStringLiteral("%1 needs a whole number").arg(name);
        if (number > kLargestFigure)
            return QStringLiteral("%1 must be at most %2").arg(name).arg(kLargestFigure);
        if (number < 0)
            return QStringLiteral("%1 cannot be negative").arg(name);
        *figure = number;
    }
    return {};
}

} // namespace

const cli::CommandSyntax& loadSheetCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator loadsheet",
        "configurator [--fs-root DIR] loadsheet --aircraft TYPE [--business N] [--economy N]\n"
        "    [--forward PCT] [--aft PCT] --distance NM --altitude FT [--cost-index 50]\n"
        "    [--taxi 200] [--reserve 5] [--final 1000] [--ofp FILE] [--unit kg|lb] --pdf FILE",
        "Writes the load sheet of one flight as a one-page PDF and prints its lines:\n"
        "the payload as 'payload' gives it (the aircraft's aircraft.cfg, changed by\n"
        "the options given), its zero fuel weight and centre of gravity, the fuel plan\n"
        "'fuel' computes for that zero fuel weight, the tanks, and the take-off and\n"
        "landing weights. With --ofp, distance, altitude, cost index and taxi fuel\n"
        "come from a SimBrief flight plan (XML) unless given on the line; the zero\n"
        "fuel weight is always the payload's.",
        {{"aircraft", "TYPE", "A330-200, A330-300, A340-300 or A340-600 (required)"},
         {"business", "N", "passengers in business class"},
         {"economy", "N", "passengers in economy class"},
         {"forward", "PCT", "forward cargo, percent of the hold"},
         {"aft", "PCT", "aft cargo, percent of the hold"},
         {"distance", "NM", "flight distance (required without --ofp)"},
         {"altitude", "FT", "cruising altitude (required without --ofp)"},
         {"cost-index", "N", "cost index (50)"},
         {"taxi", "KG", "taxi fuel (200)"},
         {"reserve", "PCT", "route reserve, percent of the trip fuel (5)"},
         {"final", "KG", "final reserve fuel (1000)"},
         {"ofp", "FILE", "a flight plan in SimBrief's XML format"},
         {"unit", "kg|lb", "unit of the weights on the sheet (kg)"},
         {"pdf", "FILE", "the PDF file to write (required)"},
         kFsRootOption},
        nullptr,
        "0 done, 1 the PDF or a file it needs cannot be written or read, 2 bad arguments,\n"
        "3 not installed",
    };
    return syntax;
}

int runLoadSheetCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = loadSheetCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    SheetRequest request;
    if (const QString error = readRequest(line, request); !error.isEmpty())
        return cli::badArguments(syntax, error, err);
    const fuel::AircraftPerformance* performance =
        fuel::aircraftPerformance(request.aircraft->code);

    fuel::FuelPlanInput input{0, 0, 50, 0, 200, 5, 1000};
    if (!request.ofp.isEmpty()) {
        const fuel::FlightPlanImport plan = fuel::readFlightPlanFile(request.ofp, performance);
        if (!plan.flight)
            return cli::failure(
                syntax,
                QStringLiteral("cannot use the flight plan %1: %2").arg(request.ofp, plan.error),
                err);
        input.distance = plan.flight->distance;
        input.altitude = plan.flight->altitude;
        input.costIndex = plan.flight->costIndex;
        input.taxiFuel = plan.flight->taxiFuel.kilograms;
    }
    input.distance = request.distance.value_or(input.distance);
    input.altitude = request.altitude.value_or(input.altitude);
    input.costIndex = request.costIndex.value_or(input.costIndex);
    input.taxiFuel = request.taxi.value_or(input.taxiFuel);
    input.reservePercent = request.reserve.value_or(input.reservePercent);
    input.finalFuel = request.finalFuel.value_or(input.finalFuel);
    if (input.distance <= 0 || input.altitude <= 0 || input.costIndex <= 0) {
        err << "All the mandatory fields must be filled.\n";
        return cli::kExitBadArguments;
    }

    CLoadManager model(*request.aircraft);
    for (const std::string& path : model.filePaths()) {
        if (const auto problem = profile::readProblem(path)) {
            return cli::failure(syntax,
                                QStringLiteral("cannot read %1: %2")
                                    .arg(QString::fromStdString(problem->hostPath),
                                         QString::fromStdString(problem->reason)),
                                err);
        }
    }
    if (!model.isInstalled()) {
        err << "Sorry, this aircraft is not installed on your system\n";
        return cli::kExitNotInstalled;
    }
    model.load();
    if (request.business)
        model.setBusiness(*request.business);
    if (request.economy)
        model.setEconomy(*request.economy);
    if (request.forward)
        model.setForward(*request.forward);
    if (request.aft)
        model.setAft(*request.aft);
    model.setUnit(request.pounds ? WeightUnit::Pounds : WeightUnit::Kilograms);
    model.refresh();
    input.zeroFuelWeight = model.lastZfw();
    const fuel::FuelPlan plan = fuel::PlanFuel(*performance, input);

    const float factor = request.pounds ? fuel::kPoundsFactor : fuel::kKilogramsFactor;
    loadsheet::FuelFigures shown = loadsheet::fuelFigures(input, plan, factor);
    // The payload's own ZFW in the unit, as the load manager shows it.
    shown.zeroFuelWeight = model.figures().zfw;
    const fuel::FlightWeights weights =
        fuel::flightWeights(shown.zeroFuelWeight, shown.taxiFuel, plan, factor,
                            fuel::maxGrossWeightLb(request.aircraft->code));
    const loadsheet::Flight flight = loadsheet::flightOf(model, *performance, input, plan, shown,
                                                         weights, QDateTime::currentDateTimeUtc());
    const loadsheet::Sheet sheet = loadsheet::makeSheet(flight);

    if (const QString error = loadsheet::writePdf(sheet, request.pdf); !error.isEmpty())
        return cli::failure(syntax,
                            QStringLiteral("could not write %1: %2").arg(request.pdf, error), err);
    for (const QString& text : loadsheet::sheetLines(sheet))
        out << text << "\n";
    out << "\nSaved: " << QDir::toNativeSeparators(request.pdf) << "\n";
    return cli::kExitOk;
}
