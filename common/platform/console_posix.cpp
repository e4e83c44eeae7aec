#include "common/platform/console.h"

namespace platform {

void prepareStandardOutput() {}

} // namespace platform
