// Writing a set file. The new text goes to a temporary file beside the old
// one and replaces it only once it is safely on disk, so a full disk or a
// refused write never costs the user the file they had. A link is written
// through to the file it names, and the file keeps its mode and owner.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/set_file.h"
#include "commands/set_file_midi.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kNumberLine = 12;  // "-2147483648\n"
// Header, seven pad lines (title, blank, path, line feed), three "*" lines,
// up to twenty list numbers, seven loop counts, the rate and the MIDI map.
constexpr int kSetFileMaxBytes = 64 + kPadCount * (kPadTitleSize + kPadPathSize) + 3 * 2 +
                                 (kListCapacity + kPadCount + 1) * kNumberLine + kMidiSectionMaxBytes;

struct Text {
    char bytes[kSetFileMaxBytes];
    int length;
};

void Append(Text& text, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int room = kSetFileMaxBytes - text.length;
    const int n = std::vsnprintf(text.bytes + text.length, static_cast<std::size_t>(room), format, args);
    va_end(args);
    if (n > 0) text.length += n < room ? n : room - 1;
}

void FormatSetFile(Text& text) {
    text.length = 0;
    Append(text, "#FileName;Pathname;Tornel Ver3.0\n");
    for (int p = 0; p < kPadCount; ++p) {
        Append(text, "%.*s %.*s\n", kPadTitleSize - 1, g_padTitle[p], kPadPathSize - 1, g_padPath[p]);
    }
    Append(text, "*\n");
    for (int i = 0; i < g_listCount && i < kListCapacity; ++i) Append(text, "%d\n", g_listTracks[i]);
    Append(text, "*\n");
    for (int p = 0; p < kPadCount; ++p) Append(text, "%d\n", g_padLoopCount[p]);
    Append(text, "*\n");
    Append(text, "%d\n", g_waveRate);
    text.length += MidiSectionFormat(text.bytes + text.length, kSetFileMaxBytes - text.length);
}

bool WriteAndClose(HANDLE file, const char* bytes, int length) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(length);
    bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    ok = ok && SetEndOfFile(file);
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    return ok;
}

// The file a save lands in: the path itself, or the file its links name;
// `existed` tells whether there is one already. False when that name does
// not fit a set file path.
bool SaveTarget(const char* path, char (&target)[kSetPathSize], bool& existed) {
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    existed = file != INVALID_HANDLE_VALUE;
    if (!existed) {
        const std::size_t length = std::strlen(path);
        if (length >= sizeof target) return false;
        std::memcpy(target, path, length + 1);
        return true;
    }
    const DWORD length = GetFinalPathNameByHandleA(file, target, sizeof target, 0);
    CloseHandle(file);
    return length > 0 && length < sizeof target;
}

std::string ReadAll(const char* path, bool& ok) {
    std::string bytes;
    std::FILE* file = std::fopen(path, "rb");
    ok = file != nullptr;
    if (!ok) return bytes;
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    ok = std::ferror(file) == 0;
    std::fclose(file);
    return bytes;
}

// Where no temporary file can be made beside it (a folder the user may not
// write, or a path already as long as a path may be), the file is written
// where it lies. Should that fail midway, an old file gets its bytes back
// (they fit the room it already had) and a new one is removed.
bool WriteInPlace(const char* path, const Text& text, bool existed) {
    bool readable = !existed;
    const std::string old = existed ? ReadAll(path, readable) : std::string();
    if (!readable) return false;
    const DWORD disposition = existed ? OPEN_EXISTING : CREATE_ALWAYS;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    if (WriteAndClose(file, text.bytes, text.length)) return true;
    if (!existed) {
        DeleteFileA(path);
        return false;
    }
    file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) WriteAndClose(file, old.data(), static_cast<int>(old.size()));
    return false;
}

}  // namespace

int SetFileWrite(const char* path) {
    char target[kSetPathSize];
    bool existed = false;
    if (path[0] == '\0' || !SaveTarget(path, target, existed)) return 0;
    Text text;
    FormatSetFile(text);
    char temporary[kSetPathSize];
    const int n = std::snprintf(temporary, sizeof temporary, "%s.saving", target);
    HANDLE file = n > 0 && n < static_cast<int>(sizeof temporary)
                      ? CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                      : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) return WriteInPlace(target, text, existed) ? 1 : 0;
    const bool placed =
        WriteAndClose(file, text.bytes, text.length) &&
        (existed ? ReplaceFileA(target, temporary, nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr)
                 : MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (!placed) DeleteFileA(temporary);
    return placed ? 1 : 0;
}

int SetFileWriteOrReport(HWND hwnd, const char* path) {
    if (SetFileWrite(path)) return 1;
    std::string message = path;
    message += " could not be saved (the folder may be read-only or the disk full). "
               "The file that was there is unchanged.";
    MessageBoxA(hwnd, message.c_str(), "Tornel Save", MB_OK | MB_ICONERROR);
    return 0;
}
