#include "devices/cdaudio/disc_time.h"

#include <algorithm>
#include <cstdio>

namespace cdaudio {
namespace {

std::uint64_t DiscLength(const std::vector<Track>& tracks)
{
    return tracks.empty() ? 0 : tracks.back().start + tracks.back().length;
}

struct Msf {
    std::uint64_t minutes, seconds, frames;
};

Msf ToMsf(std::uint64_t frames)
{
    std::uint64_t sectors = frames / kFramesPerSector;
    return {sectors / (60 * kSectorsPerSecond), sectors / kSectorsPerSecond % 60, sectors % kSectorsPerSecond};
}

bool ResolveTmsf(const PositionText& text, const std::vector<Track>& tracks, std::uint64_t& frame)
{
    std::int64_t track = text.fields[0];
    std::int64_t minutes = text.fieldCount > 1 ? text.fields[1] : 0;
    std::int64_t seconds = text.fieldCount > 2 ? text.fields[2] : 0;
    std::int64_t frames = text.fieldCount > 3 ? text.fields[3] : 0;
    if (track < 1 || track > static_cast<std::int64_t>(tracks.size())) return false;
    if (seconds >= 60 || frames >= static_cast<std::int64_t>(kSectorsPerSecond)) return false;
    // Fields are capped by the parser, so this cannot overflow.
    auto offset = static_cast<std::uint64_t>(((minutes * 60 + seconds) * kSectorsPerSecond + frames) * kFramesPerSector);
    const Track& t = tracks[static_cast<std::size_t>(track - 1)];
    if (offset > t.length) return false;
    frame = t.start + offset;
    return true;
}

}  // namespace

std::uint64_t FramesToMs(std::uint64_t frames) { return frames * 1000 / kSampleRate; }

// Rounded up, so that a position read back in milliseconds gives the same
// milliseconds.
std::uint64_t MsToFrames(std::uint64_t ms) { return (ms * kSampleRate + 999) / 1000; }

std::size_t TrackIndexAt(const std::vector<Track>& tracks, std::uint64_t position)
{
    auto next = std::upper_bound(tracks.begin(), tracks.end(), position,
                                 [](std::uint64_t frame, const Track& track) { return frame < track.start; });
    if (next == tracks.begin()) return 0;
    return static_cast<std::size_t>(next - tracks.begin()) - 1;
}

std::string FormatTmsf(const std::vector<Track>& tracks, std::uint64_t position)
{
    std::size_t index = tracks.empty() ? 0 : TrackIndexAt(tracks, position);
    std::uint64_t within = tracks.empty() ? 0 : position - tracks[index].start;
    Msf msf = ToMsf(within);
    char text[64];
    std::snprintf(text, sizeof text, "%02zu:%02llu:%02llu:%02llu", tracks.empty() ? 0 : index + 1,
                  static_cast<unsigned long long>(msf.minutes), static_cast<unsigned long long>(msf.seconds),
                  static_cast<unsigned long long>(msf.frames));
    return text;
}

std::string FormatMsf(std::uint64_t frames)
{
    Msf msf = ToMsf(frames);
    char text[64];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu", static_cast<unsigned long long>(msf.minutes),
                  static_cast<unsigned long long>(msf.seconds), static_cast<unsigned long long>(msf.frames));
    return text;
}

bool ResolvePosition(const PositionText& text, bool tmsf, const std::vector<Track>& tracks, std::uint64_t& frame)
{
    if (text.start) {
        frame = 0;
        return true;
    }
    if (tmsf) return ResolveTmsf(text, tracks, frame);
    if (text.fieldCount != 1 || text.fields[0] < 0) return false;
    auto ms = static_cast<std::uint64_t>(text.fields[0]);
    std::uint64_t length = DiscLength(tracks);
    if (ms > FramesToMs(length)) return false;
    frame = std::min(MsToFrames(ms), length);
    return true;
}

}  // namespace cdaudio
