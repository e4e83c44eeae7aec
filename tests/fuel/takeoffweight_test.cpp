#include "configurator/cli/fuelcommand.h"
#include "configurator/fuel/fuelunits.h"
#include "configurator/fuel/takeoffweight.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

fuel::FuelPlan planOf(std::int32_t trip, std::int32_t block) {
    fuel::FuelPlan plan;
    plan.tripFuel = trip;
    plan.blockFuel = block;
    return plan;
}

TEST(FlightWeights, TakeoffIsZfwPlusBlockLessTaxiAndLandingLessTrip) {
    // The first worked example: 170000 kg, taxi 200 kg, trip 45996 kg, FOB 49495 kg.
    const auto kg =
        fuel::flightWeights(170000, 200, planOf(45996, 49495), WeightUnit::Kilograms, std::nullopt);
    EXPECT_EQ(kg.takeoff, 219295);
    EXPECT_EQ(kg.landing, 173299);
    EXPECT_FALSE(kg.maxTakeoff);
    EXPECT_FALSE(kg.overMaximum);
    // In pounds from the fields as shown: 374779 + 109115 - 440, less 101402.
    const auto lb =
        fuel::flightWeights(374779, 440, planOf(45996, 49495), WeightUnit::Pounds, std::nullopt);
    EXPECT_EQ(lb.takeoff, 483454);
    EXPECT_EQ(lb.landing, 382052);
}

// max_gross_weight 507063 lb: 230004 kg (x 0.4536 = 230003.78, rounded as
// the load manager reads pounds), 507063 lb as written.
struct LimitCase {
    const char* name;
    WeightUnit unitFactor;
    std::int32_t zfw; // typed, in the unit
    bool warning;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

// Taxi 200 kg / 441 lb; FOB 50000 kg, shown 110229 lb.
const LimitCase kLimitCases[] = {
    {"kilogramsAtTheLimit", WeightUnit::Kilograms, 230004 - 50000 + 200, false},
    {"oneKilogramAbove", WeightUnit::Kilograms, 230005 - 50000 + 200, true},
    {"poundsAtTheLimit", WeightUnit::Pounds, 507063 - 110229 + 441, false},
    {"onePoundAbove", WeightUnit::Pounds, 507064 - 110229 + 441, true},
};

class TakeoffLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(TakeoffLimit, WarnsOnlyAboveTheMaximumInTheUnitShown) {
    const LimitCase& c = GetParam();
    const bool pounds = c.unitFactor == WeightUnit::Pounds;
    const auto weights =
        fuel::flightWeights(c.zfw, pounds ? 441 : 200, planOf(40000, 50000), c.unitFactor, 507063);
    ASSERT_TRUE(weights.maxTakeoff);
    EXPECT_EQ(*weights.maxTakeoff, pounds ? 507063 : 230004);
    EXPECT_EQ(weights.takeoff, *weights.maxTakeoff + (c.warning ? 1 : 0));
    EXPECT_EQ(weights.overMaximum, c.warning);
}

INSTANTIATE_TEST_SUITE_P(Cases, TakeoffLimit, testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FlightWeights, WarningNamesBothWeightsInTheUnitShown) {
    const auto weights =
        fuel::flightWeights(200000, 0, planOf(40000, 50000), WeightUnit::Pounds, 300000);
    const QString text = fuel::takeoffWeightWarningText(weights, WeightUnit::Pounds);
    EXPECT_TRUE(text.contains(QStringLiteral("take-off weight of 310229 lb")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("maximum take-off weight of 300000 lb")));
}

class MaxGrossWeight : public testing::Test {
protected:
    void SetUp() override { resolveInstallPaths(dir.path().string(), ""); }
    void aircraftFile(const char* folder, const std::string& weightAndBalance) {
        writeFile(dir.path() / "Aircraft" / folder / "Aircraft.cfg",
                  "[WEIGHT_AND_BALANCE]\r\n" + weightAndBalance);
    }
    TempDir dir;
};

TEST_F(MaxGrossWeight, IsReadFromThePrimaryFileAndIsNothingWhenUnusable) {
    aircraftFile("Korvanta TEV A332GE", "max_gross_weight = 507063.0 ; lb\r\n");
    aircraftFile("Korvanta TEV A333RR", "max_gross_weight = 507000\r\n"); // not the primary
    aircraftFile("Korvanta TEV A343CFM", "max_gross_weight = heavy\r\n");
    aircraftFile("Korvanta TEV A346RR", "max_gross_weight = 0\r\n");
    EXPECT_EQ(fuel::maxGrossWeightLb(kA330_200), 507063.0);
    EXPECT_EQ(fuel::maxGrossWeightLb(kA330_300), std::nullopt);
    EXPECT_EQ(fuel::maxGrossWeightLb(kA340_300), std::nullopt);
    EXPECT_EQ(fuel::maxGrossWeightLb(kA340_600), std::nullopt);
}

TEST_F(MaxGrossWeight, FuelCommandChecksTheInstalledAircraft) {
    aircraftFile("Korvanta TEV A332GE", "max_gross_weight=\"440000\"\r\n"); // 199584 kg
    const auto run = [](const char* line) {
        QString text, errors;
        QTextStream out(&text), err(&errors);
        EXPECT_EQ(runFuelCommand(QString::fromLatin1(line).split(QLatin1Char(' ')), out, err), 0);
        out.flush();
        return text;
    };
    const QJsonObject json =
        QJsonDocument::fromJson(run("--aircraft A330-200 --distance 3000 --altitude 35000 "
                                    "--zfw 170000 --json")
                                    .toUtf8())
            .object();
    EXPECT_EQ(json.value(QStringLiteral("takeoff_weight")), QJsonValue(219295));
    EXPECT_EQ(json.value(QStringLiteral("max_takeoff_weight")), QJsonValue(199584));
    EXPECT_EQ(json.value(QStringLiteral("takeoff_weight_warning")), QJsonValue(true));

    const QString text = run("--aircraft A330-200 --distance 3000 --altitude 35000 --zfw 170000");
    EXPECT_TRUE(text.contains(QStringLiteral("TOW             219295 kg\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("LW              173299 kg\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Max TOW         199584 kg\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("The take-off weight of 219295 kg is above\n")));
}

} // namespace
