// The ten operations over a registry of engines and samples. Handles are
// never reused, so a stale handle finds nothing and the call does nothing.
#include "engine/engine.h"
#include "engine/engine_output.h"
#include "audio/output.h"
#include "engine/renderer.h"
#include "engine/sample.h"

#include <algorithm>
#include <atomic>
#include <bitset>
#include <chrono>
#include <cstddef>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

static_assert(sizeof(EngineInfo) == 20);
static_assert(sizeof(EngineConfig) == 10);
static_assert(offsetof(EngineConfig, version) == 2);
static_assert(offsetof(EngineConfig, channels) == 6);
static_assert(offsetof(EngineConfig, unused) == 8);
static_assert(sizeof(PlayRequest) == 24);
static_assert(offsetof(PlayRequest, engine) == 2);
static_assert(offsetof(PlayRequest, channel) == 6);
static_assert(offsetof(PlayRequest, sample) == 10);
static_assert(offsetof(PlayRequest, start) == 14);
static_assert(offsetof(PlayRequest, mode) == 18);
static_assert(offsetof(PlayRequest, loops) == 22);

namespace {

using engine::Command;
using engine::Op;

constexpr int32_t kMinDeviceRate = 8000;
constexpr int32_t kMaxDeviceRate = 192000;
// A callback that has not taken a request for this long is taken as lost.
constexpr auto kCallbackTimeout = std::chrono::seconds(1);

// The output's defaults are the pads'; the rate and block are the engine's.
audio::OutputConfig PadsOutput() {
    audio::OutputConfig config;
    config.rate = engine::kOutputRate;
    config.blockFrames = engine::kBlockFrames;
    return config;
}

struct Engine {
    Engine(int32_t rate, bool manual, int deviceRate)
        : renderer(std::make_unique<engine::Renderer>(rate, manual ? deviceRate : engine::kOutputRate)),
          manualRate(manual ? deviceRate : 0) {
        if (!manual && renderer->Ready())
            output = std::make_unique<audio::Output>(PadsOutput(), *renderer);
    }
    bool Concurrent() const { return output && output->Running(); }

    // Freed samples that a callback which stopped answering might still
    // read: kept until a callback has taken every request, or until the
    // output's destructor has stopped the callback.
    std::vector<std::unique_ptr<engine::Sample>> retired;
    // Declared before the output so that it outlives it, whose destructor
    // stops the callback that uses it.
    std::unique_ptr<engine::Renderer> renderer;
    const int manualRate;           // 0: played through `output`
    bool manualRunning = false;
    std::unique_ptr<audio::Output> output;
    std::bitset<engine::kMaxChannels> open; // channels that accept plays
};

struct LoadedSample {
    EngineHandle owner;
    std::unique_ptr<engine::Sample> sample;
};

std::mutex g_lock; // the registry; the callback never takes it
uint32_t g_lastHandle = 0;
std::map<EngineHandle, std::unique_ptr<Engine>> g_engines;
std::map<EngineHandle, LoadedSample> g_samples;
uint64_t g_closedUnderruns = 0; // of the outputs of engines already closed

EngineHandle NewHandle() {
    do
        ++g_lastHandle;
    while (g_lastHandle == 0 || g_engines.count(g_lastHandle) || g_samples.count(g_lastHandle));
    return g_lastHandle;
}

Engine* FindEngine(EngineHandle handle) {
    const auto it = g_engines.find(handle);
    return it == g_engines.end() ? nullptr : it->second.get();
}

const engine::Sample* FindSample(EngineHandle owner, EngineHandle handle) {
    const auto it = g_samples.find(handle);
    return it == g_samples.end() || it->second.owner != owner ? nullptr : it->second.sample.get();
}

bool IsChannel(uint32_t channel) { return channel > 0 && channel < engine::kMaxChannels; }

std::atomic<uint32_t> g_callsWaiting{0}; // read by tests without the registry's lock

struct CountWaiting {
    CountWaiting() { g_callsWaiting.fetch_add(1, std::memory_order_acq_rel); }
    ~CountWaiting() { g_callsWaiting.fetch_sub(1, std::memory_order_acq_rel); }
    CountWaiting(const CountWaiting&) = delete;
    CountWaiting& operator=(const CountWaiting&) = delete;
};

// True once the consumer has taken every request pushed so far. Without a
// callback running elsewhere the control thread is the consumer itself. A
// lost back end is replaced by the output's clock on its own; false when no
// callback has answered within the timeout all the same.
bool Settle(Engine& e) {
    const CountWaiting waiting;
    engine::CommandQueue& queue = e.renderer->Queue();
    const auto deadline = std::chrono::steady_clock::now() + kCallbackTimeout;
    while (true) {
        if (!e.Concurrent()) {
            e.renderer->ApplyPending();
            return true;
        }
        if (queue.Taken() == queue.Pushed())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void Send(Engine& e, const Command& command) {
    if (!e.renderer->Queue().Push(command)) {
        Settle(e);
        e.renderer->Queue().Push(command);
    }
}

bool ConfigUsable(const EngineConfig* config) {
    return config && config->size == sizeof(EngineConfig);
}

EngineHandle OpenEngine(int32_t rate, bool manual, int32_t deviceRate) {
    std::lock_guard lock(g_lock);
    try {
        auto e = std::make_unique<Engine>(rate, manual, deviceRate);
        if (!e->renderer->Ready())
            return 0;
        const EngineHandle handle = NewHandle();
        g_engines.emplace(handle, std::move(e));
        return handle;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

template <size_t N>
void CopyText(char (&to)[N], const std::string& from) {
    const size_t n = std::min(from.size(), N - 1);
    std::copy(from.begin(), from.begin() + n, to);
    to[n] = '\0';
}

void FreeSamplesOf(EngineHandle owner) {
    for (auto it = g_samples.begin(); it != g_samples.end();)
        it = it->second.owner == owner ? g_samples.erase(it) : std::next(it);
}

} // namespace

extern "C" {

ENGINE_API uint16_t EngineCheck(EngineInfo*) {
    return 0; // the silent clock stands in for any missing server or card
}

ENGINE_API EngineHandle EngineOpen(EngineConfig* config, int32_t rate) {
    return ConfigUsable(config) ? OpenEngine(rate, false, 0) : 0;
}

ENGINE_API EngineHandle EngineOpenManual(EngineConfig* config, int32_t rate, int32_t deviceRate) {
    if (!ConfigUsable(config) || deviceRate < kMinDeviceRate || deviceRate > kMaxDeviceRate)
        return 0;
    return OpenEngine(rate, true, deviceRate);
}

ENGINE_API uint32_t EngineActivate(EngineHandle engine, uint32_t on) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (!e)
        return 1;
    if (!e->output)
        e->manualRunning = on != 0;
    else if (on)
        e->output->Start();
    else
        e->output->Stop();
    return 0;
}

ENGINE_API EngineHandle EngineLoadSample(EngineHandle engine, const char* path, uint32_t, uint32_t) {
    std::lock_guard lock(g_lock);
    if (!FindEngine(engine) || !path)
        return 0;
    try {
        std::unique_ptr<engine::Sample> sample = engine::DecodeSample(path);
        if (!sample)
            return 0;
        const EngineHandle handle = NewHandle();
        g_samples.emplace(handle, LoadedSample{engine, std::move(sample)});
        return handle;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

ENGINE_API uint32_t EngineOpenChannels(EngineHandle engine, uint32_t count, uint32_t) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (!e || count == 0 || count > engine::kMaxChannels)
        return 1;
    for (uint32_t channel = 1; channel < count; ++channel)
        e->open.set(channel);
    return 0;
}

ENGINE_API uint32_t EnginePlay(const PlayRequest* request) {
    if (!request || request->size != sizeof(PlayRequest))
        return 1;
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(request->engine);
    const engine::Sample* sample = FindSample(request->engine, request->sample);
    if (!e || !sample || !IsChannel(request->channel) || !e->open.test(request->channel))
        return 1;
    Send(*e, Command{Op::Play, uint8_t(request->channel), request->loops, sample});
    return 0;
}

ENGINE_API uint32_t EngineFlushChannel(EngineHandle engine, uint32_t channel, uint32_t) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (!e || !IsChannel(channel))
        return 1;
    Send(*e, Command{Op::Stop, uint8_t(channel), 0, nullptr});
    return 0;
}

ENGINE_API uint32_t EngineCloseChannel(EngineHandle engine, uint32_t channel, uint32_t) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (!e || (channel != 0 && !IsChannel(channel)))
        return 1;
    if (channel == 0) {
        Send(*e, Command{Op::StopAll, 0, 0, nullptr});
        e->open.reset();
    } else {
        Send(*e, Command{Op::Stop, uint8_t(channel), 0, nullptr});
        e->open.reset(channel);
    }
    return 0;
}

ENGINE_API uint32_t EngineFreeSample(EngineHandle engine, EngineHandle sample) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    const engine::Sample* loaded = FindSample(engine, sample);
    if (!e || !loaded)
        return 1;
    Send(*e, Command{Op::Forget, 0, 0, loaded});
    const auto it = g_samples.find(sample);
    if (Settle(*e))
        e->retired.clear();
    else
        e->retired.push_back(std::move(it->second.sample));
    g_samples.erase(it);
    return 0;
}

ENGINE_API uint32_t EngineClose(EngineHandle engine) {
    std::lock_guard lock(g_lock);
    const auto it = g_engines.find(engine);
    if (it == g_engines.end())
        return 1;
    if (it->second->output) {
        it->second->output->Stop();
        g_closedUnderruns += it->second->output->Underruns();
    }
    FreeSamplesOf(engine);
    g_engines.erase(it);
    return 0;
}

ENGINE_API void EngineSetOutputLevel(uint32_t level) { engine::SetOutputLevel(level); }

ENGINE_API uint32_t EngineRender(EngineHandle engine, float* out, uint32_t frames) {
    if (!out)
        return 0;
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (!e || e->output || !e->manualRunning) {
        std::fill(out, out + 2 * size_t(frames), 0.0f);
        return 0;
    }
    e->renderer->Render(out, frames);
    return frames;
}

ENGINE_API int32_t EngineDeviceRate(EngineHandle engine) {
    std::lock_guard lock(g_lock);
    const Engine* e = FindEngine(engine);
    return !e ? 0 : e->output ? e->output->Config().rate : e->manualRate;
}

ENGINE_API void EngineGetStats(EngineStats* stats) {
    if (!stats)
        return;
    std::lock_guard lock(g_lock);
    *stats = EngineStats{uint32_t(g_engines.size()), uint32_t(g_samples.size()), 0, 0, 0, g_closedUnderruns};
    for (const auto& [handle, e] : g_engines) {
        stats->channels += uint32_t(e->open.count());
        if (e->output) {
            stats->onDevice += e->output->OnServer();
            stats->underruns += e->output->Underruns();
        }
    }
    for (const auto& [handle, loaded] : g_samples)
        stats->sampleBytes += loaded.sample->pcm.size() * sizeof(int16_t);
    for (const auto& [handle, e] : g_engines)
        for (const auto& sample : e->retired)
            stats->sampleBytes += sample->pcm.size() * sizeof(int16_t);
}

ENGINE_API int32_t EngineGetOutputInfo(EngineHandle engine, EngineOutputInfo* info) {
    std::lock_guard lock(g_lock);
    const Engine* e = FindEngine(engine);
    if (!e || !e->output || !info)
        return 0;
    const audio::OutputState state = e->output->State();
    *info = EngineOutputInfo{};
    CopyText(info->backEnd, state.backEnd);
    CopyText(info->stream, state.stream);
    info->rate = state.rate;
    info->latencyMs = state.latencyMs;
    CopyText(info->scheduling, state.scheduling);
    info->underruns = state.underruns;
    info->losses = state.losses;
    info->tries = state.tries;
    info->searching = state.searching ? 1 : 0;
    return 1;
}

ENGINE_API void EngineLoseOutput(EngineHandle engine) {
    std::lock_guard lock(g_lock);
    Engine* e = FindEngine(engine);
    if (e && e->output)
        e->output->Lose();
}

ENGINE_API int32_t EngineSampleLoaded(EngineHandle engine, EngineHandle sample) {
    std::lock_guard lock(g_lock);
    return FindEngine(engine) && FindSample(engine, sample) ? 1 : 0;
}

ENGINE_API int32_t EngineHoldCallbacks(int32_t hold) {
    return engine::HoldCallbacks(hold != 0, kCallbackTimeout) ? 1 : 0;
}

ENGINE_API uint32_t EngineCallsWaiting(void) { return g_callsWaiting.load(std::memory_order_acquire); }

} // extern "C"
