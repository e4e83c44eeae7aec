#include "common/platform/display.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// A terminal without a login session has no runtime folder, and Qt then
// warns on standard error at every start. Give it the private folder it
// would fall back to itself, made the way it checks it: ours, mode 0700.
void provideRuntimeFolder() {
    if (isSet("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder =
        QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray::number(::getuid());
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return;
    struct stat info;
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0777) != 0700)
        return; // Qt will say what is wrong with it
    qputenv("XDG_RUNTIME_DIR", folder);
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
    provideRuntimeFolder();
}

} // namespace platform
