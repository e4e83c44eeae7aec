# Sourced by the Windows scripts: where the cross-built SDK lives and how
# Wine is reached. VOLARO_WINDOWS_CACHE moves the cache (default: the user's).
volaro_win_cache="${VOLARO_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/volaro-windows}"
volaro_win_qt="$volaro_win_cache/qt-6.4.2-mingw64"
volaro_win_gtest="$volaro_win_cache/googletest-mingw64"
volaro_win_toolchain="$root/cmake/mingw-w64-x86_64.cmake"
volaro_wine=/usr/lib/wine/wine64
volaro_mingw_runtime=(
  /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
  /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
)
# How Qt is configured for the SDK; the licence notes of the zip name them too.
volaro_win_qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_testlib=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF
)
# Bump when the way the SDK is built changes: a cache of another recipe is rebuilt.
volaro_win_recipe="qt6-base 6.4.2 widgets; googletest; recipe 1"

# A Linux path as Wine's drive Z: names it.
volaro_z() { printf 'Z:%s' "${1//\//\\}"; }

# Wine in the prefix $WINEPREFIX, quiet, without the .NET and HTML
# installers (there is no network), the SDK and the MinGW runtime on its path.
volaro_wine_env() {
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  export WINEPATH="$(volaro_z "$volaro_win_qt/bin");$(volaro_z /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(volaro_z /usr/x86_64-w64-mingw32/lib)"
}
