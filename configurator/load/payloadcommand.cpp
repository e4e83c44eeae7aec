#include "configurator/load/payloadcommand.h"

#include "configurator/load/loadmanager.h"

#include <QTextStream>
#include <optional>

namespace {

constexpr int kBadArguments = 2;
constexpr int kNotInstalled = 3;
constexpr int kSaveFailed = 1;

const char* const kUsage =
    "Usage: configurator payload --aircraft A330-200|A330-300|A340-300|A340-600\n"
    "         [--business N] [--economy N] [--forward PCT] [--aft PCT]\n"
    "         [--unit kg|lb] [--save] [--json]\n\n"
    "Opens the aircraft's payload as the load manager does, applies the given\n"
    "passenger counts and cargo percents (clamped to the seats and to 0..100),\n"
    "and prints every weight in the unit (kg unless --unit lb). With --save the\n"
    "payload is written into the aircraft's aircraft.cfg files as OK does.\n"
    "Exit status: 0 done, 1 a save failed, 2 bad arguments, 3 not installed.\n";

struct PayloadRequest {
    const PayloadAircraft* aircraft = nullptr;
    std::optional<int> business, economy, forward, aft;
    WeightUnit unit = WeightUnit::Kilograms;
    bool save = false;
    bool json = false;
    bool help = false;
};

// Fills `request`; returns an error text for the user, or an empty string.
QString parse(const QStringList& args, PayloadRequest& request) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        std::optional<int>* position = nullptr;
        if (word == QLatin1String("--help")) {
            request.help = true;
        } else if (word == QLatin1String("--save")) {
            request.save = true;
        } else if (word == QLatin1String("--json")) {
            request.json = true;
        } else if (word == QLatin1String("--aircraft")) {
            const auto name = value();
            if (!name)
                return QStringLiteral("--aircraft needs a value");
            request.aircraft = findPayloadAircraft(name->toStdString());
            if (!request.aircraft)
                return QStringLiteral("unknown aircraft '%1' (use A330-200, A330-300, A340-300 "
                                      "or A340-600)")
                    .arg(*name);
        } else if (word == QLatin1String("--unit")) {
            const auto unit = value();
            if (unit == QLatin1String("kg"))
                request.unit = WeightUnit::Kilograms;
            else if (unit == QLatin1String("lb"))
                request.unit = WeightUnit::Pounds;
            else
                return QStringLiteral("--unit must be kg or lb");
        } else if (word == QLatin1String("--business")) {
            position = &request.business;
        } else if (word == QLatin1String("--economy")) {
            position = &request.economy;
        } else if (word == QLatin1String("--forward")) {
            position = &request.forward;
        } else if (word == QLatin1String("--aft")) {
            position = &request.aft;
        } else {
            return QStringLiteral("unknown argument '%1'").arg(word);
        }
        if (position) {
            const auto text = value();
            bool ok = false;
            const int number = text ? text->toInt(&ok) : 0;
            if (!ok)
                return QStringLiteral("%1 needs a whole number").arg(word);
            *position = number;
        }
    }
    if (!request.help && !request.aircraft)
        return QStringLiteral("--aircraft is required");
    return {};
}

void printText(const CLoadManager& model, QTextStream& out) {
    const PayloadFigures& f = model.figures();
    const char* unit = model.unit() == WeightUnit::Pounds ? "lb" : "kg";
    out << model.aircraft().designation << " payload (weights in " << unit << ")\n";
    const auto row = [&](const char* label, int position, const char* what, int weight) {
        out << QString::fromLatin1(label).leftJustified(16)
            << QString::number(position).rightJustified(4) << ' '
            << QString::fromLatin1(what).leftJustified(4)
            << QString::number(weight).rightJustified(8) << "\n";
    };
    row("Business Class", model.business(), "pax", f.businessWeight);
    row("Economy Class", model.economy(), "pax", f.economyWeight);
    row("Forward Cargo", model.forward(), "%", f.forwardWeight);
    row("Aft Cargo", model.aft(), "%", f.aftWeight);
    const auto total = [&](const char* label, int weight) {
        out << QString::fromLatin1(label).leftJustified(25)
            << QString::number(weight).rightJustified(8) << "\n";
    };
    total("Pax Weight", f.paxWeight);
    total("Cargo Weight", f.cargoWeight);
    total("Aircraft Weight", f.aircraftWeight);
    total("ZFW", f.zfw);
    total("ZFW (kg)", model.lastZfw());
}

void printJson(const CLoadManager& model, QTextStream& out) {
    const PayloadFigures& f = model.figures();
    out << "{\"aircraft\":\"" << model.aircraft().designation << "\""
        << ",\"installed\":" << (model.isInstalled() ? "true" : "false")
        << ",\"business\":" << model.business() << ",\"economy\":" << model.economy()
        << ",\"forward\":" << model.forward() << ",\"aft\":" << model.aft() << ",\"unit\":\""
        << (model.unit() == WeightUnit::Pounds ? "lb" : "kg") << "\""
        << ",\"business_weight\":" << f.businessWeight << ",\"economy_weight\":" << f.economyWeight
        << ",\"pax_weight\":" << f.paxWeight << ",\"forward_weight\":" << f.forwardWeight
        << ",\"aft_weight\":" << f.aftWeight << ",\"cargo_weight\":" << f.cargoWeight
        << ",\"aircraft_weight\":" << f.aircraftWeight << ",\"zfw\":" << f.zfw
        << ",\"zfw_kg\":" << model.lastZfw() << "}\n";
}

} // namespace

int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    PayloadRequest request;
    const QString error = parse(args, request);
    if (!error.isEmpty()) {
        err << "configurator payload: " << error << "\n" << kUsage;
        return kBadArguments;
    }
    if (request.help) {
        out << kUsage;
        return 0;
    }

    CLoadManager model(*request.aircraft);
    if (!model.isInstalled()) {
        err << "Sorry, this aircraft is not installed on your system\n";
        return kNotInstalled;
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
    model.setUnit(request.unit);
    model.refresh();

    if (request.json)
        printJson(model, out);
    else
        printText(model, out);

    if (!request.save)
        return 0;
    // Saving uses the positions only; the unit shown does not matter.
    const std::vector<profile::WriteResult> results = model.save();
    int status = 0;
    if (results.empty()) {
        err << "configurator payload: no aircraft file could be opened; nothing was saved\n";
        status = kSaveFailed;
    }
    for (const profile::WriteResult& result : results) {
        const QString file = QString::fromStdString(result.hostPath);
        if (result.ok) {
            if (!request.json)
                out << "Saved: " << file << "\n";
        } else {
            err << "configurator payload: could not save " << file << ": "
                << QString::fromStdString(result.reason) << "\n";
            status = kSaveFailed;
        }
    }
    return status;
}
