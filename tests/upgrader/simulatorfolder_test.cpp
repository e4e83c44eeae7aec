// Whether the upgrader was given a simulator with the package at all.
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/simulatorfolder.h"

#include <gtest/gtest.h>

using namespace upgrader_testing;

namespace {

struct FolderCase {
    const char* name;
    std::string (*root)(const FakeSimulator&, const std::vector<UpgradeEntry>&);
    FolderProblem problem;
};
void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

class SimulatorFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(SimulatorFolderTest, TellsWhyNothingCanBeUpgraded) {
    FakeSimulator sim;
    const TestGauge a("A332"), night("Night");
    const std::vector<UpgradeEntry> catalogue = {sim.aircraftEntry("A332", a),
                                                 sim.panelEntry("Night", night)};
    const std::string root = GetParam().root(sim, catalogue);
    EXPECT_EQ(simulatorFolderProblem(root, catalogue), GetParam().problem);

    const std::vector<std::string> lines = folderProblemLines(GetParam().problem, root);
    EXPECT_EQ(lines.empty(), GetParam().problem == FolderProblem::None);
    if (!root.empty() && !lines.empty()) {
        EXPECT_NE(lines[0].find(root), std::string::npos) << "names the folder: " << lines[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roots, SimulatorFolderTest,
    ::testing::Values(
        FolderCase{
            "NoFolderGiven",
            [](const FakeSimulator&, const std::vector<UpgradeEntry>&) { return std::string(); },
            FolderProblem::NoFolderGiven},
        FolderCase{"FolderMissing",
                   [](const FakeSimulator& sim, const std::vector<UpgradeEntry>&) {
                       return sim.root() + "-gone";
                   },
                   FolderProblem::FolderMissing},
        FolderCase{"FileInsteadOfAFolder",
                   [](const FakeSimulator& sim, const std::vector<UpgradeEntry>&) {
                       sim.write("file", "x");
                       return sim.path("file").string();
                   },
                   FolderProblem::FolderMissing},
        FolderCase{
            "NoGauge",
            [](const FakeSimulator& sim, const std::vector<UpgradeEntry>&) { return sim.root(); },
            FolderProblem::NoGaugeFound},
        // A backup is what the run would patch from, but without the
        // installed gauge the run skips the entry.
        FolderCase{"OnlyABackup",
                   [](const FakeSimulator& sim, const std::vector<UpgradeEntry>& catalogue) {
                       sim.write(FakeSimulator::backupFile(catalogue[0]), "old gauge");
                       return sim.root();
                   },
                   FolderProblem::NoGaugeFound},
        FolderCase{"OneGaugeOfAnyRelease",
                   [](const FakeSimulator& sim, const std::vector<UpgradeEntry>& catalogue) {
                       sim.write(FakeSimulator::gaugeFile(catalogue[1]), "some release");
                       return sim.root();
                   },
                   FolderProblem::None}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
