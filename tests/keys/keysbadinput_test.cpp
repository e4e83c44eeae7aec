// Hostile Prefs.cfg files: a huge line, NUL bytes, a UTF-8 byte order mark,
// CR-only line ends. The shortcuts read what they can, the others keep their
// defaults, and a save changes nothing but the Keys section's command lines.
#include "configurator/keys/keynames.h"
#include "configurator/keys/shortcutstore.h"
#include "tests/support/tempdir.h"
#include "tests/support/textlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;
using namespace std::string_literals;

bool isCommandLine(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t");
    return start != std::string_view::npos && line.substr(start).starts_with("Command.") &&
           line.find('=') != std::string_view::npos;
}

std::vector<std::string> otherLines(std::string_view bytes) {
    return testing_support::lineTexts(bytes,
                                      [](std::string_view line) { return !isCommandLine(line); });
}

struct Shortcut {
    int slot, modifier, keyCode;
};

struct BadPrefsCase {
    const char* name;
    std::string bytes;
    std::vector<Shortcut> expected; // the other slots keep their defaults
    bool keysSectionFound;
};
void PrintTo(const BadPrefsCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kSlot1 = "Command.01-Modifier=2\r\nCommand.01-Key=59\r\n";

std::string crOnly(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

class KeysBadPrefs : public ::testing::TestWithParam<BadPrefsCase> {
protected:
    TempDir dir;
    std::string prefs = dir.file("Prefs.cfg");
};

INSTANTIATE_TEST_SUITE_P(
    Files, KeysBadPrefs,
    ::testing::Values(
        BadPrefsCase{"ByteOrderMarkBeforeAnotherSection",
                     "\xEF\xBB\xBF[Common]\r\nUnitSystem=1\r\n[Keys]\r\n" + kSlot1,
                     {{1, 2, 59}},
                     true},
        // The marked line is no section header: every slot keeps its default.
        BadPrefsCase{"ByteOrderMarkBeforeTheSection", "\xEF\xBB\xBF[Keys]\r\n" + kSlot1, {}, false},
        BadPrefsCase{"CarriageReturnsOnly",
                     crOnly("[Common]\r\nUnitSystem=1\r\n\r\n[Keys]\r\n" + kSlot1 +
                            "Command.90-Modifier=0\r\nCommand.90-Key=30\r\n[After]\r\nx=1\r\n"),
                     {{1, 2, 59}, {90, 0, 30}},
                     true},
        // A NUL ends the number; a value that starts with one reads as 0.
        BadPrefsCase{"NulBytes",
                     "[Common]\r\nName=A\0B\r\n\0\0\r\n[Keys]\r\nCommand.01-Modifier=2\0\r\n"
                     "Command.01-Key=59\0 7\r\nCommand.02-Modifier=\0 1\r\nCommand.02-Key=30\r\n"s,
                     {{1, 2, 59}, {2, 0, 30}},
                     true},
        BadPrefsCase{"MegabyteLineAndLongValue",
                     "[Common]\r\nNote=" + std::string(1 << 20, 'n') + "\r\n[Keys]\r\n" + kSlot1 +
                         "Command.03-Modifier=1\r\nCommand.03-Key=" + std::string(1 << 16, '0') +
                         "42\r\n",
                     {{1, 2, 59}, {3, 1, 42}},
                     true},
        // Numbers wrap at 2^32 and odd codes are stored as they are.
        BadPrefsCase{"OutOfRangeNumbers",
                     "[Keys]\r\nCommand.04-Modifier=-7\r\nCommand.04-Key=4294967338\r\n"
                     "Command.05-Modifier=99\r\nCommand.05-Key=-1\r\n",
                     {{4, -7, 42}, {5, 99, -1}},
                     true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(KeysBadPrefs, LoadsWhatItCanAndSaveKeepsEveryOtherLine) {
    const BadPrefsCase& c = GetParam();
    writeFile(prefs, c.bytes);

    keys::CommandTable table;
    keys::loadShortcuts(table, prefs);
    keys::CommandTable expected;
    for (const Shortcut& s : c.expected)
        expected.set(s.slot, s.modifier, s.keyCode);
    for (int slot = 0; slot < table.count(); ++slot) {
        EXPECT_EQ(table.modifier(slot), expected.modifier(slot)) << "slot " << slot;
        EXPECT_EQ(table.keyCode(slot), expected.keyCode(slot)) << "slot " << slot;
        for (const keys::Layout layout : {keys::Layout::English, keys::Layout::French}) {
            const std::string text =
                keys::shortcutText(table.modifier(slot), table.keyCode(slot), layout, layout);
            EXPECT_FALSE(text.empty());
            EXPECT_LE(text.size(), 40u) << "slot " << slot;
        }
    }

    table.set(0, keys::kShift, 0x3B);
    const auto result = keys::saveShortcuts(table, prefs);
    ASSERT_TRUE(result.ok) << result.reason;
    std::vector<std::string> kept = otherLines(c.bytes);
    if (!c.keysSectionFound)
        kept.emplace_back("[Keys]");
    EXPECT_TRUE(otherLines(readFile(prefs)) == kept) << "a line other than a command changed";

    keys::CommandTable reloaded;
    keys::loadShortcuts(reloaded, prefs);
    for (int slot = 0; slot < table.count(); ++slot) {
        EXPECT_EQ(reloaded.modifier(slot), table.modifier(slot)) << "slot " << slot;
        EXPECT_EQ(reloaded.keyCode(slot), table.keyCode(slot)) << "slot " << slot;
    }
}

} // namespace
