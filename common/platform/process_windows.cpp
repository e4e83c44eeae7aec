#include "common/platform/process.h"

namespace platform::detail {

// QProcess reports the exception code the program ended with.
int crashExitCode(int reported) {
    return reported;
}

} // namespace platform::detail
