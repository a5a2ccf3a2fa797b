// Files over the Windows calls of the same names, in their "W" form with the
// program's UTF-8 names (files.cpp: over POSIX). Writes honour the full-disk
// test seam (full_disk_seam.h).
#include <string>

#include "platform/core/call_log.h"
#include "platform/core/full_disk_seam.h"
#include "platform/core/utf16_win32.h"

// The system's own: win:: declares the name for the console.
#undef INVALID_HANDLE_VALUE

namespace win {

struct File {
    ::HANDLE handle;
};
const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t{0});

namespace {

const ::HANDLE kNoSystemFile = reinterpret_cast<::HANDLE>(~std::uintptr_t{0});

bool Valid(HANDLE file) { return file && file != INVALID_HANDLE_VALUE; }

// Bytes of the file from its position on, which a write overwrites in place.
long OwnedAhead(::HANDLE file) {
    LARGE_INTEGER size{}, at{};
    if (!GetFileSizeEx(file, &size) || !SetFilePointerEx(file, LARGE_INTEGER{}, &at, FILE_CURRENT)) return 0;
    return size.QuadPart > at.QuadPart ? static_cast<long>(size.QuadPart - at.QuadPart) : 0;
}

}  // namespace

HANDLE CreateFileA(const char* path, DWORD access, DWORD share, void*, DWORD disposition, DWORD flags, HANDLE) {
    core::LogCall("CreateFileA", path, access, disposition);
    if (!path) return INVALID_HANDLE_VALUE;
    const ::HANDLE file =
        ::CreateFileW(native::Utf16(path).c_str(), access, share, nullptr, disposition, flags, nullptr);
    return file == kNoSystemFile ? INVALID_HANDLE_VALUE : new File{file};
}

BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void*) {
    core::LogCall("WriteFile", size);
    if (written) *written = 0;
    if (!Valid(file) || (!data && size)) return FALSE;
    const long owned = OwnedAhead(file->handle);
    const DWORD allowed = core::DiskAllows(owned, size);
    DWORD done = 0;
    while (done < allowed) {
        ::DWORD n = 0;
        if (!::WriteFile(file->handle, static_cast<const char*>(data) + done, allowed - done, &n, nullptr) || n == 0)
            break;
        done += n;
    }
    core::DiskSpent(owned, done);
    if (written) *written = done;
    return done == size ? TRUE : FALSE;  // short: the disk is full
}

BOOL FlushFileBuffers(HANDLE file) {
    core::LogCall("FlushFileBuffers");
    return Valid(file) && ::FlushFileBuffers(file->handle) ? TRUE : FALSE;
}

BOOL CloseHandle(HANDLE file) {
    core::LogCall("CloseHandle");
    if (!Valid(file)) return FALSE;
    const BOOL closed = ::CloseHandle(file->handle);
    delete file;
    return closed ? TRUE : FALSE;
}

BOOL MoveFileExA(const char* from, const char* to, DWORD flags) {
    core::LogCall("MoveFileExA", from, to, flags);
    if (!from || !to) return FALSE;
    return ::MoveFileExW(native::Utf16(from).c_str(), native::Utf16(to).c_str(), flags) ? TRUE : FALSE;
}

BOOL SetEndOfFile(HANDLE file) {
    core::LogCall("SetEndOfFile");
    return Valid(file) && ::SetEndOfFile(file->handle) ? TRUE : FALSE;
}

DWORD GetFinalPathNameByHandleA(HANDLE file, char* buffer, DWORD size, DWORD) {
    core::LogCall("GetFinalPathNameByHandleA");
    if (!Valid(file)) return 0;
    std::wstring wide(32768, L'\0');
    const ::DWORD n = ::GetFinalPathNameByHandleW(file->handle, wide.data(), static_cast<DWORD>(wide.size()),
                                                FILE_NAME_NORMALIZED);
    if (n == 0 || n >= wide.size()) return 0;
    wide.resize(n);
    // "\\?\C:\..." is the same file as "C:\...", which is what the user gave.
    if (wide.rfind(L"\\\\?\\", 0) == 0 && wide.size() > 6 && wide[5] == L':') wide.erase(0, 4);
    const std::string path = native::Utf8(wide);
    const DWORD length = static_cast<DWORD>(path.size());
    if (!buffer || length >= size) return length + 1;
    path.copy(buffer, length);
    buffer[length] = '\0';
    return length;
}

BOOL ReplaceFileA(const char* replaced, const char* replacement, const char* backup, DWORD flags, void*, void*) {
    core::LogCall("ReplaceFileA", replaced, replacement, flags);
    if (!replaced || !replacement || backup) return FALSE;
    // The system keeps the replaced file's attributes and security.
    return ::ReplaceFileW(native::Utf16(replaced).c_str(), native::Utf16(replacement).c_str(), nullptr, flags,
                          nullptr, nullptr)
               ? TRUE
               : FALSE;
}

BOOL DeleteFileA(const char* path) {
    core::LogCall("DeleteFileA", path);
    return path && ::DeleteFileW(native::Utf16(path).c_str()) ? TRUE : FALSE;
}

// A link is seen as itself here, not followed as on Linux.
DWORD GetFileAttributesA(const char* path) {
    core::LogCall("GetFileAttributesA", path);
    if (!path) return INVALID_FILE_ATTRIBUTES;
    const ::DWORD attributes = ::GetFileAttributesW(native::Utf16(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return INVALID_FILE_ATTRIBUTES;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

namespace {

// A name too long for the field (some 1000 bytes of UTF-8) is passed over.
bool TakeName(const WIN32_FIND_DATAW& found, WIN32_FIND_DATAA* data) {
    const std::string name = native::Utf8(found.cFileName);
    if (name.size() >= sizeof data->cFileName) return false;
    name.copy(data->cFileName, name.size());
    data->cFileName[name.size()] = '\0';
    return true;
}

}  // namespace

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data) {
    core::LogCall("FindFirstFileA", pattern);
    if (!pattern || !data) return INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found;
    const ::HANDLE find = ::FindFirstFileW(native::Utf16(pattern).c_str(), &found);
    if (find == kNoSystemFile) return INVALID_HANDLE_VALUE;
    HANDLE listing = new File{find};
    while (!TakeName(found, data)) {
        if (!::FindNextFileW(find, &found)) {
            FindClose(listing);
            return INVALID_HANDLE_VALUE;
        }
    }
    return listing;
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data) {
    if (!Valid(find) || !data) return FALSE;
    WIN32_FIND_DATAW found;
    do {
        if (!::FindNextFileW(find->handle, &found)) return FALSE;
    } while (!TakeName(found, data));
    return TRUE;
}

BOOL FindClose(HANDLE find) {
    if (!Valid(find)) return FALSE;
    const BOOL closed = ::FindClose(find->handle);
    delete find;
    return closed ? TRUE : FALSE;
}

}  // namespace win
