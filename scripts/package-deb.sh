#!/usr/bin/env bash
# Makes dist/volaro-tools_<version>_amd64.deb from a build as users get it
# (Debian's hardening flags, no tests), then checks it: lintian (no error, no
# warning), desktop-file-validate and appstreamcli on the files it installs.
# Prints its size, lintian's full report and the files it installs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
# dpkg-dev and file: CPack's shlibdeps; the rest check the package.
scripts/setup.sh dpkg-dev file lintian desktop-file-utils appstream

# Debian's flags with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags=(
  -DCMAKE_BUILD_TYPE=Release -DVOLARO_BUILD_TESTS=OFF -DVOLARO_BUILD_BENCH=OFF
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
)
scripts/build.sh build-deb "${flags[@]}" >/dev/null

rm -rf build-deb/cpack
cpack --config build-deb/CPackConfig.cmake -B build-deb/cpack >/dev/null
version="$(sed -n 's/^project(volaro_tools VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
deb="dist/volaro-tools_${version}_amd64.deb"
mkdir -p dist
mv "build-deb/cpack/volaro-tools_${version}_amd64.deb" "$deb"

echo "== lintian"
# Info tags are shown too, so that what remains is seen; only errors and
# warnings fail.
lintian --info --display-info --fail-on error,warning "$deb" || {
  echo "package-deb: lintian reports errors or warnings" >&2
  exit 1
}

staged="$(mktemp -d)"
trap 'rm -rf "$staged"' EXIT
dpkg-deb -x "$deb" "$staged"
echo "== desktop-file-validate"
desktop-file-validate "$staged"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net --explain "$staged"/usr/share/metainfo/*.metainfo.xml

echo "== $deb ($(du -k "$deb" | cut -f1) KiB; installed $(dpkg-deb -f "$deb" Installed-Size) KiB)"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Depends
echo "== files"
dpkg-deb -c "$deb" | awk '{print $1, $3, $6}'
