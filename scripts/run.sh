#!/usr/bin/env bash
# Sets everything up, builds, creates a fresh demo simulator folder and starts
# the configurator on it. Without a display, renders every window to PNG files
# instead and says where they are. Extra arguments go to the configurator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
BUILD_TARGET=configurator scripts/build.sh build >/dev/null

demo="${VOLARO_DEMO_DIR:-${TMPDIR:-/tmp}/volaro-demo-sim}"
scripts/make-demo-sim.sh "$demo" >/dev/null
echo "Demo simulator folder: $demo"
configurator="$root/build/configurator/app/configurator"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ "$#" -gt 0 ]; then
  exec "$configurator" --fs-root "$demo" "$@"
fi

shots="$demo/screenshots"
mkdir -p "$shots"
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set):"
echo "rendering every window to PNG files instead."
QT_QPA_PLATFORM=offscreen "$configurator" --fs-root "$demo" --screenshots "$shots"
echo "Pictures of the windows are in $shots"
