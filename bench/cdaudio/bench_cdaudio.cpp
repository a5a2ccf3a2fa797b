// Round trips of the console's commands on a folder disc and on a BIN/CUE
// image, with the worker thread and the real-time null output running; and
// how far the reported position strays from the frames the output took.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "devices/cdaudio/cdaudio.h"

namespace {

constexpr int kTracks = 3;
constexpr std::uint64_t kTrackFrames = 588 * 75 * 10;  // 10 s

std::vector<std::int16_t> Tone(int track)
{
    std::vector<std::int16_t> samples(kTrackFrames * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>((i * (track + 3)) % 20000);
    return samples;
}

// A folder disc and the same audio as "disc.bin" under "disc.cue".
struct BenchDiscs {
    std::string folder;
    std::string cue;

    BenchDiscs()
    {
        std::string root = std::filesystem::temp_directory_path().string() + "/tornel-bench-cdaudio";
        folder = root + "/folder";
        cue = root + "/image/disc.cue";
        std::filesystem::create_directories(folder);
        std::filesystem::create_directories(root + "/image");
        std::ofstream bin(root + "/image/disc.bin", std::ios::binary);
        std::ofstream sheet(cue);
        sheet << "FILE \"disc.bin\" BINARY\n";
        for (int t = 1; t <= kTracks; ++t) {
            std::vector<std::int16_t> samples = Tone(t);
            SF_INFO info{};
            info.samplerate = 44100;
            info.channels = 2;
            info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
            std::string path = folder + "/0" + std::to_string(t) + ".wav";
            SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
            sf_writef_short(file, samples.data(), static_cast<sf_count_t>(kTrackFrames));
            sf_close(file);
            bin.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
            sheet << "  TRACK 0" << t << " AUDIO\n    INDEX 01 00:" << (t - 1) * 10 << ":00\n";
        }
    }
};

const BenchDiscs& Discs()
{
    static BenchDiscs discs;
    return discs;
}

std::unique_ptr<cdaudio::Device> Open(const std::string& disc, cdaudio::Output output)
{
    setenv("TORNEL_NULL_AUDIO", "1", 1);
    cdaudio::Options options;
    options.output = output;
    options.usePhysicalDrive = false;
    options.initialDisc = disc;
    std::unique_ptr<cdaudio::Device> device = cdaudio::CreateDevice(options);
    device->SendString("set cdaudio time format milliseconds", nullptr, 0);
    return device;
}

const std::string& DiscFor(const benchmark::State& state)
{
    return state.range(0) == 0 ? Discs().folder : Discs().cue;
}

void BM_StatusPosition(benchmark::State& state)
{
    auto device = Open(DiscFor(state), cdaudio::Output::Null);
    char reply[100];
    device->SendString("play cdaudio from 1000 notify", reply, sizeof reply);
    for (auto _ : state) {
        device->SendString("status cdaudio position", reply, sizeof reply);
        benchmark::DoNotOptimize(reply);
    }
}

void BM_Seek(benchmark::State& state)
{
    auto device = Open(DiscFor(state), cdaudio::Output::Null);
    char reply[100];
    int i = 0;
    for (auto _ : state) {
        std::string command = "seek cdaudio to " + std::to_string((i++ % 25) * 1000);
        device->SendString(command.c_str(), reply, sizeof reply);
    }
}

void BM_Play(benchmark::State& state)
{
    auto device = Open(DiscFor(state), cdaudio::Output::Null);
    char reply[100];
    int i = 0;
    for (auto _ : state) {
        std::string command = "play cdaudio from " + std::to_string((i++ % 25) * 1000) + " notify";
        device->SendString(command.c_str(), reply, sizeof reply);
    }
}

// From "play" until the null output has taken the first frames of the new
// place: the worker's read plus at most one 10 ms tick of the output.
void BM_PlayUntilHeard(benchmark::State& state)
{
    auto device = Open(DiscFor(state), cdaudio::Output::Null);
    char reply[100];
    int i = 0;
    for (auto _ : state) {
        int from = (i++ % 25) * 1000;
        device->SendString(("play cdaudio from " + std::to_string(from) + " notify").c_str(), reply, sizeof reply);
        do {
            device->SendString("status cdaudio position", reply, sizeof reply);
        } while (std::atoi(reply) == from);
    }
}

// Virtual output: after every step the reply must be the milliseconds of
// exactly the frames taken since the play; the counter is the largest miss
// in frames.
void BM_PositionVersusFramesPlayed(benchmark::State& state)
{
    auto device = Open(DiscFor(state), cdaudio::Output::Virtual);
    char reply[100];
    std::uint64_t worst = 0;
    std::uint64_t step = 1;
    for (auto _ : state) {
        device->SendString("play cdaudio from 1234 notify", reply, sizeof reply);
        std::uint64_t start = (1234 * 44100 + 999) / 1000;
        std::uint64_t before = device->FramesPlayed();
        for (int k = 0; k < 20; ++k) {
            step = step * 6364136223846793005ull + 1442695040888963407ull;
            device->AdvanceVirtualOutput(static_cast<std::uint32_t>(step >> 54));  // up to 1023 frames
            device->SendString("status cdaudio position", reply, sizeof reply);
            std::uint64_t expectedMs = (start + device->FramesPlayed() - before) * 1000 / 44100;
            std::uint64_t reportedMs = std::strtoull(reply, nullptr, 10);
            std::uint64_t miss = reportedMs > expectedMs ? reportedMs - expectedMs : expectedMs - reportedMs;
            worst = std::max(worst, miss * 44100 / 1000);
        }
    }
    state.counters["worst_miss_frames"] = static_cast<double>(worst);
}

}  // namespace

BENCHMARK(BM_StatusPosition)->Arg(0)->Arg(1)->ArgName("image")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Seek)->Arg(0)->Arg(1)->ArgName("image")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Play)->Arg(0)->Arg(1)->ArgName("image")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayUntilHeard)->Arg(0)->Arg(1)->ArgName("image")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PositionVersusFramesPlayed)->Arg(0)->Arg(1)->ArgName("image")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
