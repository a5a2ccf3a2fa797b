// While files hover over the window, a host that can show the answer (the
// pointer's "no" cursor) asks the window whether dropping them there would
// act: wParam holds a drop as WM_DROPFILES does, which the window finishes;
// the result is nonzero for yes. The system's drop message has no question.
#pragma once

#include "platform/win.h"

constexpr win::UINT kMsgQueryDrop = 0x8000 + 0x0100;  // in the range the system leaves to programs
