// Key to sound at the server, through PulseAudio (a private server with a
// null sink) and JACK (dummy driver, 256-frame periods): a key sets a click
// going at the renderer's next block, as the engine's queue does; the time
// until the callback rendered it plus the latency the server then reports is
// when the server plays it. Then each server is killed and started again
// while both outputs play, and the time from the server accepting clients to
// both outputs sounding on it is taken.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "audio/back_end.h"
#include "audio/output.h"
#include "sound_servers.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kKeys = 100;
constexpr int kRestarts = 5;

class Click : public audio::Source {
public:
    void Render(void* out, std::size_t frames) override
    {
        auto* samples = static_cast<float*>(out);
        const bool armed = armed_.exchange(false, std::memory_order_acq_rel);
        for (std::size_t i = 0; i < 2 * frames; ++i) samples[i] = armed && i < 2 ? 0.9f : 0.0f;
        if (armed) renderedAt_.store(Clock::now().time_since_epoch().count(), std::memory_order_release);
    }
    void Press() { armed_.store(true, std::memory_order_release); }
    bool Rendered(Clock::time_point& at)
    {
        const auto ticks = renderedAt_.exchange(0, std::memory_order_acq_rel);
        at = Clock::time_point(Clock::duration(ticks));
        return ticks != 0;
    }

private:
    std::atomic<bool> armed_{false};
    std::atomic<Clock::rep> renderedAt_{0};
};

audio::OutputConfig Pads() { return {}; }
// The disc's buffer and names, with the float frames this benchmark's sources render.
audio::OutputConfig Disc()
{
    audio::OutputConfig config = audio::DiscOutputConfig();
    config.format = audio::SampleFormat::Float32;
    return config;
}

void UseOnly(const char* backEnd)
{
    for (const audio::BackEnd& candidate : audio::SystemBackEnds())
        if (candidate.name == backEnd) audio::SetBackEndsForTests({candidate});
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::seconds patience)
{
    const auto deadline = Clock::now() + patience;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * double(values.size())))];
}

void KeyToSound(const char* backEnd)
{
    UseOnly(backEnd);
    Click click;
    audio::Output output(Pads(), click);
    output.Start();
    if (!WaitUntil([&] { return output.OnServer(); }, 10s)) {
        std::printf("%-10s key to sound: the output never opened\n", backEnd);
        return;
    }
    std::this_thread::sleep_for(1s);  // the server settles its latency
    std::mt19937 random(20261208);
    std::vector<double> ms;
    for (int key = 0; key < kKeys; ++key) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 30));
        const auto pressed = Clock::now();
        click.Press();
        Clock::time_point rendered;
        if (!WaitUntil([&] { return click.Rendered(rendered); }, 2s)) continue;
        const double latency = output.State().latencyMs;
        ms.push_back(std::chrono::duration<double, std::milli>(rendered - pressed).count() + latency);
    }
    const audio::OutputState state = output.State();
    std::printf("%-10s key to sound at the server: median %.1f ms, 95th percentile %.1f ms over %zu keys "
                "(server latency now %.1f ms, %d Hz, underruns %llu, %s)\n",
                backEnd, Percentile(ms, 0.5), Percentile(ms, 0.95), ms.size(), state.latencyMs, state.rate,
                static_cast<unsigned long long>(state.underruns), state.scheduling.c_str());
}

template <typename Server>
void Restarts(const char* backEnd, Server& server, const std::function<bool()>& start)
{
    UseOnly(backEnd);
    Click pads, disc;
    audio::Output padsOutput(Pads(), pads), discOutput(Disc(), disc);
    padsOutput.Start();
    discOutput.Start();
    std::vector<double> ms;
    for (int round = 0; round < kRestarts; ++round) {
        if (!WaitUntil([&] { return padsOutput.OnServer() && discOutput.OnServer(); }, 10s)) break;
        server.Kill();
        if (!WaitUntil([&] { return !padsOutput.OnServer() && !discOutput.OnServer(); }, 10s)) break;
        if (!start()) break;
        const auto accepted = Clock::now();
        if (!WaitUntil([&] { return padsOutput.OnServer() && discOutput.OnServer(); }, 10s)) break;
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - accepted).count());
    }
    std::printf("%-10s restart to both outputs sounding: median %.0f ms, worst %.0f ms over %zu restarts "
                "(goal < 1000 ms)\n",
                backEnd, Percentile(ms, 0.5), Percentile(ms, 1.0), ms.size());
}

}  // namespace

int main()
{
    std::printf("\n=== the sound output on private servers ===\n");
    {
        audio_test::PulseServer pulse;
        if (pulse.Start()) {
            KeyToSound("PulseAudio");
            Restarts("PulseAudio", pulse, [&] { return pulse.Start(); });
        } else {
            std::printf("PulseAudio: no server could be started\n");
        }
    }
    {
        audio_test::JackServer jack;
        if (jack.Start(48000, 256)) {
            KeyToSound("JACK");
            Restarts("JACK", jack, [&] { return jack.Start(48000, 256); });
        } else {
            std::printf("JACK: no server could be started\n");
        }
    }
    audio::SetBackEndsForTests({});
    std::printf("\n");
    return 0;
}
