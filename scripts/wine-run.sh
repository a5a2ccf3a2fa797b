#!/bin/sh
# Runs a program of the Windows tree under Wine:
#   wine-run.sh WINEPREFIX PROGRAM.exe [ARGS...]
# The Wine prefix is made on first use; Wine's own messages are silenced, and
# the program's exit status is returned.
set -e
WINEPREFIX=$1
shift
export WINEPREFIX WINEDEBUG=-all
# No prompts to install Mono or Gecko into a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Test programs start in parallel; the first makes the prefix, the others wait.
flock "$WINEPREFIX/.making" sh -c '[ -f "$WINEPREFIX/.made" ] || { wineboot -i >/dev/null 2>&1 && touch "$WINEPREFIX/.made"; }'
# The Wine server outlives the program: started here, detached from this
# program's output, or whoever reads that output (ctest) waits for it too.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
