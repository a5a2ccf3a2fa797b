#include "audio/output.h"

#include <cmath>
#include <cstdio>

#include "audio/back_end.h"
#include "audio/sound_card.h"

namespace audio {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTendEvery = std::chrono::milliseconds(100);
constexpr auto kRetryEvery = std::chrono::milliseconds(500);

std::atomic<std::uint32_t> g_lastFeed{0};

std::uint32_t NewFeedId()
{
    std::uint32_t id;
    do id = g_lastFeed.fetch_add(1) + 1;
    while (id == 0);
    return id;
}

void WaitUntilNone(const std::atomic<int>& busy)
{
    while (busy.load(std::memory_order_seq_cst) != 0) std::this_thread::yield();
}

}  // namespace

struct Output::Current {
    std::unique_ptr<Feed> feed;
    std::unique_ptr<Sink> sink;
    SinkInfo info;
    bool clock = false;
};

OutputConfig DiscOutputConfig()
{
    OutputConfig config;
    config.format = SampleFormat::Int16;
    config.rate = 44100;
    config.blockFrames = 441;
    config.latency = std::chrono::milliseconds(100);
    config.role = ThreadRole::Disc;
    config.streamName = "Disc";
    config.portPrefix = "disc";
    config.growOnUnderflow = false;
    return config;
}

Output::Output(const OutputConfig& config, Source& source) : config_(config), source_(source)
{
    current_ = MakeClock();
    current_->sink->Start();
    if (!config_.silentOnly && !BackEndsInUse().empty()) keeper_ = std::thread([this] { Keep(); });
}

Output::~Output()
{
    {
        std::lock_guard guard(lock_);
        closing_ = true;
    }
    wake_.notify_all();
    if (keeper_.joinable()) keeper_.join();
    Stop();
    std::lock_guard guard(lock_);
    retired_.reset();
    current_.reset();
}

std::unique_ptr<Output::Current> Output::MakeClock()
{
    auto clock = std::make_unique<Current>();
    clock->feed = std::make_unique<Feed>(*this, NewFeedId(), config_);
    clock->sink = OpenSilentClock(*clock->feed, config_);
    clock->info = clock->sink->Info();
    clock->clock = true;
    return clock;
}

void Output::Pull(Feed& feed, float* out, std::size_t frames)
{
    busy_.fetch_add(1, std::memory_order_seq_cst);
    if (active_.load(std::memory_order_seq_cst) == feed.Id())
        feed.Fill(source_, out, frames);
    else
        std::fill(out, out + 2 * frames, 0.0f);
    busy_.fetch_sub(1, std::memory_order_seq_cst);
}

bool Output::Wants(const Feed& feed) const { return active_.load(std::memory_order_relaxed) == feed.Id(); }

void Output::Start()
{
    std::lock_guard guard(lock_);
    running_.store(true, std::memory_order_release);
    active_.store(current_->feed->Id(), std::memory_order_seq_cst);
}

void Output::Stop()
{
    std::lock_guard guard(lock_);
    running_.store(false, std::memory_order_release);
    active_.store(0, std::memory_order_seq_cst);
    WaitUntilNone(busy_);
}

std::uint64_t Output::Underruns() const
{
    std::lock_guard guard(lock_);
    return pastUnderruns_.load() + current_->feed->Underruns();
}

bool Output::OnServer() const
{
    std::lock_guard guard(lock_);
    return !current_->clock;
}

OutputState Output::State() const
{
    std::lock_guard guard(lock_);
    OutputState state;
    const SinkInfo info = current_->sink->Info();
    state.backEnd = info.backEnd;
    state.stream = info.stream;
    state.rate = info.rate;
    state.latencyMs = info.rate > 0 ? 1000.0 * info.latencyFrames / info.rate : 0;
    state.onServer = !current_->clock;
    state.underruns = pastUnderruns_.load() + current_->feed->Underruns();
    state.losses = losses_.load();
    state.tries = tries_.load();
    state.searching = keeper_.joinable();
    state.scheduling = Describe(ObtainedPriority(config_.role), config_.role);
    return state;
}

void Output::Interrupt(const std::function<void()>& between)
{
    std::lock_guard guard(lock_);
    active_.store(0, std::memory_order_seq_cst);
    WaitUntilNone(busy_);
    between();
    current_->sink->Drop();
    if (running_.load()) active_.store(current_->feed->Id(), std::memory_order_seq_cst);
}

void Output::Lose()
{
    {
        std::lock_guard guard(lock_);
        loseAsked_ = true;
        if (keeper_.joinable()) {
            wake_.notify_all();
            return;
        }
        loseAsked_ = false;
    }
    // No keeper: only the clock's own thread can die, and it is started afresh.
    std::unique_ptr<Current> clock = MakeClock();
    clock->sink->Start();
    std::unique_lock guard(lock_);
    MoveTo(std::move(clock));
    std::unique_ptr<Current> old = std::move(retired_);
    guard.unlock();
}

// Between two blocks: the old back end has stopped calling the renderer
// before the new one may, so the sound goes on from where it stands. The
// caller holds lock_; `next` has started already and gives silence until now.
void Output::MoveTo(std::unique_ptr<Current> next)
{
    active_.store(0, std::memory_order_seq_cst);
    WaitUntilNone(busy_);
    const SinkInfo& info = next->info;
    const double toRenderer = info.rate > 0 ? double(config_.rate) / info.rate : 1.0;
    source_.HeldFrames(static_cast<std::uint32_t>(std::lround(info.latencyFrames * toRenderer)) +
                       next->feed->ConversionDelay());
    pastUnderruns_.fetch_add(current_->feed->Underruns());
    std::swap(current_, next);
    if (running_.load()) active_.store(current_->feed->Id(), std::memory_order_seq_cst);
    // `next` now holds the old back end; it closes when the caller drops it.
    retired_ = std::move(next);
}

bool Output::TryBackEnds()
{
    for (const BackEnd& backEnd : BackEndsInUse()) {
        auto next = std::make_unique<Current>();
        next->feed = std::make_unique<Feed>(*this, NewFeedId(), config_);
        next->sink = backEnd.open(*next->feed, config_);
        if (!next->sink) continue;
        next->info = next->sink->Info();
        if (!next->feed->Prepare(next->info.rate) || !next->sink->Start()) continue;
        std::lock_guard guard(lock_);
        if (closing_) return false;
        MoveTo(std::move(next));
        return true;
    }
    return false;
}

void Output::SayLoss(const std::string& from)
{
    std::fprintf(stderr, "tornel: %s: %s went away; a silent clock keeps time until it returns\n",
                 config_.streamName.c_str(), from.c_str());
}

void Output::SayReturn()
{
    std::lock_guard guard(lock_);
    std::fprintf(stderr, "tornel: %s: sounding again on %s\n", config_.streamName.c_str(),
                 current_->info.backEnd.c_str());
}

// Opens a back end once the program lets it, then watches it: a lost one is
// replaced by the clock at once, and while the clock plays the back ends are
// tried again twice a second until one opens.
void Output::Keep()
{
    const auto closing = [this] {
        std::lock_guard guard(lock_);
        return closing_;
    };
    if (!WaitForCardOpening(closing)) return;
    bool retrying = false; // since a loss: its return is said
    auto nextTry = Clock::now();
    std::unique_lock guard(lock_);
    while (!closing_) {
        const bool lost = !current_->clock && (loseAsked_ || current_->sink->Lost());
        if (lost || (current_->clock && loseAsked_)) {
            const std::string from = current_->info.backEnd;
            guard.unlock();
            std::unique_ptr<Current> clock = MakeClock();
            clock->sink->Start();
            guard.lock();
            MoveTo(std::move(clock));
            if (lost) {
                losses_.fetch_add(1);
                SayLoss(from);
                retrying = true;
                nextTry = Clock::now() + kRetryEvery;
            }
        }
        loseAsked_ = false;
        std::unique_ptr<Current> old = std::move(retired_);
        if (old) {
            guard.unlock();
            old.reset();
            guard.lock();
        }
        if (current_->clock && Clock::now() >= nextTry) {
            guard.unlock();
            const bool opened = TryBackEnds();
            tries_.fetch_add(1);
            guard.lock();
            if (opened && retrying) {
                guard.unlock();
                SayReturn();
                guard.lock();
            }
            if (opened) retrying = false;
            nextTry = Clock::now() + kRetryEvery;
            continue;
        }
        if (!current_->clock) current_->sink->Tend();
        wake_.wait_for(guard, kTendEvery, [this] { return closing_ || loseAsked_; });
    }
}

}  // namespace audio
