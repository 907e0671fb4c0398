#!/usr/bin/env bash
# Writes the benchmark report (markdown) to standard output from Google Benchmark JSON files:
#
#   bench-report.sh TARGETS.tsv RESULT.json...
#
# Each benchmark's median real time is set against the first target whose expression matches its
# name (see scripts/bench-targets.tsv), and against its floor where the target names one: the ratio
# to the floor stays put when a busy machine slows everything. Benchmarks without a target (floors
# aside) follow in a table of their own. A benchmark that reports a "megabytes" counter is measured
# by it instead, against a target in MB.
# Needs only bash and awk: the JSON that Google Benchmark writes has one key a line.
set -euo pipefail
targets=${1:?usage: bench-report.sh TARGETS.tsv RESULT.json...}
shift
[ $# -gt 0 ] || { echo "bench-report.sh: no result files" >&2; exit 1; }

awk -F '\t' '
function ms(value, unit) {
    if (unit == "ns") return value / 1e6
    if (unit == "us") return value / 1e3
    if (unit == "s") return value * 1e3
    return value + 0
}
function shown(v, unit) {
    if (unit == "MB") return sprintf("%.2f MB", v)
    if (v < 0.1) return sprintf("%.4f ms", v)
    if (v < 10) return sprintf("%.3f ms", v)
    return sprintf("%.1f ms", v)
}
function unitOf(i, k) { return bunit[i, k] == "" ? "ms" : bunit[i, k] }
function named(i, k) { return blabel[i, k] == "" ? bname[i, k] : bname[i, k] " (" blabel[i, k] ")" }
function record(i, name, label, value, error) {
    k = ++count[i]
    bname[i, k] = name; blabel[i, k] = label; bvalue[i, k] = value; berror[i, k] = error; bunit[i, k] = unitNow
}
function emit(   name, i, matched) {
    name = f["run_name"] != "" ? f["run_name"] : f["name"]
    unitNow = f["megabytes"] != "" ? "MB" : ""
    if (f["error_occurred"] == "true") {
        if (!(name in failed)) { failed[name] = 1; matched = place(name, f["label"], 0, f["error_message"]) }
        return
    }
    if (f["aggregate_name"] != "median") return
    median[name] = unitNow == "MB" ? f["megabytes"] + 0 : ms(f["real_time"], f["time_unit"])
    place(name, f["label"], median[name], "")
}
# The floor benchmark of a measured one: the floor named by the target, with the argument of the measured one.
function floorOf(i, name,   slash) {
    if (floor[i] == "") return ""
    slash = index(name, "/")
    return floor[i] (slash > 0 ? substr(name, slash) : "")
}
function place(name, label, value, error,   i) {
    for (i = 1; i <= n; ++i)
        if (name ~ re[i]) { record(i, name, label, value, error); return }
    record(0, name, label, value, error)
}

FNR == NR {
    if ($0 ~ /^#/ || $0 ~ /^[ \t]*$/) next
    ++n; re[n] = $1; op[n] = $2; target[n] = $3 + 0; floor[n] = $4
    next
}
/"benchmarks": \[/ { inList = 1; next }
/^[ \t]*"[a-z_]+": / {
    line = $0
    sub(/^[ \t]*"/, "", line)
    key = line; sub(/".*/, "", key)
    value = line; sub(/^[a-z_]+": /, "", value); sub(/,[ \t]*$/, "", value)
    gsub(/^"|"$/, "", value)
    if (inList) f[key] = value
    else if (!(key in context)) context[key] = value
    next
}
inList && /^[ \t]*{/ { split("", f); next }
inList && /^[ \t]*}/ { emit(); next }
inList && /^[ \t]*\]/ { inList = 0 }

END {
    print "# Benchmark results"
    print ""
    raw = context["load_avg"]
    gsub(/[][]/, "", raw)
    parts = split(raw, average, ",")
    load = ""
    for (p = 1; p <= parts; ++p) load = load (p > 1 ? ", " : "") sprintf("%.2f", average[p])
    print "Written by `make bench` (scripts/run-benchmarks.sh): the median real time of 5 repetitions of each"
    print "benchmark in bench/, against the targets in scripts/bench-targets.tsv."
    print ""
    printf "Measured %s on %s CPUs at %s MHz; load average %s when the first program started.\n", \
        context["date"], context["num_cpus"], context["mhz_per_cpu"], load
    if (ENVIRON["BENCH_STEAL_PERCENT"] != "")
        printf "Over the run, the hypervisor gave %s %% of the processors\047 time to other machines (steal time).\n", \
            ENVIRON["BENCH_STEAL_PERCENT"]
    print ""
    print "The floor is the plainest code doing the same work, measured in the same program; the ratio is"
    print "the median over the median of the floor."
    print ""
    print "| Operation | Benchmark | Target | Median | Floor | Ratio | Result |"
    print "|---|---|---:|---:|---:|---:|---|"
    missed = 0
    for (i = 1; i <= n; ++i) {
        if (count[i] == 0) {
            printf "| %s | (none) | < %s ms | not measured | | | |\n", op[i], target[i]
            continue
        }
        for (k = 1; k <= count[i]; ++k) {
            if (berror[i, k] != "") {
                printf "| %s | %s | < %s ms | failed: %s | | | |\n", op[i], named(i, k), target[i], berror[i, k]
                ++missed
                continue
            }
            floorName = floorOf(i, bname[i, k])
            floorText = ""; ratio = ""
            if (floorName != "") {
                isFloor[floorName] = 1
                if ((floorName in median) && median[floorName] > 0) {
                    floorText = shown(median[floorName])
                    ratio = sprintf("%.1f", bvalue[i, k] / median[floorName])
                } else {
                    floorText = "not measured"
                }
            }
            verdict = bvalue[i, k] < target[i] ? "met" : "**missed**"
            if (bvalue[i, k] >= target[i]) ++missed
            printf "| %s | %s | < %s %s | %s | %s | %s | %s |\n", op[i], named(i, k), target[i], unitOf(i, k),
                shown(bvalue[i, k], unitOf(i, k)),
                floorText, ratio, verdict
        }
    }
    others = 0
    for (k = 1; k <= count[0]; ++k) if (!(bname[0, k] in isFloor)) ++others
    if (others > 0) {
        print ""
        print "Benchmarks without a target, for reference:"
        print ""
        print "| Benchmark | Median |"
        print "|---|---:|"
        for (k = 1; k <= count[0]; ++k)
            if (!(bname[0, k] in isFloor)) printf "| %s | %s |\n", named(0, k), berror[0, k] != "" ? "failed: " berror[0, k] : shown(bvalue[0, k], unitOf(0, k))
    }
    print ""
    print (missed == 0 ? "Every target is met." : missed " measurement(s) miss their target.")
}
' "$targets" "$@"
