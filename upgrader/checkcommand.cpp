#include "upgrader/checkcommand.h"

#include "common/cli/commandsyntax.h"
#include "common/platform/hostpath.h"
#include "common/platform/programarguments.h"
#include "upgrader/rootargument.h"
#include "upgrader/upgradecheck.h"
#include "upgrader/upgraderoptions.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString text(const std::string& pathText) {
    return platform::fromPathText(pathText);
}

QString hostName(const std::string& pathText) {
    return platform::displayPath(pathText);
}

const char* stateName(GaugeState state) {
    switch (state) {
    case GaugeState::NotInstalled:
        return "not_installed";
    case GaugeState::UpgradeV1:
        return "upgrade_v1";
    case GaugeState::AlreadyV2:
        return "already_v2";
    case GaugeState::Unknown:
        return "unknown";
    }
    return "unknown";
}

const char* folderProblemName(FolderProblem problem) {
    switch (problem) {
    case FolderProblem::None:
        break;
    case FolderProblem::NoFolderGiven:
        return "no_folder_given";
    case FolderProblem::FolderMissing:
        return "folder_missing";
    case FolderProblem::NoGaugeFound:
        return "no_gauge_found";
    }
    return "none";
}

QString stateText(const GaugeCheck& gauge) {
    switch (gauge.state) {
    case GaugeState::NotInstalled:
        return QStringLiteral("not installed");
    case GaugeState::UpgradeV1:
        return gauge.baseKind == BaseKind::McduUpgrade
                   ? QStringLiteral("Upgrade v1 (base MCDU Upgrade), would be upgraded")
                   : QStringLiteral("Upgrade v1 (base Upgrade v1), would be upgraded");
    case GaugeState::AlreadyV2:
        return QStringLiteral("already version 2");
    case GaugeState::Unknown:
        return QStringLiteral(
            "unknown (neither Upgrade v1 nor MCDU Upgrade), a run would refuse it");
    }
    return {};
}

QString aircraftText(const GaugeCheck& gauge) {
    if (gauge.aircraftPath.empty())
        return QStringLiteral("none (panel gauge)");
    if (!gauge.aircraftFilePresent)
        return QStringLiteral("missing");
    return gauge.aircraftSettingsPresent ? QStringLiteral("version 2 settings present")
                                         : QStringLiteral("version 2 settings missing");
}

void printText(const std::string& root, const UpgradeCheck& check, QTextStream& out) {
    out << "Upgrade check of " << hostName(root) << " (nothing was changed)\n";
    qsizetype width = 0;
    for (const GaugeCheck& gauge : check.gauges)
        width = std::max(width, text(gauge.entry->displayName).size());
    int toUpgrade = 0, upgraded = 0, absent = 0, failing = 0;
    for (const GaugeCheck& gauge : check.gauges) {
        out << text(gauge.entry->displayName).leftJustified(width + 2) << stateText(gauge)
            << "; .upg1 backup: " << (gauge.backupPresent ? "present" : "none")
            << "; aircraft.cfg: " << aircraftText(gauge) << "\n";
        for (const std::string& problem : gauge.problems)
            out << QString(width + 2, u' ') << "error: " << text(problem) << "\n";
        toUpgrade += gauge.state == GaugeState::UpgradeV1;
        upgraded += gauge.state == GaugeState::AlreadyV2;
        absent += gauge.state == GaugeState::NotInstalled;
        failing += !gauge.problems.empty();
    }
    if (!check.logFolderPresent && check.folderProblem == FolderProblem::None)
        out << "The installer folder " << hostName(check.logFolder)
            << " is missing: a run creates it for its log.\n";
    if (check.folderProblem != FolderProblem::None) {
        for (const std::string& line : folderProblemLines(check.folderProblem, root))
            out << text(line) << "\n";
    } else if (failing > 0)
        out << "A run would report errors for " << failing << " of " << check.gauges.size()
            << " gauges.\n";
    else if (toUpgrade == 0)
        out << "A run has nothing to do: " << upgraded << " already version 2, " << absent
            << " not installed.\n";
    else
        out << "A run would succeed: " << toUpgrade << " to upgrade, " << upgraded
            << " already version 2, " << absent << " not installed.\n";
}

void printJson(const std::string& root, const UpgradeCheck& check, QTextStream& out) {
    QJsonArray gauges;
    for (const GaugeCheck& gauge : check.gauges) {
        QJsonObject item;
        item.insert(QStringLiteral("name"), text(gauge.entry->displayName));
        item.insert(QStringLiteral("gauge"), hostName(gauge.gaugePath));
        item.insert(QStringLiteral("state"), QLatin1String(stateName(gauge.state)));
        item.insert(QStringLiteral("base_kind"), gauge.state != GaugeState::UpgradeV1 ? QJsonValue()
                                                 : gauge.baseKind == BaseKind::McduUpgrade
                                                     ? QJsonValue(QStringLiteral("mcdu_upgrade"))
                                                     : QJsonValue(QStringLiteral("upgrade_v1")));
        item.insert(QStringLiteral("backup"), gauge.backupPresent);
        const bool aircraft = !gauge.aircraftPath.empty();
        item.insert(QStringLiteral("aircraft_file"),
                    aircraft ? QJsonValue(hostName(gauge.aircraftPath)) : QJsonValue());
        item.insert(QStringLiteral("aircraft_file_present"),
                    aircraft ? QJsonValue(gauge.aircraftFilePresent) : QJsonValue());
        item.insert(QStringLiteral("version2_settings"),
                    aircraft ? QJsonValue(gauge.aircraftSettingsPresent) : QJsonValue());
        QJsonArray problems;
        for (const std::string& problem : gauge.problems)
            problems.append(text(problem));
        item.insert(QStringLiteral("problems"), problems);
        gauges.append(item);
    }
    QJsonObject document;
    document.insert(QStringLiteral("simulator_folder"), hostName(root));
    document.insert(QStringLiteral("would_succeed"), check.wouldSucceed());
    document.insert(QStringLiteral("folder_problem"),
                    check.folderProblem == FolderProblem::None
                        ? QJsonValue()
                        : QJsonValue(QLatin1String(folderProblemName(check.folderProblem))));
    document.insert(QStringLiteral("log_folder"), hostName(check.logFolder));
    document.insert(QStringLiteral("log_folder_present"), check.logFolderPresent);
    document.insert(QStringLiteral("gauges"), gauges);
    out << QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace

int runCheckCommand(const QStringList& arguments, std::span<const UpgradeEntry> catalogue,
                    QTextStream& out, QTextStream& err) {
    const cli::CommandSyntax& syntax = upgraderCommandSyntax();
    const cli::ParsedLine line = cli::parse(syntax, arguments);
    if (const auto answered = cli::answerBadOrHelp(syntax, line, out, err))
        return *answered;
    if (!line.isSet("check"))
        return cli::badArguments(syntax, QStringLiteral("--json goes with --check"), err);
    if (line.isSet("screenshots"))
        return cli::badArguments(
            syntax, QStringLiteral("--check and --screenshots exclude each other"), err);
    const QStringList folder = line.positional();
    if (folder.isEmpty())
        return cli::badArguments(syntax, QStringLiteral("--check needs the simulator folder"), err);
    if (const auto problem =
            rootProblem(folder, platform::switchMarkers(), maxRootLength(catalogue)))
        return cli::badArguments(syntax, text(*problem), err);
    Upgrade2CommandLine root;
    parseArguments(folder, platform::switchMarkers(), root);
    if (!QFileInfo(platform::qtPath(platform::hostPath(root.root()))).isDir())
        return cli::badArguments(
            syntax, QStringLiteral("the folder %1 does not exist").arg(hostName(root.root())), err);

    const UpgradeCheck check = checkUpgrade(root.root(), catalogue);
    if (line.isSet("json"))
        printJson(root.root(), check, out);
    else
        printText(root.root(), check, out);
    return check.wouldSucceed() ? cli::kExitOk : cli::kExitFailed;
}
