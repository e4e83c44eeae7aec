#include "configurator/load/loadmanagerdialog.h"

#include "common/backup/backupstore.h"
#include "common/ui/coloredit.h"
#include "common/ui/fillbar.h"
#include "common/ui/messagebox.h"
#include "configurator/load/loadmanager.h"
#include "configurator/load/loadmanagertool.h"
#include "configurator/load/loadscreenshots.h"
#include "configurator/session/installpaths.h"
#include "configurator/session/sessionstate.h"
#include "tests/support/backupfolder.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace loadids;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

void keyClick(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class LoadManagerDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        resolveInstallPaths(dir.path().string(), "");
        LastZfw = 0;
    }

    std::filesystem::path file(const char* folder) const {
        return dir.path() / "Aircraft" / folder / "Aircraft.cfg";
    }

    static QString text(const LoadManagerDialog& dialog, int id) {
        if (auto* label = dialog.control<QLabel>(id))
            return label->text();
        return dialog.control<QLineEdit>(id)->text();
    }
    static QSlider* slider(const LoadManagerDialog& dialog, int id) {
        return dialog.control<QSlider>(id);
    }
    // Every number the window shows, in control order, for comparisons.
    static QStringList shown(const LoadManagerDialog& dialog) {
        QStringList numbers;
        for (const int id : {kBusinessPax, kEconomyPax, kForwardPercent, kAftPercent,
                             kBusinessWeight, kEconomyWeight, kForwardWeight, kAftWeight,
                             kPaxWeight, kCargoWeight, kAircraftWeight, kZfw})
            numbers << text(dialog, id);
        return numbers;
    }

    TempDir dir;
};

TEST_F(LoadManagerDialogTest, AircraftWithoutPayloadKeysOpensEmptyInKilograms) {
    writeFile(file("Korvanta TEV A332GE"), "[WEIGHT_AND_BALANCE]\r\n");
    CA332LoadManager model;
    LoadManagerDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("A330-200 Load Manager"));
    EXPECT_TRUE(dialog.control<QRadioButton>(kMetric)->isChecked());
    EXPECT_FALSE(dialog.control<QRadioButton>(kImperial)->isChecked());
    for (const int id : {kBusinessTrackbar, kEconomyTrackbar, kForwardTrackbar, kAftTrackbar})
        EXPECT_EQ(slider(dialog, id)->value(), 0);
    EXPECT_EQ(
        shown(dialog),
        QStringList({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("120147"), QStringLiteral("120147")}));
    EXPECT_EQ(LastZfw, 120147);
}

TEST_F(LoadManagerDialogTest, OpensOnTheFilePositionsClampedToTheTrackbars) {
    writeFile(
        file("Korvanta TEV A346RR"),
        "[WEIGHT_AND_BALANCE]\r\nempty_weight=abc\r\nstation_load.4=\"99999, 26.0\"\r\n"
        "station_load.5=\"43485,  0.0\"\r\nstation_load.2=\"-5\"\r\nstation_load.3=\"20392\"\r\n");
    CA346LoadManager model;
    LoadManagerDialog dialog(model);
    EXPECT_EQ(slider(dialog, kBusinessTrackbar)->maximum(), 36);
    EXPECT_EQ(slider(dialog, kEconomyTrackbar)->maximum(), 383);
    EXPECT_EQ(slider(dialog, kBusinessTrackbar)->value(), 36);
    EXPECT_EQ(slider(dialog, kEconomyTrackbar)->value(), 263);
    EXPECT_EQ(slider(dialog, kForwardTrackbar)->value(), 0);
    EXPECT_EQ(slider(dialog, kAftTrackbar)->value(), 50);
    EXPECT_EQ(dialog.control<QProgressBar>(kEconomyBar)->value(), 263);
    EXPECT_EQ(text(dialog, kAircraftWeight), QStringLiteral("177004"));
    EXPECT_EQ(text(dialog, kZfw), QString::number(177004 + 75 * (36 + 263) + 9250));
}

// Every way a trackbar can move must update the window at once.
TEST_F(LoadManagerDialogTest, EveryTrackbarMoveSynchronisesAtOnce) {
    CA346LoadManager model;
    LoadManagerDialog dialog(model);
    dialog.show();
    QSlider* economy = slider(dialog, kEconomyTrackbar);
    const struct {
        const char* way;
        std::function<void()> move;
        int expected;
    } moves[] = {
        {"End key", [&] { keyClick(economy, Qt::Key_End); }, 383},
        {"Left arrow", [&] { keyClick(economy, Qt::Key_Left); }, 382},
        {"Home key", [&] { keyClick(economy, Qt::Key_Home); }, 0},
        {"Page up",
         [&] {
             economy->setPageStep(10);
             keyClick(economy, Qt::Key_PageUp);
         },
         10},
        {"wheel, once the trackbar has the focus",
         [&] {
             economy->setFocus();
             const QPointF at = economy->rect().center();
             QWheelEvent wheel(at, economy->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(economy, &wheel);
         },
         13},
        {"mouse drag to the right end",
         [&] {
             economy->setValue(0);
             const QRect groove = economy->rect();
             const QPoint handle(economy->style()->pixelMetric(QStyle::PM_SliderLength) / 2,
                                 groove.center().y());
             const QPoint end(groove.right() + 40, groove.center().y());
             mouse(economy, QEvent::MouseButtonPress, handle, Qt::LeftButton);
             mouse(economy, QEvent::MouseMove, end, Qt::LeftButton);
             mouse(economy, QEvent::MouseButtonRelease, end, Qt::NoButton);
         },
         383},
    };
    for (const auto& m : moves) {
        m.move();
        ASSERT_EQ(economy->value(), m.expected) << m.way;
        EXPECT_EQ(text(dialog, kEconomyPax), QString::number(m.expected)) << m.way;
        EXPECT_EQ(dialog.control<QProgressBar>(kEconomyBar)->value(), m.expected) << m.way;
        EXPECT_EQ(text(dialog, kEconomyWeight), QString::number(75 * m.expected)) << m.way;
        EXPECT_EQ(LastZfw, 177003 + 75 * m.expected) << m.way;
    }
    EXPECT_EQ(dialog.control<QProgressBar>(kEconomyBar)->maximum(), 383);
}

TEST_F(LoadManagerDialogTest, UnitChangeRefreshesWeightsOnly) {
    CA332LoadManager model;
    LoadManagerDialog dialog(model);
    slider(dialog, kBusinessTrackbar)->setValue(2);
    slider(dialog, kForwardTrackbar)->setValue(37);
    const QStringList kilograms = shown(dialog);

    dialog.control<QRadioButton>(kImperial)->click();
    EXPECT_EQ(text(dialog, kBusinessPax), QStringLiteral("2"));
    EXPECT_EQ(text(dialog, kForwardPercent), QStringLiteral("37"));
    EXPECT_EQ(dialog.control<QProgressBar>(kForwardBar)->value(), 37);
    EXPECT_EQ(text(dialog, kBusinessWeight), QStringLiteral("331"));
    EXPECT_EQ(text(dialog, kPaxWeight), QStringLiteral("330"));
    EXPECT_EQ(text(dialog, kAircraftWeight), QStringLiteral("264874"));

    dialog.control<QRadioButton>(kMetric)->click();
    EXPECT_EQ(shown(dialog), kilograms);
}

TEST_F(LoadManagerDialogTest, FieldsCarryTheirColoursAndTheZfwItsBoldFont) {
    CA333LoadManager model;
    LoadManagerDialog dialog(model);
    const struct {
        int id;
        QColor background;
    } fields[] = {
        {kBusinessPax, {255, 255, 128}},
        {kEconomyPax, {255, 255, 128}},
        {kBusinessWeight, {255, 200, 130}},
        {kEconomyWeight, {255, 200, 130}},
        {kPaxWeight, {255, 200, 130}},
        {kForwardPercent, {192, 255, 192}},
        {kAftPercent, {192, 255, 192}},
        {kForwardWeight, {128, 255, 128}},
        {kAftWeight, {128, 255, 128}},
        {kCargoWeight, {128, 255, 128}},
        {kZfw, {0, 0, 150}},
    };
    for (const auto& f : fields) {
        const auto* field = dialog.control<CColorEdit>(f.id);
        ASSERT_NE(field, nullptr) << f.id;
        EXPECT_TRUE(field->isReadOnly()) << f.id;
        EXPECT_EQ(field->palette().color(QPalette::Base), f.background) << f.id;
        EXPECT_EQ(field->palette().color(QPalette::Text),
                  f.id == kZfw ? QColor(Qt::white) : QColor(Qt::black))
            << f.id;
    }
    const QFont zfw = dialog.control<CColorEdit>(kZfw)->font();
    EXPECT_TRUE(zfw.bold());
    EXPECT_EQ(zfw.pointSize(), 9);
    EXPECT_EQ(zfw.families().value(0), QStringLiteral("Tahoma"));
    const struct {
        int id;
        QColor fill;
    } bars[] = {{kBusinessBar, {255, 200, 130}},
                {kEconomyBar, {255, 200, 130}},
                {kForwardBar, {128, 255, 128}},
                {kAftBar, {128, 255, 128}}};
    for (const auto& b : bars) {
        const auto* bar = dialog.control<ui::FillBar>(b.id);
        ASSERT_NE(bar, nullptr) << b.id;
        EXPECT_EQ(bar->fillColor(), b.fill) << b.id;
        EXPECT_EQ(bar->backgroundColor(), QColor(Qt::white)) << b.id;
    }
}

TEST_F(LoadManagerDialogTest, ImagesHaveTheirPixelSizesPerAircraft) {
    const struct {
        int code;
        QSize cabin, cargo;
    } cases[] = {
        {kA330_200, {570, 126}, {570, 115}},
        {kA330_300, {570, 126}, {570, 115}},
        {kA340_300, {570, 125}, {570, 115}},
        {kA340_600, {570, 126}, {569, 115}},
    };
    for (const auto& c : cases) {
        const auto model = createLoadManager(c.code);
        LoadManagerDialog dialog(*model);
        EXPECT_EQ(dialog.control<QLabel>(kCabinImage)->pixmap().size(), c.cabin) << c.code;
        EXPECT_EQ(dialog.control<QLabel>(kCargoImage)->pixmap().size(), c.cargo) << c.code;
        EXPECT_EQ(dialog.control<QLabel>(kBanner)->pixmap().size(), QSize(638, 100));
    }
}

// Runs the tool modally and, once the window is up, does `act` on it.
int execWith(LoadManagerTool& tool, const std::function<void(LoadManagerDialog&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<LoadManagerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return tool.exec(nullptr);
}

TEST_F(LoadManagerDialogTest, CancelAfterMovingTrackbarsLeavesTheFilesUntouched) {
    const std::string original = "[WEIGHT_AND_BALANCE]\r\nstation_load.4=\"1654\"\r\n";
    writeFile(file("Korvanta TEV A333GE"), original);
    writeFile(file("Korvanta TEV A333RR"), original);
    const auto tool = createLoadManagerTool(kA330_300);
    ASSERT_TRUE(tool->isInstalled());
    const int result = execWith(*tool, [](LoadManagerDialog& dialog) {
        dialog.control<QSlider>(kEconomyTrackbar)->setValue(200);
        dialog.control<QPushButton>(2)->click();
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(readFile(file("Korvanta TEV A333GE")), original);
    EXPECT_EQ(readFile(file("Korvanta TEV A333RR")), original);
}

TEST_F(LoadManagerDialogTest, OkThenSaveWritesThePositionsLeftInTheWindow) {
    writeFile(file("Korvanta TEV A343CFM"), "[WEIGHT_AND_BALANCE]\r\n");
    const auto tool = createLoadManagerTool(kA340_300);
    const int result = execWith(*tool, [](LoadManagerDialog& dialog) {
        dialog.control<QSlider>(kBusinessTrackbar)->setValue(10);
        dialog.control<QRadioButton>(kImperial)->click();
        dialog.control<QPushButton>(1)->click();
    });
    EXPECT_EQ(result, 1);
    const profile::WriteResult saved = tool->save();
    EXPECT_TRUE(saved.ok) << saved.reason;
    EXPECT_NE(readFile(file("Korvanta TEV A343CFM"))
                  .find("station_load.4=\"1653,   26.0, 0.0, 0.0, First\""),
              std::string::npos);
}

TEST_F(LoadManagerDialogTest, ToolOfAMissingAircraftIsNotInstalledAndSaveFails) {
    EXPECT_FALSE(createLoadManagerTool(kA340_600)->isInstalled());
    EXPECT_FALSE(createLoadManagerTool(0)->isInstalled());
    EXPECT_FALSE(createLoadManagerTool(kA340_600)->save().ok);
}

TEST(ColorEdit, ColoursChangeThePalette) {
    CColorEdit edit;
    EXPECT_EQ(edit.textColor(), QColor(Qt::black));
    edit.setBackgroundColor(QColor(1, 2, 3));
    edit.setTextColor(QColor(4, 5, 6));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(1, 2, 3));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(4, 5, 6));
}

TEST_F(LoadManagerDialogTest, ScreenshotsShowTheFourWindows) {
    TempDir shots;
    const QStringList files = saveLoadScreenshots(QString::fromStdString(shots.path().string()));
    EXPECT_EQ(files.size(), 4);
    for (const QString& name : files)
        EXPECT_FALSE(QPixmap(name).isNull()) << name.toStdString();
}

// A330-200 sized wing: MAC 23.66 ft, its leading edge 6.6 ft ahead of the
// reference point.
const char* const kGeometry = "[airplane_geometry]\r\nwing_area=3892\r\nwing_span=197.8\r\n"
                              "wing_root_chord=35.0\r\nwing_sweep=31.5\r\n"
                              "wing_pos_apex_lon=29.0\r\n";

TEST_F(LoadManagerDialogTest, CgReadoutFollowsEveryMoveAndNotTheUnit) {
    writeFile(file("Korvanta TEV A332GE"), std::string(kGeometry) +
                                               "[WEIGHT_AND_BALANCE]\r\nempty_weight=264875\r\n"
                                               "reference_datum_position=0.0, 0.0, 0.0\r\n"
                                               "empty_weight_CG_position=-3.0, 0.0, 0.0\r\n");
    CA332LoadManager model;
    LoadManagerDialog dialog(model);
    const auto expected = [&] {
        return QString::fromStdString(balance::percentMacText(model.zfwCgPercentMac())) +
               QStringLiteral(" % MAC");
    };
    ASSERT_TRUE(model.zfwCgPercentMac());
    const QString empty = text(dialog, kZfwCg);
    EXPECT_EQ(empty, expected());
    EXPECT_TRUE(empty.endsWith(QStringLiteral(" % MAC"))) << empty.toStdString();

    slider(dialog, kForwardTrackbar)->setValue(100);
    const QString loaded = text(dialog, kZfwCg);
    EXPECT_EQ(loaded, expected());
    EXPECT_NE(loaded, empty);

    // The unit switch changes the weights, not the centre of gravity.
    dialog.control<QRadioButton>(kImperial)->click();
    EXPECT_EQ(text(dialog, kAircraftWeight), QStringLiteral("264874"));
    EXPECT_EQ(text(dialog, kZfwCg), loaded);
}

TEST_F(LoadManagerDialogTest, CgReadoutWithoutGeometryShowsDashesAndTheRestWorks) {
    writeFile(file("Korvanta TEV A332GE"), "[WEIGHT_AND_BALANCE]\r\nempty_weight=264875\r\n"
                                           "reference_datum_position=0.0\r\n"
                                           "empty_weight_CG_position=-3.0\r\n");
    CA332LoadManager model;
    LoadManagerDialog dialog(model);
    slider(dialog, kEconomyTrackbar)->setValue(100);
    EXPECT_EQ(text(dialog, kZfwCg), QStringLiteral("---"));
    EXPECT_EQ(text(dialog, kZfw), QStringLiteral("127647"));
}

// The readout sits in free space: inside the window, clear of every control
// the template places.
TEST_F(LoadManagerDialogTest, CgReadoutOverlapsNoOtherControl) {
    writeFile(file("Korvanta TEV A332GE"), "[WEIGHT_AND_BALANCE]\r\n");
    CA332LoadManager model;
    LoadManagerDialog dialog(model);
    QWidget* readout = dialog.control(kZfwCg);
    QWidget* page = readout->parentWidget();
    EXPECT_TRUE(page->rect().contains(readout->geometry()));
    QWidget* label = nullptr;
    for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* text = qobject_cast<QLabel*>(other);
            text && text->text() == QLatin1String("ZFW CG"))
            label = other;
    }
    ASSERT_NE(label, nullptr);
    for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == readout || other == label || !other->isVisibleTo(&dialog))
            continue;
        EXPECT_FALSE(other->geometry().intersects(readout->geometry()))
            << other->metaObject()->className() << " " << other->objectName().toStdString();
        EXPECT_FALSE(other->geometry().intersects(label->geometry()))
            << other->metaObject()->className() << " " << other->objectName().toStdString();
    }
}

} // namespace

namespace {

// The simulator or an editor writes one of the aircraft's files while the
// window is open: OK never writes over that unseen, in any file of the row.
class LoadManagerOutsideChange : public LoadManagerDialogTest,
                                 public testing::WithParamInterface<bool> {
protected:
    testing_support::BackupFolder backups;
    ui::MessageRecorder messages;
};

TEST_P(LoadManagerOutsideChange, OkAsksAndDoesWhatTheUserChose) {
    const bool overwrite = GetParam();
    const std::string original = "[WEIGHT_AND_BALANCE]\r\nstation_load.4=\"1654\"\r\n";
    writeFile(file("Korvanta TEV A333GE"), original);
    writeFile(file("Korvanta TEV A333RR"), original);
    CA333LoadManager model;
    LoadManagerDialog dialog(model);
    const std::string theirs = original + "station_load.0=\"1\"\r\n";
    writeFile(file("Korvanta TEV A333RR"), theirs);
    dialog.control<QSlider>(kEconomyTrackbar)->setValue(200);
    messages.answerQuestionsWith(overwrite);
    dialog.sendCommand(1);

    ASSERT_EQ(messages.messages().size(), 1u);
    const QString text = messages.messages()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("A333RR"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("A333GE"))) << "only the file that changed";
    if (overwrite) {
        EXPECT_EQ(dialog.result(), 1);
        for (const profile::WriteResult& saved : model.save())
            EXPECT_TRUE(saved.ok) << saved.reason;
        EXPECT_NE(readFile(file("Korvanta TEV A333RR")).find("station_load.0=\"1\""),
                  std::string::npos);
        EXPECT_NE(readFile(file("Korvanta TEV A333RR")).find("station_load.5=\"33068,"),
                  std::string::npos);
        EXPECT_EQ(backup::Store().list().size(), 2u) << "each file's previous content kept";
    } else {
        EXPECT_EQ(dialog.result(), 0) << "the window stays open";
        EXPECT_EQ(readFile(file("Korvanta TEV A333RR")), theirs);
        EXPECT_EQ(readFile(file("Korvanta TEV A333GE")), original);
    }
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, LoadManagerOutsideChange, testing::Bool(),
                         [](const auto& info) { return info.param ? "Overwrite" : "Cancel"; });

} // namespace
