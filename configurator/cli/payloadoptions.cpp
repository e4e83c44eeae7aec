#include "configurator/cli/payloadoptions.h"

#include "configurator/load/loadmanager.h"

#include <QRegularExpression>
#include <QTextStream>
#include <climits>
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

// The most a load option takes, and how that reads in a message.
int largestLoad(const AircraftType& aircraft, const char* option, QString& what) {
    const std::string name = option;
    if (name == "business" || name == "economy") {
        const int seats = name == "business" ? aircraft.businessSeats : aircraft.economySeats;
        what = QStringLiteral("the %1 seats of the %2")
                   .arg(seats)
                   .arg(QLatin1String(aircraft.designation));
        return seats;
    }
    what = QStringLiteral("100 %");
    return 100;
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

std::optional<long long> wholeNumber(const QString& text) {
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (ok)
        return number;
    // Digits beyond any range are still a whole number, only a large one.
    static const QRegularExpression digits(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? LLONG_MIN : LLONG_MAX;
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
    for (const Load& load : kLoads) {
        if (!line.isSet(load.option))
            continue;
        const QString option = QStringLiteral("--") + QLatin1String(load.option);
        const auto number = wholeNumber(line.value(load.option));
        if (!number)
            return QStringLiteral("%1 needs a whole number").arg(option);
        if (*number < 0)
            return QStringLiteral("%1 cannot be negative").arg(option);
        options.*load.value = static_cast<int>(std::min<long long>(*number, INT_MAX));
    }
    return std::nullopt;
}

void applyPayloadOptions(const PayloadOptions& options, CLoadManager& model, const char* program,
                         QTextStream& err) {
    for (const Load& load : kLoads) {
        const std::optional<int>& value = options.*load.value;
        if (!value)
            continue;
        QString what;
        const int largest = largestLoad(model.aircraft(), load.option, what);
        if (*value > largest)
            err << program << ": --" << load.option << ' ' << *value << " is more than " << what
                << "; " << largest << " is used\n";
    }
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
    applyPayloadOptions(options, model, syntax.program, err);
    return std::nullopt;
}

} // namespace cli_options
