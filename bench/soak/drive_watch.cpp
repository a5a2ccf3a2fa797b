#include "drive_watch.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::int64_t kReadingError = 45;  // frames: one millisecond of position, rounded up
constexpr int kReadTries = 20;

std::string Lower(const char* text) {
    std::string s(text ? text : "");
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Frames of a millisecond position, times ten (44.1 frames per ms).
std::int64_t TenthFrames(std::uint64_t ms) { return static_cast<std::int64_t>(ms) * 441; }

}  // namespace

win::MCIERROR DriveWatch::SendString(const char* command, char* returnString, win::UINT returnLength) {
    const std::string c = Lower(command);
    if (StartsWith(c, "play") || StartsWith(c, "seek") || StartsWith(c, "stop") || c.find(" door ") != std::string::npos)
        ++moves_;
    constexpr std::string_view kSetFormat = "set cdaudio time format ";
    if (StartsWith(c, kSetFormat.data())) format_ = c.substr(kSetFormat.size());
    return drive_.SendString(command, returnString, returnLength);
}

std::string DriveWatch::Ask(const char* command) {
    char reply[64] = "";
    drive_.SendString(command, reply, sizeof reply);
    return reply;
}

// The output thread may take frames between two of our calls; a reading is
// whole only when the frame count did not move across it.
bool DriveWatch::ReadBackToBack(Reading& reading) {
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        const std::uint64_t before = drive_.FramesPlayed();
        reading.playing = Ask("status cdaudio mode") == "playing";
        const bool inMs = format_ == "milliseconds" || format_ == "ms";
        if (!inMs) Ask("set cdaudio time format milliseconds");
        reading.ms = std::strtoull(Ask("status cdaudio position").c_str(), nullptr, 10);
        if (!inMs) Ask(("set cdaudio time format " + format_).c_str());
        reading.frames = drive_.FramesPlayed();
        if (reading.frames == before) return true;
    }
    ++figures_.tornReads;
    return false;
}

void DriveWatch::Probe() {
    Reading now{};
    const bool whole = ReadBackToBack(now);
    if (open_ && whole && now.playing && moves_ == openMoves_) {
        last_ = now;
        return;
    }
    CloseStretch();
    if (whole && now.playing) {
        open_ = true;
        openMoves_ = moves_;
        start_ = last_ = now;
    }
}

void DriveWatch::CloseStretch() {
    if (!open_) return;
    open_ = false;
    if (last_.frames == start_.frames) return;  // a single probe compares nothing
    const std::int64_t played = static_cast<std::int64_t>(last_.frames - start_.frames);
    const std::int64_t drift = (played * 10 - (TenthFrames(last_.ms) - TenthFrames(start_.ms))) / 10;
    ++figures_.stretches;
    figures_.framesCompared += static_cast<std::uint64_t>(played);
    figures_.totalDrift += drift;
    if (std::llabs(drift) > std::llabs(figures_.worstDrift)) figures_.worstDrift = drift;
    if (std::llabs(drift) > kReadingError) ++figures_.beyondReading;
}

DriftFigures DriveWatch::Figures() {
    CloseStretch();
    return figures_;
}
