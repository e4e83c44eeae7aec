#include "tests/support/asuser.h"

namespace testing_support {

int runAsUnprivileged(const std::function<int()>& body) {
    return body();
}

} // namespace testing_support
