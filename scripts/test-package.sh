#!/usr/bin/env bash
# Builds the Debian package, installs it as a user would (apt-get install
# ./dist/...deb) and tries it from its installed places only, in a folder
# outside the source tree; removes the package again at the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/package-deb.sh
version="$(sed -n 's/^project(volaro_tools VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
deb="./dist/volaro-tools_${version}_amd64.deb"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
work="$(mktemp -d)"
remove() {
  if dpkg-query -W -f='${Status}' volaro-tools 2>/dev/null | grep -q "ok installed"; then
    $sudo apt-get remove -y -qq --purge volaro-tools >/dev/null || true
  fi
  rm -rf "$work"
}
trap remove EXIT

# The demo simulator is the one thing taken along from here.
scripts/make-demo-sim.sh "$work/made" >/dev/null
cp -a "$work/made" "$work/demo"
rm -rf "$work/made"

echo "== apt-get install $deb"
$sudo apt-get install -y -qq --reinstall "$deb" >/dev/null

cd "$work"
fail() { echo "test-package: $*" >&2; exit 1; }
# A user's environment: none of the developer's settings, the system's PATH.
mkdir -m 700 "$work/runtime"
as_user() {
  env -i HOME="$work" XDG_RUNTIME_DIR="$work/runtime" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"
}

for program in configurator upgrader; do
  [ "$(as_user sh -c "command -v $program")" = "/usr/bin/$program" ] || fail "$program is not /usr/bin/$program"
  page="$(as_user man -w "$program")" || fail "no manual page for $program"
  [ "$page" = "/usr/share/man/man1/$program.1.gz" ] || fail "manual page of $program at $page"
  as_user man -P cat "$program" 2>/dev/null | grep -q -- "--screenshots" || fail "manual page of $program lacks its options"
done
echo "programs and manual pages: ok"

as_user configurator --help | grep -q '^Usage: configurator' || fail "configurator --help"
payload="$(as_user configurator --fs-root "$work/demo" payload --aircraft A330-200 --json)" ||
  fail "configurator payload"
case "$payload" in
  "{"*"}") ;;
  *) fail "configurator payload --json printed: $payload" ;;
esac
echo "configurator --help, payload --json: ok"

for entry in /usr/share/applications/org.example.volaro.configurator.desktop \
  /usr/share/applications/org.example.volaro.upgrader.desktop; do
  [ -f "$entry" ] || fail "no desktop entry $entry"
  desktop-file-validate "$entry" || fail "desktop entry $entry"
  exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
  icon="$(sed -n 's/^Icon=//p' "$entry")"
  as_user sh -c "command -v $exec_program" >/dev/null || fail "$entry starts $exec_program, not on the PATH"
  for size in 16 32 48 64 128 256; do
    [ -s "/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no ${size}px icon $icon"
  done
done
appstreamcli validate --no-net /usr/share/metainfo/org.example.volaro.configurator.metainfo.xml >/dev/null ||
  fail "AppStream metadata"
echo "desktop entries, icons, AppStream metadata: ok"

as_user env QT_QPA_PLATFORM=offscreen /usr/bin/upgrader --screenshots "$work/shots" >/dev/null ||
  fail "upgrader --screenshots"
for picture in upgrader-ready upgrader-after-run; do
  [ -s "$work/shots/$picture.png" ] || fail "upgrader wrote no $picture.png"
done
echo "upgrader --screenshots: ok"

$sudo apt-get remove -y -qq --purge volaro-tools >/dev/null
[ ! -e /usr/bin/configurator ] && [ ! -e /usr/bin/upgrader ] || fail "programs left after removal"
echo "package removed: ok"
