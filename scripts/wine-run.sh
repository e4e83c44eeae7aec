#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as CMake's cross-compiling
# emulator: the tests and their discovery go through it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
volaro_wine_env
# The offscreen platform finds no fonts under Wine by itself.
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-$(volaro_z /usr/share/fonts/truetype/dejavu)}"
case " $* " in
  # The list is read by CMake, which does not expect Windows line ends.
  *" --gtest_list_tests "*) "$volaro_wine" "$@" | tr -d '\r' ;;
  *) exec "$volaro_wine" "$@" ;;
esac
