#include "devices/cdaudio/raw_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cdaudio {

std::unique_ptr<RawFile> RawFile::Open(const std::string& path, bool bigEndian)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::unique_ptr<RawFile>(new RawFile(fd, bigEndian));
}

RawFile::~RawFile() { close(fd_); }

bool RawFile::Read(std::uint64_t offset, std::int16_t* out, std::size_t frames)
{
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    std::size_t want = frames * 4;
    std::size_t got = 0;
    bool ok = true;
    while (got < want) {
        ssize_t n = pread(fd_, bytes + got, want - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    std::memset(bytes + got, 0, want - got);
    for (std::size_t i = 0; i < frames * 2; ++i) {
        const unsigned char* b = bytes + i * 2;
        unsigned high = bigEndian_ ? b[0] : b[1];
        unsigned low = bigEndian_ ? b[1] : b[0];
        out[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | low));
    }
    return ok;
}

}  // namespace cdaudio
