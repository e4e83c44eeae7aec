#include "common/ui/messagebox.h"
#include "configurator/app/aircraftselector.h"
#include "configurator/app/mainmenu.h"
#include "configurator/prefs/configurationdialog.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// What the fake tools saw.
struct Log {
    int selectorRuns = 0;
    std::vector<int> created; // codes given to the load manager factory
    int execs = 0;
    int saves = 0;
    int fuelPlannerRuns = 0;
    std::int32_t aircraftDuringFuelPlanner = -1;
    profile::WriteResult saveResult; // what every save answers
};

class FakeLoadManager final : public LoadManagerTool {
public:
    FakeLoadManager(Log& log, bool installed, int result, std::int32_t zfw)
        : log_(log)
        , installed_(installed)
        , result_(result)
        , zfw_(zfw) {}
    bool isInstalled() const override { return installed_; }
    int exec(QWidget*) override {
        ++log_.execs;
        LastZfw = zfw_;
        return result_;
    }
    profile::WriteResult save() override {
        ++log_.saves;
        return log_.saveResult;
    }

private:
    Log& log_;
    bool installed_;
    int result_;
    std::int32_t zfw_;
};

class MainMenu : public testing::Test {
protected:
    MainMenu() {
        CurrentAircraft = kNoAircraft;
        LastZfw = 0;
        std::fill(std::begin(AircraftZfw), std::end(AircraftZfw), 0);
    }

    // Tools that record their use; the selector picks `choices` one per run
    // (0: closed without a choice).
    MenuTools fakeTools(std::vector<std::int32_t> choices, bool installed = true, int result = 1,
                        std::int32_t zfw = 0) {
        MenuTools tools;
        tools.configuration = [this](QWidget*) { return configurationResult_; };
        tools.selectAircraft = [this, choices](QWidget*) {
            CurrentAircraft = choices.at(static_cast<std::size_t>(log_.selectorRuns++));
        };
        tools.loadManager = [=, this](int code) -> std::unique_ptr<LoadManagerTool> {
            log_.created.push_back(code);
            return std::make_unique<FakeLoadManager>(log_, installed, result, zfw);
        };
        tools.fuelPlanner = [this](QWidget*) {
            ++log_.fuelPlannerRuns;
            log_.aircraftDuringFuelPlanner = CurrentAircraft;
        };
        tools.keyAssignments = [](QWidget*) {};
        return tools;
    }

    Log log_;
    int configurationResult_ = 1;
    ui::MessageRecorder messages_;
};

const QString kNotInstalled =
    QStringLiteral("Sorry, this aircraft is not installed on your system");

TEST_F(MainMenu, SelectorReopensUntilAnAircraftIsChosen) {
    CMainMenuDlg menu(fakeTools({0, 0, kA330_300}));
    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(log_.selectorRuns, 3);
    EXPECT_EQ(log_.created, std::vector<int>{kA330_300});
    EXPECT_EQ(log_.execs, 0); // only asked whether installed
    EXPECT_EQ(log_.fuelPlannerRuns, 1);
    EXPECT_EQ(log_.aircraftDuringFuelPlanner, kA330_300);
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
    EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(MainMenu, NotInstalledAircraftIsRefusedAndTheChoiceCleared) {
    for (int button : {CMainMenuDlg::kLoadManager, CMainMenuDlg::kFuelPlanner}) {
        messages_.clear();
        CMainMenuDlg menu(fakeTools({kA340_300}, /*installed=*/false));
        menu.sendCommand(button);
        ASSERT_EQ(messages_.messages().size(), 1u) << button;
        const ui::Message& message = messages_.messages()[0];
        EXPECT_EQ(message.text, kNotInstalled);
        EXPECT_EQ(message.caption, QStringLiteral("ERROR"));
        EXPECT_EQ(message.icon, ui::MessageIcon::Exclamation);
        EXPECT_EQ(message.owner, &menu);
        EXPECT_EQ(CurrentAircraft, kNoAircraft);
        log_.selectorRuns = 0;
    }
    EXPECT_EQ(log_.execs, 0);
    EXPECT_EQ(log_.fuelPlannerRuns, 0);
}

TEST_F(MainMenu, LoadManagerOkSavesAndRemembersTheZeroFuelWeight) {
    CMainMenuDlg menu(fakeTools({kA330_300}, true, 1, 171234));
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    EXPECT_EQ(log_.execs, 1);
    EXPECT_EQ(log_.saves, 1);
    EXPECT_EQ(AircraftZfw[kA330_300 - kFirstAircraft], 171234);
    EXPECT_EQ(AircraftZfw[kA330_200 - kFirstAircraft], 0);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text,
              QStringLiteral("The new payload has been saved in the aircraft file "
                             "(aircraft.cfg).\nIt will be taken into account next time the "
                             "aircraft is loaded in FS."));
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(messages_.messages()[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
}

TEST_F(MainMenu, FailedPayloadSaveIsReportedAndNothingIsHandedOn) {
    log_.saveResult = {false, "/sim/Aircraft/Korvanta TEV A333RR/aircraft.cfg", "Disk full"};
    CMainMenuDlg menu(fakeTools({kA330_300}, true, 1, 171234));
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    EXPECT_EQ(log_.saves, 1);
    EXPECT_EQ(AircraftZfw[kA330_300 - kFirstAircraft], 0);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text,
              QStringLiteral("The new payload could not be saved in the file\n"
                             "/sim/Aircraft/Korvanta TEV A333RR/aircraft.cfg\n(Disk full).\n"
                             "That file has been left as it was."));
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_EQ(messages_.messages()[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
}

TEST_F(MainMenu, LoadManagerCancelKeepsTheRememberedWeight) {
    AircraftZfw[kA340_600 - kFirstAircraft] = 200000;
    CMainMenuDlg menu(fakeTools({kA340_600}, true, 2, 123));
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    EXPECT_EQ(log_.execs, 1);
    EXPECT_EQ(log_.saves, 0);
    EXPECT_EQ(AircraftZfw[kA340_600 - kFirstAircraft], 200000);
    EXPECT_TRUE(messages_.messages().empty());
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
}

TEST_F(MainMenu, ConfigurationOkShowsTheNoteAndCancelShowsNothing) {
    CMainMenuDlg menu(fakeTools({}));
    configurationResult_ = 2;
    menu.sendCommand(CMainMenuDlg::kConfiguration);
    EXPECT_TRUE(messages_.messages().empty());
    configurationResult_ = 1;
    menu.sendCommand(CMainMenuDlg::kConfiguration);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text,
              QStringLiteral("NOTE: Any change made in the configuration window will be taken "
                             "into account\n           only next time the aircraft is loaded in "
                             "Flight Simulator."));
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(messages_.messages()[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(log_.selectorRuns, 0);
}

TEST_F(MainMenu, SecondCandidateFileCountsAsInstalled) {
    testing_support::TempDir sim;
    testing_support::writeFile(sim.path() / "Aircraft/Korvanta TEV A332RR/aircraft.cfg",
                               "[WEIGHT_AND_BALANCE]\n");
    resolveInstallPaths(sim.path().string(), "");
    MenuTools tools = fakeTools({kA330_200, kA340_300});
    tools.loadManager = standardTools().loadManager;
    CMainMenuDlg menu(tools);
    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(log_.fuelPlannerRuns, 1);
    EXPECT_TRUE(messages_.messages().empty());
    menu.sendCommand(CMainMenuDlg::kFuelPlanner); // A340-300: not installed here
    EXPECT_EQ(log_.fuelPlannerRuns, 1);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text, kNotInstalled);
}

// The real selector: closing it without a choice opens it again.
TEST_F(MainMenu, RealSelectorLoopsUntilAChoiceAndDoesNotCloseOnTheChoice) {
    MenuTools tools = fakeTools({});
    tools.selectAircraft = standardTools().selectAircraft;
    int openings = 0;
    bool stillOpenAfterChoice = false;
    std::function<void()> answer = [&] {
        auto* selector = qobject_cast<AircraftSelector*>(QApplication::activeModalWidget());
        if (!selector) {
            QTimer::singleShot(0, answer);
            return;
        }
        ++openings;
        if (openings == 2) {
            selector->control<QAbstractButton>(1011)->click();
            stillOpenAfterChoice = selector->isVisible();
        }
        if (openings == 1)
            selector->close(); // the close box
        else
            selector->control<QAbstractButton>(2)->click(); // "Select an aircraft..."
        if (openings < 2)
            QTimer::singleShot(0, answer);
    };
    QTimer::singleShot(0, answer);
    CMainMenuDlg menu(tools);
    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(openings, 2);
    EXPECT_TRUE(stillOpenAfterChoice);
    EXPECT_EQ(log_.created, std::vector<int>{kA340_600});
    EXPECT_EQ(CurrentAircraft, kNoAircraft);
}

// The real selector by keyboard: Down chooses the next aircraft, and Return
// then ends the selector with that choice.
TEST_F(MainMenu, RealSelectorArrowKeysChooseAndReturnGoesOn) {
    MenuTools tools = fakeTools({});
    tools.selectAircraft = standardTools().selectAircraft;
    int openings = 0;
    const auto key = [](QWidget* widget, Qt::Key pressed) {
        QKeyEvent press(QEvent::KeyPress, pressed, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    };
    int waits = 0;
    std::function<void()> answer = [&] {
        auto* selector = qobject_cast<AircraftSelector*>(QApplication::activeModalWidget());
        // The focus arrives with the window's activation.
        if (!selector || (!selector->focusWidget() && ++waits < 200)) {
            QTimer::singleShot(5, answer);
            return;
        }
        ++openings;
        EXPECT_EQ(selector->focusWidget(), selector->control(1008));
        key(selector->focusWidget(), Qt::Key_Down);
        EXPECT_EQ(selector->focusWidget(), selector->control(1009));
        EXPECT_TRUE(selector->isChecked(1009));
        EXPECT_EQ(CurrentAircraft, kA330_300);
        EXPECT_TRUE(selector->isVisible());
        key(selector->focusWidget(), Qt::Key_Return);
        if (selector->isVisible()) {
            ADD_FAILURE() << "Return left the selector open";
            selector->reject();
        }
    };
    QTimer::singleShot(0, answer);
    CMainMenuDlg menu(tools);
    menu.sendCommand(CMainMenuDlg::kFuelPlanner);
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(log_.created, std::vector<int>{kA330_300});
}

// The real selector by mouse: a double-click on an aircraft chooses it and
// goes on, as its click and then "Select an aircraft..." would.
TEST_F(MainMenu, RealSelectorDoubleClickChoosesTheAircraftAndGoesOn) {
    MenuTools tools = fakeTools({});
    tools.selectAircraft = standardTools().selectAircraft;
    int openings = 0;
    std::function<void()> answer = [&] {
        auto* selector = qobject_cast<AircraftSelector*>(QApplication::activeModalWidget());
        if (!selector) {
            QTimer::singleShot(0, answer);
            return;
        }
        ++openings;
        QWidget* button = selector->control(1010);
        const QPointF at = QRectF(button->rect()).center();
        // The events of a double-click, in the order the platform sends them.
        for (const auto& [type, buttons] :
             std::initializer_list<std::pair<QEvent::Type, Qt::MouseButtons>>{
                 {QEvent::MouseButtonPress, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, Qt::NoButton},
                 {QEvent::MouseButtonDblClick, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(button, &event);
        }
        if (selector->isVisible()) {
            ADD_FAILURE() << "the double-click left the selector open";
            selector->reject();
        }
    };
    QTimer::singleShot(0, answer);
    CMainMenuDlg menu(tools);
    menu.sendCommand(CMainMenuDlg::kLoadManager);
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(log_.created, std::vector<int>{kA340_300});
    EXPECT_EQ(log_.execs, 1);
}

// Mean lightness of the middle of a button as drawn: its image, not its frame.
double middleLightness(QAbstractButton* button) {
    const QImage picture = button->grab().toImage();
    const QRect middle(picture.width() / 4, picture.height() / 4, picture.width() / 2,
                       picture.height() / 2);
    double sum = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            sum += QColor(picture.pixel(x, y)).lightnessF();
    return sum / (middle.width() * middle.height());
}

// The chosen aircraft's button looks pressed, so the user sees what
// "Select an aircraft..." will open; the others look as before.
TEST_F(MainMenu, SelectorShowsTheChosenAircraftPressed) {
    AircraftSelector selector;
    double released[4];
    for (int i = 0; i < 4; ++i)
        released[i] = middleLightness(selector.control<QAbstractButton>(1008 + i));
    for (const int chosen : {1009, 1011}) {
        selector.control<QAbstractButton>(chosen)->click();
        for (int i = 0; i < 4; ++i) {
            const double now = middleLightness(selector.control<QAbstractButton>(1008 + i));
            if (1008 + i == chosen)
                EXPECT_LT(now, released[i] * 0.9) << chosen;
            else
                EXPECT_DOUBLE_EQ(now, released[i]) << chosen << " " << 1008 + i;
        }
    }
}

// The real configuration window through the menu: Ok writes and the note follows.
TEST_F(MainMenu, RealConfigurationOkWritesThePreferencesBeforeTheNote) {
    testing_support::TempDir sim;
    std::filesystem::create_directories(sim.path() / "Korvanta/Volaro");
    resolveInstallPaths(sim.path().string(), "");
    MenuTools tools = fakeTools({});
    tools.configuration = standardTools().configuration;
    CMainMenuDlg menu(tools);
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<ConfigurationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->control<QAbstractButton>(1009)->click();
        window->control<QAbstractButton>(1)->click();
    });
    menu.sendCommand(CMainMenuDlg::kConfiguration);
    const std::string written = testing_support::readFile(sim.path() / "Korvanta/Volaro/Prefs.cfg");
    EXPECT_NE(written.find("UserExperience=2"), std::string::npos);
    EXPECT_NE(written.find("IRSAlignmentTime=600"), std::string::npos);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("WARNING"));
}

TEST_F(MainMenu, ExitAndCloseBoxEndTheMenu) {
    CMainMenuDlg menu(fakeTools({}));
    QTimer::singleShot(0, &menu, [&] { menu.control<QAbstractButton>(2)->click(); });
    EXPECT_EQ(menu.exec(), 2);
    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    EXPECT_EQ(menu.exec(), 2);
}

} // namespace
