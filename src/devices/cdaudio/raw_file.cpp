#include "devices/cdaudio/raw_file.h"

#include <cstring>

namespace cdaudio {

bool RawFile::Read(std::uint64_t offset, std::int16_t* out, std::size_t frames)
{
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    const std::size_t want = frames * 4;
    const std::int64_t got = ReadAt(offset, bytes, want);
    const std::size_t filled = got > 0 ? static_cast<std::size_t>(got) : 0;
    std::memset(bytes + filled, 0, want - filled);
    for (std::size_t i = 0; i < frames * 2; ++i) {
        const unsigned char* b = bytes + i * 2;
        unsigned high = bigEndian_ ? b[0] : b[1];
        unsigned low = bigEndian_ ? b[1] : b[0];
        out[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | low));
    }
    return got >= 0;
}

}  // namespace cdaudio
