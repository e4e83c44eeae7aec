// The installer window and the program around it, on the offscreen platform.
#include "common/ui/messagebox.h"
#include "tests/upgrader/fakesimulator.h"
#include "upgrader/screenshots.h"
#include "upgrader/simulatorfolder.h"
#include "upgrader/upgrade2app.h"
#include "upgrader/upgrade2dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace upgrader_testing;

namespace {

const QString kRefusal = QStringLiteral(
    "You can not exit now before the aircraft gauge has \nbeen upgraded to version 2.");

std::vector<std::string> intro() {
    return introductionLines();
}

std::vector<std::string> listLines(const Upgrade2Dlg& dlg) {
    std::vector<std::string> lines;
    for (int i = 0; i < dlg.list()->count(); ++i)
        lines.push_back(dlg.list()->item(i)->text().toStdString());
    return lines;
}

void runToComplete(Upgrade2Dlg& dlg) {
    for (int tick = 0; tick < 1000 && !dlg.actionButton()->isEnabled(); ++tick)
        dlg.OnTimer();
}

// A folder with one gauge already at version 2 before the package's nine,
// which it does not hold: a run that succeeds and fills the list.
class Upgrade2DlgTest : public ::testing::Test {
protected:
    Upgrade2DlgTest()
        : done("DONE") {
        catalogue.push_back(sim.panelEntry("DONE", done));
        sim.write(FakeSimulator::gaugeFile(catalogue[0]), done.v2);
        const auto real = UpgradeCatalogue();
        catalogue.insert(catalogue.end(), real.begin(), real.end());
    }
    FakeSimulator sim;
    TestGauge done;
    std::vector<UpgradeEntry> catalogue;
    ui::MessageRecorder messages;
};

TEST_F(Upgrade2DlgTest, OpensWithItsTemplateAndWritesTheIntroductionIntoAFreshLog) {
    sim.write("VolaroUpgrade/Install_v2_Vol2.log", "lines of the previous start\n");
    Upgrade2Dlg dlg(sim.root(), catalogue);
    dlg.show();
    QApplication::processEvents();

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Volaro Upgrade v2 Installer"));
    EXPECT_EQ(dlg.list()->geometry(), dlg.unitsToPixels(25, 20, 379, 151));
    EXPECT_EQ(dlg.actionButton()->geometry(), dlg.unitsToPixels(176, 180, 77, 14));
    EXPECT_EQ(dlg.actionButton()->text(), QStringLiteral("START"));
    EXPECT_TRUE(dlg.actionButton()->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.actionButton());
    EXPECT_EQ(listLines(dlg), intro());
    EXPECT_EQ(intro()[4], std::string(103, '-'));
    EXPECT_EQ(sim.log(), logText(intro())); // before START
    EXPECT_FALSE(dlg.timer().isActive());
}

enum class State { Ready, Running, Complete };
struct RefusalCase {
    const char* name;
    State state;
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class ExitRefusalTest : public Upgrade2DlgTest,
                        public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ExitRefusalTest, EscapeCloseBoxAndRejectAreRefusedWithoutTouchingTheRun) {
    Upgrade2Dlg dlg(sim.root(), catalogue);
    dlg.show();
    if (GetParam().state != State::Ready)
        dlg.actionButton()->click();
    if (GetParam().state == State::Running)
        dlg.OnTimer();
    if (GetParam().state == State::Complete)
        runToComplete(dlg);
    const int entry = dlg.run().entryIndex();
    const int step = dlg.run().step();
    const bool ticking = dlg.timer().isActive();
    const int lines = dlg.list()->count();

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &escape);
    dlg.close();
    dlg.reject();

    ASSERT_EQ(messages.messages().size(), 3u);
    for (const ui::Message& message : messages.messages()) {
        EXPECT_EQ(message.text, kRefusal);
        EXPECT_EQ(message.caption, QStringLiteral("ABORT"));
        EXPECT_EQ(message.icon, ui::MessageIcon::Exclamation);
    }
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.run().entryIndex(), entry);
    EXPECT_EQ(dlg.run().step(), step);
    EXPECT_EQ(dlg.timer().isActive(), ticking);
    EXPECT_EQ(dlg.list()->count(), lines);
    EXPECT_TRUE(dlg.run().logOpen());
}

INSTANTIATE_TEST_SUITE_P(States, ExitRefusalTest,
                         ::testing::Values(RefusalCase{"Ready", State::Ready},
                                           RefusalCase{"Running", State::Running},
                                           RefusalCase{"Complete", State::Complete}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Upgrade2DlgTest, StartTicksEvery500msAndEndClosesTheLogAndTheWindow) {
    Upgrade2Dlg dlg(sim.root(), catalogue);
    dlg.show();
    dlg.actionButton()->click();
    EXPECT_TRUE(dlg.timer().isActive());
    EXPECT_EQ(dlg.timer().interval(), 500);
    EXPECT_FALSE(dlg.timer().isSingleShot());
    EXPECT_FALSE(dlg.actionButton()->isEnabled());
    EXPECT_EQ(dlg.list()->count(), 6); // nothing runs before the first tick

    dlg.actionButton()->click(); // disabled: ignored
    EXPECT_TRUE(dlg.isVisible());

    runToComplete(dlg);
    EXPECT_EQ(dlg.actionButton()->text(), QStringLiteral("End"));
    EXPECT_TRUE(dlg.actionButton()->isEnabled());
    EXPECT_FALSE(dlg.timer().isActive());
    EXPECT_TRUE(dlg.run().logOpen());

    dlg.actionButton()->click();
    EXPECT_FALSE(dlg.run().logOpen());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Upgrade2DlgTest, ListKeepsTheNewestLineInView) {
    Upgrade2Dlg dlg(sim.root(), catalogue);
    dlg.show();
    dlg.actionButton()->click();
    runToComplete(dlg);
    QApplication::processEvents();

    QListWidget* list = dlg.list();
    ASSERT_GT(list->count(), 20);
    const QRect viewport = list->viewport()->rect();
    EXPECT_TRUE(viewport.contains(list->visualItemRect(list->item(list->count() - 1))));
    EXPECT_FALSE(viewport.intersects(list->visualItemRect(list->item(0))));
}

// The program as a user starts it: arguments joined, window shown modally,
// START pressed, every tick run, End pressed.
int runProgram(const QStringList& arguments) {
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<Upgrade2Dlg*>(QApplication::activeModalWidget());
        if (!dlg)
            return QApplication::exit(); // fails the test below: no log
        dlg->actionButton()->click();
        runToComplete(*dlg);
        dlg->actionButton()->click();
    });
    return runUpgrader(arguments);
}

std::vector<std::string> skipped(std::size_t from) {
    std::vector<std::string> lines;
    const auto catalogue = UpgradeCatalogue();
    for (std::size_t i = from; i < catalogue.size(); ++i)
        lines.insert(lines.end(), {catalogue[i].gaugeName + " gauge not installed, skipping",
                                   std::string(32, '=')});
    return lines;
}

std::vector<std::string> refusedFolderLines(FolderProblem problem, const std::string& root) {
    std::vector<std::string> lines = intro();
    lines.push_back(" ");
    for (const std::string& line : folderProblemLines(problem, root))
        lines.push_back(line);
    lines.push_back("Press 'End' to exit.");
    return lines;
}

// A run there would skip all nine gauges and end with the success line.
TEST_F(Upgrade2DlgTest, ProgramOnAFolderWithoutTheGaugesSaysSoAndCanBeClosed) {
    FakeSimulator spaced("My FS9");
    const QString root = QString::fromStdString(spaced.root());
    std::vector<std::string> shown;
    QString button;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<Upgrade2Dlg*>(QApplication::activeModalWidget());
        if (!dlg)
            return QApplication::exit();
        shown = listLines(*dlg);
        button = dlg->actionButton()->text();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dlg, &escape);
    });
    ASSERT_EQ(
        runUpgrader({QStringLiteral("upgrader"), root.section(u' ', 0, 0), root.section(u' ', 1)}),
        0);

    const std::vector<std::string> expected =
        refusedFolderLines(FolderProblem::NoGaugeFound, spaced.root());
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(button, QStringLiteral("End"));
    EXPECT_EQ(spaced.log(), logText(expected));
    EXPECT_TRUE(messages.messages().empty()) << "no refusal: nothing runs here";
}

struct FolderCase {
    const char* name;
    FolderProblem problem;
};
void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedFolderTest : public Upgrade2DlgTest, public ::testing::WithParamInterface<FolderCase> {
protected:
    std::string root() const {
        switch (GetParam().problem) {
        case FolderProblem::NoFolderGiven:
            return {};
        case FolderProblem::FolderMissing:
            return sim.root() + "-gone";
        default:
            return empty.root();
        }
    }
    FakeSimulator empty{"Empty"};
};

TEST_P(RefusedFolderTest, NamesTheFolderOffersEndAndNeverStarts) {
    Upgrade2Dlg dlg(root(), UpgradeCatalogue());
    dlg.show();
    EXPECT_EQ(listLines(dlg), refusedFolderLines(GetParam().problem, root()));
    EXPECT_EQ(dlg.actionButton()->text(), QStringLiteral("End"));
    EXPECT_TRUE(dlg.actionButton()->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.actionButton());

    dlg.actionButton()->click();
    EXPECT_FALSE(dlg.timer().isActive());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.run().logOpen());

    Upgrade2Dlg closeBox(root(), UpgradeCatalogue());
    closeBox.show();
    closeBox.close();
    EXPECT_FALSE(closeBox.isVisible());
    EXPECT_TRUE(messages.messages().empty());
    if (GetParam().problem == FolderProblem::FolderMissing) {
        EXPECT_FALSE(std::filesystem::exists(root()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RefusedFolderTest,
    ::testing::Values(FolderCase{"NoFolderGiven", FolderProblem::NoFolderGiven},
                      FolderCase{"FolderMissing", FolderProblem::FolderMissing},
                      FolderCase{"NoGaugeFound", FolderProblem::NoGaugeFound}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Upgrade2DlgTest, LogThatCannotBeWrittenIsToldUnderTheIntroduction) {
    std::filesystem::remove_all(sim.path("VolaroUpgrade"));
    sim.write("VolaroUpgrade", "a file where the folder should be");
    Upgrade2Dlg dlg(sim.root(), catalogue);

    const std::vector<std::string> lines = listLines(dlg);
    ASSERT_EQ(lines.size(), intro().size() + 1);
    EXPECT_TRUE(lines.back().starts_with("The install log " +
                                         sim.path("VolaroUpgrade/Install_v2_Vol2.log").string() +
                                         " could not be written: "))
        << lines.back();
    EXPECT_EQ(dlg.actionButton()->text(), QStringLiteral("START"));
}

// Only arguments that begin with "--" are options; an unknown one is a
// mistyped option, not a piece of the folder.
TEST_F(Upgrade2DlgTest, UnknownOptionsAreRefusedBeforeAnyWindow) {
    const QString root = QString::fromStdString(sim.root());
    for (const QStringList& line :
         {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("--version")},
          QStringList{root, QStringLiteral("--bogus")}, QStringList{QStringLiteral("--")}})
        EXPECT_EQ(answerWithoutWindow(line), std::optional<int>(2))
            << line.join(u' ').toStdString();
    EXPECT_EQ(answerWithoutWindow({QStringLiteral("--help")}), std::optional<int>(0));
    EXPECT_EQ(answerWithoutWindow({root}), std::nullopt);
    EXPECT_EQ(answerWithoutWindow({root, QStringLiteral("-x")}), std::nullopt);
    EXPECT_EQ(runUpgrader({QStringLiteral("upgrader"), QStringLiteral("--version")}), 2);
}

TEST_F(Upgrade2DlgTest, ProgramOnATreeWithAWrongGaugeLogsTheFailure) {
    const std::string gauge = "Aircraft/Korvanta TEV A332GE/panel/A332GE_Korvanta.gau";
    sim.write(gauge, "not a release of this gauge");
    ASSERT_EQ(runProgram({QStringLiteral("upgrader"), QString::fromStdString(sim.root())}), 0);

    std::vector<std::string> expected = intro();
    expected.insert(expected.end(),
                    {"- Starting Update of the A332 GE gauge -",
                     "Checking the existence of the gauge backup...",
                     "Upgrade v1 backup gauge file not found",
                     "Checking the signature of the base gauge...",
                     sim.path("Aircraft/Korvanta TEV A332GE/panel/A332GE_Korvanta.gau")
                         .make_preferred()
                         .string(),
                     "ERROR: The A332GE_Korvanta gauge is not the right one.",
                     "Please install Upgrade v1 first.", "Fatal error for A332GE_Korvanta",
                     std::string(32, '-')});
    const std::vector<std::string> skips = skipped(1);
    expected.insert(expected.end(), skips.begin(), skips.end());
    expected.insert(expected.end(),
                    {" ",
                     "Errors occured, please see the log file: VolaroUpgrade\\Install_v2_Vol2.log",
                     "Press 'End' to exit."});
    EXPECT_EQ(sim.log(), logText(expected));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Failure"));
    EXPECT_EQ(messages.messages()[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(sim.read(gauge), "not a release of this gauge");
}

TEST_F(Upgrade2DlgTest, ProgramRefusesARootThatDoesNotFitItsPaths) {
    const QString root = QString::fromStdString(sim.root()) + QLatin1Char('/') + QString(200, u'x');
    EXPECT_EQ(runUpgrader({QStringLiteral("upgrader"), root}), 1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_FALSE(sim.exists("VolaroUpgrade/Install_v2_Vol2.log"));
}

TEST_F(Upgrade2DlgTest, ScreenshotsBeforeStartAndAfterARunWithOneFailure) {
    testing_support::TempDir out;
    const QStringList files = saveUpgraderScreenshots(QString::fromStdString(out.path().string()));
    ASSERT_EQ(files.size(), 2);
    for (const QString& file : files)
        EXPECT_GT(std::filesystem::file_size(file.toStdString()), 1000u);
}

TEST_F(Upgrade2DlgTest, ScreenshotsCreateTheirFolderAndFailWhenItCannotBe) {
    testing_support::TempDir out;
    const std::filesystem::path fresh = out.path() / "new" / "shots";
    EXPECT_EQ(runUpgrader({QStringLiteral("upgrader"), QStringLiteral("--screenshots"),
                           QString::fromStdString(fresh.string())}),
              0);
    EXPECT_TRUE(std::filesystem::exists(fresh / "upgrader-ready.png"));

    testing_support::writeFile(out.path() / "file", "x");
    EXPECT_EQ(runUpgrader({QStringLiteral("upgrader"), QStringLiteral("--screenshots"),
                           QString::fromStdString((out.path() / "file" / "shots").string())}),
              1);
}

} // namespace
