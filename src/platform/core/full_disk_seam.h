// A test seam: the full disk. It stays in the core because WriteFile is the
// core's, and a full disk is what shows that saving a set file over an old
// one leaves the old file intact when the new one cannot be written. Only
// the headless host sets a budget (Session::LimitDiskSpace, through
// core::SetDiskBudget); the program never does, and without a budget every
// write is put down as asked. Writes over bytes a file already has take no
// new room: only what grows the file is counted.
#pragma once

#include "platform/win.h"

namespace win::core {

// How many of `size` bytes a write may put down, `owned` of which would go
// over the file's own bytes.
DWORD DiskAllows(long owned, DWORD size);
// After a write that put down `done` bytes.
void DiskSpent(long owned, DWORD done);

}  // namespace win::core
