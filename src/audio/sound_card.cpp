#include "audio/sound_card.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>

namespace audio {
namespace {

constexpr auto kAskStopEvery = std::chrono::milliseconds(20);

std::mutex g_holdLock;
std::condition_variable g_released;
bool g_held = false;

}  // namespace

std::mutex& PortAudioLock()
{
    static std::mutex lock;
    return lock;
}

bool SoundCardDisabled()
{
    const char* value = std::getenv("TORNEL_NULL_AUDIO");
    return value && std::strcmp(value, "1") == 0;
}

void HoldCardOpening()
{
    std::lock_guard guard(g_holdLock);
    g_held = true;
}

void ReleaseCardOpening()
{
    {
        std::lock_guard guard(g_holdLock);
        g_held = false;
    }
    g_released.notify_all();
}

bool WaitForCardOpening(const std::function<bool()>& stop)
{
    while (true) {
        {
            std::unique_lock guard(g_holdLock);
            if (g_released.wait_for(guard, kAskStopEvery, [] { return !g_held; })) return true;
        }
        if (stop()) return false;
    }
}

}  // namespace audio
