// A disc as the player sees it: tracks laid end to end on one timeline of
// 44.1 kHz stereo frames, and a reader over that timeline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cdaudio {

constexpr std::uint32_t kSampleRate = 44100;
constexpr std::uint32_t kFramesPerSector = 588;  // one CD frame: 1/75 s
constexpr std::uint32_t kSectorsPerSecond = 75;
// A disc holds at most 99 tracks.
constexpr std::size_t kMaxTracks = 99;
// A longer track (27 hours) is garbage; the cap keeps every disc position
// well inside what the player packs into one word.
constexpr std::uint64_t kMaxTrackFrames = std::uint64_t{1} << 32;
// More channels than this is garbage too.
constexpr int kMaxChannels = 64;

struct Track {
    std::uint64_t start = 0;   // first frame on the disc timeline
    std::uint64_t length = 0;  // frames
    bool audio = true;
};

class Disc {
public:
    explicit Disc(std::vector<Track> tracks) : tracks_(std::move(tracks)) {}
    virtual ~Disc() = default;

    const std::vector<Track>& Tracks() const { return tracks_; }
    std::uint64_t Length() const { return tracks_.empty() ? 0 : tracks_.back().start + tracks_.back().length; }
    // The disc's catalog number (UPC/EAN) as the disc or its sheet gives it; "" when none.
    const std::string& Catalog() const { return catalog_; }
    void SetCatalog(std::string catalog) { catalog_ = std::move(catalog); }

    // Worker thread only. Fills `frames` interleaved stereo frames from
    // `at`; on failure the missing part is silence and the result is false.
    virtual bool Read(std::uint64_t at, std::int16_t* out, std::size_t frames) = 0;

protected:
    std::vector<Track> tracks_;

private:
    std::string catalog_;
};

// Lays tracks of the given lengths end to end.
std::vector<Track> TracksFromLengths(const std::vector<std::uint64_t>& lengths);

// Opens a disc held in a folder, a .cue or a .toc file; null when it holds
// no readable audio. When a sheet is refused because a file it names is
// missing or unreadable, `missingFile` (if given) receives that name as the
// sheet writes it; otherwise it is cleared.
std::shared_ptr<Disc> OpenDisc(const std::string& path, std::string* missingFile = nullptr);

// Per-format readers used by OpenDisc; `missingFile` as there (never null).
std::shared_ptr<Disc> OpenFolderDisc(const std::string& folder);
std::shared_ptr<Disc> OpenCueSheet(const std::string& cuePath, const std::string& text, std::string* missingFile);
std::shared_ptr<Disc> OpenTocFile(const std::string& tocPath, const std::string& text, std::string* missingFile);

}  // namespace cdaudio
