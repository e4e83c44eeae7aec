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

// Each stream on its own, so that one without a handle still reaches the
// console when the other is redirected.
void prepareStandardOutput() {
    const bool out = hasHandle(STD_OUTPUT_HANDLE);
    const bool err = hasHandle(STD_ERROR_HANDLE);
    if ((!out || !err) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!out)
            std::freopen("CONOUT$", "w", stdout);
        if (!err)
            std::freopen("CONOUT$", "w", stderr);
    }
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

} // namespace platform
