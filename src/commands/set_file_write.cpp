// Writing a set file. The new text goes to a temporary file beside the old
// one and replaces it only once it is safely on disk, so a full disk or a
// refused write never costs the user the file they had.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "commands/set_file.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// Header, seven pad lines of at most 70 bytes, three "*" lines, up to twenty
// list numbers, seven loop counts and the rate: well under this.
constexpr int kSetFileMaxBytes = 2048;

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
}

bool WriteWhole(const char* path, const Text& text) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(text.length);
    bool ok = WriteFile(file, text.bytes, size, &written, nullptr) && written == size;
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    return ok;
}

}  // namespace

int SetFileWrite(const char* path) {
    char temporary[kSetPathSize + 16];
    const int n = std::snprintf(temporary, sizeof temporary, "%s.saving", path);
    if (path[0] == '\0' || n < 0 || n >= static_cast<int>(sizeof temporary)) return 0;

    Text text;
    FormatSetFile(text);
    if (!WriteWhole(temporary, text) ||
        !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return 0;
    }
    return 1;
}

int SetFileWriteOrReport(HWND hwnd, const char* path) {
    if (SetFileWrite(path)) return 1;
    char message[kSetPathSize + 160];
    std::snprintf(message, sizeof message,
                  "%s could not be saved (the folder may be read-only or the disk full). "
                  "The file that was there is unchanged.",
                  path);
    MessageBoxA(hwnd, message, "Tornel Save", MB_OK | MB_ICONERROR);
    return 0;
}
