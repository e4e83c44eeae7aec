#include "configurator/cli/payloadoptions.h"

#include "configurator/cli/figureoption.h"
#include "configurator/cli/simulatorfolder.h"
#include "configurator/load/loadmanager.h"

#include <QTextStream>
#include <string>

namespace cli_options {

namespace {

struct Load {
    const char* option;
    std::optional<int> PayloadOptions::*value;
};

constexpr Load kLoads[] = {
    {"business", &PayloadOptions::business},
    {"economy", &PayloadOptions::economy},
    {"forward", &PayloadOptions::forward},
    {"aft", &PayloadOptions::aft},
};

// What a load option takes on `aircraft`.
FigureRange loadRange(const AircraftType& aircraft, const char* option) {
    const std::string name = option;
    if (name == "business" || name == "economy") {
        const int seats = name == "business" ? aircraft.businessSeats : aircraft.economySeats;
        return {0, seats,
                QStringLiteral("the seats of the %1").arg(QLatin1String(aircraft.designation))};
    }
    return {0, 100, QStringLiteral("percent of the hold")};
}

} // namespace

std::vector<cli::Option> payloadOptions(const PayloadGroup& group) {
    // Option texts must outlive every syntax that holds them.
    static std::vector<std::string> kept;
    kept.push_back(aircraftNamesText() + " " + group.aircraftNote);
    std::vector<cli::Option> options{{"aircraft", "TYPE", kept.back().c_str()}};
    if (group.loads) {
        options.push_back({"business", "N", "passengers in business class"});
        options.push_back({"economy", "N", "passengers in economy class"});
        options.push_back({"forward", "PCT", "forward cargo, percent of the hold"});
        options.push_back({"aft", "PCT", "aft cargo, percent of the hold"});
    }
    options.push_back({"unit", "kg|lb", group.unitHelp});
    return options;
}

std::optional<QString> readPayloadOptions(const cli::ParsedLine& line, bool aircraftRequired,
                                          PayloadOptions& options) {
    if (!line.isSet("aircraft")) {
        if (aircraftRequired)
            return QStringLiteral("--aircraft is required");
    } else {
        const QString name = line.value("aircraft");
        if (name.isEmpty())
            return QStringLiteral("--aircraft needs a value");
        options.aircraft = aircraftNamed(name.toStdString());
        if (!options.aircraft)
            return QStringLiteral("unknown aircraft '%1' (use %2)")
                .arg(name, QString::fromStdString(aircraftNamesText()));
    }
    if (line.isSet("unit")) {
        const auto unit = weightUnitOfSymbol(line.value("unit").toStdString());
        if (!unit)
            return QStringLiteral("--unit must be kg or lb");
        options.unit = *unit;
    }
    if (options.aircraft)
        return readLoads(line, options);
    return std::nullopt;
}

std::optional<QString> readLoads(const cli::ParsedLine& line, PayloadOptions& options) {
    for (const Load& load : kLoads) {
        const ReadFigure figure =
            readFigure(line, load.option, loadRange(*options.aircraft, load.option));
        if (figure.error)
            return figure.error;
        if (figure.value)
            options.*load.value = static_cast<int>(*figure.value);
    }
    return std::nullopt;
}

void applyPayloadOptions(const PayloadOptions& options, CLoadManager& model) {
    if (options.business)
        model.setBusiness(*options.business);
    if (options.economy)
        model.setEconomy(*options.economy);
    if (options.forward)
        model.setForward(*options.forward);
    if (options.aft)
        model.setAft(*options.aft);
    model.setUnit(options.unit);
    model.refresh();
}

std::optional<int> openPayload(const PayloadOptions& options, CLoadManager& model,
                               const cli::CommandSyntax& syntax, QTextStream& err) {
    if (const auto missing = refuseMissingSimulatorFolder(syntax, err))
        return missing;
    // A file that is there but cannot be read would make the aircraft look
    // not installed, or show the defaults: say which file and why.
    bool unreadable = false;
    for (const std::string& path : model.filePaths()) {
        if (const auto problem = profile::readProblem(path)) {
            err << syntax.program << ": cannot read " << QString::fromStdString(problem->hostPath)
                << ": " << QString::fromStdString(problem->reason) << "\n";
            unreadable = true;
        }
    }
    if (!model.isInstalled() && unreadable)
        return cli::kExitFailed;
    if (!model.isInstalled()) {
        err << "Sorry, this aircraft is not installed on your system\n";
        return cli::kExitNotInstalled;
    }
    model.load();
    applyPayloadOptions(options, model);
    return std::nullopt;
}

} // namespace cli_options
