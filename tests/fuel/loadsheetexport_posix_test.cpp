// The exported page read back with pdftotext (not under Wine).
#include "configurator/load/loadmanager.h"
#include "tests/fuel/loadsheetexport.h"
#include "tests/support/pdftext.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <map>

namespace {

using loadsheet_export::LoadSheetExportTest;
using loadsheet_export::P;
using testing_support::hasLabelledValue;
using testing_support::pdfText;

// The number printed after `label` on its line, or -1.
int labelledNumber(const QString& page, const QString& label) {
    const QRegularExpression row(
        QStringLiteral("^\\s*%1\\s+(-?\\d+)( kg| lb)?\\s*$").arg(QRegularExpression::escape(label)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = row.match(page);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// What the planner shows is what the paper says, in either unit, and every
// total on the paper is the sum of the parts printed above it. In pounds the
// totals may then differ from the window's, rounded on their own, by a pound
// or two.
TEST_F(LoadSheetExportTest, SheetShowsTheFiguresOfTheWindowAndAddsUp) {
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
        planner.sendCommand(P::kValidate);
        const auto shown = [&planner] {
            std::map<int, QString> texts;
            for (int id = P::kDistance; id <= P::kTrim; ++id) {
                if (planner.control<QLineEdit>(id))
                    texts[id] = planner.field(id)->text();
            }
            return texts;
        };
        const auto before = shown();
        ui::FileDialogRecorder files(sheet());
        planner.sendCommand(P::kExportLoadSheet);
        EXPECT_EQ(shown(), before); // the export changes nothing on screen
        const QString page = pdfText(sheet());
        const QString unit = pounds ? QStringLiteral(" lb") : QStringLiteral(" kg");
        const struct {
            const char* label;
            int field;
            bool withUnit;
            bool total;
        } rows[] = {
            {"Zero Fuel Weight", P::kZeroFuelWeight, true, true},
            {"Taxi Fuel", P::kTaxiFuel, true, false},
            {"Trip Fuel", P::kTripFuel, true, false},
            {"Final Fuel", P::kFinalFuel, true, false},
            {"Block Fuel (FOB)", P::kBlockFuel, true, true},
            {"Inner, each (LEFT / RIGHT)", P::kInnerLeft, false, false},
            {"Outer, each", P::kOuterLeft, false, false},
            {"CENTER", P::kCenter, false, false},
            {"TRIM", P::kTrim, false, false},
            {"Take-off Weight", P::kTakeoffWeight, true, true},
            {"Landing Weight", P::kLandingWeight, true, true},
        };
        for (const auto& row : rows) {
            if (pounds && row.total)
                continue;
            const QString value = text(planner, row.field) + (row.withUnit ? unit : QString());
            EXPECT_TRUE(hasLabelledValue(page, QLatin1String(row.label), value))
                << row.label << " " << value.toStdString() << "\n"
                << page.toStdString();
        }
        // "max 229975 kg" below the take-off weight.
        const QString maximum = planner.control<QLabel>(P::kTakeoffUnit)->text().mid(4);
        EXPECT_TRUE(hasLabelledValue(page, QStringLiteral("Maximum Take-off Weight"), maximum))
            << maximum.toStdString();
        // The payload as the load manager shows it in that unit; the empty
        // weight as the file gives it.
        CLoadManager payload(*aircraftOfCode(kA330_200));
        payload.load();
        payload.setUnit(pounds ? WeightUnit::Pounds : WeightUnit::Kilograms);
        payload.refresh();
        EXPECT_TRUE(hasLabelledValue(page, QStringLiteral("Economy Class: 200 pax"),
                                     QString::number(payload.figures().economyWeight) + unit));
        EXPECT_EQ(labelledNumber(page, QStringLiteral("Aircraft Weight")),
                  pounds ? 264875 : payload.figures().aircraftWeight);

        const auto n = [&page](const char* label) {
            return labelledNumber(page, QLatin1String(label));
        };
        EXPECT_EQ(n("Pax Weight: 200 pax"),
                  n("Business Class: 0 pax") + n("Economy Class: 200 pax"));
        EXPECT_EQ(n("Cargo Weight"), n("Forward Cargo: 0%") + n("Aft Cargo: 0%"));
        EXPECT_EQ(n("Zero Fuel Weight"),
                  n("Aircraft Weight") + n("Pax Weight: 200 pax") + n("Cargo Weight"));
        EXPECT_EQ(n("Block Fuel (FOB)"),
                  n("Trip Fuel") + n("Route Reserve: 5%") + n("Final Fuel") + n("Taxi Fuel"));
        EXPECT_EQ(n("Take-off Weight"),
                  n("Zero Fuel Weight") + n("Block Fuel (FOB)") - n("Taxi Fuel"));
        EXPECT_EQ(n("Landing Weight"), n("Take-off Weight") - n("Trip Fuel"));
        EXPECT_EQ(page.count(u'\f'), 1);
    }
}

} // namespace
