#include "configurator/cli/payloadcommand.h"

#include "configurator/cli/payloadoptions.h"
#include "configurator/load/loadmanager.h"
#include "configurator/load/payloadsave.h"
#include "configurator/session/installpaths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <optional>
#include <utility>

namespace {

BeforePayloadSave* beforeSave = nullptr; // test hook only

void printText(const CLoadManager& model, QTextStream& out) {
    const PayloadFigures& f = model.figures();
    const char* unit = unitSymbol(model.unit());
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
        {QStringLiteral("unit"), QLatin1String(unitSymbol(model.unit()))},
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

std::vector<cli::Option> options() {
    std::vector<cli::Option> list =
        cli_options::payloadOptions({"(required)", "unit of the weights shown (kg)"});
    list.push_back({"save", nullptr, "write the payload into the aircraft files"});
    list.push_back({"json", nullptr, "print JSON instead of text"});
    list.push_back(kFsRootOption);
    return list;
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
        "configurator [--fs-root DIR] payload --aircraft TYPE\n"
        "    [--business N] [--economy N] [--forward PCT] [--aft PCT]\n"
        "    [--unit kg|lb] [--save] [--json]",
        "Opens the aircraft's payload as the load manager does, applies the given\n"
        "passenger counts (0 to the seats of the aircraft) and cargo percents (0 to\n"
        "100), and prints every weight in the unit. With --save the payload is written\n"
        "into the aircraft's aircraft.cfg files as OK does, as one save that one\n"
        "'configurator restore --save' undoes.",
        options(),
        nullptr,
        "0 done, 1 a save failed, the simulator folder is missing or a file cannot be "
        "read, 2 bad arguments, 3 not installed",
    };
    return syntax;
}

int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = payloadCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, args);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    cli_options::PayloadOptions request;
    if (const auto error = cli_options::readPayloadOptions(line, true, request))
        return cli::badArguments(syntax, *error, err);

    CLoadManager model(*request.aircraft);
    if (const auto status = cli_options::openPayload(request, model, syntax, err))
        return *status;

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
    const std::vector<profile::WriteResult> results = savePayload(model);
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
