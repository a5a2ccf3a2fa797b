#include "devices/cdaudio/disc_time.h"

#include <algorithm>
#include <cstdio>

namespace cdaudio {
namespace {

std::uint64_t DiscLength(const std::vector<Track>& tracks)
{
    return tracks.empty() ? 0 : tracks.back().start + tracks.back().length;
}

std::uint64_t SectorsRoundedUp(std::uint64_t frames) { return (frames + kFramesPerSector - 1) / kFramesPerSector; }

std::string FormatSectors(std::uint64_t sectors)
{
    char text[64];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu",
                  static_cast<unsigned long long>(sectors / (60 * kSectorsPerSecond)),
                  static_cast<unsigned long long>(sectors / kSectorsPerSecond % 60),
                  static_cast<unsigned long long>(sectors % kSectorsPerSecond));
    return text;
}

// Minutes, seconds and frames from `first` on; false when a field is out of
// its range. The parser caps every field, so nothing here overflows.
bool SectorsOf(const std::int64_t* fields, int count, std::uint64_t& sectors)
{
    std::int64_t minutes = fields[0];
    std::int64_t seconds = count > 1 ? fields[1] : 0;
    std::int64_t frames = count > 2 ? fields[2] : 0;
    if (minutes < 0 || seconds >= 60 || frames >= static_cast<std::int64_t>(kSectorsPerSecond)) return false;
    sectors = static_cast<std::uint64_t>((minutes * 60 + seconds) * kSectorsPerSecond + frames);
    return true;
}

// `sectors` from `start`, in a stretch of `length` frames: a position in the
// stretch's last, partial sector names its end.
bool Within(std::uint64_t start, std::uint64_t length, std::uint64_t sectors, std::uint64_t& frame)
{
    if (sectors > SectorsRoundedUp(length)) return false;
    frame = start + std::min(sectors * kFramesPerSector, length);
    return true;
}

}  // namespace

std::uint64_t FramesToMs(std::uint64_t frames) { return frames * 1000 / kSampleRate; }

std::uint64_t FramesToMsRoundedUp(std::uint64_t frames) { return (frames * 1000 + kSampleRate - 1) / kSampleRate; }

// The last frame written as `ms`: a position read back gives the same
// milliseconds, and playing from it never starts before the frame read.
std::uint64_t MsToFrames(std::uint64_t ms) { return ms * kSampleRate / 1000; }

std::size_t TrackIndexAt(const std::vector<Track>& tracks, std::uint64_t position)
{
    auto next = std::upper_bound(tracks.begin(), tracks.end(), position,
                                 [](std::uint64_t frame, const Track& track) { return frame < track.start; });
    if (next == tracks.begin()) return 0;
    return static_cast<std::size_t>(next - tracks.begin()) - 1;
}

std::string FormatPosition(const std::vector<Track>& tracks, std::uint64_t position, TimeFormat format)
{
    switch (format) {
    case TimeFormat::Milliseconds: return std::to_string(FramesToMsRoundedUp(position));
    case TimeFormat::Msf: return FormatSectors(SectorsRoundedUp(position));
    case TimeFormat::Tmsf: break;
    }
    std::size_t index = tracks.empty() ? 0 : TrackIndexAt(tracks, position);
    std::uint64_t within = tracks.empty() ? 0 : position - tracks[index].start;
    char track[8];
    std::snprintf(track, sizeof track, "%02zu:", tracks.empty() ? 0 : index + 1);
    return track + FormatSectors(SectorsRoundedUp(within));
}

std::string FormatLength(std::uint64_t frames, TimeFormat format)
{
    if (format == TimeFormat::Milliseconds) return std::to_string(FramesToMs(frames));
    return FormatSectors(frames / kFramesPerSector);
}

bool ResolvePosition(const PositionText& text, TimeFormat format, const std::vector<Track>& tracks,
                     std::uint64_t& frame)
{
    std::uint64_t sectors = 0;
    switch (format) {
    case TimeFormat::Milliseconds: {
        if (text.fieldCount != 1 || text.fields[0] < 0) return false;
        auto ms = static_cast<std::uint64_t>(text.fields[0]);
        std::uint64_t length = DiscLength(tracks);
        if (ms > FramesToMsRoundedUp(length)) return false;
        frame = std::min(MsToFrames(ms), length);
        return true;
    }
    case TimeFormat::Msf:
        if (text.fieldCount > 3 || !SectorsOf(text.fields, text.fieldCount, sectors)) return false;
        return Within(0, DiscLength(tracks), sectors, frame);
    case TimeFormat::Tmsf: break;
    }
    std::int64_t track = text.fields[0];
    if (track < 1 || track > static_cast<std::int64_t>(tracks.size())) return false;
    if (text.fieldCount > 1 && !SectorsOf(text.fields + 1, text.fieldCount - 1, sectors)) return false;
    const Track& t = tracks[static_cast<std::size_t>(track - 1)];
    return Within(t.start, t.length, sectors, frame);
}

}  // namespace cdaudio
