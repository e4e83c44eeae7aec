#pragma once
// The shortcuts in the "Keys" section of Prefs.cfg, two keys per slot:
// Command.NN-Modifier and Command.NN-Key, decimal text.

#include "common/profile/profile.h"
#include "configurator/keys/commandtable.h"

#include <optional>
#include <string>
#include <string_view>

namespace keys {

inline constexpr std::string_view kKeysSection = "Keys";
// A value that reads as this counts as missing.
inline constexpr int kMissingValue = -9999;

std::string modifierKeyName(int slot); // "Command.07-Modifier"
std::string keyKeyName(int slot);      // "Command.07-Key"

// Every slot whose two keys are both present takes their values as they are
// (a value without leading digits reads as 0); the others keep what they hold.
void loadShortcuts(CommandTable& table, std::string_view prefsPath);

// Writes all 182 keys, in slot order, as one replacement of the file, after
// keeping its previous content as a backup. With `expected`, nothing is
// written unless the file still holds it.
profile::WriteResult saveShortcuts(const CommandTable& table, std::string_view prefsPath,
                                   std::optional<profile::FileContent> expected = std::nullopt);

} // namespace keys
