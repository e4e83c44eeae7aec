#include "common/platform/programarguments.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

std::string_view switchMarkers() {
    return "-/";
}

// The same splitting as QCoreApplication::arguments() on Windows.
QStringList commandLineArguments(int, char*[]) {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    QStringList arguments;
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i) // the program's name first
        arguments << QString::fromWCharArray(words[i]);
    ::LocalFree(words);
    return arguments;
}

std::string shellVariable(std::string_view name) {
    return "%" + std::string(name) + "%";
}

} // namespace platform
