#!/bin/sh
# Checks the Debian package that `make package` made in the build folder:
# its file list, the desktop entry and AppStream metadata validators, lintian
# (errors fail, warnings are listed), and a start of the packaged program,
# unpacked, offscreen, from a temporary home folder: it must find its demo disc.
set -eu
build=${1:-build}
deb=$(ls "$build"/tornel_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
# Loaded at run time, so no binary names it: without it the package is silent.
dpkg-deb --field "$deb" Depends | grep -q 'libportaudio2'
echo "== files"
dpkg-deb --contents "$deb"

dpkg-deb --extract "$deb" "$work/root"
echo "== desktop-file-validate"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop
echo "== the set files' type"
# The entry opens the type that the package declares, and the type takes *.tnl.
grep -qx 'MimeType=application/x-tornel-set;' "$work"/root/usr/share/applications/*.desktop
grep -q '^Exec=tornel %f$' "$work"/root/usr/share/applications/*.desktop
mkdir -p "$work/mime/packages"
cp "$work"/root/usr/share/mime/packages/*.xml "$work/mime/packages/"
update-mime-database "$work/mime"
grep -qx 'application/x-tornel-set:\*\.tnl' "$work/mime/globs"
grep -q '^application/x-tornel-set:org.tornel.Tornel$' "$work/mime/icons"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
echo "== lintian"
lintian --fail-on error --display-info "$deb"

echo "== the packaged program, started from a temporary home"
mkdir -p "$work/home"
(cd "$work/home" && env -u LD_LIBRARY_PATH HOME="$work/home" QT_QPA_PLATFORM=offscreen TORNEL_NULL_AUDIO=1 \
    "$work/root/usr/bin/tornel" --check) | tee "$work/report"
grep -qx "demo disc: $work/root/usr/share/tornel/demo-disc" "$work/report"
grep -qx "disc tracks: 3" "$work/report"
echo "package checks passed"
