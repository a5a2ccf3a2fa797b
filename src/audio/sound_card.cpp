#include "audio/sound_card.h"

#include <cstdlib>
#include <cstring>

namespace audio {

std::mutex& PortAudioLock()
{
    static std::mutex lock;
    return lock;
}

bool SoundCardDisabled()
{
    const char* value = std::getenv("TORNEL_NULL_AUDIO");
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace audio
