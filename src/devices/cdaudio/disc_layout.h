// Builds a FileDisc the way a disc is written: a program of audio stretches
// and silence in order, tracks beginning in it, and each track's start (its
// index 1) marked after whatever pre-gap it has. The timeline begins at the
// start of track 1; a pre-gap of a later track ends the track before it.
#pragma once

#include "devices/cdaudio/file_disc.h"

namespace cdaudio {

class DiscLayout {
public:
    // The index of the source, added once per path and kind.
    int AddSource(const std::string& path, SourceKind kind);
    void AddAudio(int source, std::uint64_t offset, std::uint64_t frames);
    void AddSilence(std::uint64_t frames);
    // Silence up to the next whole sector from the current track's beginning.
    void PadTrackToSector();

    // A track begins at the end of the program; its start is there too
    // until MarkStart moves it.
    void BeginTrack(bool audio);
    void MarkStart(std::uint64_t framesIntoTrack);
    bool HasTrack() const { return !tracks_.empty(); }
    std::uint64_t TrackLength() const { return end_ - tracks_.back().begin; }
    std::size_t TrackCount() const { return tracks_.size(); }
    void SetCatalog(std::string catalog) { catalog_ = std::move(catalog); }

    // Null when the layout holds no track, too many, a track that ends
    // before it starts or an empty track followed by others. Empty tracks
    // at the end (a sheet naming places past the end of a cut file) are
    // left out.
    std::shared_ptr<Disc> Build() const;

private:
    struct Begun {
        std::uint64_t begin = 0;
        std::uint64_t start = 0;
        bool audio = true;
    };
    std::vector<Source> sources_;
    std::vector<Piece> pieces_;
    std::vector<Begun> tracks_;
    std::uint64_t end_ = 0;
    std::string catalog_;
};

}  // namespace cdaudio
