#!/usr/bin/env bash
# Renders docs/images from the programs' --screenshots: every window of the
# configurator on a fresh demo simulator folder, the upgrader before START and
# after a run on an empty folder, and the upgrader after a successful upgrade
# of every gauge (test gauges and the test patch program).
# Pictures named windows-* are made on Windows and left alone.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
for target in configurator upgrader volaro_upgrade_showcase; do
  BUILD_TARGET=$target scripts/build.sh build >/dev/null
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
scripts/make-demo-sim.sh "$work/demo" >/dev/null
export QT_QPA_PLATFORM=offscreen
build/configurator/app/configurator --fs-root "$work/demo" --screenshots "$work/shots" >/dev/null
build/upgrader/upgrader --screenshots "$work/shots" >/dev/null
build/tests/upgrader/volaro_upgrade_showcase --screenshots "$work/shots" >/dev/null
# The load sheet's page as a picture (pdftoppm: poppler-utils).
build/configurator/app/configurator --fs-root "$work/demo" loadsheet --aircraft A330-200 \
  --business 24 --economy 250 --forward 60 --aft 40 --distance 3000 --altitude 35000 \
  --pdf "$work/load-sheet.pdf" >/dev/null
pdftoppm -png -r 80 -singlefile "$work/load-sheet.pdf" "$work/shots/load-sheet"

mkdir -p docs/images
find docs/images -maxdepth 1 -name '*.png' ! -name 'windows-*' -delete
cp "$work"/shots/*.png docs/images/
ls docs/images
