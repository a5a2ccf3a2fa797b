// Opens a sound file for reading by its UTF-8 name, for the engine's samples
// and the disc's tracks alike.
#pragma once

#include <sndfile.h>

namespace audio {

// Null when the file cannot be opened or read as sound; sf_close() it.
SNDFILE* OpenSoundFile(const char* path, SF_INFO* info);

}  // namespace audio
