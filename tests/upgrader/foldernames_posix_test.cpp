// A simulator folder whose name is not Windows-1252 text: on this system
// path text is the host's own bytes, so the upgrade runs there as anywhere.
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/rootargument.h"
#include "upgrader/upgraderun.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace upgrader_testing;

namespace {

// Cyrillic, accented letters, CJK and blanks.
const char* const kRootName =
    "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD Caf\xC3\xA9 \xE9\xA3\x9E\xE8\xA1\x8C FS9";

TEST(FolderNames, RootInAnyScriptIsAcceptedWhole) {
    const QString root = QStringLiteral("/home/") + QString::fromUtf8(kRootName);
    EXPECT_EQ(rootProblem(root.split(u' '), "-", 194), std::nullopt);
    Upgrade2CommandLine line;
    parseArguments(root.split(u' '), "-", line);
    EXPECT_EQ(line.root(), root.toStdString());
}

TEST(FolderNames, UpgradeRunsUnderARootInAnyScript) {
    FakeSimulator sim(kRootName);
    const TestGauge gauge("A332");
    const UpgradeEntry aircraft = sim.aircraftEntry("A332", gauge);
    sim.installPatchProgram();
    sim.write(FakeSimulator::patchFile(aircraft), plainPatch(gauge));
    sim.write(FakeSimulator::gaugeFile(aircraft), gauge.v1);
    sim.write(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg", "[Radios]\nAdf.1=1\n");

    const std::vector<UpgradeEntry> catalogue = {aircraft};
    RecordingView view;
    UpgradeRun run(sim.root(), catalogue, view);
    runToEnd(run);
    run.closeLog();
    EXPECT_TRUE(run.success()) << (view.errors.empty() ? "" : view.errors[0].first);
    EXPECT_EQ(sim.read(FakeSimulator::gaugeFile(aircraft)), gauge.v2);
    EXPECT_NE(sim.read(FakeSimulator::folderOf(aircraft) + "/aircraft.cfg").find("Adf.2=1"),
              std::string::npos);
    // The lines and the log name the folder as it is called.
    EXPECT_NE(sim.log().find(kRootName), std::string::npos);
}

} // namespace
