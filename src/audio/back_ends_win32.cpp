// Windows: PortAudio's WMME output, the one the program ships.
#include "audio/back_end.h"

namespace audio {

const char* const kPortAudioName = "WMME";

std::vector<BackEnd> SystemBackEnds() { return {{kPortAudioName, OpenPortAudio}}; }

}  // namespace audio
