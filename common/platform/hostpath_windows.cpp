#include "common/platform/hostpath.h"
#include "common/platform/windows1252.h"

namespace platform {

// Windows opens the system's path text as it stands.
std::filesystem::path hostPath(std::string_view windowsPath) {
    return std::filesystem::path(fromWindows1252(windowsPath).toStdWString());
}

std::string pathText(const QString& name) {
    return toWindows1252(name);
}

QString fromPathText(std::string_view text) {
    return fromWindows1252(text);
}

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdWString(path.wstring());
}

std::filesystem::path winePrefix() {
    return {};
}

} // namespace platform
