// A bounded multi-producer queue in the manner of a sequence-numbered ring:
// each slot's sequence tells producers and the one consumer whose turn it is,
// so neither side ever waits on the other.
#include "platform/core/thread_posts.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <thread>

#include "platform/core/core_control.h"
#include "platform/core/core_state.h"

namespace win {
namespace core {

namespace {

constexpr std::size_t kSlots = 1024;  // a power of two

struct Slot {
    std::atomic<std::size_t> sequence;
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

struct Ring {
    Ring() {
        for (std::size_t i = 0; i < kSlots; ++i) slots[i].sequence.store(i, std::memory_order_relaxed);
    }
    std::array<Slot, kSlots> slots;
    alignas(64) std::atomic<std::size_t> tail{0};  // producers
    alignas(64) std::size_t head = 0;              // the GUI thread alone
};

Ring& TheRing() {
    static Ring* ring = new Ring();  // never freed: posters may outlive static destructors
    return *ring;
}

std::atomic<std::thread::id> s_guiThread{};

}  // namespace

void MarkGuiThread() { s_guiThread.store(std::this_thread::get_id()); }

bool OnGuiThread() {
    const std::thread::id gui = s_guiThread.load();
    return gui == std::thread::id() || gui == std::this_thread::get_id();
}

bool PostFromThread(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Ring& ring = TheRing();
    std::size_t position = ring.tail.load(std::memory_order_relaxed);
    for (;;) {
        Slot& slot = ring.slots[position & (kSlots - 1)];
        const std::size_t sequence = slot.sequence.load(std::memory_order_acquire);
        const auto lead = static_cast<std::ptrdiff_t>(sequence) - static_cast<std::ptrdiff_t>(position);
        if (lead == 0) {
            if (ring.tail.compare_exchange_weak(position, position + 1, std::memory_order_relaxed)) {
                slot.hwnd = hwnd;
                slot.msg = msg;
                slot.wParam = wParam;
                slot.lParam = lParam;
                slot.sequence.store(position + 1, std::memory_order_release);
                return true;
            }
        } else if (lead < 0) {
            return false;  // full: the GUI thread has not caught up
        } else {
            position = ring.tail.load(std::memory_order_relaxed);
        }
    }
}

void TakeThreadPosts() {
    Ring& ring = TheRing();
    for (;;) {
        Slot& slot = ring.slots[ring.head & (kSlots - 1)];
        if (slot.sequence.load(std::memory_order_acquire) != ring.head + 1) return;
        const HWND hwnd = slot.hwnd;
        const UINT msg = slot.msg;
        const WPARAM wParam = slot.wParam;
        const LPARAM lParam = slot.lParam;
        slot.sequence.store(ring.head + kSlots, std::memory_order_release);
        ++ring.head;
        // A window closed since the post takes nothing.
        if (FindWindow(hwnd)) State().posted.push_back(MSG{hwnd, msg, wParam, lParam, CurrentHostOrNull().TickCount(), {0, 0}});
    }
}

}  // namespace core
}  // namespace win
