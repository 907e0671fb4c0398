#!/usr/bin/env bash
# Runs every benchmark program of a build folder.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
