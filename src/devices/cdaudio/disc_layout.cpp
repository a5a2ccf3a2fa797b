#include "devices/cdaudio/disc_layout.h"

#include <algorithm>

namespace cdaudio {

int DiscLayout::AddSource(const std::string& path, SourceKind kind)
{
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        if (sources_[i].path == path && sources_[i].kind == kind) return static_cast<int>(i);
    }
    sources_.push_back({path, kind});
    return static_cast<int>(sources_.size() - 1);
}

void DiscLayout::AddAudio(int source, std::uint64_t offset, std::uint64_t frames)
{
    if (frames == 0) return;
    pieces_.push_back({end_, frames, source, offset});
    end_ += frames;
}

void DiscLayout::AddSilence(std::uint64_t frames)
{
    AddAudio(-1, 0, frames);
}

void DiscLayout::PadTrackToSector()
{
    if (!HasTrack()) return;
    std::uint64_t partial = TrackLength() % kFramesPerSector;
    if (partial != 0) AddSilence(kFramesPerSector - partial);
}

void DiscLayout::BeginTrack(bool audio)
{
    tracks_.push_back({end_, end_, audio});
}

void DiscLayout::MarkStart(std::uint64_t framesIntoTrack)
{
    tracks_.back().start = tracks_.back().begin + framesIntoTrack;
}

std::shared_ptr<Disc> DiscLayout::Build() const
{
    std::size_t count = tracks_.size();
    auto endOf = [&](std::size_t t) { return t + 1 < count ? tracks_[t + 1].start : end_; };
    while (count > 0 && endOf(count - 1) <= tracks_[count - 1].start) --count;
    if (count == 0 || count > kMaxTracks) return nullptr;
    std::uint64_t origin = tracks_[0].start;
    std::vector<Track> tracks;
    for (std::size_t t = 0; t < count; ++t) {
        std::uint64_t start = tracks_[t].start;
        std::uint64_t end = endOf(t);
        if (end <= start || end - start > kMaxTrackFrames) return nullptr;
        tracks.push_back({start - origin, end - start, tracks_[t].audio});
    }
    std::uint64_t last = endOf(count - 1);
    std::vector<Piece> pieces;
    for (const Piece& p : pieces_) {
        std::uint64_t from = std::max(p.start, origin);
        std::uint64_t to = std::min(p.start + p.length, last);
        if (from >= to) continue;
        std::uint64_t skipped = from - p.start;
        std::uint64_t offset =
            p.source < 0 ? 0 : p.offset + (sources_[p.source].kind == SourceKind::Decoded ? skipped : skipped * 4);
        pieces.push_back({from - origin, to - from, p.source, offset});
    }
    auto disc = std::make_shared<FileDisc>(std::move(tracks), sources_, std::move(pieces));
    disc->SetCatalog(catalog_);
    return disc;
}

}  // namespace cdaudio
