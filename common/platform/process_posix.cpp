#include "common/platform/process.h"

namespace platform::detail {

// QProcess reports the signal number; shells report 128 + that number.
int crashExitCode(int reported) {
    return 128 + reported;
}

void prepareLaunch(QProcess&) {}

} // namespace platform::detail
