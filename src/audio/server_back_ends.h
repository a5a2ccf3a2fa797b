// The sound servers' own back ends (Linux).
#pragma once

#include "audio/back_end.h"

namespace audio {

extern const char* const kJackName;
extern const char* const kPulseName;

// One JACK client, "Tornel", for every output of the process, each with a
// stereo pair of ports connected to the system's playback ports. Never
// starts a server.
std::unique_ptr<Sink> OpenJack(Feed& feed, const OutputConfig& config);
// A PulseAudio stream (PulseAudio, or PipeWire's pulse server); never spawns
// a server.
std::unique_ptr<Sink> OpenPulse(Feed& feed, const OutputConfig& config);

}  // namespace audio
