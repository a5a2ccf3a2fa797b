// Messages posted from threads other than the GUI thread: a bounded
// lock-free queue that the message loop empties into its own queue. A
// poster never blocks and never allocates; when the queue is full the
// message is dropped.
#pragma once

#include "platform/win.h"

namespace win {
namespace core {

// The thread that installed the host owns the message queue.
void MarkGuiThread();
bool OnGuiThread();
// From any thread. False when the queue is full.
bool PostFromThread(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// GUI thread: moves what other threads posted to the posted-message queue.
void TakeThreadPosts();

}  // namespace core
}  // namespace win
