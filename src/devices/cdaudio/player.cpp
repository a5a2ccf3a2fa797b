#include "devices/cdaudio/player.h"

#include <algorithm>
#include <chrono>

#include "audio/thread_priority.h"

namespace cdaudio {
namespace {
// While the ring is full the worker looks every so often for room, since
// the callback cannot wake it.
constexpr auto kWorkerPoll = std::chrono::milliseconds(10);

audio::OutputConfig DiscOutput(Output output)
{
    audio::OutputConfig config = audio::DiscOutputConfig();
    config.rate = kSampleRate;
    config.silentOnly = output == Output::Null;
    return config;
}

}  // namespace

Player::Player(Output output) : virtual_(output == Output::Virtual)
{
    if (virtual_) {
        virtualBuffer_.resize(kBlockFrames * 2);
        return;
    }
    worker_ = std::thread([this] { RunWorker(); });
    output_ = std::make_unique<audio::Output>(DiscOutput(output), renderer_);
    output_->Start();
}

Player::~Player()
{
    output_.reset();
    if (worker_.joinable()) {
        {
            std::lock_guard lock(targetMutex_);
            quit_ = true;
        }
        wakeWorker_.notify_one();
        worker_.join();
    }
}

std::uint64_t Player::Underruns() const
{
    return renderer_.Underruns() + (output_ ? output_->Underruns() : 0);
}

audio::OutputState Player::OutputState() const
{
    if (output_) return output_->State();
    audio::OutputState state;
    state.backEnd = "virtual";
    return state;
}

void Player::Request(bool play, std::uint64_t at, std::uint64_t end)
{
    generation_ = (generation_ + 1) & kGenerationMask;
    last_ = {generation_, play, at};
    // Heard at once: what the output holds of the old request goes, and the
    // first callback after that plays the new one.
    if (output_) output_->Interrupt([this] { renderer_.Requests().Post(last_); });
    else renderer_.Requests().Post(last_);
    {
        std::lock_guard lock(targetMutex_);
        target_.generation = generation_;
        target_.play = play;
        target_.next = at;
        target_.end = end;
        wake_ = true;
    }
    wakeWorker_.notify_one();
    // Without an audio thread the request is taken at once.
    if (virtual_) renderer_.Render(virtualBuffer_.data(), 0);
}

void Player::Play(std::uint64_t at, std::uint64_t end) { Request(true, at, end); }

void Player::Hold(std::uint64_t at) { Request(false, at); }

void Player::SetDisc(std::shared_ptr<Disc> disc)
{
    {
        std::lock_guard lock(targetMutex_);
        target_.disc = std::move(disc);
    }
    Request(false, 0);
    // Wait out a read of the old disc, so that it is released now.
    std::lock_guard wait(readMutex_);
}

PlayedState Player::State() const
{
    PlayedState played = renderer_.Played();
    if (played.generation == generation_) return played;
    return {generation_, last_.play, last_.at};
}

// Reads one block for the current request into the ring; false when there
// is nothing to do (not playing, ring full, end already marked).
bool Player::FillOne()
{
    std::lock_guard reading(readMutex_);
    Target target;
    {
        std::lock_guard lock(targetMutex_);
        target = target_;
    }
    if (!target.play || !target.disc) return false;
    bool freshRequest = blocksForTarget_ < kHeadroomBlocks || target.generation != publishedGeneration_;
    if (!freshRequest && renderer_.Ring().Filled() >= kRingBlocks - kHeadroomBlocks) return false;
    AudioBlock* block = renderer_.Ring().WriteSlot();
    if (!block) return false;
    std::uint64_t length = std::min(target.end, target.disc->Length());
    block->generation = target.generation;
    block->start = std::min(target.next, length);
    block->endOfDisc = target.next >= length;
    block->frames = block->endOfDisc ? 0 : static_cast<std::uint32_t>(std::min<std::uint64_t>(kBlockFrames, length - target.next));
    // A failed read leaves silence: playback goes on, as over a damaged disc.
    if (block->frames > 0) target.disc->Read(target.next, block->samples, block->frames);

    std::lock_guard lock(targetMutex_);
    if (target_.generation != target.generation) return true;  // superseded: drop it
    target_.next += block->frames;
    target_.play = !block->endOfDisc;
    renderer_.Ring().Publish();
    blocksForTarget_ = target.generation == publishedGeneration_ ? blocksForTarget_ + 1 : 1;
    publishedGeneration_ = target.generation;
    return true;
}

void Player::RunWorker()
{
    audio::RaiseThread(audio::CurrentThreadId(), audio::ThreadRole::Disc);
    while (true) {
        {
            std::unique_lock lock(targetMutex_);
            if (quit_) return;
        }
        if (FillOne()) continue;
        std::unique_lock lock(targetMutex_);
        auto woken = [this] { return quit_ || wake_; };
        // Playing with a full ring: look again soon. Otherwise sleep until asked.
        if (target_.play && target_.disc) wakeWorker_.wait_for(lock, kWorkerPoll, woken);
        else wakeWorker_.wait(lock, woken);
        wake_ = false;
    }
}

void Player::AdvanceVirtualOutput(std::uint32_t frames, std::int16_t* heard)
{
    if (!virtual_) return;
    while (frames > 0) {
        std::uint32_t n = std::min<std::uint32_t>(frames, kBlockFrames);
        while (FillOne()) {
        }
        renderer_.Render(heard ? heard : virtualBuffer_.data(), n);
        if (heard) heard += std::size_t{n} * 2;
        frames -= n;
    }
}

}  // namespace cdaudio
