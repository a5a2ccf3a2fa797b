#include "platform/core/full_disk_seam.h"

#include <algorithm>

#include "platform/core/core_control.h"

namespace win::core {
namespace {
long g_diskBudget = -1;  // bytes WriteFile may still write; < 0: no limit
}  // namespace

void SetDiskBudget(long bytes) { g_diskBudget = bytes; }

DWORD DiskAllows(long owned, DWORD size) {
    return g_diskBudget < 0 ? size : static_cast<DWORD>(std::min<long>(owned + g_diskBudget, size));
}

void DiskSpent(long owned, DWORD done) {
    if (g_diskBudget >= 0) g_diskBudget -= std::max<long>(0, static_cast<long>(done) - owned);
}

}  // namespace win::core
