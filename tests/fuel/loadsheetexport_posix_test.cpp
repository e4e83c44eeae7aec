// The exported page read back with pdftotext (not under Wine).
#include "configurator/load/loadmanager.h"
#include "tests/fuel/loadsheetexport.h"
#include "tests/support/pdftext.h"

#include <QLabel>

namespace {

using loadsheet_export::LoadSheetExportTest;
using loadsheet_export::P;
using testing_support::hasLabelledValue;
using testing_support::pdfText;

// What the planner shows is what the paper says, in either unit.
TEST_F(LoadSheetExportTest, SheetShowsTheFiguresOfTheWindow) {
    for (const bool pounds : {false, true}) {
        SCOPED_TRACE(pounds ? "lb" : "kg");
        CFuelPlanner planner;
        loadsheet::attachExport(planner);
        type(planner, P::kDistance, "6200");
        type(planner, P::kAltitude, "37000");
        type(planner, P::kTaxiFuel, "250");
        if (pounds) {
            planner.setChecked(P::kImperial, true);
            planner.sendCommand(P::kImperial);
        }
        ui::FileDialogRecorder files(sheet());
        planner.sendCommand(P::kExportLoadSheet);
        const QString page = pdfText(sheet());
        const QString unit = pounds ? QStringLiteral(" lb") : QStringLiteral(" kg");
        const struct {
            const char* label;
            int field;
            bool withUnit;
        } rows[] = {
            {"Zero Fuel Weight", P::kZeroFuelWeight, true},
            {"Taxi Fuel", P::kTaxiFuel, true},
            {"Trip Fuel", P::kTripFuel, true},
            {"Final Fuel", P::kFinalFuel, true},
            {"Block Fuel (FOB)", P::kBlockFuel, true},
            {"Inner, each (LEFT / RIGHT)", P::kInnerLeft, false},
            {"Outer, each", P::kOuterLeft, false},
            {"CENTER", P::kCenter, false},
            {"TRIM", P::kTrim, false},
            {"Take-off Weight", P::kTakeoffWeight, true},
            {"Landing Weight", P::kLandingWeight, true},
        };
        for (const auto& row : rows) {
            const QString value = text(planner, row.field) + (row.withUnit ? unit : QString());
            EXPECT_TRUE(hasLabelledValue(page, QLatin1String(row.label), value))
                << row.label << " " << value.toStdString() << "\n"
                << page.toStdString();
        }
        // "max 229975 kg" below the take-off weight.
        const QString maximum = planner.control<QLabel>(P::kTakeoffUnit)->text().mid(4);
        EXPECT_TRUE(hasLabelledValue(page, QStringLiteral("Maximum Take-off Weight"), maximum))
            << maximum.toStdString();
        // The payload as the load manager shows it in that unit.
        CLoadManager payload(*aircraftOfCode(kA330_200));
        payload.load();
        payload.setUnit(pounds ? WeightUnit::Pounds : WeightUnit::Kilograms);
        payload.refresh();
        EXPECT_TRUE(hasLabelledValue(page, QStringLiteral("Economy Class: 200 pax"),
                                     QString::number(payload.figures().economyWeight) + unit));
        EXPECT_TRUE(hasLabelledValue(page, QStringLiteral("Aircraft Weight"),
                                     QString::number(payload.figures().aircraftWeight) + unit));
        EXPECT_EQ(page.count(u'\f'), 1);
    }
}

} // namespace
