#pragma once
// The fuel planner of an installed A330-200 whose aircraft.cfg holds a
// payload, for the tests of its load sheet export.

#include "common/ui/filedialog.h"
#include "common/ui/messagebox.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/loadsheet/loadsheetexport.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace loadsheet_export {

using P = CFuelPlanner;

class LoadSheetExportTest : public testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(sim.path().string(), "");
        // 200 economy passengers on 264875 lb; the aircraft may take 507063 lb.
        testing_support::writeFile(sim.path() / "Aircraft" / "Korvanta TEV A332GE" / "Aircraft.cfg",
                                   "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight=507063\r\n"
                                   "empty_weight=264875\r\n"
                                   "station_load.5=\"33068,  0.0, 0.0, 0.0, Coach\"\r\n");
        CurrentAircraft = kA330_200;
        AircraftZfw[kA330_200 - kFirstAircraft] = 135147; // the payload's
    }
    void TearDown() override {
        CurrentAircraft = kNoAircraft;
        AircraftZfw[kA330_200 - kFirstAircraft] = 0;
    }
    QString sheet() const { return QString::fromStdString((sim.path() / "sheet.pdf").string()); }
    static void type(CFuelPlanner& planner, int id, const char* value) {
        planner.field(id)->setText(QString::fromLatin1(value));
    }
    static QString text(const CFuelPlanner& planner, int id) { return planner.field(id)->text(); }

    testing_support::TempDir sim;
    ui::MessageRecorder messages;
};

} // namespace loadsheet_export
