#include "common/platform/commandline.h"

namespace platform {

std::string_view switchMarkers() {
    return "-/";
}

} // namespace platform
