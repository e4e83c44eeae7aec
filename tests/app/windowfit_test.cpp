// Every window on a small screen: 1280 x 900 pixels, the scale factor of the
// run (QT_SCALE_FACTOR, set per registration) dividing what Qt reports. A
// window that fits keeps its template size; one that does not opens inside
// the screen's available area with its content scrolling and its bottom
// buttons in view.

#include "common/ui/dialogtemplate.h"
#include "common/ui/dialogunits.h"
#include "common/ui/messagebox.h"
#include "common/ui/screenfit.h"
#include "configurator/app/aircraftselector.h"
#include "configurator/app/mainmenu.h"
#include "configurator/fuel/fuelplanner.h"
#include "configurator/keys/commandtable.h"
#include "configurator/keys/keyassigner.h"
#include "configurator/keys/keyconfig.h"
#include "configurator/load/loadmanager.h"
#include "configurator/load/loadmanagerdialog.h"
#include "configurator/prefs/configurationdialog.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/tempdir.h"
#include "upgrader/upgrade2dlg.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct WindowCase {
    const char* name;
    int width, height; // dialog units of its template
    std::function<std::unique_ptr<ui::TemplateDialog>()> open;
    std::vector<int> buttons; // the push buttons that must stay in view
    bool maximiseBox = false; // given one by its owner, kept while it scrolls
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

keys::CommandTable& commands() {
    static keys::CommandTable table;
    return table;
}

std::unique_ptr<CLoadManager>& loadModel() {
    static std::unique_ptr<CLoadManager> model;
    return model;
}

std::unique_ptr<ui::TemplateDialog> loadManager(int code) {
    loadModel() = createLoadManager(code);
    return std::make_unique<LoadManagerDialog>(*loadModel());
}

const WindowCase kWindows[] = {
    {"MainMenu", 319, 227, [] { return std::make_unique<CMainMenuDlg>(); }, {2}},
    {"AircraftSelector", 214, 230, [] { return std::make_unique<AircraftSelector>(); }, {2}},
    {"Configuration", 439, 293, [] { return std::make_unique<ConfigurationDialog>(); }, {1, 2}},
    {"LoadManagerA330_200", 410, 437, [] { return loadManager(kA330_200); }, {1, 2}, true},
    {"LoadManagerA340_600", 410, 437, [] { return loadManager(kA340_600); }, {1, 2}, true},
    {"FuelPlanner",
     314,
     320,
     [] {
         CurrentAircraft = kA340_600;
         return std::make_unique<CFuelPlanner>();
     },
     {2}},
    {"KeyAssignments",
     219,
     126,
     [] { return std::make_unique<keys::CKeyConfig>(commands(), std::string("Prefs.cfg")); },
     {1, 2}},
    {"KeyAssignment",
     187,
     129,
     [] { return std::make_unique<keys::CKeyAssigner>(commands(), 0); },
     {1, 2}},
    {"Installer",
     429,
     201,
     [] { return std::make_unique<Upgrade2Dlg>(std::string("C:\\FS9")); },
     {Upgrade2Dlg::kActionButtonId}},
};

class WindowOnASmallScreen : public testing::TestWithParam<WindowCase> {
protected:
    ui::MessageRecorder messages;
};

// Inside `outer`, in the coordinates of `window`.
bool shownWithin(const QWidget& widget, const QWidget& window, const QRect& outer) {
    const QRect rect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    return widget.isVisible() && outer.contains(rect);
}

TEST_P(WindowOnASmallScreen, OpensInsideTheAvailableAreaWithItsButtonsInView) {
    const WindowCase& c = GetParam();
    const std::unique_ptr<ui::TemplateDialog> window = c.open();
    window->show();
    QApplication::processEvents();

    const QRect available = window->screen()->availableGeometry();
    const QSize natural = ui::dialogSize(c.width, c.height);
    EXPECT_TRUE(available.contains(window->frameGeometry()))
        << "window " << window->frameGeometry().width() << "x" << window->frameGeometry().height()
        << " on " << available.width() << "x" << available.height();
    for (int id : c.buttons) {
        ASSERT_NE(window->control(id), nullptr) << id;
        EXPECT_TRUE(shownWithin(*window->control(id), *window, window->rect())) << id;
    }

    if (ui::fitsOnScreen(natural, available)) {
        EXPECT_FALSE(window->isScrolling());
        EXPECT_EQ(window->size(), natural);
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed, as before";
        // Neither maximised nor stretched into a black margin.
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        return;
    }
    ASSERT_TRUE(window->isScrolling());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.maximiseBox);
    EXPECT_LT(window->minimumSize().height(), window->maximumSize().height())
        << "may be resized within the screen";
    QScrollArea* scroll = window->scrollArea();
    EXPECT_EQ(scroll->widget()->size(), natural) << "the content keeps its template size";

    // Every part of the content can be scrolled into view, and the buttons
    // stay where they are meanwhile.
    const QSize viewport = scroll->viewport()->size();
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(),
              std::max(0, natural.height() - viewport.height()));
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(),
              std::max(0, natural.width() - viewport.width()));
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
    for (int id : c.buttons)
        EXPECT_TRUE(shownWithin(*window->control(id), *window, window->rect())) << id;
    const QRect viewportRect(scroll->viewport()->mapTo(window.get(), QPoint(0, 0)), viewport);
    for (int id : c.buttons)
        EXPECT_FALSE(viewportRect.intersects(QRect(
            window->control(id)->mapTo(window.get(), QPoint(0, 0)), window->control(id)->size())))
            << "button " << id << " covers the content";
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowOnASmallScreen, testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

// Turned to scroll the window, the wheel passing over a trackbar once moved
// the aft hold from 49 to 67 % unseen.
TEST(LoadManagerOnASmallScreen, WheelScrollsTheWindowAndLeavesTheTrackbarsAlone) {
    ui::MessageRecorder messages;
    const std::unique_ptr<ui::TemplateDialog> window = loadManager(kA330_200);
    window->show();
    QApplication::processEvents();
    if (!window->isScrolling())
        GTEST_SKIP() << "the window fits at this scale";
    auto* aft = window->control<QSlider>(1014);
    aft->setValue(49);
    const QString aftWeight = window->control<QLineEdit>(1022)->text();
    QScrollBar* scroll = window->scrollArea()->verticalScrollBar();
    const int before = scroll->value();

    const QPointF at = QRectF(aft->rect()).center();
    QWheelEvent wheel(at, aft->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(aft, &wheel);
    EXPECT_EQ(aft->value(), 49);
    EXPECT_EQ(window->control<QLineEdit>(1022)->text(), aftWeight);
    EXPECT_GT(scroll->value(), before);

    aft->setFocus(); // chosen by the user: now the wheel is the trackbar's
    QApplication::sendEvent(aft, &wheel);
    EXPECT_NE(aft->value(), 49);
}

} // namespace

// The offscreen platform with one screen of 1280 x 900 pixels, described in
// a file named relatively: the platform's options are separated by colons,
// which a Windows path contains.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing_support::TempDir folder;
    testing_support::writeFile(folder.path() / "screen.json",
                               R"({"screens": [{"name": "Small", "x": 0, "y": 0, "width": 1280,)"
                               R"( "height": 900, "logicalDpi": 96, "logicalBaseDpi": 96,)"
                               R"( "dpr": 1}]})");
    const QString home = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path().string()));
    static int appArgc = 3;
    static char name[] = "window_fit_tests";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen:configfile=screen.json";
    static char* appArgv[] = {name, platform, offscreen, nullptr};
    // Kept until the process ends, as in every test program here.
    new QApplication(appArgc, appArgv);
    resolveInstallPaths(folder.path().string(), "");
    const int result = RUN_ALL_TESTS();
    QDir::setCurrent(home); // the folder can then be removed
    return result;
}
