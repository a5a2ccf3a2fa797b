#include "cdaudio/disc_fixture.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "portable.h"

namespace cdaudio_test {
namespace {

constexpr std::uint64_t kSector = 588;

std::string Msf(std::uint64_t frames)
{
    std::uint64_t sectors = frames / kSector;
    char text[32];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu", static_cast<unsigned long long>(sectors / 4500),
                  static_cast<unsigned long long>(sectors / 75 % 60), static_cast<unsigned long long>(sectors % 75));
    return text;
}

std::string CueSheet(const std::string& file, const std::string& type, const std::vector<std::uint64_t>& lengths)
{
    std::string cue = "FILE \"" + file + "\" " + type + "\n";
    std::uint64_t start = 0;
    for (std::size_t t = 0; t < lengths.size(); ++t) {
        char number[24];
        std::snprintf(number, sizeof number, "%02zu", t + 1);
        cue += std::string("  TRACK ") + number + " AUDIO\n    INDEX 01 " + Msf(start) + "\n";
        start += lengths[t];
    }
    return cue;
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

std::vector<std::int16_t> WholeDisc(const std::vector<std::uint64_t>& lengths)
{
    std::vector<std::int16_t> all;
    for (std::size_t t = 0; t < lengths.size(); ++t) {
        std::vector<std::int16_t> track = SignedTrack(static_cast<int>(t + 1), lengths[t]);
        all.insert(all.end(), track.begin(), track.end());
    }
    return all;
}

std::int16_t Signature(int track, std::uint64_t frame)
{
    return static_cast<std::int16_t>(track * 1000 + static_cast<int>(frame % 997));
}

TempDir::TempDir()
{
    path_ = portable::MakeTempFolder("tornel-cdaudio-");
    if (path_.empty()) ADD_FAILURE() << "cannot make a temporary folder";
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate, int channels)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size() / static_cast<std::size_t>(channels)));
    sf_close(file);
}

std::vector<std::int16_t> SignedTrack(int track, std::uint64_t frames)
{
    std::vector<std::int16_t> samples;
    samples.reserve(frames * 2);
    for (std::uint64_t f = 0; f < frames; ++f) {
        samples.push_back(Signature(track, f));
        samples.push_back(static_cast<std::int16_t>(-Signature(track, f)));
    }
    return samples;
}

void WriteFolderDisc(const std::string& folder, const std::vector<std::uint64_t>& lengths)
{
    for (std::size_t t = 0; t < lengths.size(); ++t) {
        char name[32];
        std::snprintf(name, sizeof name, "/%02zu.wav", t + 1);
        WriteWav(folder + name, SignedTrack(static_cast<int>(t + 1), lengths[t]), 44100, 2);
    }
}

std::string WriteBinCue(const std::string& folder, const std::vector<std::uint64_t>& lengths)
{
    std::vector<std::int16_t> all = WholeDisc(lengths);
    std::ofstream(folder + "/disc.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(all.data()), static_cast<std::streamsize>(all.size() * 2));
    WriteText(folder + "/disc.cue", CueSheet("disc.bin", "BINARY", lengths));
    return folder + "/disc.cue";
}

std::string WriteToc(const std::string& folder, const std::vector<std::uint64_t>& lengths)
{
    std::string toc = "CD_DA\n";
    std::uint64_t start = 0;
    for (std::uint64_t length : lengths) {
        toc += "TRACK AUDIO\nFILE \"disc.bin\" SWAP " + Msf(start) + " " + Msf(length) + "\n";
        start += length;
    }
    WriteText(folder + "/disc.toc", toc);
    return folder + "/disc.toc";
}

std::string WriteCueOverWav(const std::string& folder, const std::vector<std::uint64_t>& lengths)
{
    WriteWav(folder + "/whole.wav", WholeDisc(lengths), 44100, 2);
    WriteText(folder + "/whole.cue", CueSheet("whole.wav", "WAVE", lengths));
    return folder + "/whole.cue";
}

}  // namespace cdaudio_test
