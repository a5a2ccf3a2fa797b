// A started console with a ten-track disc, a folder for samples and set
// files, and the engine calls recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/set_file.h"
#include "pads/sample_pads.h"
#include "shell/console_state.h"
#include "support/console_session.h"
#include "support/engine_spy.h"
#include "support/sample_files.h"
#include "support/virtual_disc.h"

using Calls = std::vector<std::string>;

// Track t (1..10) lasts t * 1000 ms + 500 ms.
inline std::vector<int> TenTracks() {
    std::vector<int> lengths;
    for (int t = 1; t <= 10; ++t) lengths.push_back(t * 1000 + 600);
    return lengths;
}

class SetConsole : public ::testing::Test {
protected:
    VirtualDisc disc{TenTracks()};
    ConsoleSession c{{.disc = disc.Folder()}};
    SampleFolder dir;

    win::HWND Window() const { return c.Window(); }
    void Forget() {
        EngineSpyClear();
        c.host.ClearCalls();
    }
    // The Load command with the file dialog answered by path.
    void Open(const std::string& path) {
        c.host.AnswerFileDialog(path);
        SetFileOpen(Window());
        c.host.Pump();
    }
    // Writes text as a set file and loads it.
    void OpenText(const std::string& text) { Open(dir.Write("t.tnl", text)); }
    std::vector<int> List() const { return {g_listTracks, g_listTracks + g_listCount}; }
    std::vector<int> LoopCounts() const { return {g_padLoopCount, g_padLoopCount + kPadCount}; }
};

// The lines of a set file from its sections, each line given without its end.
inline std::string SetText(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}
