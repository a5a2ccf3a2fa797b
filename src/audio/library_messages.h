// The sound libraries print their own complaints on standard error (ALSA's
// about each card it probes, JACK's about a server that is not running),
// over and over while the output retries. The output says in one line what
// happened instead, so their messages are silenced.
#pragma once

namespace audio {

// Any thread but a callback; once is enough, more are harmless.
void SilenceLibraryMessages();

}  // namespace audio
