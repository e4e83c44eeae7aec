#include "configurator/keys/shortcutstore.h"

#include <cstdio>

namespace keys {

std::string modifierKeyName(int slot) {
    char name[32];
    std::snprintf(name, sizeof name, "Command.%02d-Modifier", slot);
    return name;
}

std::string keyKeyName(int slot) {
    char name[32];
    std::snprintf(name, sizeof name, "Command.%02d-Key", slot);
    return name;
}

void loadShortcuts(CommandTable& table, std::string_view prefsPath) {
    for (int slot = 0; slot < table.count(); ++slot) {
        const int modifier =
            profile::readInt(kKeysSection, modifierKeyName(slot), kMissingValue, prefsPath);
        const int keyCode =
            profile::readInt(kKeysSection, keyKeyName(slot), kMissingValue, prefsPath);
        if (modifier != kMissingValue && keyCode != kMissingValue)
            table.set(slot, modifier, keyCode);
    }
}

profile::WriteResult saveShortcuts(const CommandTable& table, std::string_view prefsPath,
                                   std::optional<profile::FileContent> expected) {
    profile::WriteBatch batch(prefsPath);
    batch.keepBackup();
    if (expected)
        batch.requireContent(std::move(*expected));
    for (int slot = 0; slot < table.count(); ++slot) {
        batch.writeString(kKeysSection, modifierKeyName(slot),
                          std::to_string(table.modifier(slot)));
        batch.writeString(kKeysSection, keyKeyName(slot), std::to_string(table.keyCode(slot)));
    }
    return batch.commit();
}

} // namespace keys
