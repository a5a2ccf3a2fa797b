// The start-up helper thread: whatever happens to the start-up, it ends.
#include <gtest/gtest.h>

#include "platform/qt/startup_warmup.h"

namespace {

// A start-up that fails before the application object exists (no display,
// say) destroys the helper still waiting to hear of it.
TEST(StartupWarmup, EndsWhenTheApplicationNeverComes) {
    qthost::StartupWarmup warmup;
    warmup.WaitForFontConfiguration();
}

TEST(StartupWarmup, EndsWhenToldThereIsNoApplication) {
    qthost::StartupWarmup warmup;
    warmup.ApplicationReady(false);
    warmup.ApplicationReady(false);  // told twice: the second is ignored
    warmup.Wait();
    warmup.Wait();
}

}  // namespace
