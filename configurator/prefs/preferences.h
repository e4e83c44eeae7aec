#pragma once
// The package's preferences in section `Common` of Prefs.cfg: one working
// value per setting, filled by the get operations and written back by the
// set operations. Every operation works on `PrefsPath`.

#include "common/profile/profile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace prefs {

inline constexpr const char* kSection = "Common";

// Working values, process-wide: the configuration window edits them between
// the get operations at its opening and the set operations at Ok.
struct Values {
    std::int32_t unitSystem = 0;        // 0 metric (kg), 1 imperial (lbs)
    std::int32_t pushbackType = 0;      // 0 standard, 1 PPU (any other number: PPU)
    std::int32_t userExperience = 1;    // 0 beginner, 1 intermediate, 2 expert
    std::int32_t panelVolume = 100;     // percent
    std::int32_t irsAlignmentTime = 60; // seconds
    std::int32_t modifier = 0;          // 0 none, 1 Shift, 2 Control, 3 Control-Shift, 4 Windows
    std::int32_t locker = 1;            // 0 none, 1 Scroll Lock, 2 Caps Lock, 3 Num Lock
    std::int32_t autoPause = 0;         // 0 off, anything else on
    std::int32_t fsuipcUsage = 0;       // 0 off, anything else on
    std::int32_t fmgcSaveMode = 0;      // 0 normal, anything else passes through
};
extern Values Working;

// One row per stored setting, in the order the set operations write them.
struct Setting {
    const char* key;
    std::int32_t Values::*value;
    std::int32_t fallback;
};
inline constexpr Setting kSettings[] = {
    {"UnitSystem", &Values::unitSystem, 0},
    {"PushbackType", &Values::pushbackType, 0},
    {"UserExperience", &Values::userExperience, 1},
    {"PanelVolume", &Values::panelVolume, 100},
    {"IRSAlignmentTime", &Values::irsAlignmentTime, 60},
    {"Modifier", &Values::modifier, 0},
    {"Locker", &Values::locker, 1},
    {"AutoPause", &Values::autoPause, 0},
    {"FsuipcUsage", &Values::fsuipcUsage, 0},
    {"FMGCSaveMode", &Values::fmgcSaveMode, 0},
};

// A stored integer: at most 48 characters are read; a missing key, the text
// "<UNDEFINED>", a value without a leading number and the value -9999 all
// give `fallback`.
std::int32_t readSetting(const char* key, std::int32_t fallback);

// Get operations: each fills its working value from the file.
void GetUnit();
void GetPushbackType(); // 0 standard; any other number shows as PPU and is kept
void GetUserExperience();
void GetPanelVolume();
void GetIRSAlignmentTime();
void GetMCDUKeyModifier();
void GetMCDUKeyLocker();
void GetMCDUKeyModifierAndLocker(); // both halves, `Modifier` first
void GetAutoPause();
void GetFsuipcUsage();
void GetFMGCSaveMode();
// All of them, in the order the configuration window runs them.
void getAll();

// Set operations: each writes its working value with "%d".
profile::WriteResult SetUnit();
profile::WriteResult SetPushbackType();
profile::WriteResult SetUserExperience();
profile::WriteResult SetPanelVolume();
profile::WriteResult SetIRSAlignmentTime();
profile::WriteResult SetMCDUKeyModifier();
profile::WriteResult SetMCDUKeyLocker();
profile::WriteResult SetMCDUKeyModifierAndLocker(); // both keys, `Modifier` first
profile::WriteResult SetAutoPause();
profile::WriteResult SetFsuipcUsage();
profile::WriteResult SetFMGCSaveMode();
// All of them in that order, committed as one replacement of the file; the
// file ends up as the writes one by one would leave it. With `expected`,
// nothing is written unless the file still holds it.
profile::WriteResult setAll(std::optional<profile::FileContent> expected = std::nullopt);

// Writes `ColdAndDark`=1 at once.
profile::WriteResult requestColdAndDark();

// What the configuration window derives from the working values.
const char* volumeLabel(std::int32_t percent);
std::string irsTimeLabel(std::int32_t seconds);         // "10s", "60s", "1m30s", "10m00s"
std::int32_t irsPresetFor(std::int32_t userExperience); // 10, 60, 600; -1 for others
// Choosing lock key `locker`: a lock key takes the modifier to 0; none
// (0) turns a modifier of 0 into Control-Shift. Other values change nothing.
void chooseLocker(Values& values, std::int32_t locker);
// Whether the modifier buttons are usable with lock key `locker`.
bool modifiersEnabled(std::int32_t locker);

} // namespace prefs
