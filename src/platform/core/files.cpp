// Files over POSIX. Writes honour the headless host's disk budget so that a
// full disk can be shown to leave the old file intact.
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/core/call_log.h"
#include "platform/core/core_control.h"

namespace win {

struct File {
    int fd;
};
const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t{0});

namespace core {
namespace {
long g_diskBudget = -1;  // bytes WriteFile may still write; < 0: no limit
}  // namespace

void SetDiskBudget(long bytes) { g_diskBudget = bytes; }

}  // namespace core

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
    const int fd = open(path, flags | O_CLOEXEC, 0644);
    return fd < 0 ? INVALID_HANDLE_VALUE : new File{fd};
}

BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void*) {
    core::LogCall("WriteFile", size);
    if (written) *written = 0;
    if (!file || file == INVALID_HANDLE_VALUE || (!data && size)) return FALSE;
    long& budget = core::g_diskBudget;
    const DWORD allowed = budget < 0 ? size : static_cast<DWORD>(std::min<long>(budget, size));
    DWORD done = 0;
    while (done < allowed) {
        const ssize_t n = write(file->fd, static_cast<const char*>(data) + done, allowed - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<DWORD>(n);
    }
    if (budget >= 0) budget -= done;
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

BOOL DeleteFileA(const char* path) {
    core::LogCall("DeleteFileA", path);
    return path && unlink(path) == 0 ? TRUE : FALSE;
}

}  // namespace win
