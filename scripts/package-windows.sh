#!/usr/bin/env bash
# Makes dist/volaro-tools-<version>-win64.zip: both programs, exactly the
# DLLs and Qt plugins they load, the MinGW runtime, and how to start them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup-windows.sh
source scripts/windows-env.sh

BUILD_TARGET=configurator scripts/build-windows.sh build-windows >/dev/null
BUILD_TARGET=upgrader scripts/build-windows.sh build-windows >/dev/null

version="$(sed -n 's/^project(volaro_tools VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="volaro-tools-$version-win64"
stage_root="$(mktemp -d)"
trap 'rm -rf "$stage_root"' EXIT
stage="$stage_root/$name"
mkdir -p "$stage/platforms" "$stage/styles" dist

cp build-windows/configurator/app/configurator.exe build-windows/upgrader/upgrader.exe "$stage/"
# windows: the real windows; offscreen: --screenshots; the style Windows users know.
cp "$volaro_win_qt/plugins/platforms/qwindows.dll" "$volaro_win_qt/plugins/platforms/qoffscreen.dll" \
  "$stage/platforms/"
cp "$volaro_win_qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Every DLL a file of the folder imports, found in the SDK or the MinGW
# runtime, until nothing new is needed; the rest are Windows' own.
search=("$volaro_win_qt/bin" "$(dirname "${volaro_mingw_runtime[0]}")" "$(dirname "${volaro_mingw_runtime[2]}")")
while :; do
  added=0
  while read -r dll; do
    [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
    for dir in "${search[@]}"; do
      found="$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit)"
      if [ -n "$found" ]; then cp "$found" "$stage/"; added=1; break; fi
    done
  done < <(find "$stage" -iname '*.exe' -o -iname '*.dll' | xargs -r x86_64-w64-mingw32-objdump -p \
             | sed -n 's/^\s*DLL Name: //p' | sort -u)
  [ "$added" = 0 ] && break
done
find "$stage" -iname '*.exe' -o -iname '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
sed 's/$/\r/' docs/windows/README.txt >"$stage/README.txt"

rm -f "dist/$name.zip"
(cd "$stage_root" && zip -q -r -9 -X "$root/dist/$name.zip" "$name")
echo "dist/$name.zip ($(du -k "dist/$name.zip" | cut -f1) KiB):"
(cd "$stage_root" && find "$name" -type f | sort | sed 's/^/  /')
