#pragma once
// Runs a check where file permissions apply to it even when the tests run
// with full rights: on POSIX in a child process as an unprivileged user; on
// Windows, where a read-only file holds for everybody, in this process.

#include <functional>

namespace testing_support {

// The body's result, or -1 when it did not end normally.
int runAsUnprivileged(const std::function<int()>& body);

} // namespace testing_support
