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

# Processor time the hypervisor gave to other machines ("steal"), and all processor time, so far.
processorTimes() { awk '/^cpu /{ print $9, $2 + $3 + $4 + $5 + $6 + $7 + $8 + $9 }' /proc/stat 2>/dev/null || true; }

mkdir -p "$results"
rm -f "$results"/*.json
status=0
read -r stealBefore totalBefore < <(processorTimes) || true
for program in "$build"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  if ! "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      --benchmark_out="$results/$name.json" --benchmark_out_format=json; then
    echo "run-benchmarks.sh: $name failed" >&2
    status=1
  fi
done
read -r stealAfter totalAfter < <(processorTimes) || true
if [ -n "${totalAfter:-}" ] && [ "$totalAfter" -gt "${totalBefore:-0}" ]; then
  export BENCH_STEAL_PERCENT=$((100 * (stealAfter - stealBefore) / (totalAfter - totalBefore)))
fi
"$root/scripts/bench-report.sh" "$root/scripts/bench-targets.tsv" "$results"/*.json >"$report"
echo "Wrote $report"
exit $status
