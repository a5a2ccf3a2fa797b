// Disc positions as the replies write them and the commands give them:
// milliseconds from the start of the first track, or track-minute-second-
// frame ("tt:mm:ss:ff", 75 frames a second, within the track).
#pragma once

#include <string>
#include <vector>

#include "devices/cdaudio/command_parser.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio {

std::uint64_t FramesToMs(std::uint64_t frames);
std::uint64_t MsToFrames(std::uint64_t ms);

// The track holding `position` (0-based); at the end of the disc the last.
std::size_t TrackIndexAt(const std::vector<Track>& tracks, std::uint64_t position);
std::string FormatTmsf(const std::vector<Track>& tracks, std::uint64_t position);
// A length as "mm:ss:ff".
std::string FormatMsf(std::uint64_t frames);

// The disc frame that a written position names; false when it lies outside
// the disc (a negative value, track 0, a track past the last, past the end).
bool ResolvePosition(const PositionText& text, bool tmsf, const std::vector<Track>& tracks, std::uint64_t& frame);

}  // namespace cdaudio
