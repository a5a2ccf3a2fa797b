#include "app/program_midi.h"

#include <chrono>
#include <memory>

#include "devices/midi/midi_inputs.h"
#include "pads/midi_console.h"
#include "platform/win.h"

namespace {

// New sources are looked for this often: the MIDI libraries tell of no
// arrivals.
constexpr std::chrono::milliseconds kLookPeriod{1000};

std::unique_ptr<midi::Inputs> s_inputs;

// On a source's thread: the message queue is the one thing shared with the
// GUI thread, and posting to it neither blocks nor allocates.
void Post(void* window, midi::Packed message, std::uint32_t source) {
    win::PostMessageA(static_cast<win::HWND>(window), WM_MIDI_INPUT, message, static_cast<win::LPARAM>(source));
}

void Open(win::HWND hwnd) {
    s_inputs = std::make_unique<midi::Inputs>(midi::SystemBackend(), Post, hwnd);
    s_inputs->Watch(kLookPeriod);
}

void Close() { s_inputs.reset(); }

}  // namespace

void InstallProgramMidi() { SetMidiInputHooks(MidiInputHooks{Open, Close}); }
