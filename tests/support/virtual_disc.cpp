#include "support/virtual_disc.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "portable.h"

namespace {

constexpr int kRate = 44100;

// A 440 Hz tone at a low level, so that a track is not digital silence.
void WriteTrack(const std::string& path, int lengthMs) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_count_t frames = static_cast<sf_count_t>(kRate) * lengthMs / 1000;
    std::vector<short> samples(static_cast<std::size_t>(frames) * 2);
    for (sf_count_t i = 0; i < frames; ++i) {
        short v = static_cast<short>(1000 * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(i) / kRate));
        samples[2 * i] = v;
        samples[2 * i + 1] = v;
    }
    EXPECT_EQ(sf_writef_short(file, samples.data(), frames), frames);
    sf_close(file);
}

}  // namespace

VirtualDisc::VirtualDisc(const std::vector<int>& lengthsMs) {
    folder_ = portable::MakeTempFolder("tornel-disc-");
    if (folder_.empty()) ADD_FAILURE() << "no temporary folder for the disc";
    for (std::size_t i = 0; i < lengthsMs.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%02zu.wav", i + 1);
        WriteTrack(folder_ + "/" + name, lengthsMs[i]);
    }
}

VirtualDisc::~VirtualDisc() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}
