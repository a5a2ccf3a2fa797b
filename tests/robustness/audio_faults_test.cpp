// Without a sound card, and with the sound card lost in the middle of play.
#include <chrono>
#include <functional>
#include <thread>

#include "cd/cd_transport.h"
#include "commands/menu_commands.h"
#include "engine/engine_output.h"
#include "fault_console.h"
#include "panel/press.h"
#include "shell/console_state.h"

using namespace panel_point;

namespace {

// The null outputs run on real time: waits (yielding, never sleeping) until
// `done` holds, for at most half a minute of a loaded machine.
bool Eventually(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace

// The test programs run with TORNEL_NULL_AUDIO=1, so the engine has no sound
// card either; the drive here plays on its own null output.
TEST(NoSoundCard, TheDeckPlaysOnAndThePadsSoundOnTheNullOutputs) {
    FilePool files;
    VirtualDisc disc{{2000, 3000, 1000}};
    cdaudio::Options options;
    options.output = cdaudio::Output::Null;
    options.initialDisc = disc.Folder();
    options.usePhysicalDrive = false;
    std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);
    ConsoleSession c({.device = drive.get()});
    ASSERT_EQ(g_trackCount, 3);
    ASSERT_NE(g_mixer, 0u);
    EXPECT_GT(EngineDeviceRate(g_mixer), 0);

    c.host.Click(kFirstTrackX, kRowY);
    ASSERT_EQ(g_cdState, 0);
    EXPECT_TRUE(Eventually([&] { return CdPositionMs() >= 100; })) << "the position never moved";
    c.host.Advance(100);
    EXPECT_EQ(g_cdState, 0);

    c.host.AnswerFileDialog(files.GoodSample(0));
    c.host.Click(LoadX(0), kLoadY);
    ASSERT_EQ(g_padLoaded[0], 1);
    c.host.KeyDown('Z');
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    c.host.KeyUp('Z');
    c.host.Click(kStopX, kRowY);
    EXPECT_EQ(g_cdState, 2);
}

// Freeing a sample waits for the output to let go of it: after the loss the
// null output that took over must be the one answering.
TEST_F(FaultConsole, SoundCardLostWhilePadsPlayTheConsoleGoesOn) {
    LoadPad(0, files.GoodSample(3));
    LoadPad(1, files.GoodSample(1));
    Host().Click(kFirstTrackX, kRowY);
    Host().KeyDown('Z');
    Host().KeyDown('X');
    Host().Advance(100);

    EngineLoseOutput(g_mixer);
    Host().KeyUp('Z');
    Host().KeyUp('X');
    Host().KeyDown(' ');
    EXPECT_GT(EngineDeviceRate(g_mixer), 0);
    LoadPad(0, files.GoodSample(2));  // frees the old sample first
    EXPECT_EQ(g_padLoaded[0], 1);
    Host().Command(IDM_WAVESPEED);  // cancelled: the engine is reopened all the same
    EXPECT_EQ(g_padLoaded[0], 1);
    EXPECT_EQ(g_padLoaded[1], 1);
    ExpectPadsPlay();
    Host().Click(kStopX, kRowY);
    ExpectDeckPlays();
}
