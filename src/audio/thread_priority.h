// The priority of the threads that feed the sound devices. The pads' threads
// (the engine's output callback, whichever back end runs it) ask for
// real-time scheduling; the disc's (its decoding worker and its output's
// thread) ask for the level just below, since its long buffers let them fall
// behind for a while. Never the GUI thread.
//
// The ways are tried in order and the first granted is kept: SCHED_FIFO
// directly (root, or a user whose RLIMIT_RTPRIO allows it), the desktop's
// RealtimeKit service (when the program installed a client for it), a raised
// nice level, else normal priority, which is said once on standard error.
#pragma once

#include <string>

namespace audio {

enum class ThreadRole { Pads, Disc };

enum class Priority { Fifo, RealtimeKit, Nice, Normal };

// One way of raising thread `tid` of this process to `level` (a SCHED_FIFO
// or SCHED_RR priority, or a nice value); true when granted.
using RaiseStep = bool (*)(long tid, int level);

struct PrioritySteps {
    RaiseStep fifo = nullptr;         // null: refused
    RaiseStep realtimeKit = nullptr;  // null: no client installed
    RaiseStep nice = nullptr;
};

// The kernel's id of the calling thread.
long CurrentThreadId();

// Raises thread `tid` for `role` and returns what it obtained. May wait on
// the RealtimeKit service: never from an audio callback.
Priority RaiseThread(long tid, ThreadRole role);

// What the last thread raised for `role` obtained; Normal before any.
Priority ObtainedPriority(ThreadRole role);
// "SCHED_FIFO 20", "RealtimeKit 20", "nice -10", "normal".
std::string Describe(Priority priority, ThreadRole role);

// The program installs its RealtimeKit client here, so that the audio
// libraries carry no D-Bus dependency.
void SetRealtimeKit(RaiseStep step);

// The steps as the system offers them (RealtimeKit: the installed client).
PrioritySteps SystemPrioritySteps();
// Tests stand in for the system's answers; SystemPrioritySteps() restores them.
void SetPriorityStepsForTests(const PrioritySteps& steps);

}  // namespace audio
