#include "configurator/keys/commandtable.h"
#include "configurator/keys/keynames.h"
#include "configurator/keys/physicalkeys.h"

#include <gtest/gtest.h>

#include <Qt>
#include <set>

using keys::Layout;

namespace {

const char* layoutName(Layout layout) {
    return layout == Layout::French ? "French" : "English";
}

struct ShortcutCase {
    const char* name;
    Layout layout;
    int modifier;
    int keyCode;
    const char* shown; // Windows-1252
};
void PrintTo(const ShortcutCase& c, std::ostream* os) {
    *os << c.name;
}

class ShortcutText : public testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutText, ShowsModifierAndKeyName) {
    const ShortcutCase& c = GetParam();
    EXPECT_EQ(keys::shortcutText(c.modifier, c.keyCode, c.layout, c.layout), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    BothLayouts, ShortcutText,
    testing::Values(ShortcutCase{"Slot00English", Layout::English, 3, 0x14, "SHIFT + CTRL + T"},
                    ShortcutCase{"Slot00French", Layout::French, 3, 0x14, "SHIFT + CTRL + T"},
                    ShortcutCase{"Slot07English", Layout::English, 2, 0x1E, "CTRL + A"},
                    ShortcutCase{"Slot07French", Layout::French, 2, 0x1E, "CTRL + Q"},
                    ShortcutCase{"Slot11English", Layout::English, 2, 0x32, "CTRL + M"},
                    ShortcutCase{"Slot11French", Layout::French, 2, 0x32, "CTRL + ,"},
                    ShortcutCase{"FrenchMIsTheEnglishSemicolonKey", Layout::French, 0, 0x27, "M"},
                    ShortcutCase{"ModifierWithoutKey", Layout::English, 2, 0,
                                 "CTRL + No key defined"},
                    ShortcutCase{"NoShortcut", Layout::French, 0, 0, "No key defined"},
                    ShortcutCase{"CodeInNoTable", Layout::English, 0, 0x39, "?"},
                    ShortcutCase{"CodeInNoTableFrench", Layout::French, 1, 0x39, "SHIFT + ?"},
                    ShortcutCase{"DigitRow", Layout::French, 1, 8, "SHIFT + 7"},
                    ShortcutCase{"KeypadEnglish", Layout::English, 2, 0x47, "CTRL + 7 (NUMPAD)"},
                    ShortcutCase{"KeypadFrench", Layout::French, 2, 0x52, "CTRL + 0 (PAVE NUM.)"},
                    ShortcutCase{"ExtendedKeyFrench", Layout::French, 2, 0xC8, "CTRL + Haut"},
                    ShortcutCase{"AccentedFrenchName", Layout::French, 0, 0x46,
                                 "Arr\xEAt D\xE9"
                                 "fil"},
                    // 0x28 is the key two right of L, 0x29 the key left of 1,
                    // whatever they print.
                    ShortcutCase{"ApostropheKeyEnglish", Layout::English, 2, 0x28, "CTRL + '"},
                    ShortcutCase{"ApostropheKeyFrench", Layout::French, 2, 0x28, "CTRL + \xF9"},
                    ShortcutCase{"GraveKeyEnglish", Layout::English, 2, 0x29, "CTRL + `"},
                    ShortcutCase{"GraveKeyFrench", Layout::French, 2, 0x29, "CTRL + \xB2"},
                    ShortcutCase{"HandEditedModifier", Layout::English, 7, 0x14, "? + T"},
                    ShortcutCase{"NegativeModifier", Layout::English, -1, 0x14, "? + T"}),
    [](const testing::TestParamInfo<ShortcutCase>& info) { return std::string(info.param.name); });

TEST(KeyNames, KeypadSuffixFollowsItsOwnLayout) {
    // The tables stay as chosen at first use; the suffix follows each call.
    EXPECT_EQ(keys::keyName(0x47, Layout::English, Layout::French), "7 (PAVE NUM.)");
    EXPECT_EQ(keys::keyName(0x1E, Layout::English, Layout::French), "A");
}

struct PressCase {
    const char* name;
    int virtualKey;
    int english;
    int french;
};
void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyCodeOfPressedKey : public testing::TestWithParam<PressCase> {};

TEST_P(KeyCodeOfPressedKey, InBothLayouts) {
    const PressCase& c = GetParam();
    EXPECT_EQ(keys::keyCodeFromVirtualKey(c.virtualKey, Layout::English), c.english);
    EXPECT_EQ(keys::keyCodeFromVirtualKey(c.virtualKey, Layout::French), c.french);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, KeyCodeOfPressedKey,
    testing::Values(PressCase{"Keypad7", 0x67, 0x47, 0x47}, PressCase{"Keypad0", 0x60, 0x52, 0x52},
                    PressCase{"Home", 0x24, 0xC7, 0xC7}, PressCase{"MainRow7", 0x37, 8, 8},
                    PressCase{"MainRow1", 0x31, 2, 2}, PressCase{"MainRow0", 0x30, 0x0B, 0x0B},
                    PressCase{"LetterA", 0x41, 0x1E, 0x10}, PressCase{"LetterM", 0x4D, 0x32, 0x27},
                    PressCase{"LetterZ", 0x5A, 0x2C, 0x11}, PressCase{"F5", 0x74, 0x3F, 0x3F},
                    PressCase{"Space", 0x20, 0, 0}, PressCase{"Enter", 0x0D, 0, 0},
                    PressCase{"NothingPressed", 0, 0, 0},
                    // 0xBA is ";" in English, "$" in French; 0xDF exists only in French.
                    PressCase{"Oem1", 0xBA, 0x27, 0x1B}, PressCase{"Oem8", 0xDF, 0, 0x35},
                    // The grave key and the apostrophe key of each layout.
                    PressCase{"Oem3", 0xC0, 0x29, 0x28}, PressCase{"Oem7", 0xDE, 0x28, 0x29}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.name); });

// Every row of both key-name tables: pressing its virtual key stores its key
// code, and that code shows its name.
TEST(KeyNameTables, EveryRowRoundTrips) {
    for (const Layout layout : {Layout::English, Layout::French}) {
        const keys::KeyNameTable& table = keys::keyNameTable(layout);
        for (std::size_t row = 0; row < table.size(); ++row) {
            SCOPED_TRACE(std::string(layoutName(layout)) + " row " + std::to_string(row));
            EXPECT_EQ(keys::keyCodeFromVirtualKey(table[row].virtualKey, layout),
                      table[row].keyCode);
            EXPECT_EQ(keys::keyName(table[row].keyCode, layout, layout), table[row].name);
            EXPECT_LE(std::string(table[row].name).size(), 19u);
        }
    }
}

// A key code appearing twice would make two keys show the same name.
TEST(KeyNameTables, NoKeyCodeTwiceInALayout) {
    for (const Layout layout : {Layout::English, Layout::French}) {
        SCOPED_TRACE(layoutName(layout));
        std::multiset<int> codes;
        for (int vk = 0x31; vk <= 0x39; ++vk)
            codes.insert(keys::keyCodeFromVirtualKey(vk, layout));
        for (int vk = 0x41; vk <= 0x5A; ++vk)
            codes.insert(keys::keyCodeFromVirtualKey(vk, layout));
        for (int vk = 0x60; vk <= 0x69; ++vk)
            codes.insert(keys::keyCodeFromVirtualKey(vk, layout));
        for (const keys::KeyNameRow& row : keys::keyNameTable(layout))
            codes.insert(row.keyCode);
        EXPECT_EQ(codes.size(), 9u + 26u + 10u + 44u);
        for (const int code : codes)
            EXPECT_EQ(codes.count(code), 1u) << "key code " << code;
    }
}

TEST(CommandTable, DefaultsAndSpareSlots) {
    const keys::CommandTable table;
    ASSERT_EQ(table.count(), 91);
    EXPECT_EQ(table.name(0), "T.O CONFIG");
    EXPECT_EQ(table.name(84), "Recall cleared ECAM Alerts");
    for (int slot = 0; slot < 85; ++slot)
        EXPECT_FALSE(table.name(slot).empty()) << slot;
    for (int slot = 85; slot < 91; ++slot) {
        EXPECT_TRUE(table.name(slot).empty()) << slot;
        EXPECT_EQ(table.modifier(slot), 0);
        EXPECT_EQ(table.keyCode(slot), 0);
    }
    struct Shown {
        int slot;
        const char* english;
    };
    for (const Shown s : {Shown{12, "CTRL + PgDn"}, Shown{15, "SHIFT + CTRL + B"},
                          Shown{16, "No key defined"}, Shown{22, "CTRL + 1 (NUMPAD)"},
                          Shown{35, "CTRL + 6 (NUMPAD)"}, Shown{43, "SHIFT + CTRL + F5"},
                          Shown{49, "SHIFT + CTRL + F11"}, Shown{82, "SHIFT + CTRL + D"}}) {
        EXPECT_EQ(keys::shortcutText(table.modifier(s.slot), table.keyCode(s.slot), Layout::English,
                                     Layout::English),
                  s.english)
            << "slot " << s.slot;
    }
}

TEST(CommandTable, SetChangesOnlyThatSlotAndIgnoresUnknownSlots) {
    keys::CommandTable table;
    table.set(7, 1, 0x3F);
    table.set(91, 1, 1);
    table.set(-1, 1, 1);
    EXPECT_EQ(table.modifier(7), 1);
    EXPECT_EQ(table.keyCode(7), 0x3F);
    EXPECT_EQ(table.keyCode(6), 0x18);
    EXPECT_TRUE(table.name(91).empty());
    table.resetToDefaults();
    EXPECT_EQ(table.keyCode(7), 0x1E);
}

// A physical key reaches the key code of its own position on either layout:
// the scan code is the key code wherever the tables know the key.
TEST(PhysicalKeys, VirtualKeyOfEachPhysicalKeyGivesItsScanCode) {
    for (const Layout layout : {Layout::English, Layout::French}) {
        for (const int scanCode : keys::knownScanCodes()) {
            const int code = keys::keyCodeFromVirtualKey(
                keys::virtualKeyOfScanCode(scanCode, true, layout), layout);
            if (code != 0) {
                EXPECT_EQ(code, scanCode) << layoutName(layout) << " scan code " << scanCode;
            }
        }
    }
    // With Num Lock off keypad 7 is Home, as on Windows.
    EXPECT_EQ(keys::virtualKeyOfScanCode(0x47, false, Layout::English), 0x24);
    EXPECT_EQ(keys::virtualKeyOfScanCode(0x10, true, Layout::French), 'A');
    EXPECT_EQ(keys::virtualKeyOfScanCode(0x10, true, Layout::English), 'Q');
    EXPECT_EQ(keys::virtualKeyOfScanCode(0x35, true, Layout::French), 0xDF);
}

TEST(PhysicalKeys, EvdevCodes) {
    EXPECT_EQ(keys::scanCodeOfEvdev(16), 0x10);  // Q on a US keyboard
    EXPECT_EQ(keys::scanCodeOfEvdev(86), 0x56);  // the key beside left Shift
    EXPECT_EQ(keys::scanCodeOfEvdev(102), 0xC7); // Home
    EXPECT_EQ(keys::scanCodeOfEvdev(98), 0xB5);  // keypad slash
    EXPECT_EQ(keys::scanCodeOfEvdev(119), 0xC5); // Pause
    EXPECT_EQ(keys::scanCodeOfEvdev(0), 0);
    EXPECT_EQ(keys::scanCodeOfEvdev(240), 0);
}

struct QtKeyCase {
    const char* name;
    int qtKey;
    bool keypad;
    Layout layout;
    int virtualKey;
};
void PrintTo(const QtKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class VirtualKeyOfQtKey : public testing::TestWithParam<QtKeyCase> {};

TEST_P(VirtualKeyOfQtKey, AsTheWindowsLayoutWould) {
    const QtKeyCase& c = GetParam();
    EXPECT_EQ(keys::virtualKeyOfQtKey(c.qtKey, c.keypad, c.layout), c.virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyOfQtKey,
    testing::Values(
        QtKeyCase{"Letter", Qt::Key_Q, false, Layout::French, 'Q'},
        QtKeyCase{"KeypadDigit", Qt::Key_7, true, Layout::English, 0x67},
        QtKeyCase{"KeypadHome", Qt::Key_Home, true, Layout::English, 0x24},
        QtKeyCase{"KeypadSlash", Qt::Key_Slash, true, Layout::French, 0x6F},
        QtKeyCase{"MainSlashEnglish", Qt::Key_Slash, false, Layout::English, 0xBF},
        QtKeyCase{"MainSlashFrenchIsShiftedColon", Qt::Key_Slash, false, Layout::French, 0xBF},
        QtKeyCase{"FrenchAmpersandIsDigit1", Qt::Key_Ampersand, false, Layout::French, '1'},
        QtKeyCase{"EnglishAmpersandIsDigit7", Qt::Key_Ampersand, false, Layout::English, '7'},
        QtKeyCase{"FrenchEAcute", Qt::Key_Eacute, false, Layout::French, '2'},
        QtKeyCase{"FrenchUGrave", Qt::Key_Ugrave, false, Layout::French, 0xC0},
        QtKeyCase{"FrenchCircumflexNotAltGr9", Qt::Key_AsciiCircum, false, Layout::French, 0xDD},
        QtKeyCase{"FrenchExclamation", Qt::Key_Exclam, false, Layout::French, 0xDF},
        QtKeyCase{"FrenchTwoSuperior", Qt::Key_twosuperior, false, Layout::French, 0xDE},
        QtKeyCase{"FrenchMicro", Qt::Key_mu, false, Layout::French, 0xDC},
        QtKeyCase{"F12", Qt::Key_F12, false, Layout::English, 0x7B},
        QtKeyCase{"Space", Qt::Key_Space, false, Layout::English, 0x20},
        QtKeyCase{"Unknown", Qt::Key_VolumeUp, false, Layout::English, 0}),
    [](const testing::TestParamInfo<QtKeyCase>& info) { return std::string(info.param.name); });

} // namespace
