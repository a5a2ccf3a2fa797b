// PortAudio loaded at run time: a name misspelt in the loader would leave
// every sound card unused without a word.
#include <gtest/gtest.h>

#include "audio/portaudio_library.h"

TEST(PortAudioLibrary, LoadsEveryFunctionAndStaysLoaded) {
    const audio::PortAudioLibrary* pa = audio::PortAudio();
    ASSERT_NE(pa, nullptr);
    for (const void* function :
         {reinterpret_cast<const void*>(pa->Initialize), reinterpret_cast<const void*>(pa->Terminate),
          reinterpret_cast<const void*>(pa->GetDefaultOutputDevice), reinterpret_cast<const void*>(pa->GetDeviceInfo),
          reinterpret_cast<const void*>(pa->OpenStream), reinterpret_cast<const void*>(pa->CloseStream),
          reinterpret_cast<const void*>(pa->StartStream), reinterpret_cast<const void*>(pa->StopStream),
          reinterpret_cast<const void*>(pa->AbortStream), reinterpret_cast<const void*>(pa->IsStreamActive),
          reinterpret_cast<const void*>(pa->SetStreamFinishedCallback),
          reinterpret_cast<const void*>(pa->GetStreamInfo)})
        EXPECT_NE(function, nullptr);
    EXPECT_EQ(audio::PortAudio(), pa);
}
