#include "common/platform/display.h"

namespace platform {

bool hasDisplay() {
    return true;
}

} // namespace platform
