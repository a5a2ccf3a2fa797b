#include <dlfcn.h>

#include "audio/portaudio_library.h"

namespace audio {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Kept loaded for the rest of the process: its threads and callbacks may
// outlive any one user.
const PortAudioLibrary* Load()
{
    void* library = dlopen("libportaudio.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    static PortAudioLibrary pa;
    const bool found = Find(library, "Pa_Initialize", pa.Initialize) && Find(library, "Pa_Terminate", pa.Terminate) &&
                       Find(library, "Pa_GetDefaultOutputDevice", pa.GetDefaultOutputDevice) &&
                       Find(library, "Pa_GetDeviceInfo", pa.GetDeviceInfo) &&
                       Find(library, "Pa_OpenStream", pa.OpenStream) && Find(library, "Pa_CloseStream", pa.CloseStream) &&
                       Find(library, "Pa_StartStream", pa.StartStream) && Find(library, "Pa_StopStream", pa.StopStream) &&
                       Find(library, "Pa_AbortStream", pa.AbortStream) &&
                       Find(library, "Pa_IsStreamActive", pa.IsStreamActive) &&
                       Find(library, "Pa_SetStreamFinishedCallback", pa.SetStreamFinishedCallback) &&
                       Find(library, "Pa_GetStreamInfo", pa.GetStreamInfo);
    return found ? &pa : nullptr;
}

}  // namespace

const PortAudioLibrary* PortAudio()
{
    static const PortAudioLibrary* const loaded = Load();
    return loaded;
}

}  // namespace audio
