#include "scratch.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fuzz {
namespace {

std::string g_dir;

void RemoveScratch()
{
    std::error_code error;
    std::filesystem::remove_all(g_dir, error);
}

}  // namespace

const std::string& ScratchDir()
{
    if (g_dir.empty()) {
        // In memory where there is such a folder: every input is written once.
        std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/tornel-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        g_dir = pattern;
        std::atexit(RemoveScratch);
    }
    return g_dir;
}

std::string WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::string path = ScratchDir() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}

void WriteToneWav(const std::string& path, int frames, int rate, int channels)
{
    std::vector<short> samples(static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<short>(8000.0 * std::sin(0.05 * static_cast<double>(i / channels)));
    }
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
        std::abort();
    }
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
}

}  // namespace fuzz
