#pragma once
// The keyboard layout in force, as the language identifier Windows gives a
// layout (the low 16 bits of its handle): 0x040C is French as used in France.
// The key assignments choose their key-name tables and their virtual keys by it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// "fr" or "en" (or an XKB layout name such as "be"); wins over the host's
// own configuration, for tests and for setups we cannot read.
inline constexpr const char* kKeyboardLayoutEnv = "VOLARO_KEYBOARD_LAYOUT";

inline constexpr std::uint16_t kFrenchFranceLanguage = 0x040C;
inline constexpr std::uint16_t kUsEnglishLanguage = 0x0409;

// The language of the layout in force now. Windows: $VOLARO_KEYBOARD_LAYOUT,
// else the thread's keyboard layout. Elsewhere: $VOLARO_KEYBOARD_LAYOUT, else
// $XKB_DEFAULT_LAYOUT, else the layout of the system's keyboard configuration
// files (configuredXkbLayout), else US English.
std::uint16_t keyboardLanguage();

// The language of an XKB layout list such as "fr", "fr(oss)", "us,fr": the
// first layout decides. Only France's French ("fr", any variant) is told
// apart; every other layout reports US English, which selects the same tables.
// "en" is accepted as a name of its own.
std::uint16_t languageOfXkbLayout(std::string_view layouts);

// The XKB layout the keyboard configuration files below `root` (normally "/")
// name, first found of: etc/X11/xorg.conf.d/00-keyboard.conf (XkbLayout),
// etc/default/keyboard (XKBLAYOUT), etc/vconsole.conf (XKBLAYOUT, else the
// console KEYMAP, whose name before the first '-' is taken as the layout).
// Empty when none names one.
std::string configuredXkbLayout(const std::filesystem::path& root);

} // namespace platform
