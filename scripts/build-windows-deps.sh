#!/bin/sh
# Cross-builds the libraries of the Windows build from Debian's own source
# packages (`apt-get source`, the versions the Linux build links) into one
# prefix, cached under the hash of this script and of the toolchain file, so a
# second run finds everything built and does nothing.
#
#   build-windows-deps.sh             builds what is missing, prints the prefix
#   build-windows-deps.sh --prefix    only prints the prefix
#   build-windows-deps.sh PKG...      builds only these source packages
#
# libsndfile is rebuilt whenever the set of codecs in the prefix has changed
# since it was built; a codec that fails to build is left out with a warning.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
HASH=$(cat "$0" "$TOOLCHAIN" | sha256sum | cut -c1-12)
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tornel
PREFIX=${TORNEL_WINDOWS_DEPS:-$CACHE/windows-deps-$HASH}
SOURCES=$CACHE/windows-deps-src
JOBS=${JOBS:-2}
HOST=x86_64-w64-mingw32

if [ "$1" = --prefix ]; then echo "$PREFIX"; exit 0; fi

CORE="googletest freetype libsoxr portaudio19 rtmidi"
CODECS="libogg libvorbis flac opus mpg123 lame"
STAMPS=$PREFIX/.built
mkdir -p "$STAMPS" "$SOURCES"

log() { echo "windows-deps: $*" >&2; }

# The unpacked source tree of a Debian source package, fetched once.
source_dir() {
    dir=$(find "$SOURCES" -mindepth 1 -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
    if [ -z "$dir" ]; then
        # A mirror may lack an upstream signature (.asc) that the source
        # names: apt verified what it fetched against the archive's index,
        # so the package is unpacked without it.
        (cd "$SOURCES" && apt-get source --only-source "$1" >&2) ||
            (cd "$SOURCES" && dpkg-source --no-check -x "$1"_*.dsc >&2)
        dir=$(find "$SOURCES" -mindepth 1 -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1)
    fi
    echo "$dir"
}

fresh_build_dir() {
    rm -rf "$SOURCES/build/$1"
    mkdir -p "$SOURCES/build/$1"
    echo "$SOURCES/build/$1"
}

# cmake_package PKG [cmake options...]: shared libraries unless told otherwise.
cmake_package() {
    pkg=$1; shift
    src=$(source_dir "$pkg")
    build=$(fresh_build_dir "$pkg")
    cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DTORNEL_WINDOWS_DEPS="$PREFIX" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=ON -DBUILD_TESTING=OFF "$@" >&2
    cmake --build "$build" -j "$JOBS" >&2
    cmake --install "$build" >&2
}

# autotools_package PKG [configure options...]
autotools_package() {
    pkg=$1; shift
    src=$(source_dir "$pkg")
    [ -x "$src/configure" ] || (cd "$src" && autoreconf -fi >&2)
    build=$(fresh_build_dir "$pkg")
    (cd "$build" && "$src/configure" --host=$HOST --prefix="$PREFIX" \
        CC=$HOST-gcc-posix CXX=$HOST-g++-posix \
        PKG_CONFIG_LIBDIR="$PREFIX/lib/pkgconfig" \
        CPPFLAGS="-I$PREFIX/include" LDFLAGS="-L$PREFIX/lib" \
        --enable-shared --disable-static "$@" >&2 &&
        make -j "$JOBS" >&2 && make install >&2)
}

build_googletest() {
    # Static: test programs then need no further DLL beside them.
    cmake_package googletest -DBUILD_SHARED_LIBS=OFF -Dgtest_force_shared_crt=ON
}
build_freetype() {
    cmake_package freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}
build_libsoxr() {
    cmake_package libsoxr -DWITH_OPENMP=OFF -DBUILD_TESTS=OFF \
        -DBUILD_EXAMPLES=OFF -DWITH_LSR_BINDINGS=OFF
    # Its build writes a pkg-config file on Unix alone.
    cat > "$PREFIX/lib/pkgconfig/soxr.pc" <<PC
prefix=$PREFIX
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: soxr
Description: High quality, one-dimensional sample-rate conversion library
Version: 0.1.3
Libs: -L\${libdir} -lsoxr
Cflags: -I\${includedir}
PC
}
build_portaudio19() {
    # WMME only: this release's WASAPI host needs headers of its own that
    # clash with mingw-w64's. Its CMake build, since its libtool makes no
    # DLL for this host.
    cmake_package portaudio19 -DPA_USE_WMME=ON -DPA_USE_WASAPI=OFF -DPA_USE_DS=OFF \
        -DPA_USE_WDMKS=OFF -DPA_USE_WDMKS_DEVICE_INFO=OFF -DPA_USE_ASIO=OFF
}
build_rtmidi() {
    # Static, into the console's DLL, with the system's multimedia MIDI
    # input alone (no JACK on Windows).
    cmake_package rtmidi -DBUILD_SHARED_LIBS=OFF -DRTMIDI_API_JACK=OFF -DRTMIDI_BUILD_TESTING=OFF
}
build_libogg() {
    # Static, into each library that uses it: its DLL's .def names it
    # ogg.dll while the file is libogg.dll.
    cmake_package libogg -DINSTALL_DOCS=OFF -DBUILD_SHARED_LIBS=OFF
}
build_libvorbis() {
    # Static, into libsndfile's DLL: its DLL exports come from MSVC's .def
    # files, whose bare LIBRARY line mingw's linker refuses.
    cmake_package libvorbis -DBUILD_SHARED_LIBS=OFF
}
build_flac() {
    cmake_package flac -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOCS=OFF \
        -DBUILD_CXXLIBS=OFF -DINSTALL_MANPAGES=OFF -DWITH_STACK_PROTECTOR=OFF
}
build_opus() {
    # Autotools: this release's tarball lacks a file its CMake build includes.
    # No _FORTIFY_SOURCE, whose checks would need mingw's libssp.
    autotools_package opus --disable-doc --disable-extra-programs --disable-stack-protector \
        CPPFLAGS="-I$PREFIX/include -D_FORTIFY_SOURCE=0"
}
build_mpg123() {
    autotools_package mpg123 --with-cpu=x86-64 --with-audio=dummy \
        --with-default-audio=dummy --disable-modules --disable-components \
        --enable-libmpg123
}
build_lame() {
    # Static, into libsndfile's DLL: the DLL's export list names a function
    # this release no longer has.
    autotools_package lame --disable-frontend --disable-gtktest --enable-static --disable-shared
}
build_libsndfile() {
    cmake_package libsndfile -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
        -DBUILD_REGTEST=OFF -DENABLE_CPACK=OFF -DINSTALL_MANPAGES=OFF \
        -DINSTALL_PKGCONFIG_MODULE=ON -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=ON
}

codecs_built() {
    for c in $CODECS; do [ -f "$STAMPS/$c" ] && printf '%s ' "$c"; done
    echo
}

# build PKG: builds it unless its stamp says it is there.
build() {
    pkg=$1
    if [ "$pkg" = libsndfile ]; then
        [ -f "$STAMPS/$pkg" ] && [ "$(cat "$STAMPS/$pkg")" = "$(codecs_built)" ] && return 0
    else
        [ -f "$STAMPS/$pkg" ] && return 0
    fi
    log "building $pkg into $PREFIX"
    start=$(date +%s)
    # Outside an if, so that set -e stops the build at its first failing step.
    set +e
    (set -e; "build_$pkg")
    failed=$?
    set -e
    if [ $failed -ne 0 ]; then
        case " $CODECS " in
        *" $pkg "*) log "WARNING: $pkg did not build; libsndfile goes without it"; return 0 ;;
        *) log "ERROR: $pkg did not build"; return 1 ;;
        esac
    fi
    rm -rf "$SOURCES/build/$pkg"
    # Programs look for DLLs beside them: every DLL goes to bin/.
    mkdir -p "$PREFIX/bin"
    for dll in "$PREFIX"/lib/*.dll; do
        if [ -f "$dll" ]; then mv "$dll" "$PREFIX/bin/"; fi
    done
    if [ "$pkg" = libsndfile ]; then codecs_built > "$STAMPS/$pkg"; else : > "$STAMPS/$pkg"; fi
    log "$pkg built in $(( $(date +%s) - start )) s"
}

if [ $# -gt 0 ]; then
    for p in "$@"; do build "$p"; done
else
    for p in $CORE $CODECS libsndfile; do build "$p"; done
fi
echo "$PREFIX"
