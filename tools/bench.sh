#!/usr/bin/env bash
# Runs every benchmark program of the build and prints its figures.
set -euo pipefail
build=${1:-build}
found=0
for program in "$build"/*_bench; do
  [ -x "$program" ] || continue
  found=1
  echo "== $(basename "$program")"
  "$program" --benchmark_counters_tabular=true
done
[ "$found" = 1 ] || { echo "no benchmark programs in $build (is libbenchmark-dev installed?)" >&2; exit 2; }
