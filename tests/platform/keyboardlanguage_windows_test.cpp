// The keyboard layout as Windows reports it for this thread, unless the
// environment variable names one.
#include "common/platform/keyboardlayout.h"
#include "tests/support/scopedenv.h"

#include <gtest/gtest.h>
#include <windows.h>

using testing_support::ScopedEnv;

namespace {

std::uint16_t systemLanguage() {
    return static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(::GetKeyboardLayout(0)) &
                                      0xFFFF);
}

TEST(KeyboardLanguage, FollowsTheLayoutWindowsHasActive) {
    const ScopedEnv none(platform::kKeyboardLayoutEnv, std::nullopt);
    const HKL before = ::GetKeyboardLayout(0);
    EXPECT_EQ(platform::keyboardLanguage(), systemLanguage());

    const HKL french = ::LoadKeyboardLayoutW(L"0000040C", KLF_ACTIVATE);
    ASSERT_NE(french, nullptr);
    if (systemLanguage() != platform::kFrenchFranceLanguage) {
        ::ActivateKeyboardLayout(before, 0);
        GTEST_SKIP() << "this system keeps the layout of its keyboard (Wine does)";
    }
    EXPECT_EQ(platform::keyboardLanguage(), platform::kFrenchFranceLanguage);
    const HKL us = ::LoadKeyboardLayoutW(L"00000409", KLF_ACTIVATE);
    ASSERT_NE(us, nullptr);
    EXPECT_EQ(platform::keyboardLanguage(), platform::kUsEnglishLanguage);
    ::ActivateKeyboardLayout(before, 0);
}

TEST(KeyboardLanguage, TheEnvironmentVariableWins) {
    ::LoadKeyboardLayoutW(L"00000409", KLF_ACTIVATE);
    {
        const ScopedEnv env(platform::kKeyboardLayoutEnv, "fr");
        EXPECT_EQ(platform::keyboardLanguage(), platform::kFrenchFranceLanguage);
    }
    ::LoadKeyboardLayoutW(L"0000040C", KLF_ACTIVATE);
    {
        const ScopedEnv env(platform::kKeyboardLayoutEnv, "en");
        EXPECT_EQ(platform::keyboardLanguage(), platform::kUsEnglishLanguage);
    }
}

} // namespace
