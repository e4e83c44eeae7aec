#include "common/platform/keyboardlayout.h"

#include <cstdlib>

namespace platform {

std::uint16_t keyboardLanguage() {
    // No display server is asked: the tools also run without one, and the
    // system's configuration is what a desktop session starts from.
    for (const char* variable : {kKeyboardLayoutEnv, "XKB_DEFAULT_LAYOUT"}) {
        if (const char* value = std::getenv(variable); value && *value)
            return languageOfXkbLayout(value);
    }
    return languageOfXkbLayout(configuredXkbLayout("/"));
}

} // namespace platform
