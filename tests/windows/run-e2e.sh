#!/bin/sh
# run-e2e.sh <tornel-e2e.exe> <zip> <work folder>: unpacks the Windows zip
# into the work folder and drives the tornel.exe inside it under Wine on a
# virtual X display, on the null audio output. Leaves the panel's picture in
# <work folder>/e2e-panel.bmp (and .png when ImageMagick is there).
set -eu
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
zip=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
work=$3
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
unzip -q "$zip" -d "$work"
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)

export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all TORNEL_NULL_AUDIO=1 WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix made without a display leaves the first window on it unshown for
# a long while: the prefix is made on the virtual display too.
xvfb-run -a wineboot -i >/dev/null 2>&1
wineserver -w
# A drive of its own keeps the sample's path within a pad's 49 characters.
ln -sfn "$folder" "$WINEPREFIX/dosdevices/t:"

status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$driver" 'T:\' 'T:\samples\KICK.WAV' 'T:\e2e-panel.bmp' ||
    status=$?
wineserver -w || true

# Bad installs: without the engine library, the program names it and ends;
# without the demo folders, it names them and the console still comes up.
engine=$(cd "$folder" && ls | grep -i 'engine.*\.dll$' | head -n 1)
[ -n "$engine" ] || { echo "run-e2e.sh: the zip holds no engine library" >&2; exit 1; }
for case in engine demo; do
    broken=$work/broken-$case
    cp -r "$folder" "$broken"
    ln -sfn "$broken" "$WINEPREFIX/dosdevices/u:"
    if [ "$case" = engine ]; then
        rm "$broken/$engine"
        set -- --box 'U:\' "$engine"
    else
        rm -r "$broken/demo-disc"
        set -- --box 'U:\' demo-disc --then-window
    fi
    xvfb-run -a -s "-screen 0 1024x768x24" wine "$driver" "$@" || status=$?
    wineserver -w || true
done
wineserver -w || true
if [ -f "$folder/e2e-panel.bmp" ]; then
    cp "$folder/e2e-panel.bmp" "$work/e2e-panel.bmp"
    command -v convert >/dev/null 2>&1 && convert "$work/e2e-panel.bmp" "$work/e2e-panel.png" || true
fi
[ "$status" -eq 0 ] && echo "end-to-end run under Wine: passed" || echo "end-to-end run under Wine: FAILED"
exit "$status"
