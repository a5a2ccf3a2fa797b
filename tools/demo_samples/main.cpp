// demo_samples_render <folder>: writes the demo pad samples into <folder> as
// 16-bit mono WAV files with short upper-case names.
#include "voices.h"

#include <sndfile.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct PadSample {
    const char* name;
    std::vector<float> (*make)();
};

bool Save(const std::string& path, const std::vector<float>& pcm) {
    SF_INFO info{};
    info.samplerate = demo_samples::kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    sf_command(file, SFC_SET_DITHER_ON_WRITE, nullptr, SF_FALSE); // deterministic bytes
    const bool written = sf_write_float(file, pcm.data(), sf_count_t(pcm.size())) == sf_count_t(pcm.size());
    return sf_close(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    const PadSample samples[] = {{"KICK.WAV", demo_samples::Kick},   {"SNARE.WAV", demo_samples::Snare},
                                 {"HIHAT.WAV", demo_samples::HiHat}, {"STAB.WAV", demo_samples::Stab},
                                 {"RISER.WAV", demo_samples::Riser}};
    for (const PadSample& sample : samples) {
        const std::string path = std::string(argv[1]) + "/" + sample.name;
        if (!Save(path, sample.make())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
