#include <mutex>

#include "audio/back_end.h"
#include "audio/sound_card.h"

namespace audio {
namespace {

std::mutex g_lock;
std::vector<BackEnd> g_forTests;

}  // namespace

void SetBackEndsForTests(std::vector<BackEnd> backEnds)
{
    std::lock_guard guard(g_lock);
    g_forTests = std::move(backEnds);
}

std::vector<BackEnd> BackEndsInUse()
{
    {
        std::lock_guard guard(g_lock);
        if (!g_forTests.empty()) return g_forTests;
    }
    if (SoundCardDisabled()) return {};
    return SystemBackEnds();
}

}  // namespace audio
