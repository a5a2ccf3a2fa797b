// The drive's transport over the player: plays between two disc frames,
// skipping data tracks, pauses and resumes, and keeps the notifications
// that "notify" asked for. GUI thread only.
//
// A play runs as one player request per stretch of audio tracks. When the
// player stops at a data track, Follow (called before every command and
// whenever the platform looks for notifications) goes on after it; the
// player itself never reads a data track.
#pragma once

#include <memory>
#include <vector>

#include "devices/cdaudio/player.h"

namespace cdaudio {

class Transport {
public:
    explicit Transport(Output output) : player_(output) {}

    Player& Sound() { return player_; }
    const Player& Sound() const { return player_; }

    // Stops (aborting a pending notification) and holds at the disc's
    // first audio frame; null: no disc.
    void SetDisc(std::shared_ptr<Disc> disc);
    // The first frame of the first audio track (0 when there is none).
    std::uint64_t FirstAudioFrame() const;
    // Whether `frame` lies in a data track (the end of the disc does not).
    bool InDataTrack(std::uint64_t frame) const;
    // The first audio track start at or after `frame`; the end of the disc
    // when there is none.
    std::uint64_t NextAudioFrame(std::uint64_t frame) const;

    // Plays from `from` to `to`; false (nothing changed) when `from` lies
    // in a data track or after `to`.
    bool Play(std::uint64_t from, std::uint64_t to);
    void Seek(std::uint64_t frame);
    void Stop();
    void Pause();
    void Resume();

    // Goes on over a data track, or ends the play, when the player stopped.
    void Follow();

    std::uint64_t Position() const { return player_.State().position; }
    bool Playing() const { return playing_; }
    bool Paused() const { return paused_; }
    // Where a play without "to" stops: the end of the disc.
    std::uint64_t DiscEnd() const { return disc_ ? disc_->Length() : 0; }

    // Notifications. A command that brings a new request supersedes the
    // pending one; anything that ends the play early aborts it.
    struct Notice {
        win::HWND callback;
        win::WPARAM code;
        win::LPARAM deviceId;
    };
    void BeginCommand(bool bringsNotify) { superseding_ = bringsNotify; }
    // The command succeeded: a play reports at its end, anything else now.
    void NotifyWhenDone(win::HWND callback, win::LPARAM deviceId);
    // The pending notification is dropped as aborted (the device was closed).
    void AbortNotice() { EndPending(win::MCI_NOTIFY_ABORTED); }
    bool AwaitsNotice() const { return pending_.callback != nullptr; }
    std::vector<Notice> TakeNotices();

private:
    // The end of the audio stretch that `from` starts, and no later than `to`.
    std::uint64_t StretchEnd(std::uint64_t from, std::uint64_t to) const;
    void Interrupt();
    void EndPending(win::WPARAM code);

    Player player_;
    std::shared_ptr<Disc> disc_;
    bool playing_ = false;          // a play runs, perhaps between two stretches
    bool paused_ = false;
    std::uint64_t playEnd_ = 0;     // where the running or paused play stops
    std::uint64_t stretchEnd_ = 0;  // where the player's request stops
    bool superseding_ = false;      // the command being run brings its own notify
    Notice pending_{nullptr, 0, 0}; // a play's notification, due at its end
    std::vector<Notice> notices_;   // due, not yet taken
};

}  // namespace cdaudio
