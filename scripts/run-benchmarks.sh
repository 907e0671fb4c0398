#!/usr/bin/env bash
# Runs every benchmark program of a build folder (5 repetitions, medians kept) and writes
# bench/RESULTS.md: each median against its target (scripts/bench-targets.tsv).
#
#   run-benchmarks.sh [BUILD] [REPORT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
report=${2:-$root/bench/RESULTS.md}
results="$build/bench/results"
export QT_QPA_PLATFORM=offscreen

mkdir -p "$results"
rm -f "$results"/*.json
status=0
for program in "$build"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  if ! "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      --benchmark_out="$results/$name.json" --benchmark_out_format=json; then
    echo "run-benchmarks.sh: $name failed" >&2
    status=1
  fi
done
"$root/scripts/bench-report.sh" "$root/scripts/bench-targets.tsv" "$results"/*.json >"$report"
echo "Wrote $report"
exit $status
