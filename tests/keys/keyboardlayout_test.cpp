#include "common/platform/keyboardlayout.h"
#include "configurator/keys/keynames.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

constexpr std::uint16_t kFrench = platform::kFrenchFranceLanguage;
constexpr std::uint16_t kEnglish = platform::kUsEnglishLanguage;

TEST(KeyboardLayout, OnlyFranceFrenchIsFrench) {
    struct Case {
        const char* layouts;
        std::uint16_t language;
    };
    for (const Case c : {Case{"fr", kFrench}, Case{"FR", kFrench}, Case{"fr(oss)", kFrench},
                         Case{" fr , us", kFrench}, Case{"us,fr", kEnglish}, Case{"en", kEnglish},
                         Case{"be", kEnglish}, Case{"ch(fr)", kEnglish}, Case{"ca", kEnglish},
                         Case{"fra", kEnglish}, Case{"", kEnglish}}) {
        EXPECT_EQ(platform::languageOfXkbLayout(c.layouts), c.language) << c.layouts;
    }
}

TEST(KeyboardLayout, ConfigurationFilesInOrder) {
    TempDir root;
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "");

    writeFile(root.path() / "etc/vconsole.conf", "KEYMAP=fr-latin9\n");
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "fr");
    writeFile(root.path() / "etc/vconsole.conf", "KEYMAP=fr_CH-latin1\n");
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "fr_CH");
    writeFile(root.path() / "etc/vconsole.conf", "KEYMAP=fr_CH-latin1\nXKBLAYOUT=de\n");
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "de");

    writeFile(root.path() / "etc/default/keyboard",
              "# KEYBOARD CONFIGURATION FILE\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"fr\"\n"
              "XKBVARIANT=\"oss\"\n");
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "fr");

    writeFile(root.path() / "etc/X11/xorg.conf.d/00-keyboard.conf",
              "Section \"InputClass\"\n"
              "        Identifier \"system-keyboard\"\n"
              "        MatchIsKeyboard \"on\"\n"
              "        Option \"XkbLayout\" \"us,fr\"\n"
              "EndSection\n");
    EXPECT_EQ(platform::configuredXkbLayout(root.path()), "us,fr");
}

TEST(KeyboardLayout, EnvironmentOverrides) {
    {
        ScopedEnv env(platform::kKeyboardLayoutEnv, "fr");
        EXPECT_EQ(platform::keyboardLanguage(), kFrench);
    }
    {
        ScopedEnv env(platform::kKeyboardLayoutEnv, "en");
        ScopedEnv xkb("XKB_DEFAULT_LAYOUT", "fr");
        EXPECT_EQ(platform::keyboardLanguage(), kEnglish);
    }
}

// The letter and name tables are chosen at first use and kept; the keypad
// suffix follows the layout in force at each call.
TEST(KeyboardLayout, TablesChosenOnceKeypadSuffixFollows) {
    keys::forceLayout(std::nullopt);
    ScopedEnv env(platform::kKeyboardLayoutEnv, "fr");
    EXPECT_EQ(keys::shortcutText(2, 0x1E), "CTRL + Q");

    ScopedEnv english(platform::kKeyboardLayoutEnv, "en");
    EXPECT_EQ(keys::tableLayout(), keys::Layout::French);
    EXPECT_EQ(keys::shortcutText(2, 0x1E), "CTRL + Q");
    EXPECT_EQ(keys::keyCodeFromVirtualKey('A'), 0x10);
    EXPECT_EQ(keys::shortcutText(2, 0x47), "CTRL + 7 (NUMPAD)");

    keys::forceLayout(keys::Layout::English);
    EXPECT_EQ(keys::shortcutText(2, 0x1E), "CTRL + A");
    keys::forceLayout(std::nullopt);
}

} // namespace
