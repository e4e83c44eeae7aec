#include "common/platform/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <string>
#include <windows.h>

namespace platform {

bool hasDisplay() {
    return true;
}

void useOffscreenRendering() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        return;
    std::wstring folder(MAX_PATH, L'\0');
    const UINT length = ::GetWindowsDirectoryW(folder.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    folder.resize(length);
    qputenv("QT_QPA_FONTDIR", QString::fromStdWString(folder + L"\\Fonts").toLocal8Bit());
}

} // namespace platform
