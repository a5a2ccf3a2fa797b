// bench_engine: how soon a play is heard at each speed, how fast seven looping
// pads mix at 1.5x, how long a 10 MB WAV takes to load, what a minute of
// stereo costs, and the time and memory a nine-minute 192 kHz file takes.
#include "engine/engine.h"
#include "engine/engine_output.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kDeviceRate = 44100;

// A stereo 16-bit WAV of `seconds` of two detuned sines at `rate`; the caller
// removes it.
std::string StereoWav(double seconds, int rate) {
    const std::string path = "/tmp/bench_engine_" + std::to_string(int(seconds * 1000)) + "_" +
                             std::to_string(rate) + ".wav";
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    const size_t frames = size_t(seconds * rate);
    std::vector<short> pcm(2 * frames);
    for (size_t i = 0; i < frames; ++i) {
        pcm[2 * i] = short(12000 * std::cos(2 * M_PI * 440.0 * double(i) / rate));
        pcm[2 * i + 1] = short(12000 * std::sin(2 * M_PI * 443.0 * double(i) / rate));
    }
    sf_writef_short(file, pcm.data(), sf_count_t(frames));
    sf_close(file);
    return path;
}

EngineHandle OpenManual(int32_t rate) {
    EngineConfig config{10, 1, 1, 0};
    const EngineHandle engine = EngineOpenManual(&config, rate, kDeviceRate);
    EngineOpenChannels(engine, 8, 2);
    EngineActivate(engine, 1);
    return engine;
}

void CloseAll(EngineHandle engine, const std::vector<EngineHandle>& samples) {
    EngineCloseChannel(engine, 0, 1);
    for (const EngineHandle sample : samples)
        EngineFreeSample(engine, sample);
    EngineClose(engine);
}

// Frames from a play to its first audible frame, as a sound card hears it:
// the play comes at any moment of a 128-frame device block and is taken at the
// next one, over many phases of the request against the engine's own blocks.
// The jitter is the worst less the best.
void BM_PlayToFirstSound(benchmark::State& state) {
    constexpr size_t kDeviceBlock = 128;
    const int32_t rate = int32_t(state.range(0));
    const EngineHandle engine = OpenManual(rate);
    const std::string path = StereoWav(0.1, 44100);
    const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
    std::remove(path.c_str());
    std::vector<float> out(2 * 4096);
    size_t worst = 0, best = SIZE_MAX, total = 0, plays = 0;
    for (auto _ : state) {
        for (size_t block = 0; block < 3 + plays % 17; ++block)
            EngineRender(engine, out.data(), kDeviceBlock);
        const size_t waited = (plays * 37) % kDeviceBlock; // since the play, until this block
        const PlayRequest request{24, engine, 1, sample, 0, 5, 0};
        EnginePlay(&request);
        for (size_t block = 0; block < 16; ++block)
            EngineRender(engine, out.data() + 2 * block * kDeviceBlock, kDeviceBlock);
        size_t first = 0;
        while (first < 2048 && std::fabs(out[2 * first]) < 1e-4f)
            ++first;
        worst = std::max(worst, waited + first);
        best = std::min(best, waited + first);
        total += waited + first;
        ++plays;
        EngineFlushChannel(engine, 1, 2);
        for (size_t block = 0; block < 8; ++block)
            EngineRender(engine, out.data(), kDeviceBlock);
    }
    state.counters["frames_mean"] = double(total) / double(plays);
    state.counters["frames_worst"] = double(worst);
    state.counters["frames_jitter"] = double(worst - best);
    CloseAll(engine, {sample});
}
BENCHMARK(BM_PlayToFirstSound)
    ->Arg(11026)->Arg(13000)->Arg(15500)->Arg(18000)->Arg(20500)->Arg(22050)->Arg(24500)->Arg(27000)
    ->Arg(29500)->Arg(32000)->Arg(33074)->Iterations(256);

// Sixty seconds of output, rendered in device blocks, with seven pads looping.
void BM_MixSevenLoopingPadsAt1_5x(benchmark::State& state) {
    const EngineHandle engine = OpenManual(33074);
    std::vector<EngineHandle> samples;
    for (uint32_t channel = 1; channel <= 7; ++channel) {
        const std::string path = StereoWav(0.5 + 0.1 * channel, 44100);
        samples.push_back(EngineLoadSample(engine, path.c_str(), 0, 0));
        std::remove(path.c_str());
        const PlayRequest request{24, engine, channel, samples.back(), 0, 5, 65535};
        EnginePlay(&request);
    }
    std::vector<float> block(2 * 128);
    const size_t blocks = 60 * kDeviceRate / 128;
    for (auto _ : state)
        for (size_t b = 0; b < blocks; ++b) {
            EngineRender(engine, block.data(), 128);
            benchmark::DoNotOptimize(block.data());
        }
    state.counters["realtime_x"] =
        benchmark::Counter(60.0 * double(state.iterations()), benchmark::Counter::kIsRate);
    CloseAll(engine, samples);
}
BENCHMARK(BM_MixSevenLoopingPadsAt1_5x)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10 MB of 16-bit stereo at 44100 is 59.4 seconds; at 22050 it is resampled.
void BM_LoadTenMegabyteWav(benchmark::State& state) {
    const int rate = int(state.range(0));
    const std::string path = StereoWav(10.0 * 1024 * 1024 / (4.0 * rate), rate);
    const EngineHandle engine = OpenManual(22050);
    for (auto _ : state) {
        const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
        EngineFreeSample(engine, sample);
    }
    std::remove(path.c_str());
    CloseAll(engine, {});
}
BENCHMARK(BM_LoadTenMegabyteWav)->Arg(44100)->Arg(22050)->Unit(benchmark::kMillisecond);

void BM_MemoryPerMinuteOfStereo(benchmark::State& state) {
    const EngineHandle engine = OpenManual(22050);
    const std::string path = StereoWav(60.0, int(state.range(0)));
    EngineStats stats{};
    for (auto _ : state) {
        const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
        EngineGetStats(&stats);
        EngineFreeSample(engine, sample);
    }
    state.counters["MB_per_minute"] = double(stats.sampleBytes) / 1e6;
    std::remove(path.c_str());
    CloseAll(engine, {});
}
BENCHMARK(BM_MemoryPerMinuteOfStereo)->Arg(44100)->Arg(22050)->Unit(benchmark::kMillisecond)->Iterations(3);

// The process's resident and peak resident memory in bytes, from the kernel.
size_t MemoryLine(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name, 0) == 0)
            return size_t(std::stoull(line.substr(std::strlen(name)))) * 1024;
    return 0;
}

// Starts a new peak: the kernel sets the peak back to what is resident now.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Nine minutes of 192 kHz 16-bit stereo: 207 MB stored, 95 MB once loaded.
void BM_LoadNineMinutesAt192kHz(benchmark::State& state) {
    const std::string path = "/tmp/bench_engine_9min_192k.wav";
    SF_INFO info{};
    info.samplerate = 192000;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<short> second(2 * 192000);
    for (size_t i = 0; i < 192000; ++i)
        second[2 * i] = second[2 * i + 1] = short(12000 * std::sin(2 * M_PI * 440.0 * double(i) / 192000));
    for (int s = 0; s < 540; ++s)
        sf_writef_short(file, second.data(), 192000);
    sf_close(file);
    const EngineHandle engine = OpenManual(22050);
    size_t overSample = 0, stored = 0, grown = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const size_t before = MemoryLine("VmRSS:");
        const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
        const size_t peak = MemoryLine("VmHWM:");
        EngineStats stats{};
        EngineGetStats(&stats);
        stored = size_t(stats.sampleBytes);
        grown = std::max(grown, peak - before);
        overSample = std::max(overSample, peak - before - std::min(peak - before, stored));
        EngineFreeSample(engine, sample);
    }
    state.counters["sample_MB"] = double(stored) / 1e6;
    state.counters["load_peak_MB"] = double(grown) / 1e6;
    state.counters["peak_over_sample_MB"] = double(overSample) / 1e6;
    std::remove(path.c_str());
    CloseAll(engine, {});
}
BENCHMARK(BM_LoadNineMinutesAt192kHz)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
