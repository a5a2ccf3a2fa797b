// How late the A-B repeat's jump lands after point B, with the real device
// playing in real time (null output) and the repeat tick run every 10 ms as
// timer 2 asks.
//
// Method: a short loop (A = 1000 ms, B = 1037 ms) runs for 1000 jumps. A proxy
// in front of the device notes the last position the tick read and, when the
// tick sends its play command, how far past B that position was ("seen") and
// how many frames the output had played since the previous jump ("heard":
// frames beyond B - A, the audio actually played past B before the jump).
// The tick is the console's own (AbRepeatTick); only the 10 ms schedule is
// emulated with sleep_until, as a window timer would deliver it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "cd/timer_ticks.h"
#include "devices/cdaudio/cdaudio.h"
#include "platform/devices.h"
#include "shell/console_state.h"
#include "support/virtual_disc.h"

namespace {

constexpr int kPointA = 1000;
constexpr int kPointB = 1037;  // not a multiple of the 10 ms period, so the phase of B varies
constexpr int kJumps = 1000;
constexpr double kFramesPerMs = 44.1;

class JumpProbe : public win::CommandStringDevice {
public:
    explicit JumpProbe(cdaudio::Device& drive) : drive_(drive) {}
    win::MCIERROR SendString(const char* command, char* reply, win::UINT length) override {
        bool play = std::strncmp(command, "play", 4) == 0;
        if (play && armed_) {
            seen_.push_back(lastPosition_ - kPointB);
            double heard = static_cast<double>(drive_.FramesPlayed() - jumpFrames_) / kFramesPerMs;
            heard_.push_back(heard - (kPointB - kPointA));
        }
        win::MCIERROR result = drive_.SendString(command, reply, length);
        if (std::strcmp(command, "status cdaudio position") == 0) lastPosition_ = std::atoi(reply);
        if (play) {
            jumpFrames_ = drive_.FramesPlayed();
            armed_ = true;
        }
        return result;
    }
    const std::vector<double>& Seen() const { return seen_; }
    const std::vector<double>& Heard() const { return heard_; }
    std::size_t Jumps() const { return heard_.size(); }

private:
    cdaudio::Device& drive_;
    int lastPosition_ = 0;
    std::uint64_t jumpFrames_ = 0;
    bool armed_ = false;
    std::vector<double> seen_;
    std::vector<double> heard_;
};

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

void BM_AbRepeatJumpLateness(benchmark::State& state) {
    VirtualDisc disc({5000});
    cdaudio::Options options;
    options.output = cdaudio::Output::Null;
    options.initialDisc = disc.Folder();
    options.usePhysicalDrive = false;
    std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
    JumpProbe probe(*drive);
    win::InstallCdAudioDevice(&probe);
    ConsoleStateReset();
    for (auto _ : state) {
        g_cdState = CD_PLAYING;
        g_abPointA = kPointA;
        g_abPointB = kPointB;
        probe.SendString("set cdaudio time format milliseconds", nullptr, 0);
        probe.SendString("play cdaudio from 1000 notify", nullptr, 0);
        auto next = std::chrono::steady_clock::now();
        while (probe.Jumps() < kJumps) {
            next += std::chrono::milliseconds(10);
            std::this_thread::sleep_until(next);
            AbRepeatTick();
        }
        probe.SendString("stop cdaudio", nullptr, 0);
    }
    win::InstallCdAudioDevice(nullptr);
    state.counters["heard_p50_ms"] = Percentile(probe.Heard(), 0.50);
    state.counters["heard_p99_ms"] = Percentile(probe.Heard(), 0.99);
    state.counters["heard_max_ms"] = Percentile(probe.Heard(), 1.0);
    state.counters["seen_p50_ms"] = Percentile(probe.Seen(), 0.50);
    state.counters["seen_p99_ms"] = Percentile(probe.Seen(), 0.99);
    state.counters["seen_max_ms"] = Percentile(probe.Seen(), 1.0);
    state.counters["jumps"] = static_cast<double>(probe.Jumps());
}

}  // namespace

BENCHMARK(BM_AbRepeatJumpLateness)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
