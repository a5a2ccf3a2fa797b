// The "cdaudio" command-string device: a disc from a physical drive (libcdio),
// a disc image (BIN/CUE, cdrdao TOC), a cue sheet over WAV/FLAC files, or a
// folder of audio files, played digitally at 44.1 kHz stereo through the
// program's sound output (audio/output.h): JACK, PulseAudio, the card, or a
// silent clock when there is none. Creating the device does not wait for the
// output: it starts on the silent clock and moves to a server or card when
// the output's keeper has opened one.
//
// Threads: SendString and every other member are called from the GUI thread
// only. Reading and decoding run on a worker thread; the audio callback only
// takes frames from a lock-free ring and never locks, allocates, logs or
// touches files.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "audio/output.h"
#include "platform/devices.h"

namespace cdaudio {

enum class Output {
    Default,  // the sound output; its silent clock when no back end opens or while one is lost
    Null,     // the silent clock only
    Virtual,  // frames are consumed only by AdvanceVirtualOutput (tests)
};

struct Options {
    Output output = Output::Default;
    // The disc a virtual drive holds at start: a folder, a .cue or a .toc.
    std::string initialDisc;
    // Asked when "set cdaudio door closed" finds the virtual drive empty:
    // returns a folder, cue or toc path, or "" to leave the drive empty.
    std::function<std::string()> askForDisc;
    // Told when the disc given at the closing door names a file that is
    // missing or unreadable (its name as the sheet writes it); the drive
    // stays empty. Errors of the device itself are silent to the console.
    std::function<void(const std::string&)> tellMissingFile;
    // Use a physical drive when the machine has one (false in tests).
    bool usePhysicalDrive = true;
};

// How the device's sound goes out, for statistics.
struct OutputStats {
    bool onSoundCard = false;     // a server or card, not the silent clock or the virtual output
    std::uint64_t underruns = 0;  // moments the output ran dry in the middle of play
    audio::OutputState output;    // back end, stream, latency, scheduling
};

class Device : public win::CommandStringDevice {
public:
    // Answers a command string as a drive does (see the device's README in
    // the code: grammar, replies, errors). The reply is cut to fit and
    // always terminated when returnLength > 0. "notify" reports to
    // `callback` through the notices the platform takes (TakeNotices).
    using win::CommandStringDevice::SendString;
    win::MCIERROR SendString(const char* command, char* returnString, win::UINT returnLength,
                             win::HWND callback) override = 0;

    // Virtual output only: hands `frames` frames to the output (as if heard),
    // deterministically, then returns; `heard`, when given, receives them
    // (interleaved stereo, 2 * frames samples).
    virtual void AdvanceVirtualOutput(std::uint32_t frames, std::int16_t* heard = nullptr) = 0;
    // Frames handed to the output since the device was created.
    virtual std::uint64_t FramesPlayed() const = 0;
    virtual OutputStats OutputState() const = 0;
    // CD level: left channel in the low 16 bits, right in the high.
    virtual void SetLevel(std::uint32_t level) = 0;
    // Test seam: the output's back end is lost as an unplugged sound card
    // is; its silent clock takes over, and it looks for a back end again.
    virtual void LoseOutput() = 0;
};

std::unique_ptr<Device> CreateDevice(const Options& options);

}  // namespace cdaudio
