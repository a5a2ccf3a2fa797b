// demo_disc_render <folder>: writes the demo disc's tracks into <folder>.
#include <sndfile.h>

#include <cstdio>
#include <filesystem>

#include "synth.h"

namespace {

bool Write(const std::string& path, const std::vector<float>& samples)
{
    SF_INFO info{};
    info.samplerate = demo_disc::kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    // Same bytes every build: no dither, no date in the header.
    sf_command(file, SFC_SET_DITHER_ON_WRITE, nullptr, SF_FALSE);
    sf_count_t frames = static_cast<sf_count_t>(samples.size() / 2);
    bool ok = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    // A minor, F, C, G: the same loop at three tempos and moods.
    const std::vector<std::vector<int>> pop = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};
    const std::vector<std::vector<int>> dark = {{50, 53, 57}, {50, 53, 57}, {46, 50, 53}, {45, 49, 52}};
    const demo_disc::Song songs[] = {
        {"01-first-light", 120, 12, "x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.",
         {33, 33, 45, 33, 29, 29, 41, 29, 24, 24, 36, 24, 31, 31, 43, 31}, pop, 0.05},
        {"02-night-drive", 100, 10, "x..x..x...x.....", "....x.......x..x", "..x...x...x...x.",
         {38, 0, 38, 50, 38, 0, 36, 38}, dark, 0.0},
        {"03-tin-robots", 128, 14, "x...x...x...x...", "....x.......x...", "xxxxxxxxxxxxxxxx",
         {45, 57, 45, 57, 41, 53, 41, 53, 36, 48, 36, 48, 43, 55, 43, 55}, pop, 0.07},
    };
    for (const demo_disc::Song& song : songs) {
        std::string path = std::string(argv[1]) + "/" + song.name + ".wav";
        if (!Write(path, demo_disc::Render(song))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
