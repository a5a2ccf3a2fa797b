// Files over POSIX (files_win32.cpp: over Windows). Writes honour the
// full-disk test seam (full_disk_seam.h).
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/call_log.h"
#include "platform/core/full_disk_seam.h"

namespace win {

struct File {
    int fd;
    DIR* folder = nullptr;  // a listing of FindFirstFileA
};
const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t{0});

HANDLE CreateFileA(const char* path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE) {
    core::LogCall("CreateFileA", path, access, disposition);
    if (!path) return INVALID_HANDLE_VALUE;
    int flags = (access & GENERIC_WRITE) ? ((access & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
    switch (disposition) {
    case 1: flags |= O_CREAT | O_EXCL; break;   // CREATE_NEW
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_EXISTING: break;
    case 4: flags |= O_CREAT; break;            // OPEN_ALWAYS
    case 5: flags |= O_TRUNC; break;            // TRUNCATE_EXISTING
    default: return INVALID_HANDLE_VALUE;
    }
    // A new file gets the user's umask, as every other program's does.
    const int fd = open(path, flags | O_CLOEXEC, 0666);
    return fd < 0 ? INVALID_HANDLE_VALUE : new File{fd};
}

BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void*) {
    core::LogCall("WriteFile", size);
    if (written) *written = 0;
    if (!file || file == INVALID_HANDLE_VALUE || (!data && size)) return FALSE;
    struct stat st;
    const off_t at = lseek(file->fd, 0, SEEK_CUR);
    const long owned = fstat(file->fd, &st) == 0 && at >= 0 && st.st_size > at ? st.st_size - at : 0;
    const DWORD allowed = core::DiskAllows(owned, size);
    DWORD done = 0;
    while (done < allowed) {
        const ssize_t n = write(file->fd, static_cast<const char*>(data) + done, allowed - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<DWORD>(n);
    }
    core::DiskSpent(owned, done);
    if (written) *written = done;
    return done == size ? TRUE : FALSE;  // short: the disk is full
}

BOOL FlushFileBuffers(HANDLE file) {
    core::LogCall("FlushFileBuffers");
    if (!file || file == INVALID_HANDLE_VALUE) return FALSE;
    return fsync(file->fd) == 0 ? TRUE : FALSE;
}

BOOL CloseHandle(HANDLE file) {
    core::LogCall("CloseHandle");
    if (!file || file == INVALID_HANDLE_VALUE) return FALSE;
    const int rc = close(file->fd);
    delete file;
    return rc == 0 ? TRUE : FALSE;
}

BOOL MoveFileExA(const char* from, const char* to, DWORD flags) {
    core::LogCall("MoveFileExA", from, to, flags);
    if (!from || !to) return FALSE;
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && access(to, F_OK) == 0) return FALSE;
    return rename(from, to) == 0 ? TRUE : FALSE;
}

BOOL SetEndOfFile(HANDLE file) {
    core::LogCall("SetEndOfFile");
    if (!file || file == INVALID_HANDLE_VALUE) return FALSE;
    const off_t at = lseek(file->fd, 0, SEEK_CUR);
    return at >= 0 && ftruncate(file->fd, at) == 0 ? TRUE : FALSE;
}

DWORD GetFinalPathNameByHandleA(HANDLE file, char* buffer, DWORD size, DWORD) {
    core::LogCall("GetFinalPathNameByHandleA");
    if (!file || file == INVALID_HANDLE_VALUE) return 0;
    const std::string link = "/proc/self/fd/" + std::to_string(file->fd);
    std::string target(4096, '\0');
    const ssize_t n = readlink(link.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return 0;
    const DWORD length = static_cast<DWORD>(n);
    if (!buffer || length >= size) return length + 1;
    std::memcpy(buffer, target.data(), length);
    buffer[length] = '\0';
    return length;
}

BOOL ReplaceFileA(const char* replaced, const char* replacement, const char* backup, DWORD flags, void*, void*) {
    core::LogCall("ReplaceFileA", replaced, replacement, flags);
    struct stat old;
    if (!replaced || !replacement || backup || stat(replaced, &old) != 0) return FALSE;
    // The owner can only be given away by root; the group where the user
    // belongs to it. Either refused, the file is still the user's to save.
    if (chown(replacement, old.st_uid, old.st_gid) != 0) (void)chown(replacement, static_cast<uid_t>(-1), old.st_gid);
    if (chmod(replacement, old.st_mode & 07777) != 0) return FALSE;
    return rename(replacement, replaced) == 0 ? TRUE : FALSE;
}

BOOL DeleteFileA(const char* path) {
    core::LogCall("DeleteFileA", path);
    return path && unlink(path) == 0 ? TRUE : FALSE;
}

DWORD GetFileAttributesA(const char* path) {
    core::LogCall("GetFileAttributesA", path);
    struct stat st;
    if (!path || stat(path, &st) != 0) return INVALID_FILE_ATTRIBUTES;
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

namespace {

bool NextName(DIR* folder, WIN32_FIND_DATAA* data) {
    const dirent* entry = readdir(folder);
    if (!entry) return false;
    const std::size_t length = std::strlen(entry->d_name);
    if (length >= sizeof data->cFileName) return false;
    std::memcpy(data->cFileName, entry->d_name, length + 1);
    return true;
}

}  // namespace

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data) {
    core::LogCall("FindFirstFileA", pattern);
    const std::size_t length = pattern ? std::strlen(pattern) : 0;
    if (!data || length < 2 || std::strcmp(pattern + length - 2, "/*") != 0) return INVALID_HANDLE_VALUE;
    const std::string name(pattern, length == 2 ? 1 : length - 2);  // "/*" lists the root
    DIR* folder = opendir(name.c_str());
    if (!folder) return INVALID_HANDLE_VALUE;
    if (!NextName(folder, data)) {
        closedir(folder);
        return INVALID_HANDLE_VALUE;
    }
    return new File{-1, folder};
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data) {
    if (!find || find == INVALID_HANDLE_VALUE || !find->folder || !data) return FALSE;
    return NextName(find->folder, data) ? TRUE : FALSE;
}

BOOL FindClose(HANDLE find) {
    if (!find || find == INVALID_HANDLE_VALUE || !find->folder) return FALSE;
    const int rc = closedir(find->folder);
    delete find;
    return rc == 0 ? TRUE : FALSE;
}

}  // namespace win
