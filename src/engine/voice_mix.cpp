#include "engine/voice_mix.h"

#include <algorithm>

namespace engine {
namespace {

constexpr float kScale = 1.0f / 32768.0f;

void AddFrames(const Sample& sample, size_t first, size_t count, float* out) {
    const int16_t* in = sample.pcm.data() + first * sample.channels;
    if (sample.channels == 1) {
        for (size_t i = 0; i < count; ++i) {
            const float v = in[i] * kScale;
            out[2 * i] += v;
            out[2 * i + 1] += v;
        }
    } else {
        for (size_t i = 0; i < 2 * count; ++i)
            out[i] += in[i] * kScale;
    }
}

// A looped voice wraps from its last frame straight to its first, so the
// passes join without a gap.
void RenderVoice(Voice& voice, float* out, size_t frames) {
    while (frames > 0 && voice.sample) {
        const size_t take = std::min(frames, voice.sample->frames - voice.frame);
        AddFrames(*voice.sample, voice.frame, take, out);
        out += 2 * take;
        frames -= take;
        voice.frame += take;
        if (voice.frame == voice.sample->frames) {
            voice.frame = 0;
            if (--voice.timesLeft == 0)
                voice.sample = nullptr;
        }
    }
}

} // namespace

void MixerApply(Mixer& mixer, const Command& command) {
    switch (command.op) {
    case Op::Play:
        mixer.voices[command.channel] = Voice{command.sample, 0, uint32_t(command.loops) + 1};
        break;
    case Op::Stop:
        mixer.voices[command.channel] = Voice{};
        break;
    case Op::StopAll:
        mixer.voices.fill(Voice{});
        break;
    case Op::Forget:
        for (Voice& voice : mixer.voices)
            if (voice.sample == command.sample)
                voice = Voice{};
        break;
    }
}

void MixerAddVoice(Mixer& mixer, uint32_t channel, float* out, size_t frames) {
    RenderVoice(mixer.voices[channel], out, frames);
}

void MixerRender(Mixer& mixer, float* out, size_t frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    for (Voice& voice : mixer.voices)
        RenderVoice(voice, out, frames);
}

} // namespace engine
