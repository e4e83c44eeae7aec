#pragma once
// Key codes and the names the user sees, for the English and the French
// (France) keyboard layouts. A key code names the physical key (scan code set
// 1, +0x80 for extended keys), so the same code shows as "A" on one layout and
// "Q" on the other. Names are Windows-1252 text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace keys {

enum class Layout { English, French };

struct KeyNameRow {
    int virtualKey; // Windows virtual-key code
    int keyCode;
    const char* name; // Windows-1252, at most 19 characters
};
using KeyNameTable = std::array<KeyNameRow, 44>;

const KeyNameTable& keyNameTable(Layout layout);

// Key code of a pressed virtual key (0 when the key has none, e.g. space).
int keyCodeFromVirtualKey(int virtualKey, Layout layout);
// Name of a key code: "?" for a code no table knows. `keypadLayout` decides
// only the keypad suffix: "(NUMPAD)" or "(PAVE NUM.)".
std::string keyName(int keyCode, Layout layout, Layout keypadLayout);
// Modifier prefix ("SHIFT + ", "CTRL + ", ...) followed by the key name.
std::string shortcutText(std::int32_t modifier, std::int32_t keyCode, Layout layout,
                         Layout keypadLayout);

// The layout in force now: the forced one, else the host's.
Layout currentLayout();
// The layout of the letter and key-name tables: the current layout when first
// asked, then kept for the rest of the run.
Layout tableLayout();
// Forces the layout for the rest of the run (command line, tests); nullopt
// returns to the host's layout. Either way the table layout is chosen afresh.
void forceLayout(std::optional<Layout> layout);

// The same with the layouts of the run: tables as tableLayout(), keypad
// suffix as currentLayout().
int keyCodeFromVirtualKey(int virtualKey);
std::string keyName(int keyCode);
std::string shortcutText(std::int32_t modifier, std::int32_t keyCode);

} // namespace keys
