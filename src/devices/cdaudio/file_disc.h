// A disc read from files: stretches of audio files (decoded by libsndfile)
// and of raw 16-bit images (either byte order), with silence between them,
// laid end to end. Folders, cue sheets and TOC files all become one.
#pragma once

#include "devices/cdaudio/disc.h"

namespace cdaudio {

class AudioFile;
class RawFile;

enum class SourceKind { Decoded, RawLittleEndian, RawBigEndian };

struct Source {
    std::string path;
    SourceKind kind = SourceKind::Decoded;
};

// A stretch of the disc timeline taken from one source, or silence.
struct Piece {
    std::uint64_t start = 0;   // first frame on the disc timeline
    std::uint64_t length = 0;  // frames
    int source = -1;           // index into the sources; -1 for silence
    // Decoded: the first frame in the file (44.1 kHz); raw: the first byte.
    std::uint64_t offset = 0;
};

class FileDisc : public Disc {
public:
    // `pieces` cover the timeline from 0 to the end of the last track
    // without gaps or overlaps.
    FileDisc(std::vector<Track> tracks, std::vector<Source> sources, std::vector<Piece> pieces);
    ~FileDisc() override;
    bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames) override;

private:
    bool ReadPiece(const Piece& piece, std::uint64_t within, std::int16_t* out, std::size_t frames);

    std::vector<Source> sources_;
    std::vector<Piece> pieces_;
    // Opened on first read, on the worker thread; stay null once opening failed.
    std::vector<std::unique_ptr<AudioFile>> decoded_;
    std::vector<std::unique_ptr<RawFile>> raw_;
    std::vector<bool> tried_;
};

}  // namespace cdaudio
