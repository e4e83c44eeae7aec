#include "common/platform/exepath.h"
#include "common/platform/windows1252.h"

#include <QDir>
#include <QSettings>
#include <cstdlib>

namespace platform {
namespace {
std::optional<std::string> fitting(std::string value, int capacity) {
    if (value.size() + 1 > static_cast<std::size_t>(capacity))
        return std::nullopt;
    return value;
}
} // namespace

std::optional<std::string> readExePath(const ExePathSource& source, int capacity) {
    if (source.fsRoot)
        return fitting(toWindows1252(QString::fromStdString(*source.fsRoot)), capacity);
    if (const char* env = std::getenv(kFsRootEnv); env && *env)
        return fitting(toWindows1252(QString::fromLocal8Bit(env)), capacity);
    const QSettings registry(
        QStringLiteral(
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0"),
        QSettings::Registry32Format);
    const QVariant value = registry.value(QStringLiteral("EXE Path"));
    if (!value.isValid())
        return std::nullopt;
    return fitting(toWindows1252(value.toString()), capacity);
}

const char* exePathStoreName() {
    return "the registry";
}

std::string currentDirectory() {
    return toWindows1252(QDir::toNativeSeparators(QDir::currentPath()));
}

} // namespace platform
