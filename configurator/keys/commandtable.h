#pragma once
// The cockpit commands whose keyboard shortcuts the user chooses, with their
// defaults. The gauges find each command by its slot number in Prefs.cfg, so
// slot numbers never change.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace keys {

// Modifier codes as stored: ALT never takes part in a shortcut.
enum ModifierCode : std::int32_t { kNoModifier = 0, kShift = 1, kCtrl = 2, kShiftCtrl = 3 };

struct CommandSlot {
    std::string name; // Windows-1252, at most 99 characters; empty for a spare slot
    std::int32_t modifier = kNoModifier;
    std::int32_t keyCode = 0; // scan code set 1, +0x80 for extended keys; 0 = no key
};

class CommandTable {
public:
    static constexpr int kCount = 91;
    // Slots 00 to 84 are offered to the user; 85 to 90 are spare but stored.
    static constexpr int kNamedCount = 85;

    CommandTable(); // the defaults

    int count() const { return kCount; }
    // Slot numbers outside 0..90 read as an empty spare slot and are not set.
    const CommandSlot& slot(int number) const;
    const std::string& name(int number) const { return slot(number).name; }
    std::int32_t modifier(int number) const { return slot(number).modifier; }
    std::int32_t keyCode(int number) const { return slot(number).keyCode; }
    void set(int number, std::int32_t modifier, std::int32_t keyCode);

    // The commands offered to the user, other than `except`, that already
    // have this shortcut, in slot order. A shortcut without a key (key code
    // 0) is no shortcut and is shared by nobody.
    std::vector<int> slotsWithShortcut(std::int32_t modifier, std::int32_t keyCode,
                                       int except) const;

    void resetToDefaults();

private:
    std::array<CommandSlot, kCount> slots_;
};

// The one table of the run: starts with the defaults and carries the user's
// changes from one opening of the key assignments to the next.
CommandTable& commandTable();

} // namespace keys
