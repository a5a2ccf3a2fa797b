// The channels' voices and their mix at kMixRate. Audio callback only (or the
// control thread while no callback runs): nothing here locks or allocates.
#pragma once

#include "engine/command_queue.h"
#include "engine/sample.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// Channel numbers run 0 .. kMaxChannels-1; the caller plays on 1 and up.
constexpr uint32_t kMaxChannels = 32;

struct Voice {
    const Sample* sample = nullptr; // null = silent
    size_t frame = 0;               // next frame of `sample`
    uint32_t timesLeft = 0;         // passes still to sound, this one included
};

struct Mixer {
    std::array<Voice, kMaxChannels> voices{};
};

void MixerApply(Mixer& mixer, const Command& command);
// Writes `frames` stereo frames of the mix, replacing what `out` held.
void MixerRender(Mixer& mixer, float* out, size_t frames);
// Adds the next `frames` stereo frames of one channel's voice to `out`.
void MixerAddVoice(Mixer& mixer, uint32_t channel, float* out, size_t frames);

} // namespace engine
