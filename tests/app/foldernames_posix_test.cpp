// A simulator folder whose name holds Cyrillic, CJK, accented letters and
// blanks, given as the user gives it: every tool finds and writes its files
// there, as on this system path text is the host's own bytes.
#include "common/platform/exepath.h"
#include "common/ui/messagebox.h"
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keyconfig.h"
#include "configurator/load/loadmanager.h"
#include "configurator/prefs/configurationdialog.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

#include <QAbstractButton>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

const char* const kName =
    "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD Caf\xC3\xA9 \xE9\xA3\x9E\xE8\xA1\x8C FS9";

class FolderNames : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(sim / "Korvanta" / "Volaro");
        writeFile(aircraftFile, "[WEIGHT_AND_BALANCE]\r\nempty_weight=390220\r\n");
    }
    void TearDown() override { resolveInstallPaths(std::nullopt, "."); }

    testing_support::TempDir base;
    const fs::path sim = base.path() / kName;
    const fs::path prefsFile = sim / "Korvanta" / "Volaro" / "Prefs.cfg";
    const fs::path aircraftFile = sim / "Aircraft" / "Korvanta TEV A346RR" / "aircraft.cfg";
    ui::MessageRecorder messages;
};

// --fs-root and VOLARO_FS_ROOT as a terminal hands them over.
TEST_F(FolderNames, EverySourceOfTheFolderKeepsItsName) {
    resolveInstallPaths(platform::ExePathSource{sim.string()});
    EXPECT_EQ(std::string(InstallFolder), sim.string());
    {
        const testing_support::ScopedEnv env(platform::kFsRootEnv, sim.string());
        resolveInstallPaths(platform::ExePathSource{});
        EXPECT_EQ(std::string(InstallFolder), sim.string());
    }
    EXPECT_TRUE(createLoadManager(kA340_600)->isInstalled());
}

TEST_F(FolderNames, ConfigurationOkWritesThePreferencesThere) {
    resolveInstallPaths(platform::ExePathSource{sim.string()});
    ConfigurationDialog window;
    window.control<QAbstractButton>(1009)->click(); // Expert
    window.control<QAbstractButton>(1)->click();    // Ok
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_NE(readFile(prefsFile).find("UserExperience=2"), std::string::npos);
}

TEST_F(FolderNames, KeyAssignmentsOkWritesThere) {
    resolveInstallPaths(platform::ExePathSource{sim.string()});
    keys::CommandTable table;
    keys::CKeyConfig config(table, PrefsPath);
    config.sendCommand(1);
    EXPECT_TRUE(config.saveResult().ok) << config.saveResult().reason;
    EXPECT_NE(readFile(prefsFile).find("Command.00-Key=20"), std::string::npos);
}

TEST_F(FolderNames, PayloadSaveWritesTheAircraftFile) {
    resolveInstallPaths(platform::ExePathSource{sim.string()});
    const auto model = createLoadManager(kA340_600);
    ASSERT_TRUE(model->isInstalled());
    model->load();
    model->setForward(100);
    model->refresh();
    const auto results = model->save();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].ok) << results[0].reason;
    EXPECT_EQ(fs::path(results[0].hostPath), aircraftFile);
    EXPECT_NE(readFile(aircraftFile).find("station_load.2=\"50396,"), std::string::npos);
}

} // namespace
