#include "support/sample_files.h"

#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "portable.h"

SampleFolder::SampleFolder() : path_(portable::MakeTempFolder("tn")) {}

SampleFolder::~SampleFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string SampleFolder::File(const std::string& name) const { return path_ + "/" + name; }

std::string SampleFolder::Wav(const std::string& name, int frames, int rate) const {
    const std::string path = File(name);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return path;
    std::vector<short> tone(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        tone[static_cast<std::size_t>(i)] = static_cast<short>(3000 * std::sin(i * 2 * M_PI * 440 / rate));
    }
    sf_write_short(file, tone.data(), frames);
    sf_close(file);
    return path;
}

std::string SampleFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
