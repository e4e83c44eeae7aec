#include "configurator/keys/physicalkeys.h"

#include <QChar>
#include <Qt>
#include <string_view>

namespace keys {
namespace {

// Virtual keys of the Windows layouts.
enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
    VK_OEM_8 = 0xDF,
    VK_OEM_102 = 0xE2,
};

constexpr int vk(char c) {
    return static_cast<int>(c);
}

// One physical key: its virtual key and printed characters (unshifted,
// shifted, AltGr) on each layout. Keypad keys 0x47 to 0x53 have two virtual
// keys and are handled apart.
struct PhysicalKey {
    int scanCode;
    int usKey;
    std::u16string_view usChars;
    int frKey;
    std::u16string_view frChars;
};

constexpr PhysicalKey kPhysicalKeys[] = {
    {0x01, VK_ESCAPE, u"", VK_ESCAPE, u""},
    {0x02, vk('1'), u"1!", vk('1'), u"&1"},
    {0x03, vk('2'), u"2@", vk('2'), u"\u00E92~"}, // e acute
    {0x04, vk('3'), u"3#", vk('3'), u"\"3#"},
    {0x05, vk('4'), u"4$", vk('4'), u"'4{"},
    {0x06, vk('5'), u"5%", vk('5'), u"(5["},
    {0x07, vk('6'), u"6^", vk('6'), u"-6|"},
    {0x08, vk('7'), u"7&", vk('7'), u"\u00E87`"}, // e grave
    {0x09, vk('8'), u"8*", vk('8'), u"_8\\"},
    {0x0A, vk('9'), u"9(", vk('9'), u"\u00E79^"}, // c cedilla
    {0x0B, vk('0'), u"0)", vk('0'), u"\u00E00@"}, // a grave
    {0x0C, VK_OEM_MINUS, u"-_", VK_OEM_4, u")\u00B0]"},
    {0x0D, VK_OEM_PLUS, u"=+", VK_OEM_PLUS, u"=+}"},
    {0x0E, VK_BACK, u"", VK_BACK, u""},
    {0x0F, VK_TAB, u"", VK_TAB, u""},
    {0x10, vk('Q'), u"q", vk('A'), u"a"},
    {0x11, vk('W'), u"w", vk('Z'), u"z"},
    {0x12, vk('E'), u"e", vk('E'), u"e\u20AC"},
    {0x13, vk('R'), u"r", vk('R'), u"r"},
    {0x14, vk('T'), u"t", vk('T'), u"t"},
    {0x15, vk('Y'), u"y", vk('Y'), u"y"},
    {0x16, vk('U'), u"u", vk('U'), u"u"},
    {0x17, vk('I'), u"i", vk('I'), u"i"},
    {0x18, vk('O'), u"o", vk('O'), u"o"},
    {0x19, vk('P'), u"p", vk('P'), u"p"},
    {0x1A, VK_OEM_4, u"[{", VK_OEM_6, u"^\u00A8"}, // circumflex, diaeresis
    {0x1B, VK_OEM_6, u"]}", VK_OEM_1, u"$\u00A3\u00A4"},
    {0x1C, VK_RETURN, u"", VK_RETURN, u""},
    {0x1D, VK_CONTROL, u"", VK_CONTROL, u""},
    {0x1E, vk('A'), u"a", vk('Q'), u"q"},
    {0x1F, vk('S'), u"s", vk('S'), u"s"},
    {0x20, vk('D'), u"d", vk('D'), u"d"},
    {0x21, vk('F'), u"f", vk('F'), u"f"},
    {0x22, vk('G'), u"g", vk('G'), u"g"},
    {0x23, vk('H'), u"h", vk('H'), u"h"},
    {0x24, vk('J'), u"j", vk('J'), u"j"},
    {0x25, vk('K'), u"k", vk('K'), u"k"},
    {0x26, vk('L'), u"l", vk('L'), u"l"},
    {0x27, VK_OEM_1, u";:", vk('M'), u"m"},
    {0x28, VK_OEM_7, u"'\"", VK_OEM_3, u"\u00F9%"}, // u grave
    {0x29, VK_OEM_3, u"`~", VK_OEM_7, u"\u00B2"},   // superscript two
    {0x2A, VK_SHIFT, u"", VK_SHIFT, u""},
    {0x2B, VK_OEM_5, u"\\|", VK_OEM_5, u"*\u00B5"}, // micro sign
    {0x2C, vk('Z'), u"z", vk('W'), u"w"},
    {0x2D, vk('X'), u"x", vk('X'), u"x"},
    {0x2E, vk('C'), u"c", vk('C'), u"c"},
    {0x2F, vk('V'), u"v", vk('V'), u"v"},
    {0x30, vk('B'), u"b", vk('B'), u"b"},
    {0x31, vk('N'), u"n", vk('N'), u"n"},
    {0x32, vk('M'), u"m", VK_OEM_COMMA, u",?"},
    {0x33, VK_OEM_COMMA, u",<", VK_OEM_PERIOD, u";."},
    {0x34, VK_OEM_PERIOD, u".>", VK_OEM_2, u":/"},
    {0x35, VK_OEM_2, u"/?", VK_OEM_8, u"!\u00A7"}, // section sign
    {0x36, VK_SHIFT, u"", VK_SHIFT, u""},
    {0x37, VK_MULTIPLY, u"", VK_MULTIPLY, u""},
    {0x38, VK_MENU, u"", VK_MENU, u""},
    {0x39, VK_SPACE, u" ", VK_SPACE, u" "},
    {0x3A, VK_CAPITAL, u"", VK_CAPITAL, u""},
    {0x3B, VK_F1 + 0, u"", VK_F1 + 0, u""},
    {0x3C, VK_F1 + 1, u"", VK_F1 + 1, u""},
    {0x3D, VK_F1 + 2, u"", VK_F1 + 2, u""},
    {0x3E, VK_F1 + 3, u"", VK_F1 + 3, u""},
    {0x3F, VK_F1 + 4, u"", VK_F1 + 4, u""},
    {0x40, VK_F1 + 5, u"", VK_F1 + 5, u""},
    {0x41, VK_F1 + 6, u"", VK_F1 + 6, u""},
    {0x42, VK_F1 + 7, u"", VK_F1 + 7, u""},
    {0x43, VK_F1 + 8, u"", VK_F1 + 8, u""},
    {0x44, VK_F1 + 9, u"", VK_F1 + 9, u""},
    {0x45, VK_NUMLOCK, u"", VK_NUMLOCK, u""},
    {0x46, VK_SCROLL, u"", VK_SCROLL, u""},
    {0x4A, VK_SUBTRACT, u"", VK_SUBTRACT, u""},
    {0x4E, VK_ADD, u"", VK_ADD, u""},
    {0x56, VK_OEM_102, u"\\|", VK_OEM_102, u"<>"},
    {0x57, VK_F1 + 10, u"", VK_F1 + 10, u""},
    {0x58, VK_F1 + 11, u"", VK_F1 + 11, u""},
    // Extended keys: scan code + 0x80.
    {0x9C, VK_RETURN, u"", VK_RETURN, u""}, // keypad Enter
    {0x9D, VK_CONTROL, u"", VK_CONTROL, u""},
    {0xB5, VK_DIVIDE, u"", VK_DIVIDE, u""},
    {0xB7, VK_SNAPSHOT, u"", VK_SNAPSHOT, u""},
    {0xB8, VK_MENU, u"", VK_MENU, u""},
    {0xC5, VK_PAUSE, u"", VK_PAUSE, u""},
    {0xC7, VK_HOME, u"", VK_HOME, u""},
    {0xC8, VK_UP, u"", VK_UP, u""},
    {0xC9, VK_PRIOR, u"", VK_PRIOR, u""},
    {0xCB, VK_LEFT, u"", VK_LEFT, u""},
    {0xCD, VK_RIGHT, u"", VK_RIGHT, u""},
    {0xCF, VK_END, u"", VK_END, u""},
    {0xD0, VK_DOWN, u"", VK_DOWN, u""},
    {0xD1, VK_NEXT, u"", VK_NEXT, u""},
    {0xD2, VK_INSERT, u"", VK_INSERT, u""},
    {0xD3, VK_DELETE, u"", VK_DELETE, u""},
    {0xDB, VK_LWIN, u"", VK_LWIN, u""},
    {0xDC, VK_RWIN, u"", VK_RWIN, u""},
    {0xDD, VK_APPS, u"", VK_APPS, u""},
};

// Keypad keys with Num Lock on and off (Shift reverses Num Lock, which the
// platform has already applied to the key it reports).
struct KeypadKey {
    int scanCode;
    int digitKey;
    int navigationKey;
};
constexpr KeypadKey kKeypadKeys[] = {
    {0x47, VK_NUMPAD0 + 7, VK_HOME},  {0x48, VK_NUMPAD0 + 8, VK_UP},
    {0x49, VK_NUMPAD0 + 9, VK_PRIOR}, {0x4B, VK_NUMPAD0 + 4, VK_LEFT},
    {0x4C, VK_NUMPAD0 + 5, VK_CLEAR}, {0x4D, VK_NUMPAD0 + 6, VK_RIGHT},
    {0x4F, VK_NUMPAD0 + 1, VK_END},   {0x50, VK_NUMPAD0 + 2, VK_DOWN},
    {0x51, VK_NUMPAD0 + 3, VK_NEXT},  {0x52, VK_NUMPAD0 + 0, VK_INSERT},
    {0x53, VK_DECIMAL, VK_DELETE},
};

// Evdev codes of the extended keys; codes 1 to 88 equal their scan codes.
struct EvdevKey {
    int evdevCode;
    int scanCode;
};
constexpr EvdevKey kExtendedEvdevKeys[] = {
    {96, 0x9C},  {97, 0x9D},  {98, 0xB5},  {99, 0xB7},  {100, 0xB8}, {102, 0xC7}, {103, 0xC8},
    {104, 0xC9}, {105, 0xCB}, {106, 0xCD}, {107, 0xCF}, {108, 0xD0}, {109, 0xD1}, {110, 0xD2},
    {111, 0xD3}, {119, 0xC5}, {125, 0xDB}, {126, 0xDC}, {127, 0xDD},
};

// Keys without a printed character, by their Qt value.
struct NamedQtKey {
    int qtKey;
    int virtualKey;
};
constexpr NamedQtKey kNamedQtKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_End, VK_END},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_Dead_Circumflex, VK_OEM_6},
    {Qt::Key_Dead_Diaeresis, VK_OEM_6},
};

// Characters of the keypad's operator keys as Qt reports them.
struct KeypadQtKey {
    int qtKey;
    int virtualKey;
};
constexpr KeypadQtKey kKeypadQtKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

const PhysicalKey* findPhysicalKey(int scanCode) {
    for (const PhysicalKey& key : kPhysicalKeys) {
        if (key.scanCode == scanCode)
            return &key;
    }
    return nullptr;
}

} // namespace

int scanCodeOfEvdev(int evdevCode) {
    if (evdevCode >= 1 && evdevCode <= 88)
        return evdevCode;
    for (const EvdevKey& key : kExtendedEvdevKeys) {
        if (key.evdevCode == evdevCode)
            return key.scanCode;
    }
    return 0;
}

int virtualKeyOfScanCode(int scanCode, bool keypadDigits, Layout layout) {
    for (const KeypadKey& key : kKeypadKeys) {
        if (key.scanCode == scanCode)
            return keypadDigits ? key.digitKey : key.navigationKey;
    }
    const PhysicalKey* key = findPhysicalKey(scanCode);
    if (!key)
        return 0;
    return layout == Layout::French ? key->frKey : key->usKey;
}

int virtualKeyOfQtKey(int qtKey, bool keypad, Layout layout) {
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return VK_NUMPAD0 + (qtKey - Qt::Key_0);
        for (const KeypadQtKey& key : kKeypadQtKeys) {
            if (key.qtKey == qtKey)
                return key.virtualKey;
        }
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // letters are their own virtual keys on both layouts
    for (const NamedQtKey& key : kNamedQtKeys) {
        if (key.qtKey == qtKey)
            return key.virtualKey;
    }
    if (qtKey <= 0 || qtKey > 0xFFFF)
        return 0;
    // Qt names a printed character by its upper-case form. Unshifted
    // characters first: the French "^" key also prints on AltGr + 9.
    for (std::size_t level = 0; level < 3; ++level) {
        for (const PhysicalKey& key : kPhysicalKeys) {
            const std::u16string_view chars = layout == Layout::French ? key.frChars : key.usChars;
            if (level < chars.size() &&
                (chars[level] == qtKey || QChar(chars[level]).toUpper().unicode() == qtKey))
                return layout == Layout::French ? key.frKey : key.usKey;
        }
    }
    return 0;
}

const std::vector<int>& knownScanCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> result;
        for (const PhysicalKey& key : kPhysicalKeys)
            result.push_back(key.scanCode);
        for (const KeypadKey& key : kKeypadKeys)
            result.push_back(key.scanCode);
        return result;
    }();
    return codes;
}

} // namespace keys
