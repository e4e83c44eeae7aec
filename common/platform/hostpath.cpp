#include "common/platform/hostpath.h"

namespace platform {

QString displayPath(std::string_view windowsPath) {
    return qtPath(hostPath(windowsPath));
}

} // namespace platform
