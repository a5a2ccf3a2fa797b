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

// Takes new requests and drops what was read for older ones, which frees
// the ring for the worker at once.
void Renderer::TakeRequests()
{
    PlayerRequest request = requests_.Latest();
    if (request.generation != generation_) {
        generation_ = request.generation;
        playing_ = request.play;
        position_ = request.at;
        heard_ = request.at;
        begun_ = false;
        callCount_ = 0;
    }
    for (const AudioBlock* block = ring_.Front(); block && CompareGenerations(block->generation, generation_) < 0;
         block = ring_.Front()) {
        ring_.Pop();
        consumed_ = 0;
    }
}

void Renderer::Remember(const Rendered& call)
{
    calls_[nextCall_] = call;
    nextCall_ = (nextCall_ + 1) % kRemembered;
    callCount_ = std::min(callCount_ + 1, kRemembered);
}

// The frame at the listener now is the one rendered `latency` frames before
// the end of the last call; its position comes from the call that rendered it.
void Renderer::PublishHeard()
{
    const Rendered& last = calls_[(nextCall_ + kRemembered - 1) % kRemembered];
    const std::uint64_t latency = latency_.load(std::memory_order_relaxed);
    const std::uint64_t heardFrame = last.framesEnd > latency ? last.framesEnd - latency : 0;
    const Rendered* at = &last;
    for (std::size_t back = 1; back < callCount_ && at->framesEnd - at->frames > heardFrame; ++back)
        at = &calls_[(nextCall_ + kRemembered - 1 - back) % kRemembered];
    const std::uint64_t into = heardFrame - std::min(heardFrame, at->framesEnd - at->frames);
    heard_ = std::max(heard_, std::min(at->positionEnd, at->positionStart + into));
    const bool playing = at == &last ? playing_ : at->playing;
    played_.store(Pack(generation_, playing, heard_), std::memory_order_release);
}

void Renderer::Render(std::int16_t* out, std::size_t frames)
{
    TakeRequests();
    const std::uint64_t positionStart = position_;
    std::uint32_t level = level_.load(std::memory_order_relaxed);
    std::uint32_t gains[2] = {level & 0xFFFF, level >> 16};
    std::size_t done = 0;
    bool retried = false;
    while (done < frames && playing_) {
        const AudioBlock* block = ring_.Front();
        if (!block) {
            // Silence, and the position waits. At the start of a request the
            // reader has simply not caught up yet; later it fell behind.
            if (begun_) underruns_.fetch_add(1, std::memory_order_relaxed);
            break;
        }
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
        begun_ = true;
        if (consumed_ == block->frames) {
            ring_.Pop();
            consumed_ = 0;
        }
    }
    std::fill(out + done * 2, out + frames * 2, std::int16_t{0});
    const std::uint64_t framesOut = framesOut_.fetch_add(frames, std::memory_order_release) + frames;
    Remember({framesOut, static_cast<std::uint32_t>(frames), positionStart, position_, playing_});
    PublishHeard();
}

}  // namespace cdaudio
