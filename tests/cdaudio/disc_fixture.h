// Discs written by the tests into a temporary folder: WAV tracks whose
// samples say where they come from, and the same audio as a raw BIN image
// under a cue sheet and as one WAV under a cue sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cdaudio_test {

// Left sample of `frame` (counted within its track) on track `track` (1-based);
// the right sample is its negation.
std::int16_t Signature(int track, std::uint64_t frame);

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Writes interleaved 16-bit samples; `rate` and `channels` as given.
void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate, int channels);
// Stereo 44.1 kHz frames of track `track` carrying Signature.
std::vector<std::int16_t> SignedTrack(int track, std::uint64_t frames);

// Those tracks of the given lengths, end to end.
std::vector<std::int16_t> WholeDisc(const std::vector<std::uint64_t>& lengths);

// tracks as "01.wav", "02.wav"... in `folder` (which must exist).
void WriteFolderDisc(const std::string& folder, const std::vector<std::uint64_t>& lengths);
// "disc.bin" and "disc.cue" (BINARY) in `folder`; lengths are whole sectors.
std::string WriteBinCue(const std::string& folder, const std::vector<std::uint64_t>& lengths);
// "disc.bin" (from WriteBinCue, little-endian: SWAP) under "disc.toc", a cdrdao TOC file.
std::string WriteToc(const std::string& folder, const std::vector<std::uint64_t>& lengths);
// "whole.wav" and "whole.cue" (WAVE) in `folder`; lengths are whole sectors.
std::string WriteCueOverWav(const std::string& folder, const std::vector<std::uint64_t>& lengths);

}  // namespace cdaudio_test
