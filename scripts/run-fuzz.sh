#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build folder (see `make fuzz`).
#
#   run-fuzz.sh BUILD SECONDS [TARGET...]   fuzz each target (all by default) for SECONDS, growing its
#                                           corpus in BUILD/corpus/TARGET; a crash is kept in
#                                           BUILD/artifacts/TARGET/ and makes the exit status 1.
#   run-fuzz.sh --replay BUILD TARGET       run every kept input of TARGET once (the ctest of the
#                                           fuzz build): seeds, grown corpus and crashes found.
#
# Seeds: tests/fuzz/corpus/TARGET, and the shared results files in ../shared/testdata when they are
# there (read in place, never copied into the project).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
shared="$root/../shared/testdata"

# Per target: the longest input worth trying and its dictionary, if any.
options_for() {
    case "$1" in
    fuzz_profile) echo "-max_len=65536 -dict=$root/tests/fuzz/profile.dict" ;;
    fuzz_klaimport) echo "-max_len=65536 -dict=$root/tests/fuzz/kla.dict" ;;
    fuzz_csvimport) echo "-max_len=65536" ;;
    fuzz_fields) echo "-max_len=16384" ;;
    fuzz_numtext) echo "-max_len=256" ;;
    fuzz_settings) echo "-max_len=4096" ;;
    fuzz_filelayer) echo "-max_len=65536 -dict=$root/tests/fuzz/profile.dict" ;;
    fuzz_report) echo "-max_len=65536 -dict=$root/tests/fuzz/profile.dict" ;;
    *) echo "" ;;
    esac
}

# The read-only seed folders of a target.
seeds_for() {
    local dirs=("$root/tests/fuzz/corpus/$1")
    case "$1" in
    # The file layer and the report start from the project's own profile, results and CSV fixtures.
    fuzz_filelayer) dirs=("$root/tests/fuzz/corpus/fuzz_profile" "$root/tests/data/kla" "$root/tests/data/csv") ;;
    fuzz_report) dirs=("$root/tests/fuzz/corpus/fuzz_profile") ;;
    fuzz_klaimport | fuzz_csvimport | fuzz_fields) [ -d "$shared" ] && dirs+=("$shared") ;;
    esac
    echo "${dirs[@]}"
}

if [ "${1:-}" = "--replay" ]; then
    build=$2
    target=$3
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    # shellcheck disable=SC2046
    exec "$build/$target" -runs=0 -timeout=10 $(options_for "$target") "$build/corpus/$target" "$build/artifacts/$target" \
        $(seeds_for "$target")
fi

build=${1:?usage: run-fuzz.sh BUILD SECONDS [TARGET...]}
seconds=${2:?usage: run-fuzz.sh BUILD SECONDS [TARGET...]}
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$build"/fuzz_*; do
        [ -x "$program" ] && targets+=("$(basename "$program")")
    done
fi

status=0
mkdir -p "$build/logs"
printf '%-16s %12s %10s %8s %8s %10s  %s\n' target executions exec/s cov ft corpus result
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus" "$artifacts"
    result=ok
    # shellcheck disable=SC2046
    if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" $(options_for "$target") "$corpus" $(seeds_for "$target") >"$log" 2>&1; then
        result="FAILED: see $log and $(ls -t "$artifacts" | head -1)"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    units=$(find "$corpus" -type f | wc -l)
    printf '%-16s %12s %10s %8s %8s %10s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}" \
        "$units" "$result"
done
exit $status
