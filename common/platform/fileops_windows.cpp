#include "common/platform/fileops.h"
#include "common/platform/hostpath.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace platform {

bool copyFileNoOverwrite(std::string_view from, std::string_view to) {
    // CopyFile with fail-if-exists removes a partial target itself.
    return ::CopyFileW(hostPath(from).c_str(), hostPath(to).c_str(), TRUE) != 0;
}

bool renameNoReplace(std::string_view from, std::string_view to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    return ::MoveFileExW(hostPath(from).c_str(), hostPath(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool deleteFile(std::string_view path) {
    return ::DeleteFileW(hostPath(path).c_str()) != 0;
}

std::FILE* openFile(std::string_view path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(hostPath(path).c_str(), wideMode.c_str());
}

} // namespace platform
