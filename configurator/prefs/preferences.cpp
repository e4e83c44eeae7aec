#include "configurator/prefs/preferences.h"

#include "common/text/leadinginteger.h"
#include "configurator/session/installpaths.h"

#include <cctype>
#include <cstdio>

namespace prefs {

Values Working;

namespace {

constexpr int kReadCapacity = 49;
constexpr std::int32_t kScanMarker = -9999;

// "%d" without its undefined behaviour on overflow: wraps at 2^32 like the
// profile's own integer read. Leaves `result` alone when there is no number.
void scanDecimal(const std::string& value, std::int32_t& result) {
    if (const auto number = text::scanDecimal(value, text::Overflow::Wraps))
        result = *number;
}

const Setting& settingFor(std::int32_t Values::*value) {
    for (const Setting& setting : kSettings) {
        if (setting.value == value)
            return setting;
    }
    return kSettings[0]; // unreachable: every member has a row
}

void get(std::int32_t Values::*value) {
    const Setting& setting = settingFor(value);
    Working.*value = readSetting(setting.key, setting.fallback);
}

std::string formatted(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

// Every write of Prefs.cfg keeps its previous content as a backup.
profile::WriteResult writeKept(std::string_view key, const std::string& value) {
    profile::WriteBatch batch(PrefsPath);
    batch.keepBackup();
    batch.writeString(kSection, key, value);
    return batch.commit();
}

profile::WriteResult set(std::int32_t Values::*value) {
    return writeKept(settingFor(value).key, formatted(Working.*value));
}

} // namespace

std::int32_t readSetting(const char* key, std::int32_t fallback) {
    const std::string text =
        profile::readString(kSection, key, profile::kUndefined, kReadCapacity, PrefsPath);
    if (text == profile::kUndefined)
        return fallback;
    std::int32_t scanned = kScanMarker;
    scanDecimal(text, scanned);
    return scanned == kScanMarker ? fallback : scanned;
}

void GetUnit() {
    get(&Values::unitSystem);
}
void GetPushbackType() {
    get(&Values::pushbackType);
}
void GetUserExperience() {
    get(&Values::userExperience);
}
void GetPanelVolume() {
    get(&Values::panelVolume);
}
void GetIRSAlignmentTime() {
    get(&Values::irsAlignmentTime);
}
void GetMCDUKeyModifier() {
    get(&Values::modifier);
}
void GetMCDUKeyLocker() {
    get(&Values::locker);
}
void GetMCDUKeyModifierAndLocker() {
    GetMCDUKeyModifier();
    GetMCDUKeyLocker();
}
void GetAutoPause() {
    get(&Values::autoPause);
}
void GetFsuipcUsage() {
    get(&Values::fsuipcUsage);
}
void GetFMGCSaveMode() {
    get(&Values::fmgcSaveMode);
}

void getAll() {
    GetUnit();
    GetPushbackType();
    GetUserExperience();
    GetPanelVolume();
    GetIRSAlignmentTime();
    GetMCDUKeyModifierAndLocker();
    GetAutoPause();
    GetFsuipcUsage();
    GetFMGCSaveMode();
}

profile::WriteResult SetUnit() {
    return set(&Values::unitSystem);
}
profile::WriteResult SetPushbackType() {
    return set(&Values::pushbackType);
}
profile::WriteResult SetUserExperience() {
    return set(&Values::userExperience);
}
profile::WriteResult SetPanelVolume() {
    return set(&Values::panelVolume);
}
profile::WriteResult SetIRSAlignmentTime() {
    return set(&Values::irsAlignmentTime);
}
profile::WriteResult SetMCDUKeyModifier() {
    return set(&Values::modifier);
}
profile::WriteResult SetMCDUKeyLocker() {
    return set(&Values::locker);
}
profile::WriteResult SetMCDUKeyModifierAndLocker() {
    profile::WriteBatch batch(PrefsPath);
    batch.keepBackup();
    batch.writeString(kSection, "Modifier", formatted(Working.modifier));
    batch.writeString(kSection, "Locker", formatted(Working.locker));
    return batch.commit();
}
profile::WriteResult SetAutoPause() {
    return set(&Values::autoPause);
}
profile::WriteResult SetFsuipcUsage() {
    return set(&Values::fsuipcUsage);
}
profile::WriteResult SetFMGCSaveMode() {
    return set(&Values::fmgcSaveMode);
}

profile::WriteResult setAll(std::optional<profile::FileContent> expected) {
    // kSettings is in the order of the set operations.
    profile::WriteBatch batch(PrefsPath);
    batch.keepBackup();
    if (expected)
        batch.requireContent(std::move(*expected));
    for (const Setting& setting : kSettings)
        batch.writeString(kSection, setting.key, formatted(Working.*setting.value));
    return batch.commit();
}

profile::WriteResult requestColdAndDark() {
    return writeKept("ColdAndDark", "1");
}

const char* volumeLabel(std::int32_t percent) {
    if (percent == 0)
        return "No Sound";
    if (percent < 33)
        return "Low";
    if (percent < 67)
        return "Medium";
    if (percent < 100)
        return "High";
    return "Maximum";
}

std::string irsTimeLabel(std::int32_t seconds) {
    char text[32];
    if (seconds <= 60)
        std::snprintf(text, sizeof text, "%ds", seconds);
    else
        std::snprintf(text, sizeof text, "%dm%02ds", seconds / 60, seconds % 60);
    return text;
}

std::int32_t irsPresetFor(std::int32_t userExperience) {
    switch (userExperience) {
    case 0:
        return 10;
    case 1:
        return 60;
    case 2:
        return 600;
    default:
        return -1;
    }
}

void chooseLocker(Values& values, std::int32_t locker) {
    if (locker == 0) {
        values.locker = 0;
        if (values.modifier == 0)
            values.modifier = 3;
    } else if (locker >= 1 && locker <= 3) {
        values.locker = locker;
        values.modifier = 0;
    }
}

bool modifiersEnabled(std::int32_t locker) {
    return locker < 1 || locker > 3;
}

} // namespace prefs
