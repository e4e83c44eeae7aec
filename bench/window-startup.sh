#!/usr/bin/env bash
# Time from starting the configurator to its main menu on an X display,
# median of N runs (default 5): the Linux program (build/) and the Windows
# zip's configurator.exe under Wine (dist/), on the same Xvfb.
#   bench/window-startup.sh [N]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
runs="${1:-5}"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WINEPATH
"$root/scripts/make-demo-sim.sh" "$work/demo" >/dev/null

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
"$volaro_wine" wineboot --init >/dev/null 2>&1
unzip -q "$(ls "$root"/dist/volaro-tools-*-win64.zip | head -1)" -d "$work/zip"
exe="$(ls "$work"/zip/*/configurator.exe)"

# milliseconds COMMAND...: until the main menu is visible; the program is then ended.
milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  local pid=$!
  # xdotool's own --sync looks only every half second.
  local deadline=$((start + 60000000000))
  until xdotool search --onlyvisible --name '^Volaro Config Volume 2$' >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$deadline" ] || { echo "no main menu after 60 s" >&2; exit 1; }
    sleep 0.01
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true # a new start must not meet the old server
  echo $(( (end - start) / 1000000 ))
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

for name in ${VOLARO_STARTUP_ONLY:-linux windows}; do
  if [ "$name" = linux ]; then cmd=("$root/build/configurator/app/configurator" --fs-root "$work/demo")
  else cmd=("$volaro_wine" "$exe" --fs-root "$(volaro_z "$work/demo")"); fi
  milliseconds "${cmd[@]}" >/dev/null # the first start fills caches
  times=()
  for _ in $(seq "$runs"); do times+=("$(milliseconds "${cmd[@]}")"); done
  echo "$name: median $(printf '%s\n' "${times[@]}" | median) ms of ${times[*]}"
done
