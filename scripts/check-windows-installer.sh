#!/usr/bin/env bash
# Tries the Windows installer as an administrator uses it, silently, in a
# clean Wine prefix whose registry names a demo simulator folder: what it
# installs and registers, the console twins from the install folder, a second
# install over the first, an uninstall that leaves every file of the user's
# as it was, and the Program Files folder without the registry value.
#   check-windows-installer.sh WORKDIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"
work="$1/installer-check"
rm -rf "$work" && mkdir -p "$work"
setup="$(ls "$root"/dist/volaro-tools-*-setup.exe | head -1)"
zip="$(ls "$root"/dist/volaro-tools-*-win64.zip | head -1)"
version="$(basename "$setup" | sed 's/^volaro-tools-\(.*\)-setup\.exe$/\1/')"

fail() { echo "check-windows-installer: $*" >&2; exit 1; }
# No menu entries of the Linux desktop for the shortcuts Wine sees made.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset WINEPATH QT_PLUGIN_PATH QT_QPA_FONTDIR QT_QPA_PLATFORM
wine() { "$volaro_wine" "$@"; }
wine wineboot --init >/dev/null 2>&1

sim="$work/sim"
"$root/scripts/make-demo-sim.sh" "$sim" >/dev/null
sim_w="$(volaro_z "$sim")"
inst="$sim/Korvanta/Volaro"
inst_w="$sim_w\\Korvanta\\Volaro"
# What the user has there already: none of it may change.
printf '[Settings]\r\nUNITS=1\r\n' >"$inst/Prefs.cfg"
printf 'my notes\r\n' >"$inst/notes.txt"
fingerprint() { (cd "$sim" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
fingerprint >"$work/before.txt"
sim_key='HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0'
wine reg add "$sim_key" /v 'EXE Path' /t REG_SZ /d "$sim_w" /f /reg:32 >/dev/null 2>&1
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VolaroTools'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
ours=()
while read -r file; do ours+=("${file#*/}"); done < <(unzip -Z1 "$zip" | grep -v '/$')

install() { # install ARGUMENTS...: the silent installer, waited for
  wine "$setup" /S "$@" 2>>"$work/wine.log" || fail "setup $* ended with $?"
  /usr/lib/wine/wineserver -w
}
# Target, working folder and arguments of a shortcut (the .lnk format's
# LinkInfo and string data).
shortcut() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
pos = 0x4C
if flags & 0x1:
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & 0x2:
    size, header, info_flags, _, base = struct.unpack_from("<5I", data, pos)
    if info_flags & 0x1:  # a local path: in UTF-16 after a larger header
        if header >= 0x24:
            start = pos + struct.unpack_from("<I", data, pos + 28)[0]
            end = start
            while data[end:end + 2] != b"\0\0":
                end += 2
            target = data[start:end].decode("utf-16-le")
        else:
            start = pos + base
            target = data[start:data.index(b"\0", start)].decode("latin-1")
    pos += size
strings = {}
for bit, name in ((0x4, "name"), (0x8, "relative"), (0x10, "folder"), (0x20, "arguments"), (0x40, "icon")):
    if flags & bit:
        count = struct.unpack_from("<H", data, pos)[0]
        pos += 2
        width = 2 if flags & 0x80 else 1
        raw = data[pos:pos + count * width]
        strings[name] = raw.decode("utf-16-le" if width == 2 else "latin-1").rstrip("\0")
        pos += count * width
print("target=" + target)
print("folder=" + strings.get("folder", ""))
print("arguments=" + strings.get("arguments", ""))
PY
}
expect_shortcut() { # expect_shortcut NAME TARGET ARGUMENTS
  [ -f "$menu/$1.lnk" ] || fail "no Start-menu entry \"$1\""
  local read
  read="$(shortcut "$menu/$1.lnk")"
  printf '   %s: %s\n' "$1" "$(echo "$read" | tr '\n' ' ')"
  grep -qixF "target=$2" <<<"$read" || fail "\"$1\" starts: $read"
  grep -qixF "arguments=$3" <<<"$read" || fail "\"$1\" is given: $read"
  grep -qixF "folder=${2%\\*}" <<<"$read" || fail "\"$1\" starts in: $read"
}
expect_installed() { # expect_installed FOLDER
  for file in "${ours[@]}" uninstall.exe; do
    [ -f "$1/$file" ] || fail "$file not installed in $1"
  done
}
in_folder() { (cd "$inst" && wine "$@"); }

echo "-- silent install into the simulator of \"EXE Path\" ($(du -k "$setup" | cut -f1) KiB)"
install
expect_installed "$inst"
expect_shortcut "Volaro Configurator" "$inst_w\\configurator.exe" ""
expect_shortcut "Volaro Upgrader" "$inst_w\\upgrader.exe" "\"$sim_w\""
[ ! -e "$WINEPREFIX/drive_c/users/Public/Desktop/Volaro Configurator.lnk" ] \
  || fail "a desktop entry although it was not chosen"
wine reg query "$uninstall_key" >"$work/uninstall-entry.txt" 2>/dev/null || fail "no Uninstall entry"
entry() { grep -E "^\s+$1\s+$2\s+" "$work/uninstall-entry.txt" | sed -E "s/^\s+$1\s+$2\s+//; s/\r$//"; }
[ "$(entry DisplayName REG_SZ)" = "Volaro tools" ] || fail "DisplayName: $(entry DisplayName REG_SZ)"
[ "$(entry DisplayVersion REG_SZ)" = "$version" ] || fail "DisplayVersion: $(entry DisplayVersion REG_SZ)"
[ -n "$(entry Publisher REG_SZ)" ] || fail "no Publisher"
[ "$(entry InstallLocation REG_SZ)" = "$inst_w" ] || fail "InstallLocation: $(entry InstallLocation REG_SZ)"
[ "$(entry UninstallString REG_SZ)" = "\"$inst_w\\uninstall.exe\"" ] || fail "UninstallString"
[ "$(entry QuietUninstallString REG_SZ)" = "\"$inst_w\\uninstall.exe\" /S" ] || fail "QuietUninstallString"
size=$(( $(entry EstimatedSize REG_DWORD) ))
[ "$size" -gt 1000 ] || fail "EstimatedSize: $size"

echo "-- the console twins from the install folder"
in_folder configurator.com paths >"$work/paths.txt" 2>&1 || fail "paths: $(cat "$work/paths.txt")"
grep -qxF "InstallFolder: $sim_w" "$work/paths.txt" || fail "paths printed: $(cat "$work/paths.txt")"
in_folder configurator.com fuel --aircraft A330-300 --distance 3000 --altitude 35000 --zfw 170000 \
  --json >"$work/fuel.json" || fail "fuel failed"
python3 -c 'import json, sys; plan = json.load(open(sys.argv[1])); assert plan["block_fuel"] > 0' \
  "$work/fuel.json" || fail "fuel printed: $(cat "$work/fuel.json")"
status=0
in_folder upgrader.com --check "$sim_w" --json >"$work/check.json" || status=$?
python3 -c 'import json, sys; check = json.load(open(sys.argv[1])); assert len(check["gauges"]) == 9' \
  "$work/check.json" || fail "upgrader --check printed: $(cat "$work/check.json")"
[ "$status" = 1 ] || fail "upgrader --check on a folder without gauges ended with $status"
# cmd.exe finds the .com for the bare name, and %ERRORLEVEL% is its status.
wine cmd /c "cd /d $inst_w & configurator fuel --aircraft A999 & echo status %ERRORLEVEL%" \
  >"$work/cmd.txt" 2>&1 || true
grep -q '^status 2' "$work/cmd.txt" || fail "in cmd.exe: $(cat "$work/cmd.txt")"

if [ -n "${DISPLAY:-}" ]; then
  echo "-- a running configurator is reported before a file is replaced"
  (cd "$inst" && exec "$volaro_wine" configurator.exe) >/dev/null 2>&1 &
  running=$!
  timeout 60 xdotool search --sync --onlyvisible --name '^Volaro Config Volume 2$' >/dev/null \
    || fail "the configurator's window did not open"
  before="$(md5sum "$inst/Qt6Core.dll")"
  status=0
  wine "$setup" /S || status=$?
  [ "$status" != 0 ] || fail "setup went on while the configurator ran"
  [ "$(md5sum "$inst/Qt6Core.dll")" = "$before" ] || fail "a file was replaced"
  kill "$running" 2>/dev/null || true
  /usr/lib/wine/wineserver -k || true
  wait "$running" 2>/dev/null || true
fi

echo "-- a second install over the first"
touch -d '2000-01-01' "$inst/configurator.exe"
install
expect_installed "$inst"
[ "$(stat -c %Y "$inst/configurator.exe")" -gt 946771200 ] || fail "configurator.exe was not replaced"
expect_shortcut "Volaro Upgrader" "$inst_w\\upgrader.exe" "\"$sim_w\""
cmp -s "$inst/Prefs.cfg" <(printf '[Settings]\r\nUNITS=1\r\n') || fail "Prefs.cfg changed"

echo "-- silent uninstall"
wine "$inst/uninstall.exe" /S || fail "uninstall ended with $?"
/usr/lib/wine/wineserver -w
fingerprint >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >&2 || fail "the simulator folder is not as it was"
[ ! -e "$menu/Volaro Configurator.lnk" ] && [ ! -e "$menu/Volaro Upgrader.lnk" ] \
  || fail "a Start-menu entry is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the Uninstall entry is left"

echo "-- without \"EXE Path\": Program Files; /D= elsewhere"
wine reg delete "$sim_key" /v 'EXE Path' /f /reg:32 >/dev/null 2>&1
install
program_files="$WINEPREFIX/drive_c/Program Files/Korvanta/Volaro"
expect_installed "$program_files"
expect_shortcut "Volaro Upgrader" 'C:\Program Files\Korvanta\Volaro\upgrader.exe' ""
wine "$program_files/uninstall.exe" /S && /usr/lib/wine/wineserver -w
[ ! -e "${program_files%/*}" ] || fail "left in Program Files: $(find "${program_files%/*}")"
# /D= last and unquoted even with blanks, as an administrator types it: in
# two words here, or Wine would quote it.
install '/D=C:\Volaro' 'tools'
expect_installed "$WINEPREFIX/drive_c/Volaro tools"
wine 'C:\Volaro tools\uninstall.exe' /S && /usr/lib/wine/wineserver -w
[ ! -e "$WINEPREFIX/drive_c/Volaro tools" ] || fail "left in C:\\Volaro tools"
echo "check-windows-installer: passed"
