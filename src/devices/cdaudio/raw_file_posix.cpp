#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "devices/cdaudio/raw_file.h"

namespace cdaudio {

std::unique_ptr<RawFile> RawFile::Open(const std::string& path, bool bigEndian)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::unique_ptr<RawFile>(new RawFile(fd, bigEndian));
}

RawFile::~RawFile() { close(static_cast<int>(file_)); }

std::int64_t RawFile::ReadAt(std::uint64_t offset, unsigned char* bytes, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = pread(static_cast<int>(file_), bytes + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(got);
}

}  // namespace cdaudio
