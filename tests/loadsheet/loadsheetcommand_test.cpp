// What `loadsheet` refuses to print, and what it takes from a flight plan.
#include "tests/loadsheet/loadsheetrun.h"

#include <QFile>

namespace {

using loadsheet_test::CommandRun;
using loadsheet_test::LoadSheetCommandTest;

QString flightPlan() {
    return QStringLiteral(VOLARO_TEST_DATA_DIR "/../fuel/fixtures/ofp-a332-kgs.xml");
}

// 50 NM at 39000 ft: the planner warns the plan is not valid; no sheet shows it.
TEST_F(LoadSheetCommandTest, PlanThatIsNotValidIsRefusedWithItsWarning) {
    QStringList args = flight(pdf());
    args[3] = QStringLiteral("50");
    args[5] = QStringLiteral("39000");
    const CommandRun r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral(
        "configurator loadsheet: The flying distance of 50 NM is too short for a cruising "
        "altitude of 39000 ft")))
        << r.err.toStdString();
    EXPECT_TRUE(
        r.err.endsWith(QStringLiteral("This fuel plan is not valid. No load sheet was written.\n")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
}

// As `fuel --ofp`: the plan's ICAO type names the aircraft.
TEST_F(LoadSheetCommandTest, FlightPlanNamesTheAircraftWhenTheLineDoesNot) {
    const QStringList fromPlan{QStringLiteral("--ofp"), flightPlan(), QStringLiteral("--pdf"),
                               pdf()};
    const CommandRun r = run(fromPlan);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf()));
    EXPECT_TRUE(r.out.contains(QStringLiteral("A330-200"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("146827 kg"))) << r.out.toStdString();

    // The loads are checked against that aircraft's seats.
    const CommandRun tooMany =
        run(fromPlan + QStringList{QStringLiteral("--economy"), QStringLiteral("264")});
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_TRUE(tooMany.err.contains(
        QStringLiteral("--economy must be from 0 to 263 (the seats of the A330-200)")))
        << tooMany.err.toStdString();
}

} // namespace
