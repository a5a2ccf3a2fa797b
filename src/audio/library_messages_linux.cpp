#include <dlfcn.h>
#include <jack/jack.h>

#include <mutex>

#include "audio/library_messages.h"

namespace audio {
namespace {

void Quiet(const char*) {}

// ALSA's handler is variadic; its arguments are simply not read.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);

}  // namespace

void SilenceLibraryMessages()
{
    static std::once_flag once;
    std::call_once(once, [] {
        jack_set_error_function(Quiet);
        jack_set_info_function(Quiet);
        // PortAudio loads ALSA; the program itself does not link it.
        if (void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL)) {
            auto set = reinterpret_cast<int (*)(AlsaHandler)>(dlsym(alsa, "snd_lib_error_set_handler"));
            if (set) set(QuietAlsa);
        }
    });
}

}  // namespace audio
