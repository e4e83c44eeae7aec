#include "configurator/fuel/flightplanimport.h"
#include "configurator/fuel/fuelunits.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <string>

namespace {

QString fixture(const char* name) {
    return QStringLiteral(VOLARO_TEST_DATA_DIR "/fixtures/") + QLatin1String(name);
}

fuel::FlightPlanImport readText(const char* xml, const char* chosen = "A330-200") {
    QByteArray bytes(xml);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return fuel::readFlightPlan(buffer, chosen ? aircraftNamed(chosen) : nullptr);
}

// A whole plan in kilograms for the A330-200, with elements replaced
// (element name, what replaces it and its content).
std::string planText(std::initializer_list<std::pair<std::string, std::string>> changes = {}) {
    std::string xml = "<OFP><params><units>kgs</units></params>"
                      "<general><costindex>50</costindex><initial_altitude>35000</initial_altitude>"
                      "<air_distance>3000</air_distance><route_distance>2950</route_distance>"
                      "</general><aircraft><icaocode>A332</icaocode></aircraft>"
                      "<fuel><taxi>200</taxi></fuel><weights><est_zfw>170000</est_zfw></weights>"
                      "</OFP>";
    for (const auto& [element, replacement] : changes) {
        const std::string close = "</" + element + ">";
        const auto from = xml.find("<" + element + ">");
        const auto to = xml.find(close, from) + close.size();
        xml.replace(from, to - from, replacement);
    }
    return xml;
}

TEST(FlightPlanImport, PlanInKilogramsGivesItsFigures) {
    const fuel::FlightPlanImport plan =
        fuel::readFlightPlanFile(fixture("ofp-a332-kgs.xml"), aircraftNamed("A330-200"));
    ASSERT_TRUE(plan.flight) << plan.error.toStdString();
    const fuel::ImportedFlight& f = *plan.flight;
    EXPECT_STREQ(f.aircraft->designation, "A330-200");
    // The air distance of the flight, not the route's nor the alternate's.
    EXPECT_EQ(f.distance, 3000);
    EXPECT_EQ(f.altitude, 35000);
    EXPECT_EQ(f.costIndex, 50);
    EXPECT_EQ(f.zeroFuelWeight.kilograms, 170000);
    EXPECT_EQ(f.taxiFuel.kilograms, 200); // not the alternate's <fuel><taxi>
    EXPECT_EQ(f.zeroFuelWeight.unit, WeightUnit::Kilograms);
}

TEST(FlightPlanImport, PlanInPoundsBecomesKilogramsAsTypedPoundsDo) {
    // No aircraft chosen: the plan's own type is taken.
    const fuel::FlightPlanImport plan =
        fuel::readFlightPlanFile(fixture("ofp-a346-lbs.xml"), nullptr);
    ASSERT_TRUE(plan.flight) << plan.error.toStdString();
    const fuel::ImportedFlight& f = *plan.flight;
    EXPECT_STREQ(f.aircraft->designation, "A340-600");
    EXPECT_EQ(f.distance, 5600);
    EXPECT_EQ(f.costIndex, 80); // never converted
    EXPECT_EQ(f.zeroFuelWeight.asWritten, 551155);
    EXPECT_EQ(f.zeroFuelWeight.kilograms, 250003);
    EXPECT_EQ(f.taxiFuel.kilograms, 299);
}

// Whatever the plan's unit and the field's, Validate reads the plan's kilograms.
TEST(FlightPlanImport, WeightForAFieldReadsBackAsThePlansKilograms) {
    const struct {
        fuel::PlanWeight weight;
        WeightUnit unitFactor;
        std::int32_t shown;
    } cases[] = {
        {{170000, 170000, WeightUnit::Kilograms}, WeightUnit::Kilograms, 170000},
        {{170000, 170000, WeightUnit::Kilograms},
         WeightUnit::Pounds,
         374780}, // 374779 lb reads 169999 kg
        {{250003, 551155, WeightUnit::Pounds}, WeightUnit::Pounds, 551155}, // as the plan writes it
        {{250003, 551155, WeightUnit::Pounds}, WeightUnit::Kilograms, 250003},
        {{0, 0, WeightUnit::Kilograms}, WeightUnit::Pounds, 0},
    };
    for (const auto& c : cases) {
        const std::int32_t shown = c.weight.inUnit(c.unitFactor);
        EXPECT_EQ(shown, c.shown) << c.weight.kilograms;
        EXPECT_EQ(fuel::toKilograms(shown, c.unitFactor), c.weight.kilograms);
    }
}

TEST(FlightPlanImport, RouteDistanceServesWhenThereIsNoAirDistanceAndDecimalsRound) {
    const fuel::FlightPlanImport plan = readText(planText({{"air_distance", ""}}).c_str());
    ASSERT_TRUE(plan.flight) << plan.error.toStdString();
    EXPECT_EQ(plan.flight->distance, 2950);

    const fuel::FlightPlanImport decimal =
        readText(planText({{"est_zfw", "<est_zfw> 170000.5 </est_zfw>"}}).c_str());
    ASSERT_TRUE(decimal.flight) << decimal.error.toStdString();
    EXPECT_EQ(decimal.flight->zeroFuelWeight.kilograms, 170001);
}

// Every refusal names what is wrong, so the user can mend the plan.
TEST(FlightPlanImport, PlansThatCannotBeUsedAreRefusedNamingWhy) {
    const struct {
        const char* name;
        std::string xml;
        const char* chosen;
        const char* error;
    } cases[] = {
        {"another type", planText({{"icaocode", "<icaocode>A346</icaocode>"}}), "A330-200",
         "it is for the A340-600 (A346), not for the A330-200 chosen"},
        {"not one of ours",
         planText({{"icaocode", "<icaocode>B738</icaocode><name>737-800</name>"}}), nullptr,
         "it is for a B738 (737-800), which is not an A330-200, A330-300"},
        {"no taxi fuel", planText({{"fuel", ""}}), "A330-200",
         "it has no <fuel><taxi> (taxi fuel)"},
        {"no distance", planText({{"general", "<general><costindex>50</costindex></general>"}}),
         "A330-200",
         "it has no <general><air_distance> or <general><route_distance> (flying distance) and "
         "<general><initial_altitude> (cruising altitude)"},
        {"empty element", planText({{"est_zfw", "<est_zfw/>"}}), "A330-200",
         "it has no <weights><est_zfw> (zero fuel weight)"},
        {"unknown unit", planText({{"units", "<units>tonnes</units>"}}), "A330-200",
         "its <params><units> (the unit of its weights) is \"tonnes\", not kgs or lbs"},
        {"negative cost index", planText({{"costindex", "<costindex>-1</costindex>"}}), "A330-200",
         "its <general><costindex> (cost index) of -1 is outside what the fuel planner accepts "
         "(0 to 99999999)"},
        {"altitude too high",
         planText({{"initial_altitude", "<initial_altitude>123456789</initial_altitude>"}}),
         "A330-200", "(cruising altitude) of 123456789 ft is outside"},
        {"negative taxi", planText({{"taxi", "<taxi>-5</taxi>"}}), "A330-200",
         "(taxi fuel) of -5 kg is outside what the fuel planner accepts (0 to 99999999 kg)"},
        {"not a number", planText({{"air_distance", "<air_distance>far</air_distance>"}}),
         "A330-200", "its <general><air_distance> (flying distance) is \"far\", not a number"},
        {"a pound is no kilogram",
         planText({{"units", "<units>LBS</units>"}, {"est_zfw", "<est_zfw>2</est_zfw>"}}),
         "A330-200", "(zero fuel weight) of 2 lb is below 1 kg"},
        {"other root", "<html><body>OFP</body></html>", "A330-200",
         "it is not a flight plan: its first element is <html>, not <OFP>"},
        {"cut short", planText().substr(0, planText().size() - 16), // no </weights></OFP>
         "A330-200", "it is not well-formed XML (line 1, column"},
        {"empty file", "", "A330-200", "it is not well-formed XML"},
    };
    for (const auto& c : cases) {
        const fuel::FlightPlanImport plan = readText(c.xml.c_str(), c.chosen);
        EXPECT_FALSE(plan.flight) << c.name;
        EXPECT_TRUE(plan.error.contains(QLatin1String(c.error)))
            << c.name << ": " << plan.error.toStdString();
    }
}

TEST(FlightPlanImport, FilesThatAreNoPlanOrLackTheWeightAreRefused) {
    const auto* a330 = aircraftNamed("A330-200");
    EXPECT_TRUE(fuel::readFlightPlanFile(fixture("ofp-not-xml.txt"), a330)
                    .error.startsWith(QStringLiteral("it is not well-formed XML (line 1, column")));
    EXPECT_EQ(fuel::readFlightPlanFile(fixture("ofp-missing-zfw.xml"), a330).error,
              QStringLiteral("it has no <weights><est_zfw> (zero fuel weight)"));
    EXPECT_EQ(fuel::readFlightPlanFile(fixture("ofp-a346-lbs.xml"), a330).error,
              QStringLiteral("it is for the A340-600 (A346), not for the A330-200 chosen"));
    EXPECT_TRUE(fuel::readFlightPlanFile(fixture("no-such-plan.xml"), a330)
                    .error.startsWith(QStringLiteral("it cannot be opened: ")));
}

// Cost index 0 (the longest range) is a cost index like any other.
TEST(FlightPlanImport, CostIndexZeroIsTaken) {
    const fuel::FlightPlanImport plan =
        readText(planText({{"costindex", "<costindex>0</costindex>"}}).c_str());
    ASSERT_TRUE(plan.flight) << plan.error.toStdString();
    EXPECT_EQ(plan.flight->costIndex, 0);
}

} // namespace
