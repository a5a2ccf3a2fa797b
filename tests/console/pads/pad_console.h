// A started console with a folder of samples and the engine calls recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pads/sample_pads.h"
#include "shell/console_state.h"
#include "support/console_session.h"
#include "support/engine_spy.h"
#include "support/sample_files.h"

using Calls = std::vector<std::string>;

class PadConsole : public ::testing::Test {
protected:
    ConsoleSession c;
    SampleFolder dir;

    win::HWND Window() const { return c.Window(); }
    // Pad p's load button released, the file dialog answered with path.
    void Load(int p, const std::string& path) {
        c.host.AnswerFileDialog(path);
        PadLoadButton(Window(), p);
        c.host.Pump();
    }
    void Forget() {
        EngineSpyClear();
        c.host.ClearCalls();
    }
    Calls HostCalls(const std::string& prefix) const { return c.host.CallsStartingWith(prefix); }
};
