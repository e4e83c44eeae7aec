// The load manager as the main menu runs it: OK saves and hands the zero
// fuel weight to the fuel planner; Cancel writes and hands over nothing.
#include "common/ui/messagebox.h"
#include "configurator/app/mainmenu.h"
#include "configurator/load/loadmanagerdialog.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

// Acts on the load manager window once the menu has opened it.
void whenLoadManagerOpens(std::function<void(LoadManagerDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<LoadManagerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

const QString kSaved = QStringLiteral(
    "The new payload has been saved in the aircraft file (aircraft.cfg).\nIt will be taken into "
    "account next time the aircraft is loaded in FS.");

TEST(LoadManagerFlow, OkSavesAndTheFuelPlannerGetsTheZfwCancelKeepsIt) {
    TempDir dir;
    resolveInstallPaths(dir.path().string(), "");
    const auto ge = dir.path() / "Aircraft" / "Korvanta TEV A333GE" / "Aircraft.cfg";
    const auto rr = dir.path() / "Aircraft" / "Korvanta TEV A333RR" / "Aircraft.cfg";
    writeFile(ge, "[WEIGHT_AND_BALANCE]\r\nempty_weight=267000\r\n");
    writeFile(rr, "[WEIGHT_AND_BALANCE]\r\nempty_weight=267000\r\n");
    std::fill(std::begin(AircraftZfw), std::end(AircraftZfw), 0);

    int chosen = kA330_300;
    int plannerAircraft = -1;
    int plannerZfw = -1;
    MenuTools tools = standardTools();
    tools.selectAircraft = [&](QWidget*) { CurrentAircraft = chosen; };
    // What the fuel planner reads when it opens.
    tools.fuelPlanner = [&](QWidget*) {
        plannerAircraft = CurrentAircraft;
        plannerZfw = AircraftZfw[CurrentAircraft - kFirstAircraft];
    };
    ui::MessageRecorder messages;
    CMainMenuDlg menu(tools);

    whenLoadManagerOpens([](LoadManagerDialog& dialog) {
        dialog.control<QSlider>(loadids::kBusinessTrackbar)->setValue(30);
        dialog.control<QSlider>(loadids::kEconomyTrackbar)->setValue(300);
        dialog.control<QSlider>(loadids::kForwardTrackbar)->setValue(50);
        dialog.control<QSlider>(loadids::kAftTrackbar)->setValue(50);
        dialog.control<QPushButton>(1)->click();
    });
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    // 121111 kg empty + 330 x 75 kg + 11430 kg + 9250 kg.
    const int zfw = 121111 + 24750 + 11430 + 9250;
    EXPECT_EQ(AircraftZfw[kA330_300 - kFirstAircraft], zfw);
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, kSaved);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("WARNING"));
    EXPECT_TRUE(menu.lastSave().ok);
    const std::string saved = readFile(ge);
    EXPECT_NE(saved.find("station_load.5=\"49603,  0.0, 0.0, 0.0, Coach\""), std::string::npos);
    EXPECT_EQ(readFile(rr), saved);

    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(plannerAircraft, kA330_300);
    EXPECT_EQ(plannerZfw, zfw);

    // Cancel: no file written, no message, the remembered weight stays.
    messages.clear();
    whenLoadManagerOpens([](LoadManagerDialog& dialog) {
        dialog.control<QSlider>(loadids::kEconomyTrackbar)->setValue(10);
        dialog.control<QPushButton>(2)->click();
    });
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(readFile(ge), saved);
    EXPECT_NE(LastZfw, zfw);
    EXPECT_EQ(AircraftZfw[kA330_300 - kFirstAircraft], zfw);

    // An aircraft whose load manager was never closed with OK hands over none.
    writeFile(dir.path() / "Aircraft" / "Korvanta TEV A346RR" / "Aircraft.cfg", "");
    chosen = kA340_600;
    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(plannerAircraft, kA340_600);
    EXPECT_EQ(plannerZfw, 0);
}

} // namespace
