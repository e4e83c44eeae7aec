#include "configurator/keys/keynames.h"

#include "common/platform/keyboardlayout.h"

#include <cstdio>

namespace keys {
namespace {

// Letter tables: key codes of the virtual keys "A" to "Z" (0x41 to 0x5A).
constexpr std::array<int, 26> kEnglishLetters = {
    /* A */ 0x1E, /* B */ 0x30, /* C */ 0x2E, /* D */ 0x20, /* E */ 0x12, /* F */ 0x21,
    /* G */ 0x22, /* H */ 0x23, /* I */ 0x17, /* J */ 0x24, /* K */ 0x25, /* L */ 0x26,
    /* M */ 0x32, /* N */ 0x31, /* O */ 0x18, /* P */ 0x19, /* Q */ 0x10, /* R */ 0x13,
    /* S */ 0x1F, /* T */ 0x14, /* U */ 0x16, /* V */ 0x2F, /* W */ 0x11, /* X */ 0x2D,
    /* Y */ 0x15, /* Z */ 0x2C};
// The French layout as the English one except A, M, Q, W and Z.
constexpr std::array<int, 26> kFrenchLetters = {
    /* A */ 0x10, /* B */ 0x30, /* C */ 0x2E, /* D */ 0x20, /* E */ 0x12, /* F */ 0x21,
    /* G */ 0x22, /* H */ 0x23, /* I */ 0x17, /* J */ 0x24, /* K */ 0x25, /* L */ 0x26,
    /* M */ 0x27, /* N */ 0x31, /* O */ 0x18, /* P */ 0x19, /* Q */ 0x1E, /* R */ 0x13,
    /* S */ 0x1F, /* T */ 0x14, /* U */ 0x16, /* V */ 0x2F, /* W */ 0x2C, /* X */ 0x2D,
    /* Y */ 0x15, /* Z */ 0x11};

// Keypad digits 0 to 9 (virtual keys 0x60 to 0x69), both layouts.
constexpr std::array<int, 10> kKeypadDigits = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                               0x4C, 0x4D, 0x47, 0x48, 0x49};

// Rows 1 to 12 of the key-name tables differ between the layouts.
struct DifferingRow {
    KeyNameRow english, french;
};
constexpr DifferingRow kDifferingRows[12] = {
    /*  1 */ {{0xBC, 0x33, ","}, {0xBC, 0x32, ","}},
    /*  2 */ {{0xBE, 0x34, "."}, {0xBE, 0x33, ";"}},
    /*  3 */ {{0xBF, 0x35, "/"}, {0xBF, 0x34, ":"}},
    /*  4 */ {{0xBA, 0x27, ";"}, {0xDF, 0x35, "!"}},
    // Key codes name physical keys: on an English keyboard the grave key is
    // 0x29 and the apostrophe key 0x28, the same keys as French \xB2 and \xF9.
    /*  5 */ {{0xC0, 0x29, "`"}, {0xC0, 0x28, "\xF9"}}, // u grave
    /*  6 */ {{0xDC, 0x2B, "\\"}, {0xDC, 0x2B, "*"}},
    /*  7 */ {{0xDB, 0x1A, "["}, {0xDD, 0x1A, "^"}},
    /*  8 */ {{0xDD, 0x1B, "]"}, {0xBA, 0x1B, "$"}},
    /*  9 */ {{0xBD, 0x0C, "-"}, {0xDB, 0x0C, ")"}},
    /* 10 */ {{0xBB, 0x0D, "="}, {0xBB, 0x0D, "="}},
    /* 11 */ {{0xDE, 0x28, "'"}, {0xDE, 0x29, "\xB2"}}, // superscript two
    /* 12 */ {{0xE2, 0x56, "?"}, {0xE2, 0x56, "<"}},
};

// Row 0 and rows 13 to 43: same virtual key and key code in both layouts.
struct SharedRow {
    int virtualKey;
    int keyCode;
    const char* english;
    const char* french;
};
constexpr SharedRow kSharedRows[32] = {
    /*  0 */ {0x00, 0x00, "No key defined", "No key defined"},
    /* 13 */ {0x21, 0xC9, "PgUp", "PgUp"},
    /* 14 */ {0x22, 0xD1, "PgDn", "PgDn"},
    /* 15 */ {0x24, 0xC7, "Home", "Home"},
    /* 16 */ {0x23, 0xCF, "Fin", "Fin"},
    /* 17 */ {0x2D, 0xD2, "Ins", "Ins"},
    /* 18 */ {0x2E, 0xD3, "Del", "Suppr"},
    /* 19 */ {0x26, 0xC8, "Up", "Haut"},
    /* 20 */ {0x28, 0xD0, "Down", "Bas"},
    /* 21 */ {0x25, 0xCB, "Left", "Gauche"},
    /* 22 */ {0x27, 0xCD, "Right", "Droite"},
    /* 23 */ {0x6F, 0xB5, "/ (NUMPAD)", "/ (PAVE NUM.)"},
    /* 24 */ {0x6A, 0x37, "* (NUMPAD)", "* (PAVE NUM.)"},
    /* 25 */ {0x6B, 0x4E, "+ (NUMPAD)", "+ (PAVE NUM.)"},
    /* 26 */ {0x6D, 0x4A, "- (NUMPAD)", "- (PAVE NUM.)"},
    /* 27 */ {0x6E, 0x53, ". (NUMPAD)", ". (PAVE NUM.)"},
    /* 28 */ {0x90, 0x45, "Num Lock", "Verr Num"},
    /* 29 */
    {0x91, 0x46, "Scroll Lock",
     "Arr\xEAt D\xE9"
     "fil"},
    /* 30 */ {0x13, 0xC5, "Pause", "Pause"},
    /* 31 */ {0x70, 0x3B, "F1", "F1"},
    /* 32 */ {0x71, 0x3C, "F2", "F2"},
    /* 33 */ {0x72, 0x3D, "F3", "F3"},
    /* 34 */ {0x73, 0x3E, "F4", "F4"},
    /* 35 */ {0x74, 0x3F, "F5", "F5"},
    /* 36 */ {0x75, 0x40, "F6", "F6"},
    /* 37 */ {0x76, 0x41, "F7", "F7"},
    /* 38 */ {0x77, 0x42, "F8", "F8"},
    /* 39 */ {0x78, 0x43, "F9", "F9"},
    /* 40 */ {0x79, 0x44, "F10", "F10"},
    /* 41 */ {0x7A, 0x57, "F11", "F11"},
    /* 42 */ {0x7B, 0x58, "F12", "F12"},
    /* 43 */ {0x30, 0x0B, "0", "0"},
};

constexpr KeyNameTable makeTable(Layout layout) {
    const bool french = layout == Layout::French;
    KeyNameTable table{};
    std::size_t row = 0;
    const auto shared = [&](const SharedRow& r) {
        table[row++] = {r.virtualKey, r.keyCode, french ? r.french : r.english};
    };
    shared(kSharedRows[0]);
    for (const DifferingRow& r : kDifferingRows)
        table[row++] = french ? r.french : r.english;
    for (std::size_t i = 1; i < std::size(kSharedRows); ++i)
        shared(kSharedRows[i]);
    return table;
}

constexpr KeyNameTable kEnglishNames = makeTable(Layout::English);
constexpr KeyNameTable kFrenchNames = makeTable(Layout::French);

const std::array<int, 26>& letters(Layout layout) {
    return layout == Layout::French ? kFrenchLetters : kEnglishLetters;
}

// Asks for the keypad layout only when a keypad digit is named: finding the
// host's layout may read files.
template <typename KeypadLayout>
std::string nameOf(int keyCode, Layout layout, KeypadLayout keypadLayout) {
    for (const KeyNameRow& row : keyNameTable(layout)) {
        if (row.keyCode == keyCode)
            return row.name;
    }
    if (keyCode >= 2 && keyCode <= 10)
        return std::string(1, static_cast<char>(keyCode + 47));
    const std::array<int, 26>& letterCodes = letters(layout);
    for (std::size_t i = 0; i < letterCodes.size(); ++i) {
        if (letterCodes[i] == keyCode)
            return std::string(1, static_cast<char>('A' + i));
    }
    for (std::size_t i = 0; i < kKeypadDigits.size(); ++i) {
        if (kKeypadDigits[i] == keyCode) {
            char text[20];
            std::snprintf(text, sizeof text,
                          keypadLayout() == Layout::French ? "%d (PAVE NUM.)" : "%d (NUMPAD)",
                          static_cast<int>(i));
            return text;
        }
    }
    return "?";
}

std::string prefixOf(std::int32_t modifier) {
    // A modifier code other than 0 to 3 only comes from a hand-edited file;
    // "? + " tells the user that it is not a shortcut the gauges know.
    static const char* const kPrefixes[] = {"", "SHIFT + ", "CTRL + ", "SHIFT + CTRL + "};
    return modifier >= 0 && modifier <= 3 ? kPrefixes[modifier] : "? + ";
}

std::optional<Layout> forcedLayout;
std::optional<Layout> chosenTableLayout;

} // namespace

const KeyNameTable& keyNameTable(Layout layout) {
    return layout == Layout::French ? kFrenchNames : kEnglishNames;
}

int keyCodeFromVirtualKey(int virtualKey, Layout layout) {
    if (virtualKey >= 0x41 && virtualKey <= 0x5A)
        return letters(layout)[static_cast<std::size_t>(virtualKey - 0x41)];
    if (virtualKey >= 0x60 && virtualKey <= 0x69)
        return kKeypadDigits[static_cast<std::size_t>(virtualKey - 0x60)];
    if (virtualKey >= 0x31 && virtualKey <= 0x39)
        return virtualKey - 47;
    for (const KeyNameRow& row : keyNameTable(layout)) {
        if (row.virtualKey == virtualKey)
            return row.keyCode;
    }
    return 0;
}

std::string keyName(int keyCode, Layout layout, Layout keypadLayout) {
    return nameOf(keyCode, layout, [keypadLayout] { return keypadLayout; });
}

std::string shortcutText(std::int32_t modifier, std::int32_t keyCode, Layout layout,
                         Layout keypadLayout) {
    return prefixOf(modifier) + keyName(keyCode, layout, keypadLayout);
}

Layout currentLayout() {
    if (forcedLayout)
        return *forcedLayout;
    return platform::keyboardLanguage() == platform::kFrenchFranceLanguage ? Layout::French
                                                                           : Layout::English;
}

Layout tableLayout() {
    if (!chosenTableLayout)
        chosenTableLayout = currentLayout();
    return *chosenTableLayout;
}

void forceLayout(std::optional<Layout> layout) {
    forcedLayout = layout;
    chosenTableLayout.reset();
}

int keyCodeFromVirtualKey(int virtualKey) {
    return keyCodeFromVirtualKey(virtualKey, tableLayout());
}

std::string keyName(int keyCode) {
    return nameOf(keyCode, tableLayout(), [] { return currentLayout(); });
}

std::string shortcutText(std::int32_t modifier, std::int32_t keyCode) {
    return prefixOf(modifier) + keyName(keyCode);
}

} // namespace keys
