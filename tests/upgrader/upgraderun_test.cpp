// Whole upgrade runs over a fake simulator folder, tick by tick: the exact
// progress lines, the exact log and the files afterwards.
#include "common/platform/programarguments.h"
#include "common/profile/profile.h"
#include "tests/support/asuser.h"
#include "tests/support/scopedenv.h"
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/commandline.h"
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

    // The lines of an entry failing at its new gauge, up to the restore.
    std::vector<std::string> lineThroughLaunch(const UpgradeEntry& e) const {
        std::vector<std::string> lines = upgradedLines(e);
        lines.resize(10); // through "Done."
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

TEST_F(UpgradeRunTest, BaseThatIsNotTheRightOneFailsTheEntryAndTouchesNoFile) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), "not a release of this gauge");
    const auto before = sim.snapshot();
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 4);
    const std::vector<std::string> shown = {"- Starting Update of the A332 test gauge -",
                                            "Checking the existence of the gauge backup...",
                                            "Upgrade v1 backup gauge file not found",
                                            "Checking the signature of the base gauge...",
                                            gaugeText(aircraft),
                                            "Fatal error for A332_Korvanta",
                                            kHyphens,
                                            " ",
                                            kErrors,
                                            kEnd};
    EXPECT_EQ(view.lines, shown);
    const std::string message =
        "The A332_Korvanta gauge is not the right one.\nPlease install Upgrade v1 first.";
    EXPECT_THAT(view.errors, ElementsAre(std::make_pair(message, std::string("Failure"))));
    std::vector<std::string> logged = shown;
    logged.insert(logged.begin() + 5, "ERROR: " + message);
    EXPECT_EQ(sim.log(), logText(logged));
    EXPECT_NE(sim.log().find(logText({"", "Please install Upgrade v1 first."})), std::string::npos);
    EXPECT_EQ(sim.snapshot(), before);
    EXPECT_FALSE(run.success());
}

TEST_F(UpgradeRunTest, BackupThatCannotBeMadeFailsTheEntryWithTheGaugeUntouched) {
    // A folder holds the backup's name: it is no backup, and the copy is refused.
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    std::filesystem::create_directories(sim.path(FakeSimulator::backupFile(aircraft)));
    UpgradeRun run(sim.root(), catalogue, view);

    EXPECT_EQ(runToEnd(run), 5);
    std::vector<std::string> expected = lineThroughLaunch(aircraft);
    expected.resize(8); // through "Copying ... to ..."
    expected.insert(expected.end(),
                    {"Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    EXPECT_THAT(view.errors,
                ElementsAre(std::make_pair(std::string("Error in copying the backup gauge file"),
                                           std::string("Failure"))));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v1);
}

TEST_F(UpgradeRunTest, MissingPatchProgramIsALaunchFailureLeavingGaugeAndBackup) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    std::filesystem::remove(sim.path("VolaroUpgrade/patch.bin"));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    std::vector<std::string> expected = lineThroughLaunch(aircraft);
    expected.back() = "Fatal error for A332_Korvanta"; // no "Done."
    expected.insert(expected.end(), {kHyphens, " ", kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    EXPECT_THAT(view.errors, ElementsAre(std::make_pair(
                                 std::string("Error in launching the patching program..."),
                                 std::string("Failure"))));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v1);
    EXPECT_EQ(sim.read(FakeSimulator::backupFile(aircraft)), a332.v1);
}

TEST_F(UpgradeRunTest, AnyExitCodeButMinusOneGoesOnToTheSignatureCheck) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, "exit 3\n"));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    EXPECT_EQ(view.lines, concat({upgradedLines(aircraft), {" ", kSuccess, kEnd}}));
}

TEST_F(UpgradeRunTest, WrongGeneratedGaugeIsDeletedAndTheBackupMovedBack) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, "wrong\n"));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    std::vector<std::string> expected = lineThroughLaunch(aircraft);
    expected.insert(expected.end(),
                    {"Checking the signature of the generated gauge...", gaugeText(aircraft),
                     "Faulty generated gauge deleted.", "Restoring the backup gauge...",
                     "Gauge restore completed.", "Fatal error for A332_Korvanta", kHyphens, " ",
                     kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    const std::string message = "The new gauge generation was not successful.\nCheck failed...";
    EXPECT_THAT(view.errors, ElementsAre(std::make_pair(message, std::string("Failure"))));
    std::vector<std::string> logged = expected;
    logged.insert(logged.begin() + 12, "ERROR: " + message);
    EXPECT_EQ(sim.log(), logText(logged));

    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v1);
    EXPECT_FALSE(sim.exists(FakeSimulator::backupFile(aircraft)));
    EXPECT_EQ(sim.read(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg"), kAircraftCfg);
}

TEST_F(UpgradeRunTest, NoGeneratedGaugeMovesTheBackupBack) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, "delete-gauge\nskip-write\n"));
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    std::vector<std::string> expected = lineThroughLaunch(aircraft);
    expected.insert(expected.end(),
                    {"Checking the signature of the generated gauge...", gaugeText(aircraft),
                     "Restoring the backup gauge...", "Gauge restore completed.",
                     "Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    EXPECT_THAT(view.errors,
                ElementsAre(std::make_pair(
                    std::string("The new gauge file could not be found.\nGeneration failed..."),
                    std::string("File not found"))));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v1);
    EXPECT_FALSE(sim.exists(FakeSimulator::backupFile(aircraft)));
}

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

TEST_F(UpgradeRunTest, MissingAircraftFileFailsTheEntryAndIsNotCreated) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    const std::string folder = FakeSimulator::folderOf(aircraft);
    std::filesystem::remove(sim.path(folder + "/aircraft.cfg"));
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    std::vector<std::string> expected = upgradedLines(aircraft);
    expected.resize(17); // through "Creating a backup copy..."
    expected.insert(expected.end(),
                    {"Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    EXPECT_THAT(view.errors,
                ElementsAre(std::make_pair(std::string("Error in copying the backup aircraft file"),
                                           std::string("Failure"))));
    EXPECT_FALSE(sim.exists(folder + "/aircraft.cfg"));
    EXPECT_FALSE(sim.exists(folder + "/aircraft.upg1"));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v2); // verified before the step
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

TEST_F(UpgradeRunTest, MissingAircraftFileBesideAnOldBackupFailsTheEntryAndIsNotCreated) {
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    const std::string folder = FakeSimulator::folderOf(aircraft);
    std::filesystem::rename(sim.path(folder + "/aircraft.cfg"),
                            sim.path(folder + "/aircraft.upg1"));
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    UpgradeRun run(sim.root(), catalogue, view);

    runToEnd(run);
    const std::string cfgText = shown(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg");
    EXPECT_THAT(view.errors,
                ElementsAre(std::make_pair("The aircraft file could not be updated: " + cfgText +
                                               " (it is missing or cannot be read)",
                                           std::string("ERROR"))));
    const std::vector<std::string> tail(view.lines.end() - 5, view.lines.end());
    EXPECT_THAT(tail, ElementsAre("Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd));
    EXPECT_FALSE(sim.exists(folder + "/aircraft.cfg"));
    EXPECT_EQ(sim.read(folder + "/aircraft.upg1"), kAircraftCfg);
}

TEST_F(UpgradeRunTest, RunWithoutAnInstallerFolderGoesOnAndOpensTheLogOnceItExists) {
    std::filesystem::remove_all(sim.path("VolaroUpgrade"));
    const std::vector<UpgradeEntry> catalogue = {aircraft, panel};
    UpgradeRun run(sim.root(), catalogue, view);

    run.OnTimer();
    EXPECT_FALSE(run.logOpen());
    std::filesystem::create_directories(sim.path("VolaroUpgrade"));
    runToEnd(run);
    EXPECT_TRUE(run.logOpen());
    EXPECT_EQ(sim.log(),
              logText(std::vector<std::string>(view.lines.begin() + 2, view.lines.end())));
    run.closeLog();
    EXPECT_FALSE(run.logOpen());
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

TEST_F(UpgradeRunTest, LaunchFailureAfterTheGaugeWasDamagedPutsTheBackupBack) {
    // Possible where a program can end with -1 (Windows): it ran, left a
    // wrong gauge, and its code reads as "not started".
    const std::vector<UpgradeEntry> catalogue = {aircraft};
    sim.write(FakeSimulator::gaugeFile(aircraft), a332.v1);
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(a332, "wrong\n"));
    UpgradeRun run(sim.root(), catalogue, view, [](const PatchLaunch& launch) {
        launchPatchProgram(launch);
        return -1;
    });

    runToEnd(run);
    std::vector<std::string> expected = lineThroughLaunch(aircraft);
    expected.back() = "Faulty generated gauge deleted.";
    expected.insert(expected.end(),
                    {"Restoring the backup gauge...", "Gauge restore completed.",
                     "Fatal error for A332_Korvanta", kHyphens, " ", kErrors, kEnd});
    EXPECT_EQ(view.lines, expected);
    EXPECT_THAT(view.errors, ElementsAre(std::make_pair(
                                 std::string("Error in launching the patching program..."),
                                 std::string("Failure"))));
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), a332.v1);
    EXPECT_FALSE(sim.exists(FakeSimulator::backupFile(aircraft)));
}

} // namespace
