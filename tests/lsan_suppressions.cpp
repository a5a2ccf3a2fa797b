// Qt, fontconfig and the GL/X stacks keep process-lifetime allocations that
// LeakSanitizer reports at exit; they are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libdbus\nleak:libEGL\nleak:libGL\nleak:libxcb\n";
}
