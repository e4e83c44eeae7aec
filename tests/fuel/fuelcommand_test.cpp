#include "configurator/cli/fuelcommand.h"
#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct CommandRun {
    int status;
    QString out, err;
};

CommandRun run(const char* line) {
    CommandRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = runFuelCommand(QString::fromLatin1(line).split(QLatin1Char(' ')), out, err);
    out.flush();
    err.flush();
    return result;
}

// The command reads the aircraft's file in a simulator folder; this one has
// none, so no maximum take-off weight is known.
class FuelCommand : public testing::Test {
protected:
    void SetUp() override { resolveInstallPaths(sim_.path().string(), ""); }

private:
    testing_support::TempDir sim_;
};

TEST_F(FuelCommand, JsonPlanOfTheWorkedExample) {
    const CommandRun r =
        run("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000 --json");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty());
    // One line; JSON objects are unordered, so compared as parsed.
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(r.out.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()),
              QJsonDocument::fromJson("{\"aircraft\":\"A330-200\",\"trip_fuel\":45996,"
                                      "\"route_reserve\":2299,\"block_fuel\":49495,\"remainder\":1,"
                                      "\"capacity_warning\":false,\"too_short_for_altitude\":false,"
                                      "\"inner\":{\"kg\":24747,\"fraction\":0.732507},"
                                      "\"outer\":{\"kg\":0,\"fraction\":0},"
                                      "\"center\":{\"kg\":0,\"fraction\":0},"
                                      "\"trim\":{\"kg\":0,\"fraction\":0},"
                                      "\"takeoff_weight\":219295,\"landing_weight\":173299,"
                                      "\"max_takeoff_weight\":null,"
                                      "\"takeoff_weight_warning\":false}\n"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"fraction\":0.732507,"))); // six digits
}

TEST_F(FuelCommand, MissingTankIsNullAndExcessWarns) {
    const CommandRun r = run("--aircraft A330-300 --distance 7000 --altitude 35000 --zfw 170000 "
                             "--cost-index 80 --taxi 0 --reserve 10 --final 2000 --json");
    EXPECT_EQ(r.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_TRUE(json.value(QStringLiteral("center")).isNull());
    EXPECT_EQ(json.value(QStringLiteral("capacity_warning")), QJsonValue(true));
    EXPECT_EQ(
        json.value(QStringLiteral("trim")),
        QJsonValue(QJsonObject{{QStringLiteral("kg"), 4918}, {QStringLiteral("fraction"), 1}}));

    const CommandRun text =
        run("--aircraft A330-300 --distance 7000 --altitude 35000 --zfw 170000");
    EXPECT_TRUE(text.out.contains(QStringLiteral("CENTER          ---\n")));
    EXPECT_TRUE(text.out.contains(
        QStringLiteral("Warning.\nThis fuel quantity may be too low for this trip.\n")));
}

TEST_F(FuelCommand, DistanceTooShortForTheAltitudeIsFlaggedAndSaidInOneLine) {
    const char* const shortHop = "--aircraft A340-600 --distance 50 --altitude 39000 --zfw 250000";
    // Printed as the planner shows it, but no plan to fly: exit 1.
    const CommandRun json = run((std::string(shortHop) + " --json").c_str());
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(
        json.err.startsWith(QStringLiteral("configurator fuel: The flying distance of 50 NM")))
        << json.err.toStdString();
    const QJsonObject plan = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(plan.value(QStringLiteral("trip_fuel")).toInt(), -274);
    EXPECT_EQ(plan.value(QStringLiteral("too_short_for_altitude")), QJsonValue(true));

    const CommandRun text = run(shortHop);
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString(); // said once, with the plan
    const QStringList lines = text.out.split(QLatin1Char('\n'));
    const auto warning = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("The flying distance of 50 NM is too short for a "
                                              "cruising altitude of 39000 ft: the climb"));
    });
    ASSERT_NE(warning, lines.end()) << text.out.toStdString();
    EXPECT_TRUE(warning->endsWith(QStringLiteral("This fuel plan is not valid.")));
}

TEST_F(FuelCommand, TextShowsThePlanAsThePlannerDoes) {
    const CommandRun r = run("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Trip Fuel       45996 kg\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("FOB             49495 kg\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("LEFT / RIGHT    24747 (73.3%) each\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("TRIM            0 (0.0%)\n")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("Warning")));
}

TEST_F(FuelCommand, NamesTheMissingMandatoryFigures) {
    const struct {
        const char* line;
        const char* missing;
    } cases[] = {
        {"--aircraft A330-200 --altitude 35000 --zfw 170000", "--distance"},
        {"--aircraft A330-200 --distance 3000 --zfw 170000", "--altitude"},
        {"--aircraft A330-200 --distance 3000 --altitude 35000", "--zfw"},
        {"--aircraft A330-200 --zfw 170000", "--distance, --altitude"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.line);
        EXPECT_EQ(r.status, 2) << c.line;
        EXPECT_EQ(r.err, QStringLiteral("All the mandatory fields must be filled. (missing: %1)\n")
                             .arg(QLatin1String(c.missing)))
            << c.line;
        EXPECT_TRUE(r.out.isEmpty()) << c.line;
    }
}

// Cost index 0 (the longest range) is planned as the tables give it.
TEST_F(FuelCommand, CostIndexZeroIsPlanned) {
    const CommandRun zero =
        run("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000 --cost-index 0");
    const CommandRun fifty =
        run("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000 --cost-index 50");
    EXPECT_EQ(zero.status, 0) << zero.err.toStdString();
    EXPECT_TRUE(zero.out.contains(QStringLiteral("Trip Fuel"))) << zero.out.toStdString();
    EXPECT_NE(zero.out, fifty.out);
}

TEST_F(FuelCommand, ExplainsBadArguments) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"--distance 3000", "--aircraft is required"},
        {"--aircraft A380 --distance 3000", "unknown aircraft 'A380'"},
        {"--aircraft A330-200 --distance 3k", "--distance needs a whole number"},
        {"--aircraft A330-200 --zfw", "--zfw needs a whole number"},
        {"--aircraft A330-200 --taxi -5", "--taxi must be from 0 to 99999999"},
        {"--aircraft A330-200 --distance 0", "--distance must be from 1 to 99999999"},
        {"--aircraft A330-200 --altitude -1", "--altitude must be from 1 to 99999999"},
        {"--aircraft A330-200 --distance 100000000", "--distance must be from 1 to 99999999"},
        // Beyond any integer, still a figure out of range, not a word.
        {"--aircraft A330-200 --distance 999999999999", "--distance must be from 1 to 99999999"},
        {"--aircraft A330-200 --unit st", "--unit must be kg or lb"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.line);
        EXPECT_EQ(r.status, 2) << c.line;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.message))) << c.line << "\n"
                                                                    << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage:"))) << c.line;
    }
}

std::string ofp(const char* fixture) {
    return std::string("--ofp " VOLARO_TEST_DATA_DIR "/fixtures/") + fixture;
}

TEST_F(FuelCommand, FlightPlanGivesTheFiguresTheLineWouldGive) {
    const struct {
        std::string withPlan;
        const char* sameByHand;
    } cases[] = {
        {ofp("ofp-a332-kgs.xml") + " --json",
         "--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000 --json"},
        {"--aircraft A330-200 " + ofp("ofp-a332-kgs.xml"),
         "--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000"},
        // 551155 lb and 661 lb, as the planner reads them typed in pounds.
        {ofp("ofp-a346-lbs.xml") + " --json",
         "--aircraft A340-600 --distance 5600 --altitude 37000 --zfw 250003 --cost-index 80 "
         "--taxi 299 --json"},
        // A figure on the line replaces the plan's.
        {ofp("ofp-a332-kgs.xml") + " --distance 5000 --taxi 0 --json",
         "--aircraft A330-200 --distance 5000 --altitude 35000 --zfw 170000 --taxi 0 --json"},
    };
    for (const auto& c : cases) {
        const CommandRun withPlan = run(c.withPlan.c_str());
        const CommandRun byHand = run(c.sameByHand);
        EXPECT_EQ(withPlan.status, 0) << c.withPlan << "\n" << withPlan.err.toStdString();
        EXPECT_EQ(withPlan.out, byHand.out) << c.withPlan;
        EXPECT_TRUE(withPlan.err.isEmpty()) << c.withPlan;
    }
    EXPECT_TRUE(run((ofp("ofp-a332-kgs.xml") + " --json").c_str())
                    .out.contains(QStringLiteral("\"block_fuel\":49495")));
}

TEST_F(FuelCommand, FlightPlanThatCannotBeUsedFailsNamingWhy) {
    const struct {
        std::string line;
        const char* message;
    } cases[] = {
        {"--aircraft A330-300 " + ofp("ofp-a332-kgs.xml"),
         "it is for the A330-200 (A332), not for the A330-300 chosen"},
        {ofp("ofp-missing-zfw.xml") + " --zfw 170000",
         "it has no <weights><est_zfw> (zero fuel weight)"},
        {ofp("ofp-not-xml.txt"), "it is not well-formed XML"},
        {ofp("no-such-plan.xml"), "it cannot be opened"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.line.c_str());
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_TRUE(r.out.isEmpty()) << c.line;
        EXPECT_TRUE(
            r.err.startsWith(QStringLiteral("configurator fuel: cannot use the flight plan ")))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
    }
    const CommandRun noFile = run("--aircraft A330-200 --ofp");
    EXPECT_EQ(noFile.status, 2);
    EXPECT_TRUE(noFile.err.contains(QStringLiteral("--ofp needs a file")));
}

} // namespace
