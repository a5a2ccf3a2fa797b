// The soak: the console on the headless host for an hour of real time (or
// SOAK_SECONDS, or the first argument), with the drive and the engine on
// their real-time null outputs. A restless user plays the disc, the pads,
// A-B repeats and random keys; at the end the resident memory after warm-up
// is compared with the memory at the end (goal: at most 1 MB more), and the
// drive's reported position with the frames it played (goal: no drift).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "drive_watch.h"
#include "engine/engine_output.h"
#include "platform/devices.h"
#include "soak_user.h"
#include "support/console_session.h"
#include "support/sample_files.h"

namespace {

constexpr double kDefaultSeconds = 3600;
constexpr long kGrowthGoalKb = 1024;
constexpr std::uint64_t kProbeEveryMs = 200;
constexpr auto kIdle = std::chrono::milliseconds(5);
constexpr std::uint32_t kSeed = 20261207;

double g_seconds = kDefaultSeconds;
cdaudio::Device* g_drive = nullptr;  // the level sink is a plain function

void SetCdLevel(win::DWORD level) { g_drive->SetLevel(level); }

long ResidentKb() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The demo samples copied into the folder.
std::vector<std::string> PadSamples(const SampleFolder& folder) {
    std::vector<std::string> samples;
    for (const char* name : {"KICK.WAV", "SNARE.WAV", "HIHAT.WAV", "STAB.WAV", "RISER.WAV"}) {
        std::error_code failed;
        std::filesystem::copy_file(std::string(TORNEL_DEMO_SAMPLES_DIR) + "/" + name, folder.File(name), failed);
        if (!failed) samples.push_back(folder.File(name));
    }
    return samples;
}

struct SoakFigures {
    long rssStartKb = 0, rssEndKb = 0, rssPeakKb = 0;
    double seconds = 0;
};

// Drives the console from the real clock until `endMs`: the host's virtual
// time follows the elapsed milliseconds, so its timers fire as they would.
class RealTimeRun {
public:
    RealTimeRun(headless::Session& host, SoakUser& user, DriveWatch& watch)
        : host_(host), user_(user), watch_(watch), start_(std::chrono::steady_clock::now()) {}

    void Until(std::uint64_t endMs, SoakFigures& figures) {
        for (std::uint64_t now = Elapsed(); now < endMs; now = Elapsed()) {
            std::this_thread::sleep_for(kIdle);
            host_.Advance(static_cast<win::DWORD>(now - clockMs_));
            clockMs_ = now;
            user_.Step(now);
            if (now >= nextProbe_) {
                watch_.Probe();
                nextProbe_ = now + kProbeEveryMs;
                figures.rssPeakKb = std::max(figures.rssPeakKb, ResidentKb());
            }
            host_.ClearCalls();  // the host logs every call; an hour of them is not the program's memory
        }
    }

private:
    std::uint64_t Elapsed() const {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now() - start_)
                                              .count());
    }

    headless::Session& host_;
    SoakUser& user_;
    DriveWatch& watch_;
    std::chrono::steady_clock::time_point start_;
    std::uint64_t clockMs_ = 0;
    std::uint64_t nextProbe_ = 0;
};

void PrintSummary(const SoakFigures& f, const DriftFigures& d, const SoakCounts& c) {
    const long growth = f.rssEndKb - f.rssStartKb;
    std::printf("\n=== soak: %.0f s of real-time play ===\n", f.seconds);
    std::printf("resident memory  start %ld kB (after warm-up), end %ld kB, peak %ld kB\n", f.rssStartKb, f.rssEndKb,
                f.rssPeakKb);
    std::printf("memory growth    %+ld kB (goal <= %ld kB): %s\n", growth, kGrowthGoalKb,
                growth <= kGrowthGoalKb ? "met" : "MISSED");
    std::printf("position drift   %lld frames over %llu quiet stretches (%.1f s of play); worst stretch %+lld frames\n",
                static_cast<long long>(d.totalDrift), static_cast<unsigned long long>(d.stretches),
                static_cast<double>(d.framesCompared) / 44100.0, static_cast<long long>(d.worstDrift));
    std::printf("                 stretches off by more than the 1 ms reading: %llu (goal 0): %s; torn reads %llu\n",
                static_cast<unsigned long long>(d.beyondReading), d.beyondReading == 0 ? "met" : "MISSED",
                static_cast<unsigned long long>(d.tornReads));
    EngineStats engine{};
    EngineGetStats(&engine);
    std::printf("pads             %u samples loaded at the end\n", engine.samples);
    std::printf("underruns        pads %llu, disc %llu (goal 0)\n", static_cast<unsigned long long>(engine.underruns),
                static_cast<unsigned long long>(g_drive->OutputState().underruns));
    std::printf("user             %llu key strokes, %llu A-B repeats, %llu jumps, %llu pad reloads, %llu replays\n\n",
                static_cast<unsigned long long>(c.keyStrokes), static_cast<unsigned long long>(c.abRepeats),
                static_cast<unsigned long long>(c.jumps), static_cast<unsigned long long>(c.padReloads),
                static_cast<unsigned long long>(c.replays));
    std::fflush(stdout);
}

void BM_Soak(benchmark::State& state) {
    for (auto _ : state) {
        SampleFolder folder;
        cdaudio::Options options;
        options.output = cdaudio::Output::Null;
        options.initialDisc = TORNEL_DEMO_DISC;
        options.usePhysicalDrive = false;
        std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
        DriveWatch watch(*drive);
        ConsoleSession console({.device = &watch});
        g_drive = drive.get();
        win::SetCdLevelSink(SetCdLevel);
        win::SetWaveLevelSink(EngineSetOutputLevel);

        SoakUser user(console.host, PadSamples(folder), kSeed);
        user.Start();
        RealTimeRun run(console.host, user, watch);
        SoakFigures figures;
        const auto totalMs = static_cast<std::uint64_t>(g_seconds * 1000);
        run.Until(std::clamp<std::uint64_t>(totalMs / 10, 5000, 120000), figures);
        figures.rssStartKb = ResidentKb();
        run.Until(totalMs, figures);
        figures.rssEndKb = ResidentKb();
        figures.rssPeakKb = std::max(figures.rssPeakKb, figures.rssEndKb);
        figures.seconds = static_cast<double>(totalMs) / 1000;

        const DriftFigures drift = watch.Figures();
        PrintSummary(figures, drift, user.Counts());
        state.counters["rss_start_kB"] = static_cast<double>(figures.rssStartKb);
        state.counters["rss_end_kB"] = static_cast<double>(figures.rssEndKb);
        state.counters["rss_growth_kB"] = static_cast<double>(figures.rssEndKb - figures.rssStartKb);
        state.counters["drift_frames"] = static_cast<double>(drift.totalDrift);
        state.counters["worst_stretch_frames"] = static_cast<double>(drift.worstDrift);
        state.counters["stretches_off"] = static_cast<double>(drift.beyondReading);
        EngineStats engine{};
        EngineGetStats(&engine);
        state.counters["pad_underruns"] = static_cast<double>(engine.underruns);
        state.counters["disc_underruns"] = static_cast<double>(drive->OutputState().underruns);

        win::SetCdLevelSink(nullptr);
        win::SetWaveLevelSink(nullptr);
        g_drive = nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("TORNEL_NULL_AUDIO", "1", 1);  // the engine never reaches for a sound card here
    benchmark::Initialize(&argc, argv);
    if (argc > 1) {
        g_seconds = std::atof(argv[1]);
        argc = 1;
    } else if (const char* seconds = std::getenv("SOAK_SECONDS")) {
        g_seconds = std::atof(seconds);
    }
    if (g_seconds <= 0) g_seconds = kDefaultSeconds;
    benchmark::RegisterBenchmark("Soak", BM_Soak)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
