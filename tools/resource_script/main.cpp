// tornel-rc <folder> <manifest>: writes the native program's resource
// script, its bitmaps and its icon into <folder>; the script names the
// manifest file <manifest> (a path windres can read from <folder>).
#include <cstdio>

#include "resource_script.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: tornel-rc <folder> <manifest>\n", stderr);
        return 2;
    }
    if (!rcgen::WriteResourceFolder(argv[1], argv[2])) {
        std::fprintf(stderr, "tornel-rc: cannot write the resources into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
