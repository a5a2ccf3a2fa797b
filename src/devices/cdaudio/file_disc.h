// A disc made of stretches of audio files: a folder (one whole file per
// track) or a cue sheet over WAV/FLAC files (tracks at its indexes).
#pragma once

#include <map>

#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio {

struct FileStretch {
    std::string path;
    std::uint64_t offset = 0;  // first frame in the file, 44.1 kHz
    std::uint64_t length = 0;  // frames
};

class FileDisc : public Disc {
public:
    explicit FileDisc(std::vector<FileStretch> stretches);
    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames) override;

private:
    AudioFile* FileFor(const std::string& path);

    std::vector<FileStretch> stretches_;  // one per track
    // Opened on first read, on the worker thread; null once opening failed.
    std::map<std::string, std::unique_ptr<AudioFile>> files_;
};

// The length in 44.1 kHz frames of an audio file; 0 when unreadable.
std::uint64_t AudioFileLength(const std::string& path);

}  // namespace cdaudio
