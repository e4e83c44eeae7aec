#pragma once
// The Windows virtual key a pressed key stands for, as the US or the French
// (France) Windows layout would report it. A physical key is named by its
// scan code (set 1, +0x80 for extended keys), the numbering of key codes.

#include "configurator/keys/keynames.h"

#include <vector>

namespace keys {

// Scan code of a Linux input (evdev) key code; 0 for keys a PC keyboard lacks.
// X11 and Wayland report evdev code + 8 as the native scan code.
int scanCodeOfEvdev(int evdevCode);

// Virtual key of a physical key; 0 for an unknown one. Keypad keys give their
// digit keys when `keypadDigits` (Num Lock on), else the navigation keys.
int virtualKeyOfScanCode(int scanCode, bool keypadDigits, Layout layout);

// Virtual key of a Qt key value (Qt::Key), for platforms that give no scan
// code: letters and the characters of each key as the layout prints them,
// unshifted or shifted. `keypad`: the key came from the numeric keypad.
int virtualKeyOfQtKey(int qtKey, bool keypad, Layout layout);

// Scan codes of every physical key the layouts know, in table order.
const std::vector<int>& knownScanCodes();

} // namespace keys
