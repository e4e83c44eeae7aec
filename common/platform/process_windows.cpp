#include "common/platform/process.h"

#include <windows.h>

namespace platform::detail {

// QProcess reports the exception code the program ended with.
int crashExitCode(int reported) {
    return reported;
}

// Started from a window program, which has no console, QProcess would run a
// console program hidden. The upgrader tells its users that console windows
// appear while the patch program runs, so give it its own, as CreateProcess
// does by default, with its output in it.
void prepareLaunch(QProcess& process) {
    if (::GetConsoleWindow() != nullptr)
        return;
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->flags &= ~static_cast<DWORD>(CREATE_NO_WINDOW);
        arguments->flags |= CREATE_NEW_CONSOLE;
        arguments->startupInfo->dwFlags &= ~static_cast<DWORD>(STARTF_USESTDHANDLES);
    });
}

} // namespace platform::detail
