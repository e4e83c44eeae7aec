#include "common/profile/profile.h"
#include "configurator/keys/shortcutstore.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sstream>

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

class ShortcutStore : public testing::Test {
protected:
    TempDir dir;
    std::string prefs = dir.file("Prefs.cfg");
    keys::CommandTable table;
};

// What a save of `table` must leave: the [Keys] section, 182 keys in slot order.
std::string keysSection(const keys::CommandTable& table) {
    std::ostringstream text;
    text << "[Keys]\r\n";
    for (int slot = 0; slot < 91; ++slot) {
        text << keys::modifierKeyName(slot) << "=" << table.modifier(slot) << "\r\n";
        text << keys::keyKeyName(slot) << "=" << table.keyCode(slot) << "\r\n";
    }
    return text.str();
}

TEST_F(ShortcutStore, KeyNamesHaveTwoDigitSlots) {
    EXPECT_EQ(keys::modifierKeyName(0), "Command.00-Modifier");
    EXPECT_EQ(keys::keyKeyName(90), "Command.90-Key");
}

TEST_F(ShortcutStore, NoKeysSectionKeepsDefaultsAndSaveWritesAll182) {
    writeFile(prefs, "[Common]\r\nUnitSystem=1\r\n");
    keys::loadShortcuts(table, prefs);
    EXPECT_EQ(table.modifier(0), 3);
    EXPECT_EQ(table.keyCode(0), 0x14);

    ASSERT_TRUE(keys::saveShortcuts(table, prefs).ok);
    EXPECT_EQ(profile::readInt("Keys", "Command.00-Key", -1, prefs), 20);
    EXPECT_EQ(profile::readInt("Keys", "Command.43-Modifier", -1, prefs), 3);
    EXPECT_EQ(profile::readInt("Keys", "Command.43-Key", -1, prefs), 63);
    EXPECT_EQ(profile::readInt("Common", "UnitSystem", -1, prefs), 1);
    EXPECT_NE(readFile(prefs).find("Command.90-Modifier=0"), std::string::npos);
}

TEST_F(ShortcutStore, SaveMatchesTheWritesOneByOne) {
    table.set(7, 1, 0x3F);
    ASSERT_TRUE(keys::saveShortcuts(table, prefs).ok);
    const std::string saved = readFile(prefs);

    TempDir other;
    const std::string oneByOne = other.file("Prefs.cfg");
    for (int slot = 0; slot < 91; ++slot) {
        profile::writeString("Keys", keys::modifierKeyName(slot),
                             std::to_string(table.modifier(slot)), oneByOne);
        profile::writeString("Keys", keys::keyKeyName(slot), std::to_string(table.keyCode(slot)),
                             oneByOne);
    }
    EXPECT_EQ(saved, readFile(oneByOne));
    EXPECT_NE(saved.find("Command.07-Modifier=1"), std::string::npos);
}

TEST_F(ShortcutStore, LoadTakesOnlySlotsWithBothKeys) {
    writeFile(prefs, "[Keys]\n"
                     "Command.00-Modifier=1\nCommand.00-Key=48\n"    // taken
                     "Command.01-Modifier=0\n"                       // key missing: kept
                     "Command.02-Key=5\n"                            // modifier missing: kept
                     "Command.03-Modifier=-9999\nCommand.03-Key=5\n" // marker: kept
                     "Command.04-Modifier=x\nCommand.04-Key=F5\n"    // no number: 0 and 0
                     "Command.05-Modifier=7\nCommand.05-Key=999\n"   // no range check
                     "Command.88-Modifier=2\nCommand.88-Key=30\n");  // spare slots load too
    table.set(1, 2, 0x33); // a change made earlier in the run survives
    keys::loadShortcuts(table, prefs);

    struct Expect {
        int slot, modifier, keyCode;
    };
    for (const Expect e :
         {Expect{0, 1, 48}, Expect{1, 2, 0x33}, Expect{2, 3, 0x13}, Expect{3, 2, 0x17},
          Expect{4, 0, 0}, Expect{5, 7, 999}, Expect{6, 2, 0x18}, Expect{88, 2, 30}}) {
        EXPECT_EQ(table.modifier(e.slot), e.modifier) << "slot " << e.slot;
        EXPECT_EQ(table.keyCode(e.slot), e.keyCode) << "slot " << e.slot;
    }
}

TEST_F(ShortcutStore, MissingFileKeepsEverythingAndSaveCreatesIt) {
    keys::loadShortcuts(table, prefs);
    EXPECT_EQ(table.keyCode(7), 0x1E);
    ASSERT_TRUE(keys::saveShortcuts(table, prefs).ok);
    EXPECT_EQ(readFile(prefs), keysSection(table));
}

TEST_F(ShortcutStore, SaveIntoMissingFolderFailsAndSaysWhere) {
    const profile::WriteResult result = keys::saveShortcuts(table, dir.file("missing/Prefs.cfg"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

} // namespace
