// The Linux program: the console on the Qt host (see app/startup.h).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/startup.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    StartupOptions options;
    options.argc = argc;
    options.argv = argv;
    // Every other argument is Qt's (-platform, -style, ...).
    for (int i = 1; i < argc; ++i) options.check = options.check || std::strcmp(argv[i], "--check") == 0;
    if (!HasDisplay()) {
        std::fputs("tornel: the console needs a desktop session (no display found)\n", stderr);
        return 1;
    }
    return StartTornel(options);
}
