// JACK: one client for the whole process, shared by its outputs, each with
// a stereo pair of ports. The process callback runs on JACK's thread and
// walks a fixed table of attached outputs.
#include <jack/jack.h>

#include <array>
#include <mutex>
#include <thread>

#include "audio/callback_raiser.h"
#include "audio/library_messages.h"
#include "audio/server_back_ends.h"

namespace audio {

const char* const kJackName = "JACK";

namespace {

constexpr char kClientName[] = "Tornel";
constexpr std::size_t kMostOutputs = 4;
// The scratch an output deinterleaves from; periods are far shorter.
constexpr std::size_t kMostPeriodFrames = 8192;

class JackPorts;

// Over the client's opening and its ports' registration and connection:
// two outputs' keepers doing these at once on one client confuse libjack.
std::mutex g_clientLock;

class JackClient {
public:
    // The process's client: the living one, or a new one when there is none
    // or the last one's server went away. Null without a running server.
    static std::shared_ptr<JackClient> Get();

    ~JackClient()
    {
        jack_deactivate(client_);
        jack_client_close(client_);
    }

    jack_client_t* Handle() const { return client_; }
    bool Gone() const { return gone_.load(); }

    bool Attach(JackPorts* ports)
    {
        for (auto& slot : slots_) {
            JackPorts* none = nullptr;
            if (slot.compare_exchange_strong(none, ports)) return true;
        }
        return false;
    }

    // Once it returns the process callback no longer reaches `ports`.
    void Detach(JackPorts* ports)
    {
        for (auto& slot : slots_) {
            JackPorts* mine = ports;
            slot.compare_exchange_strong(mine, nullptr);
        }
        while (inProcess_.load(std::memory_order_seq_cst) != 0) std::this_thread::yield();
    }

private:
    explicit JackClient(jack_client_t* client) : client_(client) {}
    static int Process(jack_nframes_t frames, void* self);
    static int Xrun(void* self);
    static void Shutdown(void* self) { static_cast<JackClient*>(self)->gone_.store(true); }

    jack_client_t* const client_;
    std::atomic<bool> gone_{false};
    std::atomic<int> inProcess_{0};
    std::array<std::atomic<JackPorts*>, kMostOutputs> slots_{};
};

class JackPorts : public Sink {
public:
    JackPorts(Feed& feed, const OutputConfig& config, std::shared_ptr<JackClient> client)
        : feed_(feed), config_(config), client_(std::move(client)), raiser_(config.role),
          scratch_(2 * kMostPeriodFrames)
    {
    }

    ~JackPorts() override
    {
        client_->Detach(this);
        std::lock_guard guard(g_clientLock);
        if (client_->Gone()) return;
        for (jack_port_t* port : ports_)
            if (port) jack_port_unregister(client_->Handle(), port);
    }

    bool Register()
    {
        std::lock_guard guard(g_clientLock);
        const char* sides[2] = {"_left", "_right"};
        for (int i = 0; i < 2; ++i) {
            names_[i] = config_.portPrefix + sides[i];
            ports_[i] = jack_port_register(client_->Handle(), names_[i].c_str(), JACK_DEFAULT_AUDIO_TYPE,
                                           JackPortIsOutput | JackPortIsTerminal, 0);
            if (!ports_[i]) return false;
        }
        return jack_get_buffer_size(client_->Handle()) <= kMostPeriodFrames;
    }

    // The ports play once attached; they are connected to the system's
    // playback ports when it has any.
    bool Start() override
    {
        if (!client_->Attach(this)) return false;
        std::lock_guard guard(g_clientLock);
        if (const char** playback = jack_get_ports(client_->Handle(), nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                                   JackPortIsPhysical | JackPortIsInput)) {
            for (int i = 0; i < 2 && playback[i]; ++i) jack_connect(client_->Handle(), jack_port_name(ports_[i]), playback[i]);
            jack_free(playback);
        }
        return true;
    }

    bool Lost() const override { return client_->Gone(); }

    SinkInfo Info() const override
    {
        jack_latency_range_t range{0, 0};
        if (!client_->Gone()) jack_port_get_latency_range(ports_[0], JackPlaybackLatency, &range);
        const std::uint32_t period = client_->Gone() ? 0 : jack_get_buffer_size(client_->Handle());
        return {kJackName, std::string(kClientName) + ":" + names_[0] + " " + kClientName + ":" + names_[1],
                client_->Gone() ? 0 : static_cast<int>(jack_get_sample_rate(client_->Handle())),
                std::max<std::uint32_t>(range.max, period)};
    }

    void CountUnderrun() { feed_.CountUnderrun(); }

    void Process(jack_nframes_t frames)
    {
        raiser_.Report();
        auto* left = static_cast<float*>(jack_port_get_buffer(ports_[0], frames));
        auto* right = static_cast<float*>(jack_port_get_buffer(ports_[1], frames));
        feed_.Pull(scratch_.data(), frames);
        for (jack_nframes_t i = 0; i < frames; ++i) {
            left[i] = scratch_[2 * i];
            right[i] = scratch_[2 * i + 1];
        }
    }

private:
    Feed& feed_;
    const OutputConfig config_;
    const std::shared_ptr<JackClient> client_;
    CallbackRaiser raiser_;
    std::vector<float> scratch_;
    std::array<jack_port_t*, 2> ports_{};
    std::array<std::string, 2> names_;
};

std::weak_ptr<JackClient> g_client;

std::shared_ptr<JackClient> JackClient::Get()
{
    std::lock_guard guard(g_clientLock);
    std::shared_ptr<JackClient> client = g_client.lock();
    if (client && !client->Gone()) return client;
    jack_status_t status;
    jack_client_t* handle = jack_client_open(kClientName, JackNoStartServer, &status);
    if (!handle) return nullptr;
    client.reset(new JackClient(handle));
    jack_set_process_callback(handle, Process, client.get());
    jack_set_xrun_callback(handle, Xrun, client.get());
    jack_on_shutdown(handle, Shutdown, client.get());
    if (jack_activate(handle) != 0) return nullptr;
    g_client = client;
    return client;
}

int JackClient::Process(jack_nframes_t frames, void* self)
{
    auto* client = static_cast<JackClient*>(self);
    client->inProcess_.fetch_add(1, std::memory_order_seq_cst);
    for (auto& slot : client->slots_)
        if (JackPorts* ports = slot.load(std::memory_order_seq_cst)) ports->Process(frames);
    client->inProcess_.fetch_sub(1, std::memory_order_seq_cst);
    return 0;
}

// The server missed a cycle: every output of the client was late.
int JackClient::Xrun(void* self)
{
    auto* client = static_cast<JackClient*>(self);
    client->inProcess_.fetch_add(1, std::memory_order_seq_cst);
    for (auto& slot : client->slots_)
        if (JackPorts* ports = slot.load(std::memory_order_seq_cst)) ports->CountUnderrun();
    client->inProcess_.fetch_sub(1, std::memory_order_seq_cst);
    return 0;
}

}  // namespace

std::unique_ptr<Sink> OpenJack(Feed& feed, const OutputConfig& config)
{
    SilenceLibraryMessages();
    std::shared_ptr<JackClient> client = JackClient::Get();
    if (!client) return nullptr;
    auto ports = std::make_unique<JackPorts>(feed, config, std::move(client));
    if (!ports->Register()) return nullptr;
    return ports;
}

}  // namespace audio
