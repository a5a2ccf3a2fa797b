#!/bin/sh
# Runs fuzz programs of a libFuzzer build for a bounded time each. New inputs
# go to a scratch corpus first and are then merged into fuzz/corpus/<name>/,
# keeping only those that add coverage. Crash inputs land in
# BUILD/fuzz-artifacts/. Exits non-zero when any program found a fault.
#   fuzz/run.sh BUILD SECONDS name...
set -u
build=$1
seconds=$2
shift 2
names=$*
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"
failed=""
for name in $names; do
    case $name in
        command_parser) max_len=256 ;;
        cdaudio_device) max_len=1024 ;;
        disc_cue|disc_toc|set_file) max_len=4096 ;;
        *) max_len=8192 ;;
    esac
    corpus=$root/fuzz/corpus/$name
    scratch=$build/fuzz-scratch/$name
    log=$build/fuzz-logs/$name.log
    mkdir -p "$scratch"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" \
        "$scratch" "$corpus" >"$log" 2>&1; then
        failed="$failed $name"
    fi
    "$build/fuzz/fuzz_$name" -merge=1 "$corpus" "$scratch" >>"$log" 2>&1
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    files=$(ls "$corpus" | wc -l)
    echo "$name: ${runs:-?} executions, corpus $files files ($log)"
done
if [ -n "$failed" ]; then
    echo "faults found by:$failed (inputs in $build/fuzz-artifacts/)"
    exit 1
fi
