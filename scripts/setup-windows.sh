#!/usr/bin/env bash
# Installs what the Windows cross-build and its tests need, and builds Qt for
# Windows (from Debian's own qt6-base source) and GoogleTest once into a cache
# folder outside the source tree. Quiet and quick when all is there. An SDK is
# used only once its stamp is written, so an interrupted build is resumed or
# redone, never taken for a whole one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/windows-env.sh"

"$root/scripts/setup.sh"

packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 googletest
  xvfb xauth xdotool imagemagick twm xfonts-base zip unzip nsis fonts-liberation2
  fonts-dejavu-core python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup-windows: installing ${missing[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

complete() { [ -f "$1/.volaro-stamp" ] && [ "$(cat "$1/.volaro-stamp")" = "$volaro_win_recipe" ]; }
complete "$volaro_win_qt" && complete "$volaro_win_gtest" && exit 0

mkdir -p "$volaro_win_cache"
# The SDK keeps the toolchain file's path: give it one that outlives any clone.
cp "$volaro_win_toolchain" "$volaro_win_cache/mingw-w64-x86_64.cmake"
toolchain="$volaro_win_cache/mingw-w64-x86_64.cmake"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

if ! complete "$volaro_win_gtest"; then
  echo "setup-windows: building GoogleTest for Windows"
  rm -rf "$volaro_win_gtest" "$volaro_win_cache/gtest-build"
  cmake -S /usr/src/googletest -B "$volaro_win_cache/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_INSTALL_PREFIX="$volaro_win_gtest" -DBUILD_SHARED_LIBS=OFF >/dev/null
  cmake --build "$volaro_win_cache/gtest-build" --target install >/dev/null
  rm -rf "$volaro_win_cache/gtest-build"
  echo "$volaro_win_recipe" >"$volaro_win_gtest/.volaro-stamp"
fi

if ! complete "$volaro_win_qt"; then
  src="$volaro_win_cache/qtbase-src"
  if [ ! -f "$src/.volaro-unpacked" ]; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      entries="$("$root/scripts/deb-src-entries.sh")"
      [ -n "$entries" ] || { echo "setup-windows: no Debian source among apt's configured sources to take qt6-base's source from" >&2; exit 1; }
      echo "setup-windows: enabling Debian's source packages (from apt's configured sources)"
      printf '%s\n' "$entries" | $sudo tee /etc/apt/sources.list.d/volaro-deb-src.sources >/dev/null
    fi
    $sudo apt-get update -qq
    dl="$volaro_win_cache/qtbase-download"
    rm -rf "$dl" "$src" && mkdir -p "$dl" "$src"
    # apt downloads as its own user where it may write.
    id _apt >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ] && chown _apt "$dl"
    (cd "$dl" && apt-get source -qq --download-only qt6-base >/dev/null)
    tarball=$(ls "$dl"/qt6-base_6.4.2*.orig.tar.xz)
    tar -xJf "$tarball" -C "$src" --strip-components=1
    rm -rf "$dl"
    touch "$src/.volaro-unpacked"
  fi
  build="$volaro_win_cache/qtbase-build"
  if [ ! -f "$build/.volaro-configured" ] || [ "$(cat "$build/.volaro-configured")" != "$volaro_win_recipe" ]; then
    rm -rf "$build"
    echo "setup-windows: configuring Qt 6.4.2 for Windows (once; about 15 minutes to build)"
    cmake -S "$src" -B "$build" -G Ninja "${launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DCMAKE_INSTALL_PREFIX="$volaro_win_qt" "${volaro_win_qt_options[@]}" \
      >"$volaro_win_cache/qtbase-configure.log" 2>&1 \
      || { tail -40 "$volaro_win_cache/qtbase-configure.log"; exit 1; }
    echo "$volaro_win_recipe" >"$build/.volaro-configured"
  fi
  echo "setup-windows: building Qt for Windows"
  cmake --build "$build" -j "$(nproc)" >"$volaro_win_cache/qtbase-build.log" 2>&1 \
    || { tail -40 "$volaro_win_cache/qtbase-build.log"; exit 1; }
  rm -rf "$volaro_win_qt"
  cmake --install "$build" >/dev/null
  echo "$volaro_win_recipe" >"$volaro_win_qt/.volaro-stamp"
  rm -rf "$build" "$src"
  echo "setup-windows: Qt for Windows is in $volaro_win_qt"
fi
