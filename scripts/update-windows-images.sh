#!/usr/bin/env bash
# Pictures of the Windows installer and of a cmd.exe session under Wine on a
# virtual display, for the README: docs/images/windows-setup-*.png and
# docs/images/windows-cmd.png. Uses the installer of package-windows.sh
# (made first when missing). The other windows-*.png come from the zip check.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup-windows.sh
source scripts/windows-env.sh
[ -n "$(ls dist/volaro-tools-*-setup.exe 2>/dev/null)" ] || scripts/package-windows.sh >/dev/null
setup="$(ls dist/volaro-tools-*-setup.exe | head -1)"

work="$(mktemp -d /tmp/volaro-windows-images.XXXXXX)"
xvfb_pid=""
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset WINEPATH QT_PLUGIN_PATH QT_QPA_FONTDIR QT_QPA_PLATFORM
wine() { "$volaro_wine" "$@"; }
wine wineboot --init >/dev/null 2>&1
# A simulator with a short name, as a user's might be.
scripts/make-demo-sim.sh "$WINEPREFIX/drive_c/FS9" >/dev/null
wine reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' /v 'EXE Path' \
  /t REG_SZ /d 'C:\FS9' /f /reg:32 >/dev/null 2>&1

out="$work/pictures"
mkdir -p "$out"
snap() { sleep 1.5; import -frame -window "$1" "$out/$2"; echo "   $2"; }

echo "-- the installer's pages"
wine "$setup" >/dev/null 2>&1 &
id="$(timeout 60 xdotool search --sync --onlyvisible --name '^Volaro tools .* Setup' | head -1)"
snap "$id" windows-setup-licence.png
for page in simulator components folder; do
  xdotool key --window "$id" Return
  snap "$id" "windows-setup-$page.png"
done
xdotool key --window "$id" Return
sleep 8 # the files
snap "$id" windows-setup-finished.png
xdotool key --window "$id" Return
/usr/lib/wine/wineserver -w

echo "-- configurator --help and the exit status in cmd.exe"
# A console tall enough for the help and what follows.
wine reg add 'HKCU\Console' /v WindowSize /t REG_DWORD /d 0x00370050 /f >/dev/null 2>&1
wine reg add 'HKCU\Console' /v ScreenBufferSize /t REG_DWORD /d 0x012c0050 /f >/dev/null 2>&1
(cd "$WINEPREFIX/drive_c/FS9/Korvanta/Volaro" && exec "$volaro_wine" wineconsole cmd) >/dev/null 2>&1 &
id="$(timeout 60 xdotool search --sync --onlyvisible --name 'cmd\.exe$' | head -1)"
sleep 2
# Typed through XTEST on the focused window, with no window manager: sent
# events, or a window manager's focus, lose Shift ("%" arrives as "5").
xdotool windowfocus --sync "$id"
for line in 'configurator --help' 'echo %ERRORLEVEL%' 'configurator fuel --aircraft A999' \
  'echo %ERRORLEVEL%'; do
  xdotool type --delay 20 "$line"
  xdotool key Return
  sleep 3
done
snap "$id" windows-cmd.png

mkdir -p docs/images
cp "$out"/windows-setup-*.png "$out"/windows-cmd.png docs/images/
echo "pictures: docs/images (all of them in $out until this script ends)"
rm -rf /tmp/volaro-windows-images-last && cp -r "$out" /tmp/volaro-windows-images-last
echo "every picture taken: /tmp/volaro-windows-images-last"
