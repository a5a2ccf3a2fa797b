// Leaks inside libraries on malformed input, out of their callers' reach:
// libcue keeps what it parsed before a syntax error, libcdio's TOC parser
// drops strings it copied when the file turns out broken, and libsndfile's
// Ogg reader leaves a vorbis_info behind when a stream is cut short.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcue.so\nleak:libcdio.so\nleak:vorbis_info_init\n";
}
