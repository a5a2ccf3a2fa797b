#include "devices/cdaudio/file_disc.h"

#include <algorithm>

#include "devices/cdaudio/audio_file.h"
#include "devices/cdaudio/raw_file.h"

namespace cdaudio {

FileDisc::FileDisc(std::vector<Track> tracks, std::vector<Source> sources, std::vector<Piece> pieces)
    : Disc(std::move(tracks)),
      sources_(std::move(sources)),
      pieces_(std::move(pieces)),
      decoded_(sources_.size()),
      raw_(sources_.size()),
      tried_(sources_.size(), false)
{
}

FileDisc::~FileDisc() = default;

bool FileDisc::ReadPiece(const Piece& piece, std::uint64_t within, std::int16_t* out, std::size_t frames)
{
    if (piece.source < 0) {
        std::fill(out, out + frames * 2, std::int16_t{0});
        return true;
    }
    auto s = static_cast<std::size_t>(piece.source);
    if (!tried_[s]) {
        tried_[s] = true;
        if (sources_[s].kind == SourceKind::Decoded) decoded_[s] = AudioFile::Open(sources_[s].path);
        else raw_[s] = RawFile::Open(sources_[s].path, sources_[s].kind == SourceKind::RawBigEndian);
    }
    if (decoded_[s]) return decoded_[s]->Read(piece.offset + within, out, frames);
    if (raw_[s]) return raw_[s]->Read(piece.offset + within * 4, out, frames);
    std::fill(out, out + frames * 2, std::int16_t{0});
    return false;
}

bool FileDisc::Read(std::uint64_t at, std::int16_t* out, std::size_t frames)
{
    bool ok = true;
    while (frames > 0) {
        auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), at,
                                      [](std::uint64_t frame, const Piece& p) { return frame < p.start; });
        if (piece == pieces_.begin() || at >= Length()) {
            std::fill(out, out + frames * 2, std::int16_t{0});
            return false;
        }
        --piece;
        std::uint64_t within = at - piece->start;
        if (within >= piece->length) {  // only past the last piece
            std::fill(out, out + frames * 2, std::int16_t{0});
            return false;
        }
        auto n = static_cast<std::size_t>(std::min<std::uint64_t>(frames, piece->length - within));
        ok = ReadPiece(*piece, within, out, n) && ok;
        at += n;
        out += n * 2;
        frames -= n;
    }
    return ok;
}

}  // namespace cdaudio
