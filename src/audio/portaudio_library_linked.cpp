// On Windows PortAudio is one small DLL shipped beside the program, with no
// sound-server libraries behind it: it is linked, and the table holds its
// functions.
#include "audio/portaudio_library.h"

namespace audio {

const PortAudioLibrary* PortAudio()
{
    static const PortAudioLibrary linked{Pa_Initialize,     Pa_Terminate,    Pa_GetDefaultOutputDevice,
                                         Pa_GetDeviceInfo,  Pa_OpenStream,   Pa_CloseStream,
                                         Pa_StartStream,    Pa_StopStream,   Pa_AbortStream,
                                         Pa_IsStreamActive, Pa_SetStreamFinishedCallback, Pa_GetStreamInfo};
    return &linked;
}

}  // namespace audio
