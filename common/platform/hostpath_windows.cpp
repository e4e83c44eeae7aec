#include "common/platform/hostpath.h"
#include "common/platform/windows1252.h"

namespace platform {

// Windows opens the system's path text as it stands.
std::filesystem::path hostPath(std::string_view windowsPath) {
    return std::filesystem::path(fromWindows1252(windowsPath).toStdWString());
}

std::filesystem::path winePrefix() {
    return {};
}

} // namespace platform
