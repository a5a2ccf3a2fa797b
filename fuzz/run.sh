#!/bin/sh
# Runs fuzz programs of a libFuzzer build for a bounded time each. New inputs
# go to a scratch corpus first; then fuzz/corpus/<name>/ is rebuilt as the
# hand-written seeds (named files) plus the smallest set of found inputs
# (named by their SHA-1) that covers what the old corpus and the new inputs
# cover together. The cue and TOC targets use the keyword dictionaries
# fuzz/cue.dict and fuzz/toc.dict. Crash inputs land in BUILD/fuzz-artifacts/.
# Exits non-zero when any program found a fault.
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
    case $name in
        disc_cue) dict="-dict=$root/fuzz/cue.dict" ;;
        disc_toc) dict="-dict=$root/fuzz/toc.dict" ;;
        *) dict="" ;;
    esac
    corpus=$root/fuzz/corpus/$name
    scratch=$build/fuzz-scratch/$name
    log=$build/fuzz-logs/$name.log
    mkdir -p "$scratch"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 $dict -artifact_prefix="$build/fuzz-artifacts/$name-" \
        "$scratch" "$corpus" >"$log" 2>&1; then
        failed="$failed $name"
    fi
    merged=$build/fuzz-merged/$name
    rm -rf "$merged"
    mkdir -p "$merged"
    if "$build/fuzz/fuzz_$name" -merge=1 -max_len="$max_len" "$merged" "$corpus" "$scratch" >>"$log" 2>&1; then
        for seed in "$corpus"/*; do
            case $(basename "$seed") in
                *[!0-9a-f]*) rm -f "$merged/$(sha1sum <"$seed" | cut -c1-40)" ;;
                *) rm -f "$seed" ;;
            esac
        done
        cp "$merged"/* "$corpus"/ 2>/dev/null
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    files=$(ls "$corpus" | wc -l)
    echo "$name: ${runs:-?} executions, corpus $files files ($log)"
done
if [ -n "$failed" ]; then
    echo "faults found by:$failed (inputs in $build/fuzz-artifacts/)"
    exit 1
fi
