// The output of last resort: takes a block each block's time and drops it,
// so that positions keep time without a sound card or server.
#include <thread>

#include "audio/back_end.h"

namespace audio {
namespace {

using Clock = std::chrono::steady_clock;

// Woken this late, the machine was suspended or stalled: the clock starts
// afresh rather than racing to render what it missed.
constexpr auto kResyncAfter = std::chrono::milliseconds(200);
// How often a clock that nobody listens to looks whether it is wanted.
constexpr auto kIdleLook = std::chrono::milliseconds(20);

class SilentClock : public Sink {
public:
    SilentClock(Feed& feed, const OutputConfig& config)
        : feed_(feed), config_(config), buffer_(2 * config.blockFrames)
    {
    }

    ~SilentClock() override
    {
        stop_.store(true, std::memory_order_release);
        if (thread_.joinable()) thread_.join();
    }

    bool Start() override
    {
        thread_ = std::thread([this] { Run(); });
        return true;
    }

    bool Lost() const override { return false; }
    SinkInfo Info() const override { return {"silent clock", "", config_.rate, 0}; }

private:
    // A tick later than a device's buffer would last is counted: a device
    // would have run dry.
    void Run()
    {
        RaiseThread(CurrentThreadId(), config_.role);
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(double(config_.blockFrames) / config_.rate));
        const auto tooLate = std::max<Clock::duration>(period, config_.latency);
        auto next = Clock::now();
        while (!stop_.load(std::memory_order_acquire)) {
            if (!feed_.Wanted()) {
                std::this_thread::sleep_for(kIdleLook);
                next = Clock::now();
                continue;
            }
            feed_.Pull(buffer_.data(), config_.blockFrames);
            next += period;
            std::this_thread::sleep_until(next);
            const auto late = Clock::now() - next;
            if (late > tooLate) feed_.CountUnderrun();
            if (late > kResyncAfter) next = Clock::now();
        }
    }

    Feed& feed_;
    const OutputConfig config_;
    std::vector<float> buffer_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

std::unique_ptr<Sink> OpenSilentClock(Feed& feed, const OutputConfig& config)
{
    return std::make_unique<SilentClock>(feed, config);
}

}  // namespace audio
