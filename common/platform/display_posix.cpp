#include "common/platform/display.h"

#include <cstdlib>

namespace platform {
namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}
} // namespace

bool hasDisplay() {
#ifdef __APPLE__
    return true; // the window server is always there
#else
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#endif
}

} // namespace platform
