#include "stand_in_servers.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>

#include "audio/back_end.h"
#include "audio/buffer_growth.h"

namespace audio_test {
namespace {

class StandInSink;

struct Registry {
    std::mutex lock;
    std::vector<StandInServer> servers;
    std::map<std::string, bool> killed;
    std::vector<StandInSink*> open;
};

Registry& Servers()
{
    static Registry registry;
    return registry;
}

class StandInSink : public audio::Sink {
public:
    StandInSink(audio::Feed& feed, const audio::OutputConfig& config, const StandInServer& server)
        : feed_(feed), config_(config), server_(server),
          growth_(config.latency, std::max(config.latency, std::chrono::milliseconds(40)), std::chrono::seconds(10)),
          latency_(config.latency)
    {
    }

    ~StandInSink() override
    {
        std::lock_guard guard(Servers().lock);
        auto& open = Servers().open;
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
    }

    bool Start() override
    {
        std::lock_guard guard(Servers().lock);
        Servers().open.push_back(this);
        return true;
    }

    bool Lost() const override { return lost_.load(); }
    audio::SinkInfo Info() const override
    {
        return {server_.name, "stand-in " + config_.streamName, server_.rate,
                static_cast<std::uint32_t>(latency_.load().count() * server_.rate / 1000)};
    }
    void Tend() override
    {
        if (config_.growOnUnderflow && growth_.Observe(underflows_.load(), std::chrono::steady_clock::now()))
            latency_.store(growth_.Wanted());
    }

    const std::string& Stream() const { return config_.streamName; }
    const std::string& Server() const { return server_.name; }
    void Pull(float* out, std::size_t frames) { feed_.Pull(out, frames); }
    void Fail() { lost_.store(true); }
    void Underflow()
    {
        underflows_.fetch_add(1);
        feed_.CountUnderrun();
    }

private:
    audio::Feed& feed_;
    const audio::OutputConfig config_;
    const StandInServer server_;
    audio::BufferGrowth growth_;
    std::atomic<std::chrono::milliseconds> latency_;
    std::atomic<bool> lost_{false};
    std::atomic<std::uint64_t> underflows_{0};
};

std::unique_ptr<audio::Sink> Open(const StandInServer& server, audio::Feed& feed, const audio::OutputConfig& config)
{
    std::this_thread::sleep_for(server.openDelay);
    {
        std::lock_guard guard(Servers().lock);
        if (server.refuses || Servers().killed[server.name]) return nullptr;
    }
    return std::make_unique<StandInSink>(feed, config, server);
}

// Only the stream that is current in its output: a replaced one may linger
// until its keeper closes it.
StandInSink* Find(const std::string& stream)
{
    for (StandInSink* sink : Servers().open)
        if (sink->Stream() == stream && !sink->Lost()) return sink;
    return nullptr;
}

}  // namespace

StandIns::StandIns(std::vector<StandInServer> servers)
{
    std::vector<audio::BackEnd> backEnds;
    {
        std::lock_guard guard(Servers().lock);
        Servers().servers = servers;
        Servers().killed.clear();
    }
    for (const StandInServer& server : servers)
        backEnds.push_back({server.name, [server](audio::Feed& feed, const audio::OutputConfig& config) {
                                return Open(server, feed, config);
                            }});
    audio::SetBackEndsForTests(std::move(backEnds));
}

StandIns::~StandIns() { audio::SetBackEndsForTests({}); }

bool StandIns::Pull(const std::string& stream, float* out, std::size_t frames)
{
    std::lock_guard guard(Servers().lock);
    StandInSink* sink = Find(stream);
    if (!sink) return false;
    sink->Pull(out, frames);
    return true;
}

std::string StandIns::ServerOf(const std::string& stream) const
{
    std::lock_guard guard(Servers().lock);
    StandInSink* sink = Find(stream);
    return sink ? sink->Server() : "";
}

void StandIns::Kill(const std::string& server)
{
    std::lock_guard guard(Servers().lock);
    Servers().killed[server] = true;
    for (StandInSink* sink : Servers().open)
        if (sink->Server() == server) sink->Fail();
}

void StandIns::Revive(const std::string& server)
{
    std::lock_guard guard(Servers().lock);
    Servers().killed[server] = false;
}

void StandIns::Underflow(const std::string& stream)
{
    std::lock_guard guard(Servers().lock);
    if (StandInSink* sink = Find(stream)) sink->Underflow();
}

}  // namespace audio_test
