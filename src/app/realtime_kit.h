// A client of the desktop's RealtimeKit service (rtkit, on the system
// D-Bus), which grants real-time scheduling to users who may not ask the
// kernel for it themselves. Kept in the program so that the audio libraries
// need no D-Bus.
#pragma once

// Asks for SCHED_RR at `priority` (or the service's highest, if lower) for
// thread `tid` of this process; true when granted. Any thread; blocks for
// the round trip.
bool MakeThreadRealtimeThroughRealtimeKit(long tid, int priority);

// Offers the client to the sound threads for as long as it lives.
class RealtimeKitClient {
public:
    RealtimeKitClient();
    ~RealtimeKitClient();
    RealtimeKitClient(const RealtimeKitClient&) = delete;
    RealtimeKitClient& operator=(const RealtimeKitClient&) = delete;
};
