#include "common/platform/console.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform {
namespace {
bool hasHandle(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}
} // namespace

void prepareStandardOutput() {
    if (!hasHandle(STD_OUTPUT_HANDLE) && !hasHandle(STD_ERROR_HANDLE) &&
        ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

} // namespace platform
