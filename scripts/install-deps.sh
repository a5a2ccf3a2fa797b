#!/bin/sh
# Installs the Debian 12 packages that Tornel needs and that are missing.
set -e
PACKAGES="cmake ninja-build g++ pkg-config make
qt6-base-dev libgl-dev portaudio19-dev libsndfile1-dev libsoxr-dev libpulse-dev libjack-jackd2-dev
libcdio-dev libcdio-paranoia-dev libfreetype-dev libfontconfig-dev
librtmidi-dev libjack-jackd2-dev jackd2
fonts-ipafont-gothic fonts-liberation2
libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
dpkg-dev desktop-file-utils appstream lintian
sox shntool cdrdao flac vorbis-tools
pulseaudio pulseaudio-utils jackd2 dbus-daemon dbus-bin"
# `install-deps.sh bench`: also the X server the start-up benchmark runs under.
[ "$1" = bench ] && PACKAGES="$PACKAGES xvfb"
# `install-deps.sh windows`: the cross compiler, Wine to run its programs, the
# installer maker and the archiver; the libraries come from the archive's own
# sources (scripts/build-windows-deps.sh), which needs a deb-src line.
if [ "$1" = windows ]; then
    PACKAGES="cmake ninja-build make pkg-config dpkg-dev
g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
wine64 wine nsis zip xvfb xauth autoconf automake libtool"
fi

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

# Adds source entries for the archive the binary entries already name, so that
# `apt-get source` fetches the very versions that are installed here.
add_deb_src() {
    if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 1
    fi
    for f in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; do
        [ -f "$f" ] || continue
        case "$f" in
        *.sources) $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' "$f" ;;
        *) grep -E '^deb ' "$f" | sed 's/^deb /deb-src /' | $SUDO tee -a "$f" >/dev/null ;;
        esac
    done
    return 0
}
SOURCES_ADDED=""
[ "$1" = windows ] && add_deb_src && SOURCES_ADDED=yes

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
    [ -n "$SOURCES_ADDED" ] && $SUDO apt-get update
    exit 0
fi

echo "Installing:$missing"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
