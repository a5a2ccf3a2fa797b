// Every test program starts here: tests never need a display or a sound card,
// so both are replaced before anything reads the environment.
#include <gtest/gtest.h>

#include "portable.h"

int main(int argc, char** argv) {
    portable::SetEnv("QT_QPA_PLATFORM", "offscreen", false);
    portable::SetEnv("TORNEL_NULL_AUDIO", "1", false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
