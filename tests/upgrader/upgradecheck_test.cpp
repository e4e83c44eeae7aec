// upgrader --check: what a run would do with each gauge, told without
// changing a byte or a time of any file, and borne out by a real run.
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/checkcommand.h"
#include "upgrader/upgradecheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace upgrader_testing;

namespace {

const std::string kPlainAircraft = "[General]\natc_type=TEST\n";
const std::string kUpgradedAircraft =
    "[General]\natc_type=TEST\n[Electrical]\nelectric_always_available=0\n[Radios]\nAdf.2=1\n";

struct CommandRun {
    int status;
    QString out, err;
};

// Every file below the root with its bytes and modification time.
std::vector<std::tuple<std::string, std::string, fs::file_time_type>>
filesAndTimes(const FakeSimulator& sim) {
    std::vector<std::tuple<std::string, std::string, fs::file_time_type>> files;
    for (const auto& item : fs::recursive_directory_iterator(sim.path("")))
        files.emplace_back(item.path().string(),
                           item.is_regular_file() ? testing_support::readFile(item.path()) : "",
                           item.last_write_time());
    std::sort(files.begin(), files.end());
    return files;
}

// One gauge in each state a run can find.
class UpgradeCheckTest : public ::testing::Test {
protected:
    UpgradeCheckTest()
        : v1("V1")
        , mcdu("MCDU")
        , done("DONE")
        , absent("ABSENT")
        , odd("ODD")
        , panel("PANEL") {
        catalogue = {sim.aircraftEntry("V1", v1),     sim.aircraftEntry("MCDU", mcdu),
                     sim.aircraftEntry("DONE", done), sim.aircraftEntry("ABSENT", absent),
                     sim.aircraftEntry("ODD", odd),   sim.panelEntry("PANEL", panel)};
        sim.installPatchProgram();
        const TestGauge* gauges[] = {&v1, &mcdu, &done, &absent, &odd, &panel};
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            sim.write(FakeSimulator::patchFile(catalogue[i]), plainPatch(*gauges[i]));
            sim.write(FakeSimulator::patchFile(catalogue[i]) + "_", mcduPatch(*gauges[i]));
            if (!catalogue[i].panelOnly)
                sim.write(FakeSimulator::folderOf(catalogue[i]) + "/aircraft.cfg", kPlainAircraft);
        }
        sim.write(FakeSimulator::gaugeFile(catalogue[0]), v1.v1);
        sim.write(FakeSimulator::gaugeFile(catalogue[1]), mcdu.mcdu);
        sim.write(FakeSimulator::gaugeFile(catalogue[2]), done.v2);
        sim.write(FakeSimulator::backupFile(catalogue[2]), done.v1);
        sim.write(FakeSimulator::folderOf(catalogue[2]) + "/aircraft.cfg", kUpgradedAircraft);
        sim.write(FakeSimulator::gaugeFile(catalogue[4]), "a gauge of another release");
        // A backup left by an earlier attempt is the base the run patches.
        sim.write(FakeSimulator::gaugeFile(catalogue[5]), "half-patched");
        sim.write(FakeSimulator::backupFile(catalogue[5]), panel.v1);
    }

    CommandRun command(QStringList arguments) const {
        CommandRun run;
        QTextStream out(&run.out), err(&run.err);
        run.status = runCheckCommand(arguments, catalogue, out, err);
        out.flush();
        err.flush();
        return run;
    }
    QStringList checkLine() const {
        return {QStringLiteral("--check"), QString::fromStdString(sim.root())};
    }

    bool runSucceeds() const {
        RecordingView view;
        UpgradeRun run(sim.root(), catalogue, view);
        runToEnd(run);
        run.closeLog();
        return run.success();
    }

    FakeSimulator sim;
    TestGauge v1, mcdu, done, absent, odd, panel;
    std::vector<UpgradeEntry> catalogue;
};

TEST_F(UpgradeCheckTest, TellsEveryGaugeStateAndChangesNothing) {
    const auto before = filesAndTimes(sim);
    const UpgradeCheck check = checkUpgrade(sim.root(), catalogue);
    const CommandRun text = command(checkLine());
    const CommandRun json = command(checkLine() << QStringLiteral("--json"));
    EXPECT_EQ(filesAndTimes(sim), before);
    EXPECT_FALSE(sim.exists("VolaroUpgrade/Install_v2_Vol2.log"));

    struct Expected {
        GaugeState state;
        BaseKind base;
        bool backup, aircraftFile, settings, fails;
    };
    const Expected expected[] = {
        {GaugeState::UpgradeV1, BaseKind::UpgradeV1, false, true, false, false},
        {GaugeState::UpgradeV1, BaseKind::McduUpgrade, false, true, false, false},
        {GaugeState::AlreadyV2, BaseKind::None, true, true, true, false},
        {GaugeState::NotInstalled, BaseKind::None, false, true, false, false},
        {GaugeState::Unknown, BaseKind::None, false, true, false, true},
        {GaugeState::UpgradeV1, BaseKind::UpgradeV1, true, false, false, false},
    };
    ASSERT_EQ(check.gauges.size(), std::size(expected));
    for (std::size_t i = 0; i < check.gauges.size(); ++i) {
        SCOPED_TRACE(catalogue[i].displayName);
        const GaugeCheck& gauge = check.gauges[i];
        EXPECT_EQ(gauge.state, expected[i].state);
        EXPECT_EQ(gauge.baseKind, expected[i].base);
        EXPECT_EQ(gauge.backupPresent, expected[i].backup);
        EXPECT_EQ(gauge.aircraftFilePresent, expected[i].aircraftFile);
        EXPECT_EQ(gauge.aircraftSettingsPresent, expected[i].settings);
        EXPECT_EQ(!gauge.problems.empty(), expected[i].fails);
    }
    EXPECT_FALSE(check.wouldSucceed());

    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    const char* const states[] = {
        "Upgrade v1 (base Upgrade v1), would be upgraded; .upg1 backup: none; aircraft.cfg: "
        "version 2 settings missing",
        "Upgrade v1 (base MCDU Upgrade), would be upgraded; .upg1 backup: none; aircraft.cfg: "
        "version 2 settings missing",
        "already version 2; .upg1 backup: present; aircraft.cfg: version 2 settings present",
        "not installed; .upg1 backup: none; aircraft.cfg: version 2 settings missing",
        "unknown (neither Upgrade v1 nor MCDU Upgrade), a run would refuse it; .upg1 backup: none; "
        "aircraft.cfg: version 2 settings missing",
        "Upgrade v1 (base Upgrade v1), would be upgraded; .upg1 backup: present; aircraft.cfg: "
        "none (panel gauge)",
    };
    int row = 0;
    for (const QString& line : lines) {
        if (row < 6 && line.startsWith(QString::fromStdString(catalogue[row].displayName))) {
            EXPECT_TRUE(line.endsWith(QLatin1String(states[row++]))) << line.toStdString();
        }
    }
    EXPECT_EQ(row, 6) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("error: ")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("A run would report errors for 1 of 6")));

    EXPECT_EQ(json.status, 1);
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(document.value(QStringLiteral("would_succeed")).toBool(true));
    const QJsonArray gauges = document.value(QStringLiteral("gauges")).toArray();
    ASSERT_EQ(gauges.size(), 6);
    const char* const stateNames[] = {"upgrade_v1",    "upgrade_v1", "already_v2",
                                      "not_installed", "unknown",    "upgrade_v1"};
    for (qsizetype i = 0; i < gauges.size(); ++i)
        EXPECT_EQ(gauges[i][QStringLiteral("state")].toString(), QLatin1String(stateNames[i]));
    EXPECT_EQ(gauges[1][QStringLiteral("base_kind")].toString(), QStringLiteral("mcdu_upgrade"));
    EXPECT_TRUE(gauges[2][QStringLiteral("version2_settings")].toBool());
    EXPECT_TRUE(gauges[5][QStringLiteral("aircraft_file")].isNull());
    EXPECT_EQ(gauges[4][QStringLiteral("problems")].toArray().size(), 1);
    EXPECT_TRUE(document.value(QStringLiteral("folder_problem")).isNull());
    EXPECT_TRUE(document.value(QStringLiteral("log_folder_present")).toBool());
    EXPECT_FALSE(text.out.contains(QStringLiteral("is missing: a run creates it")));

    EXPECT_FALSE(runSucceeds()); // the run refuses the unknown gauge, as foretold
}

// What would break a run of the fixture once its unknown gauge is made good.
struct BreakCase {
    const char* name;
    void (*breakIt)(const FakeSimulator&, const std::vector<UpgradeEntry>&);
};
void PrintTo(const BreakCase& c, std::ostream* os) {
    *os << c.name;
}

class UpgradeCheckForetellsTheRun : public UpgradeCheckTest,
                                    public ::testing::WithParamInterface<BreakCase> {};

TEST_P(UpgradeCheckForetellsTheRun, AndARealRunAgrees) {
    sim.write(FakeSimulator::gaugeFile(catalogue[4]), odd.v1);
    GetParam().breakIt(sim, catalogue);
    const bool fine = std::string_view(GetParam().name) == "NothingMissing";

    const CommandRun run = command(checkLine());
    EXPECT_EQ(run.status, fine ? 0 : 1) << run.out.toStdString();
    EXPECT_EQ(run.out.contains(QStringLiteral("error: ")), !fine) << run.out.toStdString();
    if (fine) {
        EXPECT_TRUE(run.out.endsWith(
            QStringLiteral("A run would succeed: 4 to upgrade, 1 already version 2, 1 not "
                           "installed.\n")))
            << run.out.toStdString();
    }

    EXPECT_EQ(runSucceeds(), fine);
    if (fine) {
        const CommandRun after = command(checkLine());
        EXPECT_EQ(after.status, 0);
        EXPECT_TRUE(after.out.endsWith(
            QStringLiteral("A run has nothing to do: 5 already version 2, 1 not installed.\n")))
            << after.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UpgradeCheckForetellsTheRun,
    ::testing::Values(
        BreakCase{"NothingMissing", [](const FakeSimulator&, const std::vector<UpgradeEntry>&) {}},
        BreakCase{"PatchProgramMissing",
                  [](const FakeSimulator& sim, const std::vector<UpgradeEntry>&) {
                      fs::remove(sim.path("VolaroUpgrade/patch.bin"));
                  }},
        BreakCase{"McduPatchDataMissing",
                  [](const FakeSimulator& sim, const std::vector<UpgradeEntry>& catalogue) {
                      fs::remove(sim.path(FakeSimulator::patchFile(catalogue[1]) + "_"));
                  }},
        BreakCase{"AircraftFileMissing",
                  [](const FakeSimulator& sim, const std::vector<UpgradeEntry>& catalogue) {
                      fs::remove(sim.path(FakeSimulator::folderOf(catalogue[0]) + "/aircraft.cfg"));
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// Where a run would skip every gauge, the check does not call that a run
// with nothing to do: the folder is not the package's.
TEST_F(UpgradeCheckTest, FolderWithoutAnyGaugeFailsAndSaysWhere) {
    FakeSimulator other("Elsewhere");
    fs::remove_all(other.path("VolaroUpgrade")); // a run would not make it here
    const QString root = QString::fromStdString(other.root());
    const CommandRun text = command({QStringLiteral("--check"), root});
    const CommandRun json = command({QStringLiteral("--check"), root, QStringLiteral("--json")});

    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(
        text.out.contains(QStringLiteral("No gauge of the package was found in %1.\n").arg(root)))
        << text.out.toStdString();
    EXPECT_FALSE(text.out.contains(QStringLiteral("A run has nothing to do")));
    EXPECT_FALSE(text.out.contains(QStringLiteral("a run creates it")));
    EXPECT_EQ(json.status, 1);
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(document.value(QStringLiteral("would_succeed")).toBool(true));
    EXPECT_EQ(document.value(QStringLiteral("folder_problem")).toString(),
              QStringLiteral("no_gauge_found"));
}

TEST_F(UpgradeCheckTest, MissingInstallerFolderIsReportedAsTheLogFolder) {
    fs::remove_all(sim.path("VolaroUpgrade"));
    const QString folder = QString::fromStdString(sim.path("VolaroUpgrade").string());
    const CommandRun text = command(checkLine());
    const CommandRun json = command(checkLine() << QStringLiteral("--json"));

    EXPECT_TRUE(text.out.contains(
        QStringLiteral("The installer folder %1 is missing: a run creates it for its log.\n")
            .arg(folder)))
        << text.out.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(document.value(QStringLiteral("log_folder_present")).toBool(true));
    EXPECT_EQ(document.value(QStringLiteral("log_folder")).toString(), folder);
    EXPECT_FALSE(sim.exists("VolaroUpgrade"));
}

TEST_F(UpgradeCheckTest, RefusesALineItCannotUse) {
    const QString missing = QString::fromStdString(sim.root() + "-not-there");
    for (const QStringList& line :
         {QStringList{QStringLiteral("--check")}, QStringList{QStringLiteral("--check"), missing},
          QStringList{QStringLiteral("--json"), QString::fromStdString(sim.root())},
          checkLine() << QStringLiteral("--screenshots") << QStringLiteral("pics"),
          checkLine() << QStringLiteral("--frobnicate")}) {
        const CommandRun run = command(line);
        EXPECT_EQ(run.status, 2) << line.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("upgrader: "))) << run.err.toStdString();
    }
}

} // namespace
