#include "engine/engine_fixture.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

#include "portable.h"

Sound Ramp(size_t frames) {
    Sound sound;
    for (size_t i = 0; i < frames; ++i)
        sound.pcm.push_back(float(i % 30000 + 1) / 32768.0f);
    return sound;
}

Sound Sine(double hz, double amplitude, size_t frames, int rate) {
    Sound sound;
    sound.rate = rate;
    for (size_t i = 0; i < frames; ++i)
        sound.pcm.push_back(float(amplitude * std::sin(2 * M_PI * hz * double(i) / rate)));
    return sound;
}

std::string TempPath(const std::string& name) {
    // ctest runs tests of this program in parallel processes: each writes its own files.
    return testing::TempDir() + "tornel_engine_" + std::to_string(portable::ProcessId()) + "_" + name;
}

std::string WriteSound(const std::string& name, const Sound& sound, int format) {
    const std::string path = TempPath(name);
    SF_INFO info{};
    info.samplerate = sound.rate;
    info.channels = sound.channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    if (file) {
        sf_writef_float(file, sound.pcm.data(), sf_count_t(sound.pcm.size() / sound.channels));
        sf_close(file);
    }
    return path;
}

std::string WriteWav(const std::string& name, const Sound& sound) {
    return WriteSound(name, sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
}

// The sizes the engine checks, and the only version, channel count, start
// and mode there are.
EngineConfig ConfigRecord() { return EngineConfig{10, 1, 1, 0}; }

PlayRequest PlayRecord(EngineHandle engine, uint32_t channel, EngineHandle sample, uint16_t loops) {
    return PlayRequest{24, engine, channel, sample, 0, 5, loops};
}

void EngineTest::SetUp() { EngineSetOutputLevel(0xFFFFFFFFu); }

void EngineTest::TearDown() {
    EngineCloseChannel(engine_, 0, 1);
    EngineClose(engine_);
    EngineStats stats{};
    EngineGetStats(&stats);
    EXPECT_EQ(stats.engines, 0u);
    EXPECT_EQ(stats.samples, 0u);
    EXPECT_EQ(stats.channels, 0u);
}

void EngineTest::Open(int32_t rate, int32_t deviceRate) {
    EngineConfig config = ConfigRecord();
    engine_ = EngineOpenManual(&config, rate, deviceRate);
    ASSERT_NE(engine_, 0u);
    ASSERT_EQ(EngineOpenChannels(engine_, 8, 2), 0u);
    EngineActivate(engine_, 1);
}

EngineHandle EngineTest::Load(const Sound& sound, const std::string& name) {
    const EngineHandle sample = EngineLoadSample(engine_, WriteWav(name, sound).c_str(), 0, 0);
    EXPECT_NE(sample, 0u);
    return sample;
}

void EngineTest::Play(EngineHandle sample, uint32_t channel, uint16_t loops) {
    const PlayRequest request = PlayRecord(engine_, channel, sample, loops);
    EnginePlay(&request);
}

std::vector<float> EngineTest::Render(size_t frames) {
    std::vector<float> out(2 * frames, 1.0f);
    EngineRender(engine_, out.data(), uint32_t(frames));
    return out;
}

static std::vector<float> Side(const std::vector<float>& stereo, size_t side) {
    std::vector<float> mono;
    for (size_t i = side; i < stereo.size(); i += 2)
        mono.push_back(stereo[i]);
    return mono;
}

std::vector<float> EngineTest::Left(const std::vector<float>& stereo) { return Side(stereo, 0); }
std::vector<float> EngineTest::Right(const std::vector<float>& stereo) { return Side(stereo, 1); }

std::pair<size_t, size_t> SoundingSpan(const std::vector<float>& mono, float threshold) {
    const auto loud = [threshold](float v) { return std::fabs(v) > threshold; };
    const auto first = std::find_if(mono.begin(), mono.end(), loud);
    const auto last = std::find_if(mono.rbegin(), mono.rend(), loud).base();
    if (first == mono.end())
        return {0, 0};
    return {size_t(first - mono.begin()), size_t(last - mono.begin())};
}

float Peak(const std::vector<float>& values, size_t first, size_t last) {
    float peak = 0;
    for (size_t i = first; i < last && i < values.size(); ++i)
        peak = std::max(peak, std::fabs(values[i]));
    return peak;
}
