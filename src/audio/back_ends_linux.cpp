// Linux: a running JACK server first (whoever runs one means it), then the
// desktop's sound server, then the bare card.
#include "audio/back_end.h"
#include "audio/server_back_ends.h"

namespace audio {

const char* const kPortAudioName = "ALSA";

std::vector<BackEnd> SystemBackEnds()
{
    return {{kJackName, OpenJack}, {kPulseName, OpenPulse}, {kPortAudioName, OpenPortAudio}};
}

}  // namespace audio
