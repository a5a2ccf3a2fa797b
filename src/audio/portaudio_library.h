// PortAudio's functions, loaded by the first thread that opens a sound card
// rather than at the program's start: the library brings ALSA, JACK and
// their own libraries with it, and the window should not wait for them.
#pragma once

#include <portaudio.h>

namespace audio {

struct PortAudioLibrary {
    decltype(&Pa_Initialize) Initialize;
    decltype(&Pa_Terminate) Terminate;
    decltype(&Pa_GetDefaultOutputDevice) GetDefaultOutputDevice;
    decltype(&Pa_GetDeviceInfo) GetDeviceInfo;
    decltype(&Pa_OpenStream) OpenStream;
    decltype(&Pa_CloseStream) CloseStream;
    decltype(&Pa_StartStream) StartStream;
    decltype(&Pa_StopStream) StopStream;
    decltype(&Pa_AbortStream) AbortStream;
    decltype(&Pa_IsStreamActive) IsStreamActive;
    decltype(&Pa_SetStreamFinishedCallback) SetStreamFinishedCallback;
    decltype(&Pa_GetStreamInfo) GetStreamInfo;
};

// The library, loaded on the first call from any thread; null when it or one
// of its functions is missing, and the output tries its other back ends.
const PortAudioLibrary* PortAudio();

}  // namespace audio
