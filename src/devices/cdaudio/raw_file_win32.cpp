#include "devices/cdaudio/raw_file.h"

#include "platform/core/utf16_win32.h"

namespace cdaudio {

std::unique_ptr<RawFile> RawFile::Open(const std::string& path, bool bigEndian)
{
    HANDLE file = CreateFileW(win::native::Utf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<RawFile>(new RawFile(reinterpret_cast<Handle>(file), bigEndian));
}

RawFile::~RawFile() { CloseHandle(reinterpret_cast<HANDLE>(file_)); }

std::int64_t RawFile::ReadAt(std::uint64_t offset, unsigned char* bytes, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        // The offset travels with each read, as with pread: no shared position.
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + got);
        at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
        DWORD n = 0;
        if (!ReadFile(reinterpret_cast<HANDLE>(file_), bytes + got, static_cast<DWORD>(size - got), &n, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return -1;
        }
        if (n == 0) break;
        got += n;
    }
    return static_cast<std::int64_t>(got);
}

}  // namespace cdaudio
