#!/usr/bin/env bash
# Cross-builds the project for Windows into build-windows/ (or DIR) against
# the SDK of setup-windows.sh: build-windows.sh [DIR [cmake options...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
dir="${1:-$root/build-windows}"; shift || true
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$volaro_win_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$volaro_win_toolchain" \
  -DGTest_DIR="$volaro_win_gtest/lib/cmake/GTest" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
  -DVOLARO_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
