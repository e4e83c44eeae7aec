#include "common/backup/backupstore.h"
#include "common/profile/profile.h"
#include "common/ui/messagebox.h"
#include "configurator/keys/keyassigner.h"
#include "configurator/keys/keycapturefield.h"
#include "configurator/keys/keyconfig.h"
#include "configurator/keys/keynames.h"
#include "tests/support/backupfolder.h"
#include "tests/support/tempdir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using keys::CKeyAssigner;
using keys::CKeyConfig;
using keys::KeyCombination;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

void release(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

class KeyDialogs : public testing::Test {
protected:
    void SetUp() override { keys::forceLayout(keys::Layout::English); }
    void TearDown() override { keys::forceLayout(std::nullopt); }

    TempDir dir;
    std::string prefs = dir.file("Prefs.cfg");
    keys::CommandTable table;
    ui::MessageRecorder messages;

    QComboBox* list(CKeyConfig& config) {
        return config.control<QComboBox>(CKeyConfig::kCommandList);
    }
    QString shown(CKeyConfig& config) {
        return config.control<QLineEdit>(CKeyConfig::kShortcut)->text();
    }
};

TEST_F(KeyDialogs, NoKeysSectionShowsDefaultsAndOkWritesAll182Keys) {
    writeFile(prefs, "[Common]\r\nUnitSystem=1\r\n");
    CKeyConfig config(table, prefs);
    ASSERT_EQ(list(config)->count(), 86);
    EXPECT_EQ(list(config)->itemText(0), QStringLiteral("Select a command"));
    EXPECT_EQ(list(config)->itemText(1), QStringLiteral("T.O CONFIG"));
    EXPECT_EQ(list(config)->itemText(85), QStringLiteral("Recall cleared ECAM Alerts"));
    EXPECT_EQ(list(config)->currentIndex(), 0);
    EXPECT_EQ(shown(config), QString());

    list(config)->setCurrentIndex(1);
    EXPECT_EQ(shown(config), QStringLiteral("SHIFT + CTRL + T"));
    list(config)->setCurrentIndex(13);
    EXPECT_EQ(shown(config), QStringLiteral("CTRL + PgDn"));
    list(config)->setCurrentIndex(0);
    EXPECT_EQ(shown(config), QString());

    config.sendCommand(1);
    EXPECT_EQ(config.result(), 1);
    EXPECT_TRUE(config.saveResult().ok);
    const std::string file = readFile(prefs);
    std::size_t keysWritten = 0;
    for (std::size_t at = file.find("Command."); at != std::string::npos;
         at = file.find("Command.", at + 1))
        ++keysWritten;
    EXPECT_EQ(keysWritten, 182u);
    EXPECT_EQ(profile::readInt("Keys", "Command.00-Modifier", -1, prefs), 3);
    EXPECT_EQ(profile::readInt("Keys", "Command.00-Key", -1, prefs), 20);
    EXPECT_EQ(profile::readInt("Keys", "Command.90-Key", -1, prefs), 0);
    EXPECT_EQ(profile::readInt("Common", "UnitSystem", -1, prefs), 1);
}

TEST_F(KeyDialogs, CommandListDropsBelowItsFieldAsHighAsItsTemplate) {
    CKeyConfig config(table, prefs);
    config.show();
    QComboBox* commands = list(config);
    commands->setCurrentIndex(40); // a menu-like popup would centre on this item
    commands->showPopup();
    QApplication::processEvents();
    QWidget* popup = commands->view()->window();
    ASSERT_TRUE(popup->isVisible());
    const QRect field(commands->mapToGlobal(QPoint(0, 0)), commands->size());
    const QRect dropped = popup->geometry();
    const int templateHeight = config.unitsToPixels(7, 7, 205, 86).height();
    EXPECT_GE(dropped.top(), field.bottom()) << "drops below the field";
    EXPECT_LE(field.height() + dropped.height(), templateHeight + 4);
    EXPECT_GE(field.height() + dropped.height(), templateHeight * 3 / 4);
    commands->hidePopup();
}

TEST_F(KeyDialogs, FailedSaveIsReportedAndTheWindowStaysOpen) {
    const std::string missing = dir.file("gone/Prefs.cfg");
    CKeyConfig config(table, missing);
    config.sendCommand(1);
    EXPECT_FALSE(config.saveResult().ok);
    EXPECT_EQ(config.result(), 0) << "the window stays open";
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(messages.messages()[0].text.startsWith(
        QStringLiteral("The key assignments could not be saved in the file\n")));

    std::filesystem::create_directory(dir.path() / "gone");
    config.sendCommand(1);
    EXPECT_EQ(config.result(), 1);
    EXPECT_EQ(profile::readInt("Keys", "Command.00-Key", -1, missing), 20);
}

TEST_F(KeyDialogs, ChangeWithoutCommandAsksForOne) {
    CKeyConfig config(table, prefs);
    bool assignerRan = false;
    config.setAssignerRunner([&](CKeyAssigner&) { assignerRan = true; });
    config.sendCommand(CKeyConfig::kChange);
    EXPECT_FALSE(assignerRan);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Please select a command first."));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("ERROR"));
    EXPECT_EQ(messages.messages()[0].icon, ui::MessageIcon::Error);
}

struct CaptureCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    int modifier; // stored
    int keyCode;  // stored
    const char* shown;
};
void PrintTo(const CaptureCase& c, std::ostream* os) {
    *os << c.name;
}

class CaptureAndStore : public KeyDialogs, public testing::WithParamInterface<CaptureCase> {};

TEST_P(CaptureAndStore, OkStoresTheSlot) {
    const CaptureCase& c = GetParam();
    CKeyConfig config(table, prefs);
    list(config)->setCurrentIndex(44); // slot 43
    config.setAssignerRunner([&](CKeyAssigner& assigner) {
        EXPECT_EQ(assigner.control<QLineEdit>(CKeyAssigner::kCommandName)->text(),
                  QStringLiteral("[FCU] Speed Selected (Pull speed knob)"));
        EXPECT_EQ(assigner.captureField()->text(), QString()); // starts empty
        if (c.key != 0) {
            press(assigner.captureField(), c.key, c.modifiers);
            // What OK will store, before it is pressed.
            EXPECT_EQ(assigner.captureField()->text(), QString::fromUtf8(c.shown));
        }
        assigner.sendCommand(1);
        EXPECT_EQ(assigner.result(), 1);
    });
    config.sendCommand(CKeyConfig::kChange);
    EXPECT_EQ(table.modifier(43), c.modifier);
    EXPECT_EQ(table.keyCode(43), c.keyCode);
    EXPECT_EQ(shown(config), QString::fromUtf8(c.shown));
    EXPECT_TRUE(messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CaptureAndStore,
    testing::Values(CaptureCase{"NothingPressed", 0, Qt::NoModifier, 0, 0, "No key defined"},
                    CaptureCase{"ShiftCtrlF5", Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier,
                                3, 63, "SHIFT + CTRL + F5"},
                    CaptureCase{"SpaceWithShift", Qt::Key_Space, Qt::ShiftModifier, 1, 0,
                                "SHIFT + No key defined"},
                    CaptureCase{"SpaceAlone", Qt::Key_Space, Qt::NoModifier, 0, 0,
                                "No key defined"},
                    CaptureCase{"EnterWithCtrl", Qt::Key_Return, Qt::ControlModifier, 2, 0,
                                "CTRL + No key defined"},
                    CaptureCase{"Keypad7", Qt::Key_7, Qt::KeypadModifier, 0, 0x47, "7 (NUMPAD)"},
                    CaptureCase{"MainRow7", Qt::Key_7, Qt::NoModifier, 0, 8, "7"},
                    CaptureCase{"Home", Qt::Key_Home, Qt::NoModifier, 0, 0xC7, "Home"},
                    CaptureCase{"OtherStatesIgnored", Qt::Key_F5,
                                Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier, 2,
                                63, "CTRL + F5"}),
    [](const testing::TestParamInfo<CaptureCase>& info) { return std::string(info.param.name); });

TEST_F(KeyDialogs, AltIsRefusedAndNothingStored) {
    CKeyAssigner assigner(table, 43);
    assigner.show();
    press(assigner.captureField(), Qt::Key_F5, Qt::AltModifier);
    EXPECT_EQ(assigner.captureField()->text(), QStringLiteral("ALT + F5"));
    assigner.control(1)->setFocus(); // as a click on OK would
    assigner.sendCommand(1);

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              QStringLiteral("ALT modifier is not authorized, please use another."));
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.messages()[0].icon, ui::MessageIcon::Error);
    EXPECT_TRUE(assigner.isVisible());
    EXPECT_EQ(assigner.result(), 0);
    EXPECT_EQ(table.modifier(43), 3);
    EXPECT_EQ(table.keyCode(43), 0x3F);
    EXPECT_EQ(assigner.focusWidget(), assigner.captureField());
    QWidget* next = assigner.captureField()->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, assigner.control(1)); // Tab goes on to OK

    // Another combination is then accepted.
    press(assigner.captureField(), Qt::Key_F6, Qt::ControlModifier);
    assigner.sendCommand(1);
    EXPECT_EQ(table.modifier(43), 2);
    EXPECT_EQ(table.keyCode(43), 0x40);
}

struct DuplicateCase {
    const char* name;
    bool replace;      // the answer
    int otherModifier; // slot 03 afterwards
    int otherKeyCode;
};
void PrintTo(const DuplicateCase& c, std::ostream* os) {
    *os << c.name;
}

class DuplicateShortcut : public KeyDialogs, public testing::WithParamInterface<DuplicateCase> {};

// CTRL + I is the INIT key's (slot 03); chosen for AP1 (slot 38).
TEST_P(DuplicateShortcut, OkNamesTheOtherCommandAndDoesWhatTheUserChose) {
    const DuplicateCase& c = GetParam();
    messages.answerQuestionsWith(c.replace);
    CKeyAssigner assigner(table, 38);
    press(assigner.captureField(), Qt::Key_I, Qt::ControlModifier);
    assigner.sendCommand(1);

    ASSERT_EQ(messages.messages().size(), 1u);
    const ui::Message& question = messages.messages()[0];
    EXPECT_EQ(question.caption, QStringLiteral("Key already assigned"));
    EXPECT_EQ(question.text, QStringLiteral("CTRL + I is already assigned to\n"
                                            "    [MCDU] INIT Key\n\n"
                                            "Replace: [FCU] Toggle AP1 gets CTRL + I, and [MCDU] "
                                            "INIT Key is left with no key.\n"
                                            "Keep Both: both commands react to CTRL + I."));
    EXPECT_EQ(question.choices,
              (QStringList{QStringLiteral("Replace"), QStringLiteral("Keep Both")}));
    EXPECT_EQ(question.owner, &assigner);
    EXPECT_EQ(assigner.result(), 1);
    EXPECT_EQ(table.modifier(38), 2);
    EXPECT_EQ(table.keyCode(38), 0x17);
    EXPECT_EQ(table.modifier(3), c.otherModifier);
    EXPECT_EQ(table.keyCode(3), c.otherKeyCode);
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, DuplicateShortcut,
                         testing::Values(DuplicateCase{"Replace", true, 0, 0},
                                         DuplicateCase{"KeepBoth", false, 2, 0x17}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyDialogs, EveryOtherHolderOfTheShortcutIsNamedAndReplaced) {
    table.set(40, keys::kCtrl, 0x17); // a hand-edited file may share it already
    messages.answerQuestionsWith(true);
    CKeyAssigner assigner(table, 38);
    press(assigner.captureField(), Qt::Key_I, Qt::ControlModifier);
    assigner.sendCommand(1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.startsWith(
        QStringLiteral("CTRL + I is already assigned to\n    [MCDU] INIT Key\n"
                       "    [FCU] Toggle EXPED\n\nReplace: [FCU] Toggle AP1 gets CTRL + I, and "
                       "the commands above are left with no key.\n")))
        << messages.messages()[0].text.toStdString();
    EXPECT_EQ(table.keyCode(3), 0);
    EXPECT_EQ(table.keyCode(40), 0);
    EXPECT_EQ(table.keyCode(38), 0x17);
}

// No key is no shortcut, and a command's own shortcut is no duplicate.
TEST_F(KeyDialogs, NoQuestionWithoutAnotherHolder) {
    const struct {
        int slot, key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {38, 0, Qt::NoModifier},                // nothing pressed: many commands have no key
        {38, Qt::Key_Space, Qt::ShiftModifier}, // SHIFT + No key defined
        {3, Qt::Key_I, Qt::ControlModifier},    // the INIT key's own CTRL + I
        {38, Qt::Key_I, Qt::ShiftModifier},     // another modifier
    };
    for (const auto& c : cases) {
        CKeyAssigner assigner(table, c.slot);
        if (c.key != 0)
            press(assigner.captureField(), c.key, c.modifiers);
        assigner.sendCommand(1);
        EXPECT_EQ(assigner.result(), 1);
    }
    EXPECT_TRUE(messages.messages().empty());
}

// Shift+Tab is captured; Tab alone still leaves the field for OK.
TEST_F(KeyDialogs, ShiftTabIsCapturedLikeAnyOtherKey) {
    CKeyAssigner assigner(table, 43);
    assigner.show();
    assigner.captureField()->setFocus();
    press(assigner.captureField(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(assigner.focusWidget(), assigner.captureField());
    EXPECT_EQ(assigner.captureField()->text(), QStringLiteral("SHIFT + No key defined"));
    EXPECT_EQ(assigner.captureField()->combination(), (KeyCombination{0x09, true, false, false}));
    press(assigner.captureField(), Qt::Key_F7, Qt::ShiftModifier); // later keys still count
    EXPECT_EQ(assigner.captureField()->text(), QStringLiteral("SHIFT + F7"));

    press(assigner.captureField(), Qt::Key_Tab);
    EXPECT_EQ(assigner.focusWidget(), assigner.control(1));
    assigner.sendCommand(1);
    EXPECT_EQ(table.modifier(43), 1);
    EXPECT_EQ(table.keyCode(43), 0x41);
}

TEST_F(KeyDialogs, ChangeRunsTheCaptureModally) {
    CKeyConfig config(table, prefs);
    list(config)->setCurrentIndex(1);
    QTimer::singleShot(0, [] {
        auto* assigner = qobject_cast<CKeyAssigner*>(QApplication::activeModalWidget());
        ASSERT_NE(assigner, nullptr);
        press(assigner->captureField(), Qt::Key_F2, Qt::ControlModifier);
        assigner->sendCommand(1);
    });
    config.sendCommand(CKeyConfig::kChange);
    EXPECT_EQ(shown(config), QStringLiteral("CTRL + F2"));
}

// Enter and Escape are not captured: they answer the dialog as its buttons do.
TEST_F(KeyDialogs, EnterAcceptsAndEscapeCancelsFromTheCaptureField) {
    CKeyAssigner accepted(table, 5);
    accepted.show();
    press(accepted.captureField(), Qt::Key_F3, Qt::ShiftModifier);
    press(accepted.captureField(), Qt::Key_Return);
    EXPECT_EQ(accepted.result(), 1);
    EXPECT_EQ(table.modifier(5), 1);
    EXPECT_EQ(table.keyCode(5), 0x3D);

    CKeyAssigner cancelled(table, 6);
    cancelled.show();
    press(cancelled.captureField(), Qt::Key_F4);
    press(cancelled.captureField(), Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), 2);
    EXPECT_EQ(table.keyCode(6), 0x18);
}

TEST_F(KeyDialogs, CancelKeepsTheSlotAndTheFile) {
    CKeyConfig config(table, prefs);
    list(config)->setCurrentIndex(1);
    config.setAssignerRunner([](CKeyAssigner& assigner) {
        press(assigner.captureField(), Qt::Key_F1);
        assigner.sendCommand(2);
    });
    config.sendCommand(CKeyConfig::kChange);
    EXPECT_EQ(table.keyCode(0), 0x14);
    config.sendCommand(2);
    EXPECT_FALSE(std::filesystem::exists(prefs));
}

// Changes survive a Cancel of the list for the rest of the run; the next
// opening replaces only the slots whose two keys the file holds.
TEST_F(KeyDialogs, ReopeningReloadsOnlySlotsPresentInTheFile) {
    writeFile(prefs, "[Keys]\nCommand.01-Modifier=0\nCommand.01-Key=59\nCommand.02-Key=5\n");
    {
        CKeyConfig config(table, prefs);
        for (const int item : {1, 2, 3}) {
            list(config)->setCurrentIndex(item);
            config.setAssignerRunner([](CKeyAssigner& assigner) {
                press(assigner.captureField(), Qt::Key_F9, Qt::ShiftModifier);
                assigner.sendCommand(1);
            });
            config.sendCommand(CKeyConfig::kChange);
        }
        config.sendCommand(2);
    }
    CKeyConfig reopened(table, prefs);
    list(reopened)->setCurrentIndex(1);
    EXPECT_EQ(shown(reopened), QStringLiteral("SHIFT + F9"));
    list(reopened)->setCurrentIndex(2);
    EXPECT_EQ(shown(reopened), QStringLiteral("F1")); // from the file
    list(reopened)->setCurrentIndex(3);
    EXPECT_EQ(shown(reopened), QStringLiteral("SHIFT + F9")); // one key only: kept
}

TEST_F(KeyDialogs, CaptureShowsTheCombinationAsTyped) {
    keys::KeyCaptureField field;
    press(&field, Qt::Key_Control, Qt::ControlModifier);
    press(&field, Qt::Key_Shift, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("SHIFT + CTRL + "));
    EXPECT_EQ(field.combination(), (KeyCombination{0, true, true, false}));
    release(&field, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field.text(), QStringLiteral("CTRL + "));
    release(&field, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QString());
    EXPECT_EQ(field.combination(), KeyCombination{});

    press(&field, Qt::Key_Control, Qt::NoModifier);
    press(&field, Qt::Key_F12, Qt::ControlModifier);
    release(&field, Qt::Key_F12, Qt::ControlModifier);
    release(&field, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("CTRL + F12"));
    EXPECT_EQ(field.combination(), (KeyCombination{0x7B, false, true, false}));

    press(&field, Qt::Key_Space, Qt::ShiftModifier); // no key code: shown as OK stores it
    EXPECT_EQ(field.text(), QStringLiteral("SHIFT + No key defined"));
    EXPECT_EQ(field.combination(), (KeyCombination{0x20, true, false, false}));
    press(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.combination(), KeyCombination{});
}

TEST_F(KeyDialogs, FrenchNamesShowInTheWindows) {
    keys::forceLayout(keys::Layout::French);
    writeFile(prefs, "[Keys]\nCommand.00-Modifier=1\nCommand.00-Key=70\n"
                     "Command.01-Modifier=0\nCommand.01-Key=40\n");
    CKeyConfig config(table, prefs);
    list(config)->setCurrentIndex(1);
    EXPECT_EQ(shown(config), QStringLiteral("SHIFT + Arr\u00EAt D\u00E9"
                                            "fil"));
    list(config)->setCurrentIndex(2);
    EXPECT_EQ(shown(config), QStringLiteral("\u00F9"));

    keys::KeyCaptureField field;
    press(&field, Qt::Key_Ugrave, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("CTRL + \u00F9"));
}

struct NativeCase {
    const char* name;
    keys::Layout layout;
    keys::NativeKeys native;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode;
    quint32 nativeVirtualKey;
    int virtualKey;
};
void PrintTo(const NativeCase& c, std::ostream* os) {
    *os << c.name;
}

class VirtualKeyOfEvent : public testing::TestWithParam<NativeCase> {};

TEST_P(VirtualKeyOfEvent, FromThePhysicalKey) {
    const NativeCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.nativeScanCode,
                          c.nativeVirtualKey, 0);
    EXPECT_EQ(keys::virtualKeyOfEvent(event, c.layout, c.native), c.virtualKey);
}

using keys::Layout;
using keys::NativeKeys;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Events, VirtualKeyOfEvent,
    testing::Values(
        // X11/Wayland keycodes are evdev codes + 8; evdev 16 is the key left of W/Z.
        NativeCase{"FrenchA", Layout::French, NativeKeys::Evdev, Qt::Key_A, kNone, 16 + 8, 0, 'A'},
        NativeCase{"EnglishQ", Layout::English, NativeKeys::Evdev, Qt::Key_Q, kNone, 16 + 8, 0,
                   'Q'},
        NativeCase{"FrenchSemicolonKey", Layout::French, NativeKeys::Evdev, Qt::Key_Semicolon,
                   kNone, 51 + 8, 0, 0xBE},
        NativeCase{"FrenchDigitRowUnshifted", Layout::French, NativeKeys::Evdev, Qt::Key_Ampersand,
                   kNone, 2 + 8, 0, '1'},
        NativeCase{"Keypad7NumLockOn", Layout::English, NativeKeys::Evdev, Qt::Key_7, kKeypad,
                   71 + 8, 0, 0x67},
        NativeCase{"Keypad7NumLockOff", Layout::English, NativeKeys::Evdev, Qt::Key_Home, kKeypad,
                   71 + 8, 0, 0x24},
        NativeCase{"ExtendedHome", Layout::French, NativeKeys::Evdev, Qt::Key_Home, kNone, 102 + 8,
                   0, 0x24},
        NativeCase{"BareShift", Layout::English, NativeKeys::Evdev, Qt::Key_Shift, kNone, 42 + 8, 0,
                   0},
        NativeCase{"UnknownKeycodeFallsBackToQtKey", Layout::English, NativeKeys::Evdev, Qt::Key_F5,
                   kNone, 300, 0, 0x74},
        NativeCase{"WindowsVirtualKey", Layout::French, NativeKeys::Windows, Qt::Key_F5, kNone,
                   0x3F, 0x74, 0x74},
        NativeCase{"WindowsBareControl", Layout::English, NativeKeys::Windows, Qt::Key_Control,
                   kNone, 0x1D, 0x11, 0},
        NativeCase{"NoNativeData", Layout::French, NativeKeys::None, Qt::Key_Exclam, kNone, 0, 0,
                   0xDF}),
    [](const testing::TestParamInfo<NativeCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Prefs.cfg changed by another program while the window is open.
class KeyDialogsOutsideChange : public KeyDialogs, public testing::WithParamInterface<bool> {
protected:
    testing_support::BackupFolder backups;
};

TEST_P(KeyDialogsOutsideChange, OkAsksAndDoesWhatTheUserChose) {
    const bool overwrite = GetParam();
    writeFile(prefs, "[Common]\r\nUnitSystem=1\r\n");
    CKeyConfig config(table, prefs);
    const std::string theirs = "[Common]\r\nUnitSystem=0\r\n";
    writeFile(prefs, theirs);
    messages.answerQuestionsWith(overwrite);
    config.sendCommand(1);

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("File changed"));
    EXPECT_TRUE(
        messages.messages()[0].text.contains(QString::fromStdString(profile::hostFileName(prefs))));
    if (overwrite) {
        EXPECT_EQ(config.result(), 1);
        EXPECT_EQ(profile::readInt("Keys", "Command.00-Key", -1, prefs), 20);
        EXPECT_EQ(profile::readInt("Common", "UnitSystem", -1, prefs), 0) << "their line stays";
        EXPECT_EQ(backup::Store().list().size(), 1u);
    } else {
        EXPECT_EQ(config.result(), 0) << "the window stays open";
        EXPECT_EQ(readFile(prefs), theirs);
    }
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, KeyDialogsOutsideChange, testing::Bool(),
                         [](const auto& info) { return info.param ? "Overwrite" : "Cancel"; });

} // namespace
