#include "common/platform/keyboardlayout.h"

#include <cstdlib>
#include <windows.h>

namespace platform {

std::uint16_t keyboardLanguage() {
    if (const char* value = std::getenv(kKeyboardLayoutEnv); value && *value)
        return languageOfXkbLayout(value);
    const auto layout = reinterpret_cast<std::uintptr_t>(::GetKeyboardLayout(0));
    return static_cast<std::uint16_t>(layout & 0xFFFF);
}

} // namespace platform
