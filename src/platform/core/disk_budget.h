// The headless host's disk budget, which lets tests show that a full disk
// leaves the old file intact. Writes over bytes a file already has take no
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
