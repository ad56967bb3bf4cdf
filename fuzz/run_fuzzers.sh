#!/usr/bin/env bash
# Runs fuzz targets side by side for the same time, each from its seed corpus
# and from the inputs it kept on earlier runs. What they find stays in the
# build folder: new inputs under corpus/, failing ones under crashes/.
#
# Usage: run_fuzzers.sh <folder of the fuzz programs> <seed corpus folder> <seconds> <target>...
set -euo pipefail

programs=$1
seeds=$2
seconds=$3
shift 3

mkdir -p "$programs/crashes"
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_suppressions.txt:print_suppressions=0"
pids=()
for target in "$@"; do
    mkdir -p "$programs/corpus/$target"
    "$programs/$target" -max_total_time="$seconds" -max_len=1024 -timeout=20 \
        -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$programs/crashes/$target-" \
        "$programs/corpus/$target" "$seeds/$target" >"$programs/$target.log" 2>&1 &
    pids+=("$!")
done

status=0
targets=("$@")
for i in "${!pids[@]}"; do
    target=${targets[$i]}
    log="$programs/$target.log"
    if wait "${pids[$i]}"; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        corpus=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[0-9a-zA-Z]*' "$log" | tail -n 1)
        echo "fuzz: $target passed: $runs executions in $seconds s ($corpus)"
    else
        status=1
        echo "fuzz: $target FAILED; the end of its log, $log:"
        tail -n 60 "$log"
        ls "$programs/crashes/$target-"* 2>/dev/null || true
    fi
done
exit "$status"
