#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as CMake's cross-compiling
# emulator: the tests and their discovery go through it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
volaro_wine_env
# Wine passes no QT_* variable on: the test programs name their fonts
# themselves (VOLARO_TEST_FONT_DIR).
case " $* " in
  # The list is read by CMake, which does not expect Windows line ends.
  *" --gtest_list_tests "*) "$volaro_wine" "$@" | tr -d '\r' ;;
  *) exec "$volaro_wine" "$@" ;;
esac
