#include "common/backup/backupstore.h"
#include "common/ui/messagebox.h"
#include "configurator/prefs/configurationdialog.h"
#include "configurator/prefs/preferences.h"
#include "tests/prefs/prefsfixture.h"
#include "tests/support/backupfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {

class ConfigurationWindow : public PrefsFileTest {
protected:
    ConfigurationWindow() {}

    // Opens the window on the current file.
    std::unique_ptr<ConfigurationDialog> open() { return std::make_unique<ConfigurationDialog>(); }
    static QString text(ConfigurationDialog& d, int id) { return d.control<QLabel>(id)->text(); }
    static QSlider* slider(ConfigurationDialog& d, int id) { return d.control<QSlider>(id); }
    static void click(ConfigurationDialog& d, int id) { d.control<QAbstractButton>(id)->click(); }
    // `key`=value line of the written file, or "" when the key is absent.
    std::string written(const std::string& key) const {
        const std::string file = readPrefs();
        const std::size_t at = file.find("\n" + key + "=");
        if (at == std::string::npos)
            return "";
        const std::size_t start = at + key.size() + 2;
        return file.substr(start, file.find_first_of("\r\n", start) - start);
    }

    ui::MessageRecorder messages_;
};

TEST_F(ConfigurationWindow, ExpertPresetsTheIrsTimeAndTheTrackbarThenOnlyChangesTime) {
    auto d = open();
    EXPECT_TRUE(d->isChecked(1008)); // default intermediate
    EXPECT_EQ(text(*d, 1021), QStringLiteral("60s"));
    click(*d, 1009);
    EXPECT_EQ(slider(*d, 1025)->value(), 600);
    EXPECT_EQ(text(*d, 1021), QStringLiteral("10m00s"));
    slider(*d, 1025)->setValue(90);
    EXPECT_EQ(text(*d, 1021), QStringLiteral("1m30s"));
    click(*d, 1009 - 2); // Beginner presets 10 s even after a move
    EXPECT_EQ(text(*d, 1021), QStringLiteral("10s"));
    click(*d, 1009);
    slider(*d, 1025)->setValue(300);
    click(*d, 1);
    EXPECT_EQ(d->result(), 1);
    EXPECT_EQ(written("UserExperience"), "2");
    EXPECT_EQ(written("IRSAlignmentTime"), "300");
}

TEST_F(ConfigurationWindow, OutOfRangeIrsTimeIsReadBackAtTheFirstMovement) {
    writePrefs("[Common]\nIRSAlignmentTime=900\nPanelVolume=50\n");
    auto d = open();
    EXPECT_EQ(slider(*d, 1025)->value(), 600);
    EXPECT_EQ(text(*d, 1021), QStringLiteral("15m00s"));
    EXPECT_EQ(text(*d, 1006), QStringLiteral("Medium"));
    slider(*d, 1003)->setValue(51); // the other trackbar
    EXPECT_EQ(text(*d, 1021), QStringLiteral("10m00s"));
    click(*d, 1);
    EXPECT_EQ(written("IRSAlignmentTime"), "600");
    EXPECT_EQ(written("PanelVolume"), "51");

    writePrefs("[Common]\nIRSAlignmentTime=900\n");
    d = open(); // a key press at the trackbar's end moves nothing but counts
    slider(*d, 1025)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(text(*d, 1021), QStringLiteral("10m00s"));
}

TEST_F(ConfigurationWindow, UntouchedOutOfRangeValuesAreWrittenBackUnchanged) {
    writePrefs("[Common]\nIRSAlignmentTime=900\nUserExperience=5\nAutoPause=7\nFMGCSaveMode=3\n"
               "PushbackType=1\n");
    auto d = open();
    EXPECT_FALSE(d->isChecked(1007) || d->isChecked(1008) || d->isChecked(1009));
    EXPECT_TRUE(d->isChecked(1026));
    EXPECT_TRUE(d->isChecked(1024)); // PPU, as stored
    click(*d, 1);
    EXPECT_EQ(written("IRSAlignmentTime"), "900");
    EXPECT_EQ(written("UserExperience"), "5");
    EXPECT_EQ(written("AutoPause"), "7");
    EXPECT_EQ(written("FMGCSaveMode"), "3");
    EXPECT_EQ(written("PushbackType"), "1");
}

// A PPU chosen once stays chosen through later openings and Oks.
TEST_F(ConfigurationWindow, PushbackChoiceSurvivesReopeningAndOk) {
    writePrefs("[Common]\nPushbackType=0\n");
    auto d = open();
    EXPECT_TRUE(d->isChecked(1023));
    click(*d, 1024);
    click(*d, 1);
    EXPECT_EQ(written("PushbackType"), "1");

    d = open();
    EXPECT_TRUE(d->isChecked(1024));
    EXPECT_FALSE(d->isChecked(1023));
    click(*d, 1005); // another change
    click(*d, 1);
    EXPECT_EQ(written("PushbackType"), "1");
    EXPECT_EQ(written("UnitSystem"), "1");

    writePrefs("[Common]\nPushbackType=4\n"); // hand-edited: PPU, kept unless chosen again
    d = open();
    EXPECT_TRUE(d->isChecked(1024));
    click(*d, 1);
    EXPECT_EQ(written("PushbackType"), "4");
    d = open();
    click(*d, 1023);
    click(*d, 1);
    EXPECT_EQ(written("PushbackType"), "0");
}

TEST_F(ConfigurationWindow, ToggledCheckBoxesWriteZeroOrOne) {
    writePrefs("[Common]\nAutoPause=7\nFsuipcUsage=0\n");
    auto d = open();
    click(*d, 1026);
    click(*d, 1026);
    click(*d, 1027);
    click(*d, 1024);
    click(*d, 1005);
    click(*d, 1);
    EXPECT_EQ(written("AutoPause"), "1");
    EXPECT_EQ(written("FsuipcUsage"), "1");
    EXPECT_EQ(written("PushbackType"), "1");
    EXPECT_EQ(written("UnitSystem"), "1");
}

// Tab as the focused control receives it; returns the control it lands on.
QWidget* tab(QWidget& window) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(window.focusWidget(), &press);
    return window.focusWidget();
}

TEST_F(ConfigurationWindow, TabEntersEachRadioGroupAtItsCheckedButton) {
    writePrefs("[Common]\nUserExperience=1\nLocker=1\nUnitSystem=1\n");
    auto d = open();
    d->show();
    d->control(2)->setFocus(); // Cancel, the last stop: Tab wraps round
    EXPECT_EQ(tab(*d), d->control(1008)) << "Intermediate";
    d->control(1025)->setFocus();
    EXPECT_EQ(tab(*d), d->control(1005)) << "Imperial";
    d->control(1027)->setFocus(); // the modifiers are disabled by the lock key
    EXPECT_EQ(tab(*d), d->control(1017)) << "Scroll Lock";
    click(*d, 1024); // nothing stored: it opens at Standard
    d->control(1022)->setFocus();
    EXPECT_EQ(tab(*d), d->control(1024)) << "PPU";

    click(*d, 1020); // None: the modifiers come back with Control-Shift checked
    d->control(1027)->setFocus();
    EXPECT_EQ(tab(*d), d->control(1015)) << "Control-Shift";
    EXPECT_EQ(tab(*d), d->control(1020)) << "None";
}

TEST_F(ConfigurationWindow, LockKeyDisablesTheModifiersAndNoneBringsBackControlShift) {
    writePrefs("[Common]\nModifier=4\nLocker=2\n");
    auto d = open();
    EXPECT_TRUE(d->isChecked(1018));
    for (int id = 1013; id <= 1016; ++id)
        EXPECT_FALSE(d->control(id)->isEnabled()) << id;
    EXPECT_TRUE(d->isChecked(1016)); // keeps its check while disabled
    click(*d, 1);
    EXPECT_EQ(written("Modifier"), "0");
    EXPECT_EQ(written("Locker"), "2");

    d = open();
    click(*d, 1020);
    for (int id = 1013; id <= 1016; ++id)
        EXPECT_TRUE(d->control(id)->isEnabled()) << id;
    click(*d, 1);
    EXPECT_EQ(written("Modifier"), "3");
    EXPECT_EQ(written("Locker"), "0");

    d = open(); // no lock key stored: the modifier buttons stay usable
    click(*d, 1013);
    click(*d, 1017);
    EXPECT_FALSE(d->control(1013)->isEnabled());
    click(*d, 1);
    EXPECT_EQ(written("Modifier"), "0");
    EXPECT_EQ(written("Locker"), "1");
}

TEST_F(ConfigurationWindow, ColdAndDarkWritesAtOnceAndCancelWritesNothingElse) {
    auto d = open();
    click(*d, 1022);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text,
              QStringLiteral("The aircraft will be Cold & Dark\nnext time you load it in FS."));
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("Status"));
    EXPECT_EQ(messages_.messages()[0].owner, d.get());
    EXPECT_EQ(readPrefs(), "[Common]\r\nColdAndDark=1\r\n");
    click(*d, 1009);
    click(*d, 2);
    EXPECT_EQ(d->result(), 2);
    EXPECT_EQ(readPrefs(), "[Common]\r\nColdAndDark=1\r\n");
}

TEST_F(ConfigurationWindow, EscapeAndCloseBoxCancel) {
    auto d = open();
    QTimer::singleShot(0, d.get(), [&] { d->close(); });
    EXPECT_EQ(d->exec(), 2);
    EXPECT_FALSE(std::filesystem::exists(prefsFile()));
}

TEST_F(ConfigurationWindow, VolumeLabelFollowsTheTrackbar) {
    auto d = open();
    EXPECT_EQ(text(*d, 1006), QStringLiteral("Maximum"));
    const std::pair<int, const char*> steps[] = {
        {0, "No Sound"}, {1, "Low"}, {33, "Medium"}, {67, "High"}, {100, "Maximum"}};
    for (const auto& [volume, label] : steps) {
        slider(*d, 1003)->setValue(volume);
        EXPECT_EQ(text(*d, 1006), QString::fromLatin1(label)) << volume;
    }
}

} // namespace

namespace {

// A preferences folder that has gone: no write can succeed, and the user
// must be told so instead of being told that all went well.
TEST_F(ConfigurationWindow, FailedWritesAreReportedAndOkKeepsTheWindowOpen) {
    auto d = open();
    std::filesystem::remove_all(sim_.path() / "Korvanta");

    click(*d, 1022);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages_.messages()[0].text.startsWith(
        QStringLiteral("The Cold & Dark request could not be saved in the file\n")));
    EXPECT_TRUE(messages_.messages()[0].text.contains(QStringLiteral("Prefs.cfg")));

    click(*d, 1009);
    click(*d, 1);
    ASSERT_EQ(messages_.messages().size(), 2u);
    EXPECT_EQ(messages_.messages()[1].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages_.messages()[1].text.startsWith(
        QStringLiteral("The preferences could not be saved in the file\n")));
    EXPECT_EQ(d->result(), 0) << "the window stays open";

    // Once the folder is back, Ok saves the choices made before.
    std::filesystem::create_directories(sim_.path() / "Korvanta" / "Volaro");
    click(*d, 1);
    EXPECT_EQ(d->result(), 1);
    EXPECT_EQ(written("UserExperience"), "2");
}

} // namespace

namespace {

// Another program (a text editor, the simulator) writes Prefs.cfg while the
// window is open: Ok never writes over that unseen.
class ConfigurationWindowOutsideChange : public ConfigurationWindow,
                                         public testing::WithParamInterface<bool> {
protected:
    testing_support::BackupFolder backups_;
};

TEST_P(ConfigurationWindowOutsideChange, OkAsksAndDoesWhatTheUserChose) {
    const bool overwrite = GetParam();
    writePrefs("[Common]\r\nUnitSystem=0\r\n");
    auto d = open();
    const std::string theirs = "[Common]\r\nUnitSystem=0\r\nTheirs=1\r\n";
    writePrefs(theirs);
    click(*d, 1009);
    messages_.answerQuestionsWith(overwrite);
    click(*d, 1);

    ASSERT_EQ(messages_.messages().size(), 1u);
    const ui::Message& asked = messages_.messages()[0];
    EXPECT_EQ(asked.caption, QStringLiteral("File changed"));
    EXPECT_EQ(asked.choices, QStringList({QStringLiteral("Overwrite"), QStringLiteral("Cancel")}));
    EXPECT_TRUE(asked.text.contains(QString::fromStdString(profile::hostFileName(PrefsPath))))
        << asked.text.toStdString();
    EXPECT_EQ(asked.owner, d.get());
    if (overwrite) {
        EXPECT_EQ(d->result(), 1);
        EXPECT_EQ(written("UserExperience"), "2");
        EXPECT_EQ(written("Theirs"), "1") << "lines the window does not own stay";
        // What was overwritten can be had back.
        const auto kept =
            backup::Store().versions(QString::fromStdString(profile::hostFileName(PrefsPath)));
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(testing_support::readFile(kept[0].file.toStdString()), theirs);
    } else {
        EXPECT_EQ(d->result(), 0) << "the window stays open with the choices made";
        EXPECT_EQ(readPrefs(), theirs);
        EXPECT_TRUE(backup::Store().list().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, ConfigurationWindowOutsideChange, testing::Bool(),
                         [](const auto& info) { return info.param ? "Overwrite" : "Cancel"; });

TEST_F(ConfigurationWindow, ItsOwnColdAndDarkRequestIsNoOutsideChange) {
    testing_support::BackupFolder backups;
    writePrefs("[Common]\r\nUnitSystem=1\r\n");
    auto d = open();
    click(*d, 1022);
    click(*d, 1);
    ASSERT_EQ(messages_.messages().size(), 1u) << "only the Status box";
    EXPECT_EQ(d->result(), 1);
    EXPECT_EQ(written("ColdAndDark"), "1");
    // Both writes kept what they replaced.
    EXPECT_EQ(backup::Store().list().size(), 2u);
}

TEST_F(ConfigurationWindow, BackupThatCannotBeKeptStopsOk) {
    const testing_support::TempDir elsewhere;
    testing_support::writeFile(elsewhere.path() / "file", "x");
    testing_support::ScopedEnv blocked("VOLARO_BACKUP_DIR", elsewhere.file("file"));
    writePrefs("[Common]\r\nUnitSystem=1\r\n");
    auto d = open();
    click(*d, 1009);
    click(*d, 1);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages_.messages()[0].text.contains(QStringLiteral("backup folder")))
        << messages_.messages()[0].text.toStdString();
    EXPECT_EQ(d->result(), 0);
    EXPECT_EQ(readPrefs(), "[Common]\r\nUnitSystem=1\r\n");
}

} // namespace
