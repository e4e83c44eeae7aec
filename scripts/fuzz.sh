#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a set time.
#   fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Seeds come from fuzz/corpus/<target>; what a run finds goes to
# build-fuzz/corpus/<target> (not committed). A crash fails the script.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"

scripts/setup.sh
CC=clang CXX=clang++ BUILD_TARGET=fuzzers scripts/build.sh build-fuzz -DVOLARO_FUZZ=ON \
  -DVOLARO_BUILD_TESTS=OFF -DVOLARO_BUILD_BENCH=OFF >/dev/null

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export QT_QPA_PLATFORM=offscreen
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  seeds="fuzz/corpus/${name#fuzz_}"
  found="build-fuzz/corpus/${name#fuzz_}"
  mkdir -p "$found"
  echo "== $name for ${seconds}s"
  status=0
  "$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" "$found" "$seeds" \
    >"build-fuzz/$name.log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)' \
    "build-fuzz/$name.log" || true
  echo "corpus: $(find "$found" -type f | wc -l) files"
  if [ "$status" -ne 0 ]; then
    tail -40 "build-fuzz/$name.log"
    exit "$status"
  fi
done
