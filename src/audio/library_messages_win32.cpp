#include "audio/library_messages.h"

namespace audio {

// WMME reports through return codes only.
void SilenceLibraryMessages() {}

}  // namespace audio
