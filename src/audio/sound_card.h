// What the outputs share about opening their back ends.
#pragma once

#include <functional>
#include <mutex>

namespace audio {

// PortAudio's initialisation, termination and the opening and closing of
// streams change its process-wide state and are not safe from two threads at
// once; each output opens its back end on a keeper thread of its own, so
// both take this lock around those calls. Never taken by a callback.
std::mutex& PortAudioLock();

// True when the environment asks to leave the sound card alone
// (TORNEL_NULL_AUDIO=1): the outputs stay on their silent clocks.
bool SoundCardDisabled();

// The program holds the openers back while its window comes up, so that
// opening a back end (PortAudio probes every device) does not compete with
// the start-up for the cores; then it releases them. Without a hold they open
// at once.
void HoldCardOpening();
void ReleaseCardOpening();
// Openers: waits while the openers are held back; false when `stop` (asked
// now and then) says to give up first.
bool WaitForCardOpening(const std::function<bool()>& stop);

}  // namespace audio
