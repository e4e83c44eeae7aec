#!/usr/bin/env bash
# Sets everything up, builds, and runs every test twice: as built for users,
# and under AddressSanitizer + UndefinedBehaviorSanitizer; then each fuzzer briefly.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== build"
scripts/build.sh build
echo "== tests"
ctest --test-dir build --output-on-failure -j "$(nproc)"

echo "== build with sanitizers"
scripts/build.sh build-sanitize -DVOLARO_SANITIZE=ON -DVOLARO_BUILD_BENCH=OFF
echo "== tests with sanitizers"
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

echo "== fuzzers, briefly (scripts/fuzz.sh SECONDS runs them longer)"
scripts/fuzz.sh "${VOLARO_FUZZ_SECONDS:-15}"
