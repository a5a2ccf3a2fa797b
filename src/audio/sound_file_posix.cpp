#include "audio/sound_file.h"

namespace audio {

SNDFILE* OpenSoundFile(const char* path, SF_INFO* info) { return sf_open(path, SFM_READ, info); }

}  // namespace audio
