// Starting the patch program on Windows: blanks in every path, its exit code
// passed on, and -1 when it cannot be started.
#include "common/platform/process.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"
#include "upgrader/patchlaunch.h"

#include <filesystem>
#include <gtest/gtest.h>

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

class PatchProgramTest : public ::testing::Test {
protected:
    PatchProgramTest() {
        std::filesystem::create_directories(dir.path() / "Flight Sim" / "Volaro Upgrade");
        std::filesystem::copy_file(VOLARO_TESTPATCH,
                                   dir.path() / "Flight Sim" / "Volaro Upgrade" / "patch.bin");
        writeFile(dir.path() / "Flight Sim" / "Old Gauges" / "My Gauge.upg1", "version one");
        launch.program = text("Flight Sim\\Volaro Upgrade\\patch.bin");
        launch.backupPath = text("Flight Sim\\Old Gauges\\My Gauge.upg1");
        launch.patchDataPath = text("Flight Sim\\Patch Data\\My Gauge.dat");
        launch.gaugePath = text("Flight Sim\\New Gauges\\My Gauge.gau");
        std::filesystem::create_directories(dir.path() / "Flight Sim" / "New Gauges");
    }
    std::string text(const std::string& relative) const {
        return dir.path().string() + "\\" + relative;
    }
    void patchData(const std::string& extra) const {
        writeFile(dir.path() / "Flight Sim" / "Patch Data" / "My Gauge.dat",
                  "VOLARO TEST PATCH 1\ncopy 0 7\ninsert 4\n two\n" + extra);
    }

    TempDir dir;
    PatchLaunch launch;
};

TEST_F(PatchProgramTest, EveryPathWithBlanksArrivesWhole) {
    patchData("");
    const std::string record = (dir.path() / "args.txt").string();
    const testing_support::ScopedEnv env("VOLARO_TESTPATCH_ARGS", record);
    ASSERT_EQ(launchPatchProgram(launch), 0);
    EXPECT_EQ(readFile(dir.path() / "Flight Sim" / "New Gauges" / "My Gauge.gau"), "version two");
    EXPECT_EQ(readFile(record), "-d\t-f\t-s\t" + launch.backupPath + "\t" + launch.patchDataPath +
                                    "\t" + launch.gaugePath + "\n");
}

TEST_F(PatchProgramTest, TheExitCodeIsPassedOn) {
    // On Windows a 32-bit exit code reads as signed: exit(-1) gives -1.
    for (const int code : {3, 255, 1000, -1}) {
        SCOPED_TRACE(code);
        patchData("exit " + std::to_string(code) + "\n");
        EXPECT_EQ(launchPatchProgram(launch), code);
    }
}

TEST_F(PatchProgramTest, MinusOneWhenItCannotBeStarted) {
    const std::filesystem::path program =
        dir.path() / "Flight Sim" / "Volaro Upgrade" / "patch.bin";
    std::filesystem::remove(program);
    EXPECT_EQ(launchPatchProgram(launch), platform::kNotStarted);
    writeFile(program, "not a program\r\n");
    EXPECT_EQ(launchPatchProgram(launch), platform::kNotStarted);
    std::filesystem::remove(program);
    std::filesystem::create_directories(program);
    EXPECT_EQ(launchPatchProgram(launch), platform::kNotStarted);
}

} // namespace
