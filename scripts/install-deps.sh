#!/bin/sh
# Installs the Debian 12 packages that Tornel needs and that are missing.
set -e
PACKAGES="cmake ninja-build g++ pkg-config make
qt6-base-dev libgl-dev portaudio19-dev libsndfile1-dev libsoxr-dev
libcdio-dev libcdio-paranoia-dev libfreetype-dev libfontconfig-dev
fonts-ipafont-gothic fonts-liberation2
libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
dpkg-dev desktop-file-utils appstream lintian
sox shntool cdrdao flac vorbis-tools"
# `install-deps.sh bench`: also the X server the start-up benchmark runs under.
[ "$1" = bench ] && PACKAGES="$PACKAGES xvfb"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
