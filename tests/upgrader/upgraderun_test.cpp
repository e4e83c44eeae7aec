// Whole upgrade runs over a fake simulator folder, tick by tick: the exact
// progress lines, the exact log and the files afterwards.
#include "common/platform/programarguments.h"
#include "common/profile/profile.h"
#include "tests/support/asuser.h"
#include "tests/support/scopedenv.h"
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/rootargument.h"
#include "upgrader/upgraderun.h"

#include <QStringList>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace upgrader_testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kEquals(32, '=');
const std::string kHyphens(32, '-');
const std::string kSuccess = "Installation of Upgrade v2 successfully completed !!";
const std::string kErrors =
    "Errors occured, please see the log file: VolaroUpgrade\\Install_v2_Vol2.log";
const std::string kEnd = "Press 'End' to exit.";
const std::string kAircraftCfg = "[General]\natc_type=TEST\n\n[Radios]\nAdf.1=1\n";

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class UpgradeRunTest : public ::testing::Test {
protected:
    UpgradeRunTest()
        : a332("A332")
        , night("Night") {
        aircraft = sim.aircraftEntry("A332", a332);
        panel = sim.panelEntry("Night", night);
        sim.installPatchProgram();
        sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332));
        sim.write(FakeSimulator::patchFile(aircraft) + "_", mcduPatch(a332));
        sim.write(FakeSimulator::patchFile(panel), plainPatch(night));
        sim.write(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg", kAircraftCfg);
    }

    // Windows path text of an entry's files, as the run composes it.
    std::string gaugeWindowsText(const UpgradeEntry& e) const {
        return sim.root() + "\\" + e.folder + (e.panelOnly ? "" : "\\panel") + "\\" + e.gaugeName +
               ".gau";
    }
    std::string backupWindowsText(const UpgradeEntry& e) const {
        std::string text = gaugeWindowsText(e);
        return text.replace(text.size() - 4, 4, ".upg1");
    }
    // The host path of a file below the root, as the lines show it.
    std::string shown(const std::string& relative) const {
        return sim.path(relative).make_preferred().string();
    }
    std::string gaugeText(const UpgradeEntry& e) const {
        return shown(FakeSimulator::gaugeFile(e));
    }
    std::string backupText(const UpgradeEntry& e) const {
        return shown(FakeSimulator::backupFile(e));
    }

    // The lines of an entry upgraded from a version 1 gauge without backup.
    std::vector<std::string> upgradedLines(const UpgradeEntry& e) const {
        std::vector<std::string> lines = {
            "- Starting Update of the " + e.displayName + " gauge -",
            "Checking the existence of the gauge backup...",
            "Upgrade v1 backup gauge file not found",
            "Checking the signature of the base gauge...",
            gaugeText(e),
            "Valid (Upgrade v1)",
            "Creating backup gauge...",
            "Copying " + gaugeText(e) + " to " + backupText(e),
            "Creating the new gauge...",
            "Done.",
            "Checking the signature of the generated gauge...",
            gaugeText(e),
            "Successful.",
            "No panel update needed.",
        };
        if (!e.panelOnly) {
            lines.insert(lines.end(),
                         {"Updating aircraft.cfg...",
                          shown(FakeSimulator::folderOf(e) + "/aircraft.cfg"),
                          "Creating a backup copy of the aircraft.cfg file named aircraft.upg1...",
                          "Aircraft updated (ADF2 added)."});
        }
        lines.insert(lines.end(), {e.displayName + " successfully upgraded in v2.", kEquals});
        return lines;
    }

    // Makes the aircraft file read-only for an unprivileged user, who must
    // then run the upgrade (root writes it anyway).
    void lockAircraftFile() {
        const std::filesystem::path top = std::filesystem::path(sim.root()).parent_path();
        std::filesystem::permissions(top, std::filesystem::perms::all);
        for (const auto& item : std::filesystem::recursive_directory_iterator(top))
            std::filesystem::permissions(item.path(), std::filesystem::perms::others_all,
                                         std::filesystem::perm_options::add);
        std::filesystem::permissions(sim.path(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg"),
                                     std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
    }

    FakeSimulator sim;
    TestGauge a332, night;
    UpgradeEntry aircraft, panel;
    RecordingView view;
};

TEST_F(UpgradeRunTest, MissingGaugeTakesTwoTicksAndWritesOnlyItsSkipLines) {
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    sim.write(FakeSimulator::gaugeFile(panel), night.v2);
    UpgradeRun run(sim.root(), catalogue, view);

    run.OnTimer();
    EXPECT_THAT(view.lines, ElementsAre("A332_Korvanta gauge not installed, skipping", kEquals));
    run.OnTimer(); // step 9 of the skipped entry adds nothing
    EXPECT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(run.entryIndex(), 1);
    EXPECT_EQ(run.step(), 0);
    EXPECT_EQ(runToEnd(run), 3);
    EXPECT_FALSE(sim.exists(FakeSimulator::folderOf(aircraft) + "/aircraft.upg1"));
}

TEST_F(UpgradeRunTest, GaugeAlreadyAtVersion2TakesThreeTicksAndTouchesNoFile) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v2);
    const auto before = sim.snapshot();
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 3);
    EXPECT_THAT(view.lines, ElementsAre("Upgrade v2 already installed.",
                                        "A332 test successfully upgraded in v2.", kEquals, " ",
                                        kSuccess, kEnd));
    EXPECT_EQ(sim.snapshot(), before);
    EXPECT_EQ(sim.log(), logText(view.lines));
}

TEST_F(UpgradeRunTest, Version1GaugeIsUpgradedInTenTicks) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 10);
    EXPECT_EQ(view.lines, concat({upgradedLines(aircraft), {" ", kSuccess, kEnd}}));
    EXPECT_THAT(view.errors, IsEmpty());
    EXPECT_EQ(view.completions, 1);
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(sim.log(), logText(view.lines));
    EXPECT_TRUE(run.success());
    EXPECT_EQ(run.baseKind(), BaseKind::UpgradeV1);

    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v2);
    EXPECT_EQ(sim.read(FakeSimulator::backupFile(aircraft)), a332.v1);
    const std::string folder = FakeSimulator::folderOf(aircraft);
    EXPECT_EQ(sim.read(folder + "/aircraft.upg1"), kAircraftCfg);
    const std::string cfg = sim.path(folder + "/aircraft.cfg").string();
    EXPECT_EQ(profile::readString("Electrical", "electric_always_available", "?", 99, cfg), "0");
    EXPECT_EQ(profile::readString("Radios", "Adf.2", "?", 99, cfg), "1");
    EXPECT_EQ(profile::readString("General", "atc_type", "?", 99, cfg), "TEST");
}

TEST_F(UpgradeRunTest, PanelEntryHasNoAircraftFileStep) {
    const std::vector<UpgradeEntry> catalogue = {panel};
    sim.write(FakeSimulator::gaugeFile(panel), night.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 10);
    EXPECT_EQ(view.lines, concat({upgradedLines(panel), {" ", kSuccess, kEnd}}));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(panel)), night.v2);
}

TEST_F(UpgradeRunTest, McduBaseSelectsThePatchDataFileWithUnderscore) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.mcdu);
    std::vector<PatchLaunch> launches;
    UpgradeRun run(sim.root(), catalogue, view, [&](const PatchLaunch& launch) {
        launches.push_back(launch);
        return launchPatchProgram(launch);
    });

    runToEnd(run);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].commandLine(),
              (std::vector<std::string>{"\"" + sim.root() + "\\VolaroUpgrade\\patch.bin\"", "-d",
                                        "-f", "-s", "\"" + backupWindowsText(aircraft) + "\"",
                                        "\"" + sim.root() + "\\VolaroUpgrade\\A332_fs9.pak2_\"",
                                        "\"" + gaugeWindowsText(aircraft) + "\""}));
    EXPECT_EQ(view.lines[5], "Valid (MCDU Upgrade)");
    EXPECT_EQ(run.baseKind(), BaseKind::McduUpgrade);
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v2);
    EXPECT_EQ(sim.read(FakeSimulator::backupFile(aircraft)), a332.mcdu);
    EXPECT_TRUE(run.success());
}

TEST_F(UpgradeRunTest, PatchProgramGetsTheArgumentsInOrderAsHostPaths) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    const std::string record = sim.path("args.txt").string();
    testing_support::ScopedEnv env("VOLARO_TESTPATCH_ARGS", record);
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    EXPECT_EQ(testing_support::readFile(record),
              "-d\t-f\t-s\t" + sim.path(FakeSimulator::backupFile(aircraft)).string() + "\t" +
                  sim.path(FakeSimulator::patchFile(aircraft)).string() + "\t" +
                  sim.path(FakeSimulator::gaugeFile(aircraft)).string() + "\n");
}

TEST_F(UpgradeRunTest, ExistingBackupIsTheBaseWhateverTheInstalledGaugeHolds) {
    const std::vector<UpgradeEntry> catalogue = {panel};
    sim.write(FakeSimulator::gaugeFile(panel), "a gauge of some other release");
    sim.write(FakeSimulator::backupFile(panel), night.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 10);
    EXPECT_EQ(view.lines, concat({{"- Starting Update of the Night test gauge -",
                                   "Checking the existence of the gauge backup...",
                                   "Upgrade v1 gauge file " + backupText(panel) + " already backup",
                                   "Checking the signature of the base gauge...", backupText(panel),
                                   "Valid (Upgrade v1)", "Creating the new gauge...", "Done.",
                                   "Checking the signature of the generated gauge...",
                                   gaugeText(panel), "Successful.", "No panel update needed.",
                                   "Night test successfully upgraded in v2.", kEquals},
                                  {" ", kSuccess, kEnd}}));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(panel)), night.v2);
    EXPECT_EQ(sim.read(FakeSimulator::backupFile(panel)), night.v1);
}

TEST_F(UpgradeRunTest, AnyExitCodeButMinusOneGoesOnToTheSignatureCheck) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, "exit 3\n"));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    EXPECT_EQ(view.lines, concat({upgradedLines(aircraft), {" ", kSuccess, kEnd}}));
}

// One entry failing at each step that can fail it: the lines the window
// shows, the log (the "ERROR: " line at its place), the box, and the files
// left behind. "<gauge>" and "<aircraft.cfg>" stand for those files as the
// lines show them, "<error>" for the place of the ERROR line in the log.
enum class Left { V1, V2, Absent, Untouched, OldAircraftFile };
struct FailureCase {
    const char* name;
    void (*setup)(const FakeSimulator&, const UpgradeEntry&, const TestGauge&);
    bool launchEndsMinusOne; // the patch program runs, then reads as not started
    int ticks;
    std::size_t linesKept;            // of upgradedLines, before the failure
    std::vector<std::string> between; // up to "Fatal error for ..."
    std::string error, caption;
    Left gauge, backup, aircraftFile, aircraftBackup;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryFailureTest : public UpgradeRunTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    std::string expand(const std::string& text) const {
        if (text == "<gauge>")
            return gaugeText(aircraft);
        const std::string cfg = "<aircraft.cfg>";
        std::string result = text;
        if (const std::size_t at = result.find(cfg); at != std::string::npos)
            result.replace(at, cfg.size(),
                           shown(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg"));
        return result;
    }
    void expectFile(const std::string& relative, Left left, const std::string& untouched) const {
        SCOPED_TRACE(relative);
        switch (left) {
        case Left::V1:
            EXPECT_EQ(sim.read(relative), a332.v1);
            break;
        case Left::V2:
            EXPECT_EQ(sim.read(relative), a332.v2);
            break;
        case Left::Absent:
            EXPECT_FALSE(sim.exists(relative));
            break;
        case Left::Untouched:
            EXPECT_EQ(sim.read(relative), untouched);
            break;
        case Left::OldAircraftFile:
            EXPECT_EQ(sim.read(relative), kAircraftCfg);
            break;
        }
    }
};

TEST_P(EntryFailureTest, ReportsLogsAndLeavesTheFilesWhole) {
    const FailureCase& c = GetParam();
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    c.setup(sim, aircraft, a332);
    const std::string gaugeBefore = sim.read(FakeSimulator::gaugeFile(aircraft));
    const bool minusOne = c.launchEndsMinusOne;
    UpgradeRun run(sim.root(), catalogue, view, [minusOne](const PatchLaunch& launch) {
        const int code = launchPatchProgram(launch);
        return minusOne ? -1 : code;
    });

    EXPECT_EQ(runToEnd(run), c.ticks);
    std::vector<std::string> shownLines = upgradedLines(aircraft);
    shownLines.resize(c.linesKept);
    std::vector<std::string> logged = shownLines;
    const std::string error = expand(c.error);
    for (const std::string& line : c.between) {
        if (line == "<error>") {
            logged.push_back("ERROR: " + error);
            continue;
        }
        shownLines.push_back(expand(line));
        logged.push_back(expand(line));
    }
    for (const std::string& line : {std::string("Fatal error for A332_Korvanta"), kHyphens,
                                    std::string(" "), kErrors, kEnd}) {
        shownLines.push_back(line);
        logged.push_back(line);
    }
    EXPECT_EQ(view.lines, shownLines);
    EXPECT_EQ(sim.log(), logText(logged));
    EXPECT_THAT(view.errors, ElementsAre(std::make_pair(error, c.caption)));
    EXPECT_FALSE(run.success());

    const std::string folder = FakeSimulator::folderOf(aircraft);
    expectFile(FakeSimulator::gaugeFile(aircraft), c.gauge, gaugeBefore);
    if (c.backup != Left::Untouched)
        expectFile(FakeSimulator::backupFile(aircraft), c.backup, "");
    expectFile(folder + "/aircraft.cfg", c.aircraftFile, kAircraftCfg);
    expectFile(folder + "/aircraft.upg1", c.aircraftBackup, "");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EntryFailureTest,
    ::testing::Values(
        FailureCase{
            "BaseIsNotTheRightOne",
            [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge&) {
                sim.write(FakeSimulator::gaugeFile(e), "not a release of this gauge");
            },
            false,
            4,
            5,
            {"<error>"},
            "The A332_Korvanta gauge is not the right one.\nPlease install Upgrade v1 first.",
            "Failure",
            Left::Untouched,
            Left::Absent,
            Left::Untouched,
            Left::Absent},
        // A folder holds the backup's name: it is no backup, and the copy is refused.
        FailureCase{"BackupCannotBeMade",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge&) {
                        fs::create_directories(sim.path(FakeSimulator::backupFile(e)));
                    },
                    false,
                    5,
                    8,
                    {"<error>"},
                    "Error in copying the backup gauge file",
                    "Failure",
                    Left::V1,
                    Left::Untouched,
                    Left::Untouched,
                    Left::Absent},
        FailureCase{"PatchProgramMissing",
                    [](const FakeSimulator& sim, const UpgradeEntry&, const TestGauge&) {
                        fs::remove(sim.path("VolaroUpgrade/patch.bin"));
                    },
                    false,
                    6,
                    9,
                    {"<error>"},
                    "Error in launching the patching program...",
                    "Failure",
                    Left::V1,
                    Left::V1,
                    Left::Untouched,
                    Left::Absent},
        // Possible where a program can end with -1 (Windows): it ran, left a
        // wrong gauge, and its code reads as "not started".
        FailureCase{"LaunchFailureAfterTheGaugeWasDamaged",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge& g) {
                        sim.write(FakeSimulator::patchFile(e), plainPatch(g, "wrong\n"));
                    },
                    true,
                    6,
                    9,
                    {"<error>", "Faulty generated gauge deleted.", "Restoring the backup gauge...",
                     "Gauge restore completed."},
                    "Error in launching the patching program...",
                    "Failure",
                    Left::V1,
                    Left::Absent,
                    Left::Untouched,
                    Left::Absent},
        FailureCase{"WrongGeneratedGauge",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge& g) {
                        sim.write(FakeSimulator::patchFile(e), plainPatch(g, "wrong\n"));
                    },
                    false,
                    7,
                    10,
                    {"Checking the signature of the generated gauge...", "<gauge>", "<error>",
                     "Faulty generated gauge deleted.", "Restoring the backup gauge...",
                     "Gauge restore completed."},
                    "The new gauge generation was not successful.\nCheck failed...",
                    "Failure",
                    Left::V1,
                    Left::Absent,
                    Left::Untouched,
                    Left::Absent},
        FailureCase{"NoGeneratedGauge",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge& g) {
                        sim.write(FakeSimulator::patchFile(e),
                                  plainPatch(g, "delete-gauge\nskip-write\n"));
                    },
                    false,
                    7,
                    10,
                    {"Checking the signature of the generated gauge...", "<gauge>", "<error>",
                     "Restoring the backup gauge...", "Gauge restore completed."},
                    "The new gauge file could not be found.\nGeneration failed...",
                    "File not found",
                    Left::V1,
                    Left::Absent,
                    Left::Untouched,
                    Left::Absent},
        // The settings would make a new aircraft.cfg holding only them.
        FailureCase{"AircraftFileMissing",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge&) {
                        fs::remove(sim.path(FakeSimulator::folderOf(e) + "/aircraft.cfg"));
                    },
                    false,
                    9,
                    17,
                    {"<error>"},
                    "Error in copying the backup aircraft file",
                    "Failure",
                    Left::V2,
                    Left::V1,
                    Left::Absent,
                    Left::Absent},
        FailureCase{"AircraftFileMissingBesideAnOldBackup",
                    [](const FakeSimulator& sim, const UpgradeEntry& e, const TestGauge&) {
                        const std::string folder = FakeSimulator::folderOf(e);
                        fs::rename(sim.path(folder + "/aircraft.cfg"),
                                   sim.path(folder + "/aircraft.upg1"));
                    },
                    false,
                    9,
                    16,
                    {"<error>"},
                    "The aircraft file could not be updated: <aircraft.cfg> (it is missing or "
                    "cannot be read)",
                    "ERROR",
                    Left::V2,
                    Left::V1,
                    Left::Absent,
                    Left::OldAircraftFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpgradeRunTest, FailureInTheLastEntryIsFollowedByTheErrorCompletion) {
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::gaugeFile(panel), night.mcdu); // no MCDU release of this one
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 14);
    const std::vector<std::string> tail(view.lines.end() - 5, view.lines.end());
    EXPECT_THAT(tail, ElementsAre("Fatal error for Night_Korvanta", kHyphens, " ", kErrors, kEnd));
    EXPECT_EQ(view.completions, 1);
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v2);
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(panel)), night.mcdu);
}

TEST_F(UpgradeRunTest, BaseKindIsKeptWhenTheNextBaseCannotBeRead) {
    // The second entry's backup vanishes between finding it and checking it:
    // the check writes nothing and the first entry's MCDU kind selects "_".
    // The patch then fails; with no backup left, the installed gauge (its
    // original bytes) is kept rather than deleted.
    const TestGauge b("B346");
    const UpgradeEntry second = sim.aircraftEntry("B346", b);
    const std::vector<UpgradeEntry> catalogue = {aircraft, second};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.mcdu);
    sim.write(FakeSimulator::gaugeFile(second), b.v1);
    sim.write(FakeSimulator::backupFile(second), b.v1);
    std::vector<PatchLaunch> launches;
    UpgradeRun run(sim.root(), catalogue, view, [&](const PatchLaunch& launch) {
        launches.push_back(launch);
        return launchPatchProgram(launch);
    });

    for (int tick = 0; tick < 13; ++tick)
        run.OnTimer(); // entry 0 whole, entry 1 through step 2
    ASSERT_EQ(run.entryIndex(), 1);
    std::filesystem::remove(sim.path(FakeSimulator::backupFile(second)));
    const std::size_t before = view.lines.size();
    run.OnTimer();
    EXPECT_EQ(std::vector<std::string>(view.lines.begin() + before, view.lines.end()),
              (std::vector<std::string>{"Checking the signature of the base gauge...",
                                        backupText(second)}));
    runToEnd(run);

    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[1].patchDataPath, sim.root() + "\\VolaroUpgrade\\B346_fs9.pak2_");
    const std::vector<std::string> tail(view.lines.end() - 8, view.lines.end());
    EXPECT_THAT(tail, ElementsAre("Checking the signature of the generated gauge...",
                                  gaugeText(second), "Restoring the backup gauge...",
                                  "Fatal error for B346_Korvanta", kHyphens, " ", kErrors, kEnd));
    EXPECT_THAT(
        view.errors,
        ElementsAre(
            std::make_pair(
                std::string("The new gauge generation was not successful.\nCheck failed..."),
                std::string("Failure")),
            std::make_pair(std::string("The backup gauge could not be restored"),
                           std::string("Error"))));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(second)), b.v1);
}

TEST_F(UpgradeRunTest, RootWithBlanksGivenUnquotedIsRebuiltAndUsed) {
    FakeSimulator spaced("My Flight Sim");
    spaced.installPatchProgram();
    UpgradeEntry entry = spaced.panelEntry("Night", night);
    spaced.write(FakeSimulator::patchFile(entry), plainPatch(night));
    spaced.write(FakeSimulator::gaugeFile(entry), night.v1);

    const QStringList pieces = QString::fromStdString(spaced.root()).split(u' ');
    ASSERT_EQ(pieces.size(), 3);
    Upgrade2CommandLine line;
    parseArguments(pieces, platform::switchMarkers(), line);
    ASSERT_EQ(line.root(), spaced.root());

    const std::vector<UpgradeEntry> catalogue = {entry};
    UpgradeRun run(line.root(), catalogue, view);
    runToEnd(run);
    EXPECT_EQ(view.lines.end()[-2], kSuccess);
    EXPECT_EQ(spaced.read(FakeSimulator::gaugeFile(entry)), night.v2);
    EXPECT_EQ(spaced.log(), logText(view.lines));
}

TEST_F(UpgradeRunTest, ExistingAircraftBackupIsKeptAndTheSettingsReplacedInPlace) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    const std::string folder = FakeSimulator::folderOf(aircraft);
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(folder + "/aircraft.upg1", "the first run's copy\n");
    sim.write(folder + "/aircraft.cfg",
              "[Electrical]\nelectric_always_available=1\n[Radios]\nAdf.2=0\n");
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    std::vector<std::string> expected = upgradedLines(aircraft);
    expected.erase(expected.begin() + 16); // no "Creating a backup copy..."
    EXPECT_EQ(view.lines, concat({expected, {" ", kSuccess, kEnd}}));
    EXPECT_EQ(sim.read(folder + "/aircraft.upg1"), "the first run's copy\n");
    EXPECT_EQ(sim.read(folder + "/aircraft.cfg"),
              "[Electrical]\nelectric_always_available=0\n[Radios]\nAdf.2=1\n");
}

TEST_F(UpgradeRunTest, FailedAircraftBackupStillWritesTheSettingsIntoAnExistingFile) {
    // The copy is refused (the backup name is taken by a folder), the file
    // itself is there: the settings are written after the failure lines.
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    const std::string folder = FakeSimulator::folderOf(aircraft);
    std::filesystem::create_directories(sim.path(folder + "/aircraft.upg1"));
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    const std::vector<std::string> tail(view.lines.end() - 6, view.lines.end());
    EXPECT_THAT(tail, ElementsAre("Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd,
                                  "Aircraft updated (ADF2 added)."));
    EXPECT_EQ(profile::readString("Radios", "Adf.2", "?", 99,
                                  sim.path(folder + "/aircraft.cfg").string()),
              "1");
}

// An aircraft.cfg that cannot be written: the user is told, the entry fails,
// and nobody reads "Aircraft updated". Run as an unprivileged user so that
// the file's read-only mode holds even when the tests run as root.
TEST_F(UpgradeRunTest, AircraftFileThatCannotBeWrittenFailsTheEntryWithAnErrorLine) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    const std::string folder = FakeSimulator::folderOf(aircraft);
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    lockAircraftFile();

    const int status = testing_support::runAsUnprivileged([&] {
        UpgradeRun run(sim.root(), catalogue, view);
        runToEnd(run);
        return run.success() ? 1 : 0;
    });
    ASSERT_EQ(status, 0) << "the run must end as failed\n" << sim.log();

    const std::string cfgText = shown(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg");
    const std::string log = sim.log();
    EXPECT_NE(log.find("ERROR: The aircraft file could not be updated: " + cfgText + " ("),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Fatal error for A332_Korvanta"), std::string::npos);
    EXPECT_NE(log.find(kErrors), std::string::npos);
    EXPECT_EQ(log.find("Aircraft updated (ADF2 added)."), std::string::npos);
    EXPECT_EQ(log.find("successfully upgraded in v2."), std::string::npos);
    EXPECT_EQ(sim.read(folder + "/aircraft.cfg"), kAircraftCfg);
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v2);
}

// The box of a failed aircraft file keeps receiving ticks: they must not
// close the failed entry as upgraded nor run the next one behind the box.
TEST_F(UpgradeRunTest, TicksWhileTheAircraftFileErrorIsShownDoNothing) {
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::gaugeFile(panel), night.v1);
    lockAircraftFile();

    const int status = testing_support::runAsUnprivileged([&] {
        UpgradeRun run(sim.root(), catalogue, view);
        view.whileErrorShown = [&] {
            for (int i = 0; i < 20; ++i)
                run.OnTimer();
        };
        runToEnd(run);
        return view.errors.size() == 1 ? 0 : 1;
    });
    ASSERT_EQ(status, 0) << sim.log();

    const std::vector<std::string> log = sim.logLines();
    const auto error = std::find_if(log.begin(), log.end(), [](const std::string& line) {
        return line.starts_with("ERROR: The aircraft file could not be updated");
    });
    ASSERT_NE(error, log.end()) << sim.log();
    const std::vector<std::string> after(error + 1, log.end());
    EXPECT_EQ(after, concat({{"Fatal error for A332_Korvanta", kHyphens},
                             upgradedLines(panel),
                             {" ", kErrors, kEnd}}));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(panel)), night.v2);
}

// A failed backup copy has already failed the entry and moved the run on: a
// failed settings write after it is reported, but fails no other entry.
TEST_F(UpgradeRunTest, FailedBackupThenFailedSettingsFailOnlyTheirOwnEntry) {
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    std::filesystem::create_directories(
        sim.path(FakeSimulator::folderOf(aircraft) + "/aircraft.upg1"));
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::gaugeFile(panel), night.v1);
    lockAircraftFile();

    testing_support::runAsUnprivileged([&] {
        UpgradeRun run(sim.root(), catalogue, view);
        runToEnd(run);
        return 0;
    });
    const std::string log = sim.log();
    EXPECT_NE(log.find("ERROR: Error in copying the backup aircraft file"), std::string::npos);
    EXPECT_NE(log.find("ERROR: The aircraft file could not be updated"), std::string::npos);
    EXPECT_EQ(log.find("Fatal error for Night"), std::string::npos) << log;
    EXPECT_NE(log.find(panel.displayName + " successfully upgraded in v2."), std::string::npos)
        << log;
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(panel)), night.v2);
}

// Whatever the patch program does wrong, the gauge ends as its original
// bytes or as a verified version 2.
struct FaultCase {
    const char* name;
    const char* faults;
    bool upgraded;
};
void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class PatchFaultTest : public UpgradeRunTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(PatchFaultTest, GaugeIsOriginalOrVerifiedVersion2) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, GetParam().faults));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    const std::string gauge = sim.read(FakeSimulator::gaugeFile(aircraft));
    EXPECT_EQ(gauge, GetParam().upgraded ? a332.v2 : a332.v1);
    EXPECT_EQ(run.success(), GetParam().upgraded);
    if (sim.exists(FakeSimulator::backupFile(aircraft))) {
        EXPECT_TRUE(GetParam().upgraded) << "a failed entry leaves no backup behind";
        EXPECT_EQ(sim.read(FakeSimulator::backupFile(aircraft)), a332.v1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PatchFaultTest,
    ::testing::Values(FaultCase{"ErrorCodeAndNoGauge", "exit 3\nskip-write\n", false},
                      FaultCase{"ErrorCodeAfterAGoodGauge", "exit 200\n", true},
                      FaultCase{"WrongGauge", "wrong\n", false},
                      FaultCase{"NothingWritten", "skip-write\n", false},
                      FaultCase{"GaugeDeleted", "delete-gauge\nskip-write\n", false},
                      FaultCase{"Crash", "crash\n", false},
                      FaultCase{"BaseDeletedAfterAGoodGauge", "delete-base\n", true},
                      FaultCase{"BaseDeletedAndNothingWritten", "delete-base\nskip-write\n",
                                false}),
    [](const auto& info) { return std::string(info.param.name); });

// The completion report names the log: it must be there to read, also when
// the installer data folder was never made.
TEST_F(UpgradeRunTest, MissingInstallerFolderIsCreatedForTheLog) {
    fs::remove_all(sim.path("VolaroUpgrade"));
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    run.closeLog();
    EXPECT_EQ(view.lines.end()[-2], kErrors); // the patch program was in that folder too
    ASSERT_TRUE(fs::is_directory(sim.path("VolaroUpgrade")));
    std::vector<std::string> logged = sim.logLines();
    std::erase_if(logged, [](const std::string& line) { return line.starts_with("ERROR: "); });
    EXPECT_EQ(logged, view.lines);
}

TEST_F(UpgradeRunTest, LogThatCannotBeWrittenIsToldInTheWindowAndRetriedOnTheNextLine) {
    fs::remove_all(sim.path("VolaroUpgrade"));
    sim.write("VolaroUpgrade", "a file where the folder should be");
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    run.AddLine("first line");
    run.tellIfLogUnwritten();
    ASSERT_EQ(view.lines.size(), 2u);
    const std::string notice = "The install log " +
                               sim.path("VolaroUpgrade/Install_v2_Vol2.log").string() +
                               " could not be written: ";
    EXPECT_TRUE(view.lines[1].starts_with(notice)) << view.lines[1];
    EXPECT_GT(view.lines[1].size(), notice.size() + 1) << "and why";

    runToEnd(run);
    const std::vector<std::string> tail(view.lines.end() - 4, view.lines.end());
    EXPECT_THAT(tail, ElementsAre(" ", kErrors, view.lines[1], kEnd));

    fs::remove(sim.path("VolaroUpgrade"));
    fs::create_directory(sim.path("VolaroUpgrade"));
    run.AddLine("a later line");
    EXPECT_TRUE(run.logOpen());
    const std::size_t shown = view.lines.size();
    run.tellIfLogUnwritten();
    EXPECT_EQ(view.lines.size(), shown);
    run.closeLog();
    EXPECT_EQ(sim.log(), logText({"a later line"}));
}

// Not a simulator with the package: nothing is made there, not even the
// folder for a log.
TEST_F(UpgradeRunTest, FolderWithoutTheGaugesOrNotThereGetsNoLogFolder) {
    fs::remove_all(sim.path("VolaroUpgrade"));
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    UpgradeRun noGauges(sim.root(), catalogue, view);
    noGauges.AddLine("a line");
    noGauges.tellIfLogUnwritten();
    EXPECT_EQ(noGauges.folderProblem(), FolderProblem::NoGaugeFound);
    EXPECT_FALSE(sim.exists("VolaroUpgrade"));

    const std::string gone = sim.root() + "-gone";
    UpgradeRun missing(gone, catalogue, view);
    missing.AddLine("a line");
    EXPECT_EQ(missing.folderProblem(), FolderProblem::FolderMissing);
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_THAT(view.lines, ElementsAre("a line", "a line"));
}

TEST_F(UpgradeRunTest, GaugesGoneBeforeTheRunEndWithoutTheSuccessLine) {
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    sim.write(FakeSimulator::gaugeFile(panel), night.v2);
    UpgradeRun run(sim.root(), catalogue, view);
    ASSERT_EQ(run.folderProblem(), FolderProblem::None);
    fs::remove(sim.path(FakeSimulator::gaugeFile(panel)));

    runToEnd(run);
    std::vector<std::string> tail = {" "};
    for (const std::string& line : folderProblemLines(FolderProblem::NoGaugeFound, sim.root()))
        tail.push_back(line);
    tail.push_back(kEnd);
    EXPECT_EQ(std::vector<std::string>(view.lines.end() - static_cast<long>(tail.size()),
                                       view.lines.end()),
              tail);
    EXPECT_EQ(std::count(view.lines.begin(), view.lines.end(), kSuccess), 0);
}

} // namespace
