#include "configurator/fuel/fuelplan.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/loadsheet/loadsheet.h"
#include "tests/loadsheet/loadsheetrun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include <filesystem>

namespace {

using loadsheet_test::CommandRun;
using loadsheet_test::LoadSheetCommandTest;

QString fixture(const char* name) {
    return QStringLiteral(VOLARO_TEST_DATA_DIR "/../fuel/fixtures/") + QLatin1String(name);
}

// The line of `lines` for a row: its label, then its value after the blanks.
bool hasRow(const QStringList& lines, const QString& label, const QString& value) {
    const QRegularExpression row(
        QStringLiteral("^\\s*%1\\s+%2$")
            .arg(QRegularExpression::escape(label), QRegularExpression::escape(value)));
    for (const QString& line : lines) {
        if (row.match(line).hasMatch())
            return true;
    }
    return false;
}

// A PDF file of one page, whole: header, one page object, end marker.
void expectOnePagePdf(const QString& file) {
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << file.toStdString();
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-1.")) << bytes.left(16).toStdString();
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), 1);
}

TEST(LoadSheet, FiguresAreInTheSheetsUnitAndMissingOnesShowDashes) {
    const AircraftType& a333 = *aircraftNamed("A330-300");
    const fuel::FuelPlanInput input{3000, 35000, 50, 170000, 200, 5, 1000};
    loadsheet::Flight flight;
    flight.aircraft = "A330-300";
    flight.unit = WeightUnit::Pounds;
    flight.business = 2;
    flight.payload.businessWeight = 331;
    flight.payload.paxWeight = 330;
    flight.plan = fuel::PlanFuel(a333, input);
    flight.fuel = fuel::shownFigures(input, flight.plan, WeightUnit::Pounds);
    flight.weights.takeoff = 400000;
    flight.reservePercent = 5;
    flight.type = &a333;
    flight.when = QDateTime(QDate(2026, 12, 10), QTime(14, 45), QTimeZone(3600));

    // Truncated as the planner's Validate writes them.
    EXPECT_EQ(flight.fuel.zeroFuelWeight, 374779);
    EXPECT_EQ(flight.fuel.taxiFuel, 440);
    EXPECT_EQ(flight.fuel.finalFuel, 2204);
    EXPECT_EQ(flight.fuel.tripFuel, fuel::toDisplayUnit(flight.plan.tripFuel, WeightUnit::Pounds));

    QStringList lines = loadsheet::sheetLines(loadsheet::makeSheet(flight));
    const auto text = lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Date: 2026-12-10 13:45 UTC"))) << text;
    EXPECT_TRUE(lines.contains(QStringLiteral("Weights in pounds (lb)"))) << text;
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Business Class: 2 pax"), QStringLiteral("331 lb")));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Pax Weight: 2 pax"), QStringLiteral("330 lb")));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Zero Fuel Weight"), QStringLiteral("374779 lb")));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("ZFW CG"), QStringLiteral("---"))) << text;
    EXPECT_TRUE(hasRow(lines, QStringLiteral("CENTER"), QStringLiteral("---"))) << text;
    EXPECT_TRUE(
        hasRow(lines, QStringLiteral("Maximum Take-off Weight"), QStringLiteral("not known")));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("WARNING")));

    flight.zfwCgMac = 27.34;
    flight.weights.overMaximum = true;
    flight.payloadGivesOtherZfw = true;
    flight.payload.zfw = 300000;
    lines = loadsheet::sheetLines(loadsheet::makeSheet(flight));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("ZFW CG"), QStringLiteral("27.3 % MAC")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("WARNING: the take-off weight exceeds the maximum.")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Note: the payload above gives a zero fuel weight "
                                              "of 300000 lb; the fuel plan is for 374779 lb.")));
}

TEST_F(LoadSheetCommandTest, WritesOnePageWithThePayloadAndThePlanForItsZfw) {
    const CommandRun r = run(flight(pdf()));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    expectOnePagePdf(pdf());
    const QStringList lines = r.out.split(u'\n');
    // 30 + 200 passengers and half the forward hold on 120147 kg.
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Business Class: 30 pax"), QStringLiteral("2250 kg")));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Forward Cargo: 50%"), QStringLiteral("9430 kg")));
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Zero Fuel Weight"), QStringLiteral("146827 kg")));
    const fuel::FuelPlan plan =
        fuel::PlanFuel(*aircraftNamed("A330-200"), {3000, 35000, 50, 146827, 200, 5, 1000});
    EXPECT_TRUE(
        hasRow(lines, QStringLiteral("Trip Fuel"), QStringLiteral("%1 kg").arg(plan.tripFuel)))
        << r.out.toStdString();
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Block Fuel (FOB)"),
                       QStringLiteral("%1 kg").arg(plan.blockFuel)));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Saved: %1\n").arg(QDir::toNativeSeparators(pdf()))));
}

TEST_F(LoadSheetCommandTest, FlightPlanGivesTheRouteButNotTheZeroFuelWeight) {
    QStringList args = flight(pdf());
    args.erase(args.begin() + 2, args.begin() + 6); // no --distance, no --altitude
    args << QStringLiteral("--ofp") << fixture("ofp-a332-kgs.xml");
    const CommandRun r = run(args);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n');
    EXPECT_TRUE(hasRow(lines, QStringLiteral("Zero Fuel Weight"), QStringLiteral("146827 kg")));
    const fuel::FuelPlan plan =
        fuel::PlanFuel(*aircraftNamed("A330-200"), {3000, 35000, 50, 146827, 200, 5, 1000});
    EXPECT_TRUE(
        hasRow(lines, QStringLiteral("Trip Fuel"), QStringLiteral("%1 kg").arg(plan.tripFuel)));
}

// A failure says why and leaves no file behind, not even a half one.
TEST_F(LoadSheetCommandTest, FailuresSayWhyAndLeaveNoFile) {
    const QString missingFolder =
        QString::fromStdString((dir.path() / "no-such-folder" / "sheet.pdf").string());
    const QString folder = QString::fromStdString(dir.path().string());
    QStringList notInstalled = flight(pdf());
    notInstalled[1] = QStringLiteral("A340-600");
    QStringList noDistance = flight(pdf());
    noDistance.erase(noDistance.begin() + 2, noDistance.begin() + 4);
    QStringList otherPlan = flight(pdf());
    otherPlan << QStringLiteral("--ofp") << fixture("ofp-a346-lbs.xml");
    const struct {
        const char* name;
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {"folder missing", flight(missingFolder), 1, "could not write"},
        {"a folder", flight(folder), 1, "could not write"},
        {"not installed", notInstalled, 3, "not installed"},
        {"no distance", noDistance, 2, "All the mandatory fields must be filled."},
        {"no pdf", flight(pdf()).mid(0, 6), 2, "--pdf FILE is required"},
        {"other plan", otherPlan, 1, "not for the A330-200 chosen"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message)))
            << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf())) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
    // Nothing but the aircraft's folder: no temporary file was left.
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"Aircraft"});
}

} // namespace
