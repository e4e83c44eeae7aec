#include "configurator/load/payloadcommand.h"

#include "configurator/load/loadmanager.h"
#include "configurator/session/installpaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <optional>
#include <utility>

namespace {

BeforePayloadSave* beforeSave = nullptr; // test hook only

const char* const kAircraftNames = "A330-200, A330-300, A340-300 or A340-600";

struct PayloadRequest {
    const PayloadAircraft* aircraft = nullptr;
    std::optional<int> business, economy, forward, aft;
    WeightUnit unit = WeightUnit::Kilograms;
};

// Fills `request` from a parsed line; returns an error text for the user, or
// an empty string.
QString readRequest(const cli::ParsedLine& line, PayloadRequest& request) {
    if (!line.isSet("aircraft"))
        return QStringLiteral("--aircraft is required");
    const QString name = line.value("aircraft");
    if (name.isEmpty())
        return QStringLiteral("--aircraft needs a value");
    request.aircraft = findPayloadAircraft(name.toStdString());
    if (!request.aircraft)
        return QStringLiteral("unknown aircraft '%1' (use %2)")
            .arg(name, QLatin1String(kAircraftNames));
    if (line.isSet("unit")) {
        const QString unit = line.value("unit");
        if (unit == QLatin1String("kg"))
            request.unit = WeightUnit::Kilograms;
        else if (unit == QLatin1String("lb"))
            request.unit = WeightUnit::Pounds;
        else
            return QStringLiteral("--unit must be kg or lb");
    }
    const std::pair<const char*, std::optional<int>*> positions[] = {
        {"business", &request.business},
        {"economy", &request.economy},
        {"forward", &request.forward},
        {"aft", &request.aft},
    };
    for (const auto& [option, position] : positions) {
        if (!line.isSet(option))
            continue;
        bool ok = false;
        const int number = line.value(option).toInt(&ok);
        if (!ok)
            return QStringLiteral("--%1 needs a whole number").arg(QLatin1String(option));
        *position = number;
    }
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
    out << QStringLiteral("ZFW CG (% MAC)").leftJustified(25)
        << QString::fromStdString(balance::percentMacText(model.zfwCgPercentMac()))
               .rightJustified(8)
        << "\n";
}

// One decimal, as the window shows it; null for "---".
QJsonValue cgJson(std::optional<double> percent) {
    const auto shown = balance::roundedToTenth(percent);
    return shown ? QJsonValue(*shown) : QJsonValue(QJsonValue::Null);
}

void printJson(const CLoadManager& model, QTextStream& out) {
    const PayloadFigures& f = model.figures();
    const QJsonObject json{
        {QStringLiteral("aircraft"), QLatin1String(model.aircraft().designation)},
        {QStringLiteral("installed"), model.isInstalled()},
        {QStringLiteral("business"), model.business()},
        {QStringLiteral("economy"), model.economy()},
        {QStringLiteral("forward"), model.forward()},
        {QStringLiteral("aft"), model.aft()},
        {QStringLiteral("unit"),
         model.unit() == WeightUnit::Pounds ? QStringLiteral("lb") : QStringLiteral("kg")},
        {QStringLiteral("business_weight"), f.businessWeight},
        {QStringLiteral("economy_weight"), f.economyWeight},
        {QStringLiteral("pax_weight"), f.paxWeight},
        {QStringLiteral("forward_weight"), f.forwardWeight},
        {QStringLiteral("aft_weight"), f.aftWeight},
        {QStringLiteral("cargo_weight"), f.cargoWeight},
        {QStringLiteral("aircraft_weight"), f.aircraftWeight},
        {QStringLiteral("zfw"), f.zfw},
        {QStringLiteral("zfw_kg"), model.lastZfw()},
        {QStringLiteral("zfw_cg_mac"), cgJson(model.zfwCgPercentMac())},
    };
    out << QJsonDocument(json).toJson(QJsonDocument::Compact) << "\n";
}

} // namespace

BeforePayloadSave::BeforePayloadSave(std::function<void()> run)
    : run_(std::move(run))
    , previous_(beforeSave) {
    beforeSave = this;
}

BeforePayloadSave::~BeforePayloadSave() {
    beforeSave = previous_;
}

const cli::CommandSyntax& payloadCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "configurator payload",
        "configurator [--fs-root DIR] payload --aircraft TYPE [--business N] [--economy N]\n"
        "    [--forward PCT] [--aft PCT] [--unit kg|lb] [--save] [--json]",
        "Opens the aircraft's payload as the load manager does, applies the given\n"
        "passenger counts and cargo percents (clamped to the seats and to 0..100),\n"
        "and prints every weight in the unit. With --save the payload is written\n"
        "into the aircraft's aircraft.cfg files as OK does.",
        {{"aircraft", "TYPE", "A330-200, A330-300, A340-300 or A340-600 (required)"},
         {"business", "N", "passengers in business class"},
         {"economy", "N", "passengers in economy class"},
         {"forward", "PCT", "forward cargo, percent of the hold"},
         {"aft", "PCT", "aft cargo, percent of the hold"},
         {"unit", "kg|lb", "unit of the weights shown (kg)"},
         {"save", nullptr, "write the payload into the aircraft files"},
         {"json", nullptr, "print JSON instead of text"},
         kFsRootOption},
        nullptr,
        "0 done, 1 a save failed or a file cannot be read, 2 bad arguments, 3 not installed",
    };
    return syntax;
}

int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = payloadCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    PayloadRequest request;
    if (const QString error = readRequest(line, request); !error.isEmpty())
        return cli::badArguments(syntax, error, err);

    CLoadManager model(*request.aircraft);
    // A file that is there but cannot be read would make the aircraft look
    // not installed, or show the defaults: say which file and why.
    bool unreadable = false;
    for (const std::string& path : model.filePaths()) {
        if (const auto problem = profile::readProblem(path)) {
            err << "configurator payload: cannot read " << QString::fromStdString(problem->hostPath)
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

    const bool json = line.isSet("json");
    if (json)
        printJson(model, out);
    else
        printText(model, out);

    if (!line.isSet("save"))
        return cli::kExitOk;
    if (beforeSave)
        beforeSave->run_();
    // All files or none: a change made by another program since the read is
    // never overwritten unseen (the save itself checks again, file by file).
    if (const std::vector<std::string> changed = model.changedFiles(); !changed.empty()) {
        for (const std::string& file : changed)
            err << "configurator payload: " << QString::fromStdString(file)
                << " was changed by another program after it was read; nothing was saved\n";
        return cli::kExitFailed;
    }
    // Saving uses the positions only; the unit shown does not matter.
    const std::vector<profile::WriteResult> results = model.save();
    int status = cli::kExitOk;
    if (results.empty()) {
        err << "configurator payload: no aircraft file could be opened; nothing was saved\n";
        status = cli::kExitFailed;
    }
    for (const profile::WriteResult& result : results) {
        const QString file = QString::fromStdString(result.hostPath);
        if (result.ok) {
            if (!json)
                out << "Saved: " << file << "\n";
        } else {
            err << "configurator payload: could not save " << file << ": "
                << QString::fromStdString(result.reason) << "\n";
            status = cli::kExitFailed;
        }
    }
    return status;
}
