#include "devices/cdaudio/transport.h"

#include <algorithm>

#include "devices/cdaudio/disc_time.h"

namespace cdaudio {

void Transport::SetDisc(std::shared_ptr<Disc> disc)
{
    Interrupt();
    disc_ = disc;
    player_.SetDisc(std::move(disc));
    if (FirstAudioFrame() > 0) player_.Hold(FirstAudioFrame());
}

std::uint64_t Transport::FirstAudioFrame() const
{
    std::uint64_t first = NextAudioFrame(0);
    return first == DiscEnd() ? 0 : first;
}

bool Transport::InDataTrack(std::uint64_t frame) const
{
    if (!disc_ || frame >= disc_->Length()) return false;
    return !disc_->Tracks()[TrackIndexAt(disc_->Tracks(), frame)].audio;
}

std::uint64_t Transport::NextAudioFrame(std::uint64_t frame) const
{
    if (!disc_) return 0;
    const std::vector<Track>& tracks = disc_->Tracks();
    for (std::size_t i = TrackIndexAt(tracks, frame); i < tracks.size(); ++i) {
        if (tracks[i].audio && tracks[i].start >= frame) return tracks[i].start;
    }
    return disc_->Length();
}

std::uint64_t Transport::StretchEnd(std::uint64_t from, std::uint64_t to) const
{
    const std::vector<Track>& tracks = disc_->Tracks();
    for (std::size_t i = TrackIndexAt(tracks, from); i < tracks.size(); ++i) {
        if (!tracks[i].audio) return std::min(tracks[i].start, to);
    }
    return to;
}

bool Transport::Play(std::uint64_t from, std::uint64_t to)
{
    if (!disc_ || from > to || InDataTrack(from)) return false;
    Interrupt();
    playing_ = true;
    paused_ = false;
    playEnd_ = to;
    stretchEnd_ = StretchEnd(from, to);
    player_.Play(from, stretchEnd_);
    return true;
}

void Transport::Seek(std::uint64_t frame)
{
    Interrupt();
    playing_ = paused_ = false;
    player_.Hold(frame);
}

void Transport::Stop() { Seek(Position()); }

void Transport::Pause()
{
    if (!playing_) return;
    Interrupt();
    playing_ = false;
    paused_ = true;
    player_.Hold(Position());
}

void Transport::Resume()
{
    if (!paused_) return;
    std::uint64_t end = playEnd_;
    if (!Play(Position(), end)) paused_ = false;
}

void Transport::Follow()
{
    if (!playing_) return;
    PlayedState state = player_.State();
    if (state.playing || state.position < stretchEnd_) return;
    std::uint64_t next = NextAudioFrame(stretchEnd_);
    if (next < playEnd_) {
        stretchEnd_ = StretchEnd(next, playEnd_);
        player_.Play(next, stretchEnd_);
        return;
    }
    // Only data tracks were left: the play ends where it was asked to.
    playing_ = false;
    if (state.position != playEnd_) player_.Hold(playEnd_);
    EndPending(win::MCI_NOTIFY_SUCCESSFUL);
}

void Transport::Interrupt()
{
    playing_ = paused_ = false;
    EndPending(superseding_ ? win::MCI_NOTIFY_SUPERSEDED : win::MCI_NOTIFY_ABORTED);
}

void Transport::EndPending(win::WPARAM code)
{
    if (!pending_.callback) return;
    notices_.push_back({pending_.callback, code, pending_.deviceId});
    pending_.callback = nullptr;
}

void Transport::NotifyWhenDone(win::HWND callback, win::LPARAM deviceId)
{
    EndPending(win::MCI_NOTIFY_SUPERSEDED);
    Notice notice{callback, win::MCI_NOTIFY_SUCCESSFUL, deviceId};
    if (playing_) pending_ = notice;
    else notices_.push_back(notice);
}

std::vector<Transport::Notice> Transport::TakeNotices()
{
    Follow();
    std::vector<Notice> due;
    due.swap(notices_);
    return due;
}

}  // namespace cdaudio
