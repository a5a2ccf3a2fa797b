// The "cdaudio" command-string device: a disc from a physical drive (libcdio),
// a disc image (BIN/CUE, cdrdao TOC), a cue sheet over WAV/FLAC files, or a
// folder of audio files, played digitally at 44.1 kHz stereo through
// PortAudio, or through a null output when there is no sound card. Creating
// the device does not wait for the sound card: it starts on the null output
// and moves to the card when a worker has opened it.
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

#include "platform/devices.h"

namespace cdaudio {

enum class Output {
    Default,  // PortAudio's default output; the null output when it fails or is lost
    Null,     // null output clocked in real time
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
    bool onSoundCard = false;     // else the null or the virtual output
    std::uint64_t underruns = 0;  // moments the output ran dry in the middle of play
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
    // Tests: the output is lost as an unplugged sound card is; the next
    // command finds it so and puts the null output in its place.
    virtual void LoseOutput() = 0;
};

std::unique_ptr<Device> CreateDevice(const Options& options);

}  // namespace cdaudio
