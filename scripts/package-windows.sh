#!/usr/bin/env bash
# Makes dist/volaro-tools-<version>-win64.zip and, from the same staged files,
# dist/volaro-tools-<version>-setup.exe (NSIS): both programs and their
# console twins, exactly the DLLs and Qt plugins they load, the MinGW
# runtime, the fonts, the licences of all of it, and how to start them.
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
mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses" dist

app=build-windows/configurator/app
cp "$app/configurator.exe" "$app/configurator.com" \
  build-windows/upgrader/upgrader.exe build-windows/upgrader/upgrader.com "$stage/"
cp -r "$app/fonts" "$stage/"
# windows: the real windows; offscreen: --screenshots; the style Windows users know.
cp "$volaro_win_qt/plugins/platforms/qwindows.dll" "$volaro_win_qt/plugins/platforms/qoffscreen.dll" \
  "$stage/platforms/"
cp "$volaro_win_qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Every DLL a file of the folder imports, found in the SDK or the MinGW
# runtime, until nothing new is needed; the rest are Windows' own.
search=("$volaro_win_qt/bin" "$(dirname "${volaro_mingw_runtime[0]}")" "$(dirname "${volaro_mingw_runtime[2]}")")
programs() { find "$stage" -iname '*.exe' -o -iname '*.com' -o -iname '*.dll'; }
while :; do
  added=0
  while read -r dll; do
    [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
    for dir in "${search[@]}"; do
      found="$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit)"
      if [ -n "$found" ]; then cp "$found" "$stage/"; added=1; break; fi
    done
  done < <(programs | xargs -r x86_64-w64-mingw32-objdump -p | sed -n 's/^\s*DLL Name: //p' | sort -u)
  [ "$added" = 0 ] && break
done
programs | xargs x86_64-w64-mingw32-strip --strip-unneeded

# Text for Notepad: CRLF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$@"; }
crlf docs/windows/README.txt >"$stage/README.txt"

# The licences: ours from the Debian package's terms, the others' from the
# copyright files of the Debian packages the files come from.
package_version() { dpkg-query -W -f='${Version}' "$1"; }
{
  echo "Volaro tools $version"
  echo
  sed -n 's/^Copyright: /Copyright /p' packaging/copyright | head -1
  echo
  # The body of the first licence paragraph, as the Debian format indents it.
  sed -n '/^License: /,/^$/{/^ /{s/^ \.$//; s/^ //; p}}' packaging/copyright
  echo
  echo "The software that comes with these tools has licences of its own: see"
  echo "the licenses folder (README.txt there)."
} | crlf >"$stage/licenses/volaro-tools.txt"
qt_orig="$(package_version libqt6core6 | sed 's/-[^-]*$//')"
qt_options="$(printf '        %s\n' "${volaro_win_qt_options[@]}")"
sed -e "s/@QT_VERSION@/${qt_orig%%+*}/g" -e "s/@QT_ORIG@/$qt_orig/g" \
  -e "s/@GCC_DEBIAN_VERSION@/$(package_version gcc-mingw-w64-x86-64-posix-runtime)/" \
  -e "s/@GCC_VERSION@/$(package_version gcc-mingw-w64-x86-64-posix-runtime | sed 's/-.*//')/" \
  -e "s/@MINGW_DEBIAN_VERSION@/$(package_version mingw-w64-x86-64-dev)/" \
  -e "s/@LIBERATION_VERSION@/$(package_version fonts-liberation2 | sed 's/-[^-]*$//')/" \
  -e "s/@DEJAVU_VERSION@/$(package_version fonts-dejavu-core | sed 's/-[^-]*$//')/" \
  packaging/windows/licenses-README.txt \
  | awk -v options="$qt_options" '$0 == "@QT_OPTIONS@" { print options; next } { print }' \
  | crlf >"$stage/licenses/README.txt"
crlf /usr/share/doc/libqt6core6/copyright >"$stage/licenses/Qt.txt"
crlf /usr/share/common-licenses/LGPL-3 >"$stage/licenses/LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 >"$stage/licenses/GPL-3.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright >"$stage/licenses/GCC.txt"
crlf /usr/share/doc/mingw-w64-x86-64-dev/copyright >"$stage/licenses/MinGW-w64.txt"
crlf /usr/share/doc/fonts-liberation2/copyright >"$stage/licenses/Liberation-fonts.txt"
crlf /usr/share/doc/fonts-dejavu-core/copyright >"$stage/licenses/DejaVu-fonts.txt"

rm -f "dist/$name.zip"
(cd "$stage_root" && zip -q -r -9 -X "$root/dist/$name.zip" "$name")
echo "dist/$name.zip ($(du -k "dist/$name.zip" | cut -f1) KiB):"
(cd "$stage_root" && find "$name" -type f | sort | sed 's/^/  /')

# The installer writes exactly the staged files and its uninstaller removes
# exactly them: both lists are made from the staged folder.
lists="$stage_root/nsis"
mkdir -p "$lists"
winpath() { [ "$1" = . ] && printf '$INSTDIR' || printf '$INSTDIR\\%s' "${1#./}" | tr / '\\'; }
(
  cd "$stage"
  find . -type d | sort | while read -r dir; do
    echo "SetOutPath \"$(winpath "$dir")\""
    find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
      echo "File \"$stage/${file#./}\""
    done
  done >"$lists/files.nsh"
  find . -type f | sort | while read -r file; do
    echo "Delete \"$(winpath "$file")\""
  done >"$lists/unfiles.nsh"
  # Deepest first; the install folder itself after the uninstaller.
  find . -mindepth 1 -type d | sort -r | while read -r dir; do
    echo "RMDir \"$(winpath "$dir")\""
  done >>"$lists/unfiles.nsh"
)
setup="dist/volaro-tools-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DLISTS="$lists" -DOUTFILE="$root/$setup" \
  -DSIZE_KB="$(du -sk "$stage" | cut -f1)" packaging/windows/installer.nsi
echo "$setup ($(du -k "$setup" | cut -f1) KiB)"
