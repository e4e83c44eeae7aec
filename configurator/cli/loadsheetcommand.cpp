#include "configurator/cli/loadsheetcommand.h"

#include "configurator/cli/flightoptions.h"
#include "configurator/cli/payloadoptions.h"
#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/plannedflight.h"
#include "configurator/fuel/planvalidity.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/load/loadmanager.h"
#include "configurator/loadsheet/loadsheet.h"
#include "configurator/loadsheet/loadsheetpdf.h"
#include "configurator/session/installpaths.h"

#include <QDateTime>
#include <QDir>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <string>

namespace {

std::vector<cli::Option> options() {
    std::vector<cli::Option> list = cli_options::payloadOptions(
        {"(required without --ofp)", "unit of the weights given and on the sheet (kg)"});
    const cli::Option unit = list.back();
    list.pop_back();
    // As the help has always listed them: the payload, the flight, the unit.
    std::vector<cli::Option> flight = cli_options::flightOptions(false);
    std::rotate(flight.begin(), flight.begin() + 1, flight.end()); // --ofp last
    list.insert(list.end(), flight.begin(), flight.end());
    list.push_back(unit);
    list.push_back({"pdf", "FILE", "the PDF file to write (required)"});
    list.push_back(kFsRootOption);
    return list;
}

} // namespace

const cli::CommandSyntax& loadSheetCommandSyntax() {
    static const std::string usage =
        std::string("configurator [--fs-root DIR] loadsheet --aircraft TYPE\n"
                    "    [--business N] [--economy N] [--forward PCT] [--aft PCT]\n"
                    "    --distance NM --altitude FT [--ofp FILE]\n"
                    "    ") +
        cli_options::flightDefaultsUsage() +
        "\n"
        "    [--unit kg|lb] --pdf FILE\n"
        "configurator [--fs-root DIR] loadsheet --ofp FILE [--aircraft TYPE]\n"
        "    [any option above] --pdf FILE";
    static const cli::CommandSyntax syntax{
        "configurator loadsheet",
        usage.c_str(),
        "Writes the load sheet of one flight as a one-page PDF and prints its lines:\n"
        "the payload as 'payload' gives it (the aircraft's aircraft.cfg, changed by\n"
        "the options given), its zero fuel weight and centre of gravity, the fuel plan\n"
        "'fuel' computes for that zero fuel weight, the tanks, and the take-off and\n"
        "landing weights. With --ofp, distance, altitude, cost index and taxi fuel\n"
        "come from a SimBrief flight plan (XML) unless given on the line, and the\n"
        "aircraft too when --aircraft is not given; the zero fuel weight is always\n"
        "the payload's. A fuel plan that is not valid (a distance too short for the\n"
        "altitude) is no load sheet: nothing is written and its warning is told.",
        options(),
        nullptr,
        "0 done, 1 the fuel plan is not valid, the PDF or a file it needs cannot be "
        "written or read, or the simulator folder is missing, 2 bad arguments, "
        "3 not installed",
    };
    return syntax;
}

int runLoadSheetCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = loadSheetCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    cli_options::PayloadOptions payload;
    cli_options::FlightOptions flight;
    // A flight plan names its aircraft itself.
    auto error = cli_options::readPayloadOptions(line, !line.isSet("ofp"), payload);
    if (!error && (!line.isSet("pdf") || line.value("pdf").isEmpty()))
        error = QStringLiteral("--pdf FILE is required");
    if (!error)
        error = cli_options::readFlightOptions(line, flight);
    if (error)
        return cli::badArguments(syntax, *error, err);
    const QString pdf = line.value("pdf");

    std::optional<fuel::ImportedFlight> imported;
    if (!flight.ofp.isEmpty()) {
        const fuel::FlightPlanImport plan = fuel::readFlightPlanFile(flight.ofp, payload.aircraft);
        if (!plan.flight)
            return cli::failure(
                syntax,
                QStringLiteral("cannot use the flight plan %1: %2").arg(flight.ofp, plan.error),
                err);
        imported = plan.flight;
        if (!payload.aircraft) {
            payload.aircraft = imported->aircraft;
            if (const auto loads = cli_options::readLoads(line, payload))
                return cli::badArguments(syntax, *loads, err);
        }
    }
    fuel::FuelPlanInput input =
        cli_options::flightInput(flight, imported ? &*imported : nullptr, payload.unit);
    if (const auto missing = cli_options::missingMandatoryFigures(input, false)) {
        err << *missing << "\n";
        return cli::kExitBadArguments;
    }

    CLoadManager model(*payload.aircraft);
    if (const auto status = cli_options::openPayload(payload, model, syntax, err))
        return *status;
    // The zero fuel weight is always the payload's.
    input.zeroFuelWeight = model.lastZfw();
    const fuel::FuelPlan plan = fuel::PlanFuel(*payload.aircraft, input);
    if (const auto invalid = fuel::invalidPlanText(input, plan)) {
        return cli::failure(syntax,
                            QString(*invalid).replace(u'\n', u' ') +
                                QStringLiteral(" No load sheet was written."),
                            err);
    }
    fuel::FuelFigures shown = fuel::shownFigures(input, plan, payload.unit);
    // The payload's own ZFW in the unit, as the load manager shows it.
    shown.zeroFuelWeight = model.figures().zfw;
    const loadsheet::Sheet sheet = loadsheet::composeSheet(
        {model, input, shown, fuel::maxGrossWeightLb(payload.aircraft->code),
         QDateTime::currentDateTimeUtc()});

    if (const QString problem = loadsheet::writePdf(sheet, pdf); !problem.isEmpty())
        return cli::failure(syntax, QStringLiteral("could not write %1: %2").arg(pdf, problem),
                            err);
    for (const QString& text : loadsheet::sheetLines(sheet))
        out << text << "\n";
    out << "\nSaved: " << QDir::toNativeSeparators(pdf) << "\n";
    return cli::kExitOk;
}
