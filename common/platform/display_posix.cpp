#include "common/platform/display.h"

#include <QByteArray>
#include <QtGlobal>
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

// Fontconfig gives the offscreen platform the system's fonts.
void useOffscreenRendering() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace platform
