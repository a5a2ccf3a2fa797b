#!/bin/sh
# Installs the build tree into a temporary DESTDIR under /usr, checks the
# file list, and starts the installed program (offscreen, silent) from a
# folder of its own with a fresh home: it must find its demo disc, name help
# documents in its share folder and load its engine library without
# LD_LIBRARY_PATH. Then the same with the share folder gone, and the build
# folder's program, which keeps its files next to itself.
set -eu
build=$(cd "$1" && pwd)
# The engine's private folder: lib/<multiarch triplet>/tornel where there is one.
libdir=usr/lib/${2:+$2/}tornel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/dest
share=$dest/usr/share/tornel

fail() { echo "FAIL: $*"; [ -f "$work/out" ] && cat "$work/out"; exit 1; }

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null

expected="usr/bin/tornel
$libdir/libtornel_audio.so
$libdir/libtornel_engine.so
usr/share/applications/org.tornel.Tornel.desktop
usr/share/doc/tornel/changelog.gz
usr/share/doc/tornel/copyright
usr/share/icons/hicolor/128x128/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/16x16/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/24x24/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/256x256/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/32x32/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/48x48/apps/org.tornel.Tornel.png
usr/share/icons/hicolor/64x64/apps/org.tornel.Tornel.png
usr/share/man/man1/tornel.1.gz
usr/share/metainfo/org.tornel.Tornel.metainfo.xml
usr/share/mime/packages/org.tornel.Tornel.xml
usr/share/tornel/demo-disc/01-first-light.wav
usr/share/tornel/demo-disc/02-night-drive.wav
usr/share/tornel/demo-disc/03-tin-robots.wav
usr/share/tornel/readme.txt
usr/share/tornel/readmej.txt
usr/share/tornel/samples/HIHAT.WAV
usr/share/tornel/samples/KICK.WAV
usr/share/tornel/samples/RISER.WAV
usr/share/tornel/samples/SNARE.WAV
usr/share/tornel/samples/STAB.WAV
usr/share/tornel/tornel.htm
usr/share/tornel/tornelj.htm"
printf '%s\n' "$expected" >"$work/expected"
(cd "$dest" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "the installed files differ from the list"

mkdir -p "$work/home" "$work/elsewhere"
# Runs a program with --check from $work/elsewhere; language from $1.
check() {
    language=$1
    program=$2
    (cd "$work/elsewhere" &&
        env -u LD_LIBRARY_PATH -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$language" HOME="$work/home" \
            QT_QPA_PLATFORM=offscreen TORNEL_NULL_AUDIO=1 "$program" --check) >"$work/out" 2>&1 ||
        fail "$program --check exited with $?"
}
expect() { grep -qxF "$1" "$work/out" || fail "no line \"$1\""; }

check C "$dest/usr/bin/tornel"
expect "files: installed $share"
expect "demo disc: $share/demo-disc"
expect "disc tracks: 3"
expect "samples: $share/samples"
expect "readme: $share/readme.txt"
expect "help: $share/tornel.htm"
expect "engine: open"
# Without sound both outputs say they play on the silent clock.
grep -q "^pads output: silent clock, 44100 Hz, latency 0.0 ms, scheduling .*, underruns [0-9]*$" "$work/out" ||
    fail "no line on the pads' output"
grep -q "^disc output: silent clock, 44100 Hz" "$work/out" || fail "no line on the disc's output"

check ja_JP.UTF-8 "$dest/usr/bin/tornel"
expect "readme: $share/readmej.txt"
expect "help: $share/tornelj.htm"

# A broken install: said clearly, and the console still starts and closes.
mv "$share" "$share.gone"
check C "$dest/usr/bin/tornel"
grep -qF "tornel: Tornel cannot read its share folder $share (it does not exist)" "$work/out" ||
    fail "no message about the missing share folder"
expect "files: missing $share"
expect "disc tracks: 0"
expect "samples: "
mv "$share.gone" "$share"

# The build folder's own program: files beside it, documents in the
# directory current at start-up.
check C "$build/tornel"
expect "files: build folder $build"
expect "disc tracks: 3"
expect "readme: $work/elsewhere/readme.txt"
echo "installed tree: all checks passed"
