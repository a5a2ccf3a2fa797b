// Records the console's calls into the mixer engine; every call still reaches
// the engine. Linking a test that uses these functions puts the recorder
// between the console and the engine library.
//
//   EngineSpyClear();
//   c.host.KeyDown('Z');
//   EXPECT_EQ(EngineSpyCalls("EnginePlay"), (Calls{"EnginePlay(1,loops=7)"}));
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"

// Every recorded call as text, in order, e.g. "EngineOpen(22050)",
// "EngineLoadSample(/tmp/tnX/KICK.WAV)", "EngineOpenChannels(8,2)",
// "EnginePlay(1,loops=7)", "EngineFlushChannel(3,2)", "EngineCloseChannel(0,1)",
// "EngineFreeSample", "EngineClose", "EngineActivate(1)".
std::vector<std::string> EngineSpyCalls(const std::string& prefix = "");
void EngineSpyClear();
// The last play request that reached the engine (size 0 when none).
PlayRequest EngineSpyLastPlay();
