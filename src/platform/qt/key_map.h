// Qt key events as the virtual-key codes a Windows keyboard driver reports.
#pragma once

#include <QKeyEvent>

#include "platform/win.h"

namespace qthost {

// The virtual-key code of the physical key, or 0 when the key has none that
// the window could use (the event is then not delivered).
win::UINT VirtualKey(const QKeyEvent& event);

// Keys pressed with Alt (and Alt itself) are system keys: WM_SYSKEYDOWN/UP.
bool IsSystemKey(const QKeyEvent& event);

// lParam of a key message: repeat count 1, bit 29 for system keys, bit 30
// when the key was already down, bit 31 on release.
win::LPARAM KeyLParam(bool wasDown, bool release, bool system);

}  // namespace qthost
