// A manual engine driven by the test, and generated sound files to load.
#pragma once

#include "engine/engine.h"
#include "engine/engine_output.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// Interleaved frames in [-1, 1]; `channels` per frame.
struct Sound {
    std::vector<float> pcm;
    int channels = 1;
    int rate = 44100;
};

Sound Ramp(size_t frames);                                   // 1, 2, 3 ... in 16-bit steps
Sound Sine(double hz, double amplitude, size_t frames, int rate);

// A file name in the temporary folder that no other test process uses.
std::string TempPath(const std::string& name);
// Writes `sound` as a file of libsndfile `format` in the test's temp dir.
std::string WriteSound(const std::string& name, const Sound& sound, int format);
std::string WriteWav(const std::string& name, const Sound& sound);

// The engine's records as the console fills them in: a test names only what
// it varies.
EngineConfig ConfigRecord();
// Plays `sample` on `channel` `loops` + 1 times.
PlayRequest PlayRecord(EngineHandle engine, uint32_t channel, EngineHandle sample, uint16_t loops = 0);

class EngineTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a manual engine at output rate `rate`, activated, channels 1..7 open.
    void Open(int32_t rate, int32_t deviceRate = 44100);
    EngineHandle Load(const Sound& sound, const std::string& name = "pad.wav");
    void Play(EngineHandle sample, uint32_t channel = 1, uint16_t loops = 0);
    // `frames` stereo frames of output.
    std::vector<float> Render(size_t frames);
    static std::vector<float> Left(const std::vector<float>& stereo);
    static std::vector<float> Right(const std::vector<float>& stereo);

    EngineHandle engine_ = 0;
};

// Index of the first and one past the last frame whose magnitude exceeds `threshold`.
std::pair<size_t, size_t> SoundingSpan(const std::vector<float>& mono, float threshold);
float Peak(const std::vector<float>& values, size_t first, size_t last);
