#!/bin/sh
# pack.sh <build folder> <version> <dependency prefix>: lays out the Windows
# program's folder (tornel.exe, its console library, the engine, every DLL
# they need from the prefix or the compiler, the demo disc, the demo samples
# and the help documents) and packs it as
# <build folder>/tornel-<version>-windows-x64.zip; with makensis also
# <build folder>/tornel-<version>-windows-x64-setup.exe.
set -eu
build=$(cd "$1" && pwd)
version=$2
prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
name=tornel-$version-windows-x64
stage=$build/package/$name
triplet=x86_64-w64-mingw32
objdump=$triplet-objdump

# Where a DLL the program imports may come from; anything else is the system's.
search="$build/bin $prefix/bin $(dirname "$($triplet-g++-posix -print-libgcc-file-name)") /usr/$triplet/lib"

rm -rf "$build/package"
mkdir -p "$stage"
cp "$build/bin/tornel.exe" "$build/bin/tornel-console.dll" "$stage/"

# Wine's own builds of the system's DLLs tell a system DLL from one that the
# build failed to make.
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows

# Every DLL reachable from the program that is not the system's, once.
pending="tornel.exe tornel-console.dll"
while [ -n "$pending" ]; do
    next=""
    for file in $pending; do
        for dll in $($objdump -p "$stage/$file" | sed -n 's/^\s*DLL Name: //p'); do
            [ -e "$stage/$dll" ] && continue
            found=""
            for dir in $search; do
                found=$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null || true)
                [ -n "$found" ] && break
            done
            if [ -n "$found" ]; then
                cp "$found" "$stage/$dll"
                next="$next $dll"
            elif [ -d "$system_dlls" ] && [ -z "$(find "$system_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
                echo "pack.sh: $file needs $dll, which is neither built nor the system's" >&2
                exit 1
            fi
        done
    done
    pending=$next
done

# Debugging symbols stay in the build tree.
for file in "$stage"/*.exe "$stage"/*.dll; do
    $triplet-strip --strip-unneeded "$file"
done

cp -r "$build/demo-disc" "$build/samples" "$stage/"
for doc in readme.txt tornel.htm readmej.txt tornelj.htm; do
    cp "$source_dir/docs/help/$doc" "$stage/"
done

rm -f "$build/$name.zip"
(cd "$build/package" && zip -q -r -9 -X "$build/$name.zip" "$name")
echo "packed $build/$name.zip ($(du -k "$build/$name.zip" | cut -f1) KiB)"

if command -v makensis >/dev/null 2>&1; then
    makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$build/$name-setup.exe" "$here/tornel.nsi"
    echo "packed $build/$name-setup.exe"
else
    echo "makensis not found: no setup program"
fi
