// A PulseAudio stream on a threaded mainloop of its own. The write callback
// runs on the mainloop's thread, which holds the mainloop's lock around it.
#include <pulse/pulseaudio.h>

#include <thread>

#include "audio/buffer_growth.h"
#include "audio/callback_raiser.h"
#include "audio/server_back_ends.h"

namespace audio {

const char* const kPulseName = "PulseAudio";

namespace {

using Clock = std::chrono::steady_clock;

// A server that neither accepts nor refuses within this long is given up on.
constexpr auto kOpeningPatience = std::chrono::seconds(2);
constexpr auto kLookEvery = std::chrono::milliseconds(2);
// The pads' buffer grows after underflows up to this, and shrinks again
// after this long without one.
constexpr std::chrono::milliseconds kLongestPadsBuffer(40);
constexpr std::chrono::seconds kQuietWhile(10);

constexpr char kApplicationName[] = "Tornel";
constexpr char kIconName[] = "org.tornel.Tornel";

std::uint32_t Bytes(std::chrono::milliseconds length, int rate)
{
    return static_cast<std::uint32_t>(length.count() * rate / 1000 * 2 * sizeof(float));
}

bool Good(pa_context_state_t state) { return state == PA_CONTEXT_READY; }
bool Over(pa_context_state_t state) { return !PA_CONTEXT_IS_GOOD(state); }
bool Good(pa_stream_state_t state) { return state == PA_STREAM_READY; }
bool Over(pa_stream_state_t state) { return !PA_STREAM_IS_GOOD(state); }

class PulseSink : public Sink {
public:
    PulseSink(Feed& feed, const OutputConfig& config)
        : feed_(feed), config_(config), raiser_(config.role),
          growth_(config.latency, std::max(config.latency, kLongestPadsBuffer), kQuietWhile)
    {
    }

    ~PulseSink() override
    {
        if (!loop_) return;
        pa_threaded_mainloop_lock(loop_);
        if (stream_) {
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    bool Open()
    {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_) return false;
        pa_proplist* app = pa_proplist_new();
        pa_proplist_sets(app, PA_PROP_APPLICATION_NAME, kApplicationName);
        pa_proplist_sets(app, PA_PROP_APPLICATION_ID, kIconName);
        pa_proplist_sets(app, PA_PROP_APPLICATION_ICON_NAME, kIconName);
        context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), kApplicationName, app);
        pa_proplist_free(app);
        if (!context_) return false;
        pa_context_set_state_callback(context_, ContextChanged, this);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
        if (pa_threaded_mainloop_start(loop_) < 0) return false;
        if (!WaitFor([this] { return pa_context_get_state(context_); })) return false;
        return OpenStream();
    }

    bool Start() override
    {
        pa_threaded_mainloop_lock(loop_);
        pa_operation* op = pa_stream_cork(stream_, 0, nullptr, nullptr);
        if (op) pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop_);
        return op != nullptr;
    }

    bool Lost() const override { return lost_.load(std::memory_order_relaxed); }

    // With the server fitting its latency to ours, the buffer it granted is
    // the stream's whole latency; its own timing reports lag behind while
    // the sink settles.
    SinkInfo Info() const override
    {
        return {kPulseName, std::string(kApplicationName) + " / " + config_.streamName, config_.rate,
                static_cast<std::uint32_t>(granted_.load(std::memory_order_relaxed) / (2 * sizeof(float)))};
    }

    void Drop() override
    {
        pa_threaded_mainloop_lock(loop_);
        if (pa_operation* op = pa_stream_flush(stream_, nullptr, nullptr)) pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop_);
    }

    // Lengthens the pads' buffer while the server runs dry, and shortens it
    // again once it keeps up.
    void Tend() override
    {
        if (!config_.growOnUnderflow) return;
        if (!growth_.Observe(underflows_.load(std::memory_order_relaxed), Clock::now())) return;
        pa_threaded_mainloop_lock(loop_);
        const pa_buffer_attr attr = Wanted(growth_.Wanted());
        if (pa_operation* op = pa_stream_set_buffer_attr(stream_, &attr, AttrSet, this)) pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop_);
    }

private:
    // Waits, the mainloop running, until `state` is good or over.
    template <typename State>
    bool WaitFor(State state)
    {
        const auto deadline = Clock::now() + kOpeningPatience;
        while (Clock::now() < deadline) {
            pa_threaded_mainloop_lock(loop_);
            const auto now = state();
            pa_threaded_mainloop_unlock(loop_);
            if (Good(now)) return true;
            if (Over(now)) return false;
            std::this_thread::sleep_for(kLookEvery);
        }
        return false;
    }

    pa_buffer_attr Wanted(std::chrono::milliseconds length) const
    {
        pa_buffer_attr attr;
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = Bytes(length, config_.rate);
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(-1);
        return attr;
    }

    bool OpenStream()
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(config_.rate), 2};
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_NAME, config_.streamName.c_str());
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "music");
        pa_proplist_sets(props, PA_PROP_MEDIA_ICON_NAME, kIconName);
        pa_threaded_mainloop_lock(loop_);
        stream_ = pa_stream_new_with_proplist(context_, config_.streamName.c_str(), &spec, nullptr, props);
        pa_proplist_free(props);
        bool connected = false;
        if (stream_) {
            pa_stream_set_state_callback(stream_, StreamChanged, this);
            pa_stream_set_write_callback(stream_, Write, this);
            pa_stream_set_underflow_callback(stream_, Underflow, this);
            const pa_buffer_attr attr = Wanted(config_.latency);
            // The server fits its own latency to ours: what it adds beside our
            // buffer would otherwise be whatever the sink runs at, up to seconds.
            const auto flags =
                pa_stream_flags_t(PA_STREAM_START_CORKED | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
            connected = pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) >= 0;
        }
        pa_threaded_mainloop_unlock(loop_);
        if (!connected || !WaitFor([this] { return pa_stream_get_state(stream_); })) return false;
        RecordGranted();
        return true;
    }

    void RecordGranted()
    {
        pa_threaded_mainloop_lock(loop_);
        if (const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_))
            granted_.store(attr->tlength, std::memory_order_relaxed);
        pa_threaded_mainloop_unlock(loop_);
    }

    static void ContextChanged(pa_context* context, void* self)
    {
        if (Over(pa_context_get_state(context))) static_cast<PulseSink*>(self)->lost_.store(true);
    }

    static void StreamChanged(pa_stream* stream, void* self)
    {
        if (Over(pa_stream_get_state(stream))) static_cast<PulseSink*>(self)->lost_.store(true);
    }

    static void AttrSet(pa_stream* stream, int, void* self)
    {
        if (const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream))
            static_cast<PulseSink*>(self)->granted_.store(attr->tlength, std::memory_order_relaxed);
    }

    static void Underflow(pa_stream*, void* self)
    {
        auto* sink = static_cast<PulseSink*>(self);
        sink->underflows_.fetch_add(1, std::memory_order_relaxed);
        sink->feed_.CountUnderrun();
    }

    // The server's own memory is filled in place.
    static void Write(pa_stream* stream, std::size_t bytes, void* self)
    {
        auto* sink = static_cast<PulseSink*>(self);
        sink->raiser_.Report();
        while (bytes > 0) {
            void* data = nullptr;
            std::size_t length = bytes;
            if (pa_stream_begin_write(stream, &data, &length) < 0 || !data) return;
            const std::size_t frames = length / (2 * sizeof(float));
            if (frames == 0) {
                pa_stream_cancel_write(stream);
                return;
            }
            sink->feed_.Pull(static_cast<float*>(data), frames);
            pa_stream_write(stream, data, frames * 2 * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE);
            bytes -= std::min(bytes, frames * 2 * sizeof(float));
        }
    }

    Feed& feed_;
    const OutputConfig config_;
    CallbackRaiser raiser_;
    BufferGrowth growth_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::atomic<bool> lost_{false};
    std::atomic<std::uint64_t> underflows_{0};
    std::atomic<std::uint32_t> granted_{0};
};

}  // namespace

std::unique_ptr<Sink> OpenPulse(Feed& feed, const OutputConfig& config)
{
    auto sink = std::make_unique<PulseSink>(feed, config);
    if (!sink->Open()) return nullptr;
    return sink;
}

}  // namespace audio
