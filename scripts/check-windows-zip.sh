#!/usr/bin/env bash
# Tries the Windows zip as a user gets it: unpacked into an empty folder of a
# clean Wine prefix, with nothing of the build on Wine's path. Needs an X
# display (DISPLAY) for the real windows.  check-windows-zip.sh WORKDIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
work="$1/zip-check"
rm -rf "$work" && mkdir -p "$work"
zip="$(ls "$root"/dist/volaro-tools-*-win64.zip | head -1)"
linux="$root/build/configurator/app/configurator"
[ -x "$linux" ] || BUILD_TARGET=configurator "$root/scripts/build.sh" "$root/build" >/dev/null

fail() { echo "check-windows-zip: $*" >&2; exit 1; }
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset WINEPATH QT_PLUGIN_PATH QT_QPA_FONTDIR QT_QPA_PLATFORM
wine=("$volaro_wine")
"${wine[@]}" wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/Volaro"
unzip -q "$zip" -d "$work/unpacked"
mv "$work"/unpacked/*/* "$WINEPREFIX/drive_c/Volaro/"
exe='C:\Volaro\configurator.exe'
upgrader='C:\Volaro\upgrader.exe'
run() { "${wine[@]}" "$@" 2>"$work/stderr"; }

echo "-- configurator.exe --help"
run "$exe" --help >"$work/help.txt" || fail "--help failed: $(cat "$work/stderr")"
grep -q '^Usage: configurator' "$work/help.txt" || fail "--help printed: $(cat "$work/help.txt")"
# The help of Windows names Windows' ways.
tr -s ' \n' ' ' <"$work/help.txt" | grep -qF '(else %VOLARO_FS_ROOT%, else the registry, else' \
  || fail "--help names no Windows sources: $(cat "$work/help.txt")"

echo "-- fuel and payload, byte for byte as on Linux"
"$root/scripts/make-demo-sim.sh" "$work/demo" >/dev/null
fuel=(fuel --aircraft A330-300 --distance 3000 --altitude 35000 --zfw 170000 --json)
run "$exe" "${fuel[@]}" >"$work/fuel-windows.json" || fail "fuel failed"
"$linux" "${fuel[@]}" >"$work/fuel-linux.json"
cmp "$work/fuel-windows.json" "$work/fuel-linux.json" || fail "fuel output differs"
payload=(payload --aircraft A330-200 --business 20 --economy 200 --json)
run "$exe" --fs-root "$(volaro_z "$work/demo")" "${payload[@]}" >"$work/payload-windows.json" \
  || fail "payload failed: $(cat "$work/stderr")"
"$linux" --fs-root "$work/demo" "${payload[@]}" >"$work/payload-linux.json"
cmp "$work/payload-windows.json" "$work/payload-linux.json" || fail "payload output differs"

echo "-- paths from the registry value \"EXE Path\""
"${wine[@]}" reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' /v 'EXE Path' \
  /t REG_SZ /d "$(volaro_z "$work/demo")" /f /reg:32 >/dev/null 2>&1
run "$exe" paths >"$work/paths.txt"
grep -qxF "InstallFolder: $(volaro_z "$work/demo")" "$work/paths.txt" \
  || fail "paths printed: $(cat "$work/paths.txt")"

echo "-- screenshots of every window"
# Drawn offscreen with the fonts of the zip only: Wine's font folder is empty.
run "$exe" --screenshots 'C:\pictures' >/dev/null || fail "configurator --screenshots failed"
run "$upgrader" --screenshots 'C:\pictures' >/dev/null || fail "upgrader --screenshots failed"
"$linux" --fs-root "$work/demo" --screenshots "$work/pictures-linux" >/dev/null 2>&1
expected=$(( $(ls "$work/pictures-linux" | wc -l) + 2 ))
count=$(find "$WINEPREFIX/drive_c/pictures" -name '*.png' -size +1k | wc -l)
[ "$count" = "$expected" ] || fail "$count pictures, expected $expected"

echo "-- real windows on the X display"
pictures="${VOLARO_WINDOWS_PICTURES:-$work}"
mkdir -p "$pictures"
# A window manager draws the captions; windows go where they ask to be.
printf 'RandomPlacement\nUsePPosition "on"\nNoGrabServer\n' >"$work/twmrc"
twm -f "$work/twmrc" >/dev/null 2>&1 &
twm_pid=$!
window() { # window TITLE PICTURE COMMAND...
  local title="$1" picture="$2"; shift 2
  local start id
  start=$(date +%s%N)
  "${wine[@]}" "$@" >/dev/null 2>&1 &
  id="$(timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" | head -1)" \
    || fail "no window \"$title\""
  echo "   \"$title\" after $(( ($(date +%s%N) - start) / 1000000 )) ms"
  sleep 2 # let it paint
  import -frame -window "$id" "$pictures/$picture"
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$!" || true
}
window "Volaro Config Volume 2" windows-main-menu.png "$exe"
# One gauge in place: on a folder with none the upgrader offers End only.
printf 'gauge' >"$work/demo/Aircraft/Korvanta TEV A332GE/panel/A332GE_Korvanta.gau"
window "Volaro Upgrade v2 Installer" windows-upgrader.png "$upgrader" "$(volaro_z "$work/demo")"
kill "$twm_pid" 2>/dev/null || true
echo "   pictures in $pictures"
echo "check-windows-zip: passed"
