// libsndfile's Ogg reader leaves a vorbis_info behind when a stream is cut
// short, out of its caller's reach. Nothing else is suppressed: any other
// leak report is ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:vorbis_info_init\n";
}
