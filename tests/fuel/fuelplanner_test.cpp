#include "common/ui/coloredit.h"
#include "common/ui/filedialog.h"
#include "common/ui/messagebox.h"
#include "configurator/app/fuelplannertool.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/fuel/fuelscreenshots.h"
#include "configurator/res/shellart.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

using P = CFuelPlanner;

class FuelPlannerTest : public testing::Test {
protected:
    void SetUp() override {}
    void TearDown() override {
        CurrentAircraft = kNoAircraft;
        for (std::int32_t& zfw : AircraftZfw)
            zfw = 0;
    }

    static void choose(std::int32_t aircraft, std::int32_t rememberedZfw = 0) {
        CurrentAircraft = aircraft;
        AircraftZfw[aircraft - kFirstAircraft] = rememberedZfw;
    }

    static std::string text(const CFuelPlanner& planner, int id) {
        if (auto* label = planner.control<QLabel>(id))
            return label->text().toStdString();
        return planner.field(id)->text().toStdString();
    }

    static void type(CFuelPlanner& planner, int id, const char* value) {
        planner.field(id)->setText(QString::fromLatin1(value));
    }

    // Every text of the window by control id.
    static std::map<int, std::string> snapshot(const CFuelPlanner& planner) {
        std::map<int, std::string> texts;
        for (int id = P::kDistance; id <= P::kTrim; ++id) {
            if (planner.control<QLineEdit>(id) || planner.control<QLabel>(id))
                texts[id] = text(planner, id);
        }
        return texts;
    }

    // The first worked example: A330-200, 3000 NM, 35000 ft, 170000 kg.
    static void planExample(CFuelPlanner& planner) {
        type(planner, P::kDistance, "3000");
        type(planner, P::kAltitude, "35000");
        planner.sendCommand(P::kValidate);
    }

    ui::MessageRecorder messages;
};

TEST_F(FuelPlannerTest, OpensWithDefaultsInKilograms) {
    choose(kA330_300);
    CFuelPlanner planner;
    EXPECT_EQ(planner.windowTitle(), QStringLiteral("Fuel Planner"));
    EXPECT_EQ(text(planner, P::kCostIndex), "50");
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), "");
    EXPECT_EQ(text(planner, P::kTaxiFuel), "200");
    EXPECT_EQ(text(planner, P::kRouteReserve), "5");
    EXPECT_EQ(text(planner, P::kFinalFuel), "1000");
    for (int id : {P::kDistance, P::kAltitude, P::kTripFuel, P::kBlockFuel, P::kInnerLeft,
                   P::kCenter, P::kTrim})
        EXPECT_EQ(text(planner, id), "") << id;
    EXPECT_TRUE(planner.isChecked(P::kMetric));
    EXPECT_FALSE(planner.isChecked(P::kImperial));
    EXPECT_EQ(planner.unit(), WeightUnit::Kilograms);
    EXPECT_EQ(text(planner, P::kZfwUnit), "kg");
    EXPECT_EQ(text(planner, P::kCostIndexUnit), "kg/min");
    EXPECT_TRUE(planner.control<QPushButton>(P::kValidate)->isDefault());
    EXPECT_TRUE(planner.field(P::kTripFuel)->isReadOnly());
    EXPECT_FALSE(planner.field(P::kTripFuel)->focusPolicy() & Qt::TabFocus);

    const struct {
        int id;
        QColor background, text;
    } colors[] = {
        {P::kOuterLeft, {255, 255, 128}, Qt::black}, {P::kOuterRight, {255, 255, 128}, Qt::black},
        {P::kInnerLeft, {255, 200, 130}, Qt::black}, {P::kInnerRight, {255, 200, 130}, Qt::black},
        {P::kCenter, {192, 255, 192}, Qt::black},    {P::kTrim, {192, 255, 192}, Qt::black},
        {P::kBlockFuel, {0, 0, 150}, Qt::white},
    };
    for (const auto& c : colors) {
        const auto* field = planner.control<CColorEdit>(c.id);
        ASSERT_NE(field, nullptr) << c.id;
        EXPECT_EQ(field->backgroundColor(), c.background) << c.id;
        EXPECT_EQ(field->textColor(), c.text) << c.id;
        EXPECT_TRUE(field->isReadOnly()) << c.id;
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << c.id;
    }
}

TEST_F(FuelPlannerTest, BannerNamesTheChosenAircraftAndTheCaptionStays) {
    const auto banner = [](const CFuelPlanner& planner) {
        return planner.control<QLabel>(P::kBanner)->pixmap().toImage();
    };
    choose(kA330_200);
    CFuelPlanner a330;
    choose(kA340_600);
    CFuelPlanner a340;
    EXPECT_EQ(banner(a330), QPixmap::fromImage(art::fuelPlannerBanner(kA330_200)).toImage());
    EXPECT_NE(banner(a330), banner(a340));
    EXPECT_EQ(a340.windowTitle(), QStringLiteral("Fuel Planner"));
}

TEST_F(FuelPlannerTest, StartsWithTheZeroFuelWeightTheLoadManagerConfirmed) {
    choose(kA330_300, 170000);
    AircraftZfw[kA330_200 - kFirstAircraft] = 150000; // another aircraft's
    CFuelPlanner planner;
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), "170000");
}

TEST_F(FuelPlannerTest, InputFieldsTakeDigitsOnly) {
    choose(kA330_200);
    CFuelPlanner planner;
    QLineEdit* distance = planner.field(P::kDistance);
    for (QChar c : QStringLiteral("12a-3 .4")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(distance, &press);
    }
    EXPECT_EQ(distance->text(), QStringLiteral("1234"));
    EXPECT_EQ(distance->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(FuelPlannerTest, WorkedExampleFillsEveryResultField) {
    choose(kA330_200, 170000);
    CFuelPlanner planner;
    planExample(planner);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(text(planner, P::kTripFuel), "45996");
    EXPECT_EQ(text(planner, P::kBlockFuel), "49495");
    EXPECT_EQ(text(planner, P::kInnerLeft), "24747 (73.3%)");
    EXPECT_EQ(text(planner, P::kInnerRight), "24747 (73.3%)");
    for (int id : {P::kOuterLeft, P::kOuterRight, P::kCenter, P::kTrim})
        EXPECT_EQ(text(planner, id), "0 (0.0%)") << id;
}

TEST_F(FuelPlannerTest, EnterInAFieldValidates) {
    choose(kA330_200, 170000);
    CFuelPlanner planner;
    planner.show();
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(planner.field(P::kAltitude), &enter);
    EXPECT_EQ(text(planner, P::kTripFuel), "45996");
}

// An edit clears the results, which no longer belong to the figures; the
// refused Validate then changes nothing.
TEST_F(FuelPlannerTest, MissingMandatoryFigureRefusesAndChangesNothing) {
    const struct {
        const char* name;
        int id;
        const char* value;
    } cases[] = {
        {"distance empty", P::kDistance, ""},
        {"altitude empty", P::kAltitude, ""},
        {"altitude zero", P::kAltitude, "0"},
        {"cost index empty", P::kCostIndex, ""},
        {"zero fuel weight empty", P::kZeroFuelWeight, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        choose(kA330_200, 170000);
        CFuelPlanner planner;
        planExample(planner);
        type(planner, c.id, c.value);
        EXPECT_EQ(text(planner, P::kTripFuel), "");
        EXPECT_EQ(text(planner, P::kInnerLeft), "");
        EXPECT_FALSE(planner.resultsShown());
        const auto before = snapshot(planner);
        messages.clear();
        planner.sendCommand(P::kValidate);
        ASSERT_EQ(messages.messages().size(), 1u);
        const ui::Message& m = messages.messages()[0];
        EXPECT_EQ(m.text, QStringLiteral("All the mandatory fields must be filled."));
        EXPECT_EQ(m.caption, QStringLiteral("ERROR"));
        EXPECT_EQ(m.icon, ui::MessageIcon::Error);
        EXPECT_EQ(m.owner, &planner);
        EXPECT_EQ(snapshot(planner), before);
    }
}

TEST_F(FuelPlannerTest, OneOrTwoPoundsOfZeroFuelWeightCountAsEmpty) {
    choose(kA330_200);
    CFuelPlanner planner;
    planner.sendCommand(P::kImperial);
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000");
    type(planner, P::kZeroFuelWeight, "2");
    planner.sendCommand(P::kValidate);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_EQ(text(planner, P::kTripFuel), "");
}

// The unit shows the figures: back in kilograms every figure entered or
// computed is the one it was, however often the unit is switched.
TEST_F(FuelPlannerTest, PoundsAndBackShowTheSameFiguresAndReRenderTheTanks) {
    choose(kA330_200, 170000);
    CFuelPlanner planner;
    planExample(planner);

    planner.control<QRadioButton>(P::kImperial)->click();
    EXPECT_EQ(planner.unit(), WeightUnit::Pounds);
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), "374779");
    EXPECT_EQ(text(planner, P::kTaxiFuel), "440");
    EXPECT_EQ(text(planner, P::kFinalFuel), "2204");
    EXPECT_EQ(text(planner, P::kTripFuel), "101402");
    EXPECT_EQ(text(planner, P::kBlockFuel), "109115");
    EXPECT_EQ(text(planner, P::kInnerLeft), "54556 (73.3%)");
    EXPECT_EQ(text(planner, P::kInnerRight), "54556 (73.3%)");
    EXPECT_EQ(text(planner, P::kOuterLeft), "0 (0.0%)");
    for (int id : {P::kZfwUnit, P::kTaxiUnit, P::kTripUnit, P::kFinalUnit, P::kBlockUnit})
        EXPECT_EQ(text(planner, id), "lb") << id;
    EXPECT_EQ(text(planner, P::kCostIndexUnit), "100lb/h");
    // Untouched by the unit.
    EXPECT_EQ(text(planner, P::kDistance), "3000");
    EXPECT_EQ(text(planner, P::kAltitude), "35000");
    EXPECT_EQ(text(planner, P::kCostIndex), "50");
    EXPECT_EQ(text(planner, P::kRouteReserve), "5");

    for (int trip = 0; trip < 4; ++trip) {
        planner.control<QRadioButton>(P::kMetric)->click();
        planner.control<QRadioButton>(P::kImperial)->click();
    }
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), "374779");
    EXPECT_EQ(text(planner, P::kBlockFuel), "109115");
    planner.control<QRadioButton>(P::kMetric)->click();
    EXPECT_EQ(planner.unit(), WeightUnit::Kilograms);
    EXPECT_EQ(text(planner, P::kZeroFuelWeight), "170000");
    EXPECT_EQ(text(planner, P::kTaxiFuel), "200");
    EXPECT_EQ(text(planner, P::kFinalFuel), "1000");
    EXPECT_EQ(text(planner, P::kTripFuel), "45996");
    EXPECT_EQ(text(planner, P::kBlockFuel), "49495");
    EXPECT_EQ(text(planner, P::kInnerLeft), "24747 (73.3%)");
    planner.sendCommand(P::kValidate);
    EXPECT_EQ(text(planner, P::kBlockFuel), "49495");
    EXPECT_EQ(text(planner, P::kZfwUnit), "kg");
    EXPECT_EQ(text(planner, P::kCostIndexUnit), "kg/min");
}

TEST_F(FuelPlannerTest, PoundsTypedAreReadAsKilograms) {
    choose(kA330_200);
    CFuelPlanner planner;
    planner.sendCommand(P::kImperial);
    type(planner, P::kDistance, "3000");
    type(planner, P::kAltitude, "35000");
    type(planner, P::kZeroFuelWeight, "374786"); // 170000 kg and a few grams
    type(planner, P::kTaxiFuel, "441");          // 200 kg
    type(planner, P::kFinalFuel, "2205");        // 1000 kg
    planner.sendCommand(P::kValidate);
    planner.sendCommand(P::kMetric);
    EXPECT_EQ(text(planner, P::kInnerLeft), "24747 (73.3%)");
}

TEST_F(FuelPlannerTest, AircraftWithoutCentreTankShowsDashesAcrossUnitSwitches) {
    choose(kA330_300, 170000);
    CFuelPlanner planner;
    planner.sendCommand(P::kImperial); // before any plan: no results
    EXPECT_EQ(text(planner, P::kInnerLeft), "");
    EXPECT_EQ(text(planner, P::kTrim), "");
    EXPECT_EQ(text(planner, P::kCenter), "");
    planner.sendCommand(P::kMetric);
    planExample(planner);
    EXPECT_EQ(text(planner, P::kCenter), "---");
    EXPECT_EQ(text(planner, P::kTrim), "0 (0.0%)");
    planner.sendCommand(P::kImperial);
    EXPECT_EQ(text(planner, P::kCenter), "---");
    planner.sendCommand(P::kMetric);
    EXPECT_EQ(text(planner, P::kCenter), "---");
}

TEST_F(FuelPlannerTest, ClickingTheUnitInForceChangesNothing) {
    choose(kA330_200, 170000);
    CFuelPlanner planner;
    planExample(planner);
    type(planner, P::kTripFuel, "123"); // would be converted by a real switch
    const auto before = snapshot(planner);
    planner.control<QRadioButton>(P::kMetric)->click();
    EXPECT_EQ(snapshot(planner), before);
    EXPECT_TRUE(planner.isChecked(P::kMetric));
}

TEST_F(FuelPlannerTest, NoReserveTaxiOrFinalGivesTheTripFuelAsFob) {
    choose(kA340_600, 250000);
    CFuelPlanner planner;
    type(planner, P::kDistance, "4200");
    type(planner, P::kAltitude, "37000");
    type(planner, P::kTaxiFuel, "");
    type(planner, P::kFinalFuel, "");
    type(planner, P::kRouteReserve, "0");
    planner.sendCommand(P::kValidate);
    EXPECT_FALSE(text(planner, P::kTripFuel).empty());
    EXPECT_EQ(text(planner, P::kBlockFuel), text(planner, P::kTripFuel));
}

TEST_F(FuelPlannerTest, FuelBeyondTheTanksWarnsAfterShowingThePlan) {
    choose(kA330_300, 170000);
    CFuelPlanner planner;
    type(planner, P::kDistance, "7000");
    type(planner, P::kAltitude, "35000");
    planner.sendCommand(P::kValidate);
    ASSERT_EQ(messages.messages().size(), 1u);
    const ui::Message& m = messages.messages()[0];
    EXPECT_TRUE(m.text.startsWith(
        QStringLiteral("Warning.\nThis fuel quantity may be too low for this trip.")))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QStringLiteral(" kg do not fit in the tanks)")))
        << m.text.toStdString();
    EXPECT_EQ(m.caption, QStringLiteral("Fuel Capacity Warning"));
    EXPECT_EQ(m.icon, ui::MessageIcon::Information);
    EXPECT_EQ(m.owner, &planner);
    EXPECT_EQ(text(planner, P::kInnerLeft), "33571 (100.0%)");
    EXPECT_EQ(text(planner, P::kOuterLeft), "2965 (100.0%)");
    EXPECT_EQ(text(planner, P::kCenter), "---");
    EXPECT_EQ(text(planner, P::kTrim), "4918 (100.0%)");
}

TEST_F(FuelPlannerTest, DistanceTooShortForTheAltitudeWarnsAfterShowingTheFigures) {
    choose(kA340_600, 250000);
    CFuelPlanner planner;
    type(planner, P::kDistance, "50");
    type(planner, P::kAltitude, "39000");
    planner.sendCommand(P::kValidate);
    EXPECT_EQ(text(planner, P::kTripFuel), "-274");
    ASSERT_EQ(messages.messages().size(), 1u);
    const ui::Message& m = messages.messages()[0];
    EXPECT_EQ(m.caption, QStringLiteral("WARNING"));
    EXPECT_EQ(m.icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(m.owner, &planner);
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("The flying distance of 50 NM is too short\n"
                                                 "for a cruising altitude of 39000 ft:\n"
                                                 "the climb and the descent alone take about ")))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.endsWith(QStringLiteral(" NM.\nThis fuel plan is not valid.")));

    // A distance the climb and descent fit in plans without a word.
    messages.clear();
    type(planner, P::kDistance, "600");
    planner.sendCommand(P::kValidate);
    EXPECT_TRUE(messages.messages().empty());
}

QString ofpFixture(const char* name) {
    return QStringLiteral(VOLARO_TEST_DATA_DIR "/fixtures/") + QLatin1String(name);
}

// The plan's figures land in the fields in the unit shown, so that Validate
// computes the plan the command line computes from the same file.
TEST_F(FuelPlannerTest, ImportedPlanFillsTheFlightAndValidatesToItsKilograms) {
    struct Fields {
        const char *distance, *costIndex, *zfw, *taxi;
    };
    const struct {
        std::int32_t aircraft;
        const char* fixture;
        bool pounds;
        Fields shown;
        fuel::FuelPlanInput kilograms;
    } cases[] = {
        {kA330_200,
         "ofp-a332-kgs.xml",
         false,
         {"3000", "50", "170000", "200"},
         {3000, 35000, 50, 170000, 200, 5, 1000}},
        // The final fuel, not in the plan, stays the 1000 kg of the default.
        {kA330_200,
         "ofp-a332-kgs.xml",
         true,
         {"3000", "50", "374780", "441"},
         {3000, 35000, 50, 170000, 200, 5, 1000}},
        {kA340_600,
         "ofp-a346-lbs.xml",
         false,
         {"5600", "80", "250003", "299"},
         {5600, 37000, 80, 250003, 299, 5, 1000}},
        {kA340_600,
         "ofp-a346-lbs.xml",
         true,
         {"5600", "80", "551155", "661"},
         {5600, 37000, 80, 250003, 299, 5, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fixture) + (c.pounds ? " in lb" : " in kg"));
        choose(c.aircraft);
        CFuelPlanner planner;
        if (c.pounds) {
            planner.setChecked(P::kImperial, true);
            planner.sendCommand(P::kImperial);
        }
        ui::FileDialogRecorder files(ofpFixture(c.fixture));
        planner.control<QPushButton>(P::kImportOfp)->click();
        ASSERT_EQ(files.requests().size(), 1u);
        EXPECT_EQ(files.requests()[0].owner, &planner);
        EXPECT_EQ(files.requests()[0].mode, ui::FileDialogMode::Open);
        EXPECT_TRUE(files.requests()[0].filter.contains(QStringLiteral("*.xml")));
        EXPECT_EQ(text(planner, P::kDistance), c.shown.distance);
        EXPECT_EQ(text(planner, P::kCostIndex), c.shown.costIndex);
        EXPECT_EQ(text(planner, P::kZeroFuelWeight), c.shown.zfw);
        EXPECT_EQ(text(planner, P::kTaxiFuel), c.shown.taxi);
        EXPECT_EQ(text(planner, P::kRouteReserve), "5"); // not in the plan: left alone

        planner.sendCommand(P::kValidate);
        const fuel::FuelPlan expected = fuel::PlanFuel(*aircraftOfCode(c.aircraft), c.kilograms);
        EXPECT_EQ(text(planner, P::kBlockFuel),
                  std::to_string(fuel::toDisplayUnit(expected.blockFuel, planner.unit())));
        EXPECT_TRUE(messages.messages().empty());
    }
}

// The results of the previous plan never stay beside the imported figures.
TEST_F(FuelPlannerTest, ImportClearsTheResultsOfThePreviousPlan) {
    choose(kA330_200, 160000);
    CFuelPlanner planner;
    planExample(planner);
    ASSERT_EQ(text(planner, P::kTripFuel), "45750"); // for 160000 kg
    ui::FileDialogRecorder files(ofpFixture("ofp-a332-kgs.xml"));
    planner.control<QPushButton>(P::kImportOfp)->click();
    EXPECT_FALSE(planner.resultsShown());
    for (int id :
         {P::kTripFuel, P::kBlockFuel, P::kInnerLeft, P::kTakeoffWeight, P::kLandingWeight})
        EXPECT_EQ(text(planner, id), "") << id;
    planner.sendCommand(P::kValidate);
    EXPECT_TRUE(planner.resultsShown());
    EXPECT_EQ(text(planner, P::kTripFuel), "45996");
}

TEST_F(FuelPlannerTest, PlanThatCannotBeImportedChangesNoFieldAndSaysWhy) {
    const struct {
        const char* fixture;
        const char* reason;
    } cases[] = {
        {"ofp-a346-lbs.xml", "it is for the A340-600 (A346), not for the A330-200 chosen"},
        {"ofp-missing-zfw.xml", "it has no <weights><est_zfw> (zero fuel weight)"},
        {"ofp-not-xml.txt", "it is not well-formed XML"},
    };
    choose(kA330_200, 150000);
    CFuelPlanner planner;
    planExample(planner);
    type(planner, P::kDistance, "2500");
    const auto before = snapshot(planner);
    for (const auto& c : cases) {
        messages.clear();
        ui::FileDialogRecorder files(ofpFixture(c.fixture));
        planner.sendCommand(P::kImportOfp);
        EXPECT_EQ(snapshot(planner), before) << c.fixture;
        ASSERT_EQ(messages.messages().size(), 1u) << c.fixture;
        const ui::Message& message = messages.messages()[0];
        EXPECT_EQ(message.caption, QStringLiteral("ERROR"));
        EXPECT_EQ(message.icon, ui::MessageIcon::Error);
        EXPECT_EQ(message.owner, &planner);
        EXPECT_TRUE(message.text.contains(QLatin1String(c.reason))) << message.text.toStdString();
        EXPECT_TRUE(message.text.endsWith(QStringLiteral("No field was changed.")));
    }
    messages.clear();
    ui::FileDialogRecorder cancelled; // the user closes the dialog
    planner.sendCommand(P::kImportOfp);
    EXPECT_EQ(cancelled.requests().size(), 1u);
    EXPECT_EQ(snapshot(planner), before);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FuelPlannerTest, MenuRunsThePlannerModallyUntilClose) {
    choose(kA340_300);
    QTimer::singleShot(0, [] {
        auto* planner = qobject_cast<CFuelPlanner*>(QApplication::activeModalWidget());
        ASSERT_NE(planner, nullptr);
        planner->reject(); // Escape or the close box
    });
    runFuelPlanner(nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FuelPlannerTest, ScreenshotsShowComputedPlansAndLeaveTheSessionAlone) {
    choose(kA340_600, 123456);
    testing_support::TempDir dir;
    const QStringList files = saveFuelScreenshots(QString::fromStdString(dir.path().string()));
    EXPECT_EQ(files.size(), 3);
    EXPECT_TRUE(files.last().endsWith(QStringLiteral("fuel-planner-after-import.png")));
    for (const QString& file : files)
        EXPECT_TRUE(std::filesystem::file_size(file.toStdString()) > 1000);
    EXPECT_EQ(CurrentAircraft, kA340_600);
    EXPECT_EQ(AircraftZfw[kA340_600 - kFirstAircraft], 123456);
    EXPECT_EQ(AircraftZfw[kA330_200 - kFirstAircraft], 0);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FuelPlannerTest, TakeoffAndLandingWeightsShowAndFollowTheUnit) {
    choose(kA330_200, 170000);
    CFuelPlanner planner;
    EXPECT_EQ(text(planner, P::kTakeoffWeight), "");
    EXPECT_TRUE(planner.field(P::kTakeoffWeight)->isReadOnly());
    planExample(planner);
    EXPECT_EQ(text(planner, P::kTakeoffWeight), "219295"); // 170000 + 49495 - 200
    EXPECT_EQ(text(planner, P::kLandingWeight), "173299"); // less the trip 45996
    EXPECT_EQ(text(planner, P::kTakeoffUnit), "kg");
    planner.control<QRadioButton>(P::kImperial)->click();
    EXPECT_EQ(text(planner, P::kTakeoffWeight), "483454");
    EXPECT_EQ(text(planner, P::kLandingWeight), "382052");
    EXPECT_EQ(text(planner, P::kTakeoffUnit), "lb");
    EXPECT_EQ(text(planner, P::kLandingUnit), "lb");
    EXPECT_TRUE(messages.messages().empty()); // no aircraft.cfg: no check
}

TEST_F(FuelPlannerTest, TakeoffWeightAboveTheMaximumWarnsAfterTheCapacityWarning) {
    testing_support::TempDir sim;
    resolveInstallPaths(sim.path().string(), "");
    testing_support::writeFile(sim.path() / "Aircraft" / "Korvanta TEV A333GE" / "Aircraft.cfg",
                               "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight=440000\r\n");
    choose(kA330_300, 170000);
    CFuelPlanner planner;
    type(planner, P::kDistance, "7000");
    type(planner, P::kAltitude, "35000");
    planner.sendCommand(P::kValidate);
    EXPECT_EQ(text(planner, P::kTakeoffUnit), "max 199584 kg"); // 440000 lb
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Fuel Capacity Warning"));
    const ui::Message& m = messages.messages()[1];
    EXPECT_EQ(m.caption, QStringLiteral("WARNING"));
    EXPECT_EQ(m.icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(m.owner, &planner);
    const QString tow = QString::fromStdString(text(planner, P::kTakeoffWeight));
    EXPECT_TRUE(m.text.contains(QStringLiteral("take-off weight of %1 kg").arg(tow)))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QStringLiteral("maximum take-off weight of 199584 kg")));

    messages.clear();
    planner.control<QRadioButton>(P::kImperial)->click();
    EXPECT_EQ(text(planner, P::kTakeoffUnit), "max 440000 lb");
    planner.sendCommand(P::kValidate);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_TRUE(messages.messages()[1].text.contains(
        QStringLiteral("maximum take-off weight of 440000 lb")));

    // Within the maximum: no word about it.
    messages.clear();
    planner.control<QRadioButton>(P::kMetric)->click();
    type(planner, P::kDistance, "1000");
    planner.sendCommand(P::kValidate);
    EXPECT_TRUE(messages.messages().empty());
    resolveInstallPaths(std::string(), "");
}

} // namespace
