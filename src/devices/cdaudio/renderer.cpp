#include "devices/cdaudio/renderer.h"

#include <algorithm>

namespace cdaudio {
namespace {

std::int16_t Scale(std::int16_t sample, std::uint32_t gain)
{
    return static_cast<std::int16_t>(static_cast<std::int64_t>(sample) * gain / 0xFFFF);
}

}  // namespace

PlayedState Renderer::Played() const
{
    PlayerRequest word = Unpack(played_.load(std::memory_order_acquire));
    return {word.generation, word.play, word.at};
}

void Renderer::Publish()
{
    played_.store(Pack(generation_, playing_, position_), std::memory_order_release);
}

// Takes new requests and drops what was read for older ones, which frees
// the ring for the worker at once.
void Renderer::TakeRequests()
{
    PlayerRequest request = requests_.Latest();
    if (request.generation != generation_) {
        generation_ = request.generation;
        playing_ = request.play;
        position_ = request.at;
    }
    for (const AudioBlock* block = ring_.Front(); block && CompareGenerations(block->generation, generation_) < 0;
         block = ring_.Front()) {
        ring_.Pop();
        consumed_ = 0;
    }
}

void Renderer::Render(std::int16_t* out, std::size_t frames)
{
    TakeRequests();
    std::uint32_t level = level_.load(std::memory_order_relaxed);
    std::uint32_t gains[2] = {level & 0xFFFF, level >> 16};
    std::size_t done = 0;
    bool retried = false;
    while (done < frames && playing_) {
        const AudioBlock* block = ring_.Front();
        if (!block) break;  // underrun: silence, and the position waits
        int age = CompareGenerations(block->generation, generation_);
        if (age < 0) {
            ring_.Pop();
            consumed_ = 0;
            continue;
        }
        if (age > 0) {
            // Read for a request queued after this callback looked.
            if (retried) break;
            retried = true;
            TakeRequests();
            continue;
        }
        if (block->endOfDisc) {
            playing_ = false;
            position_ = block->start;
            ring_.Pop();
            break;
        }
        std::size_t n = std::min<std::size_t>(frames - done, block->frames - consumed_);
        const std::int16_t* from = block->samples + std::size_t{consumed_} * 2;
        for (std::size_t i = 0; i < n * 2; ++i) out[done * 2 + i] = Scale(from[i], gains[i & 1]);
        consumed_ += static_cast<std::uint32_t>(n);
        position_ = block->start + consumed_;
        done += n;
        if (consumed_ == block->frames) {
            ring_.Pop();
            consumed_ = 0;
        }
    }
    std::fill(out + done * 2, out + frames * 2, std::int16_t{0});
    framesOut_.fetch_add(frames, std::memory_order_release);
    Publish();
}

}  // namespace cdaudio
