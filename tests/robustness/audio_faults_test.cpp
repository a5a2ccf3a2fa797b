// Without a sound card, and with the sound card lost in the middle of play:
// the drive and the engine both run on their null outputs, which take
// frames in real time.
#include <chrono>
#include <functional>
#include <thread>

#include "cd/cd_transport.h"
#include "commands/menu_commands.h"
#include "engine/engine_output.h"
#include "fault_console.h"
#include "invariants.h"
#include "panel/press.h"
#include "shell/console_state.h"

using namespace panel_point;

namespace {

std::unique_ptr<cdaudio::Device> NullOutputDrive(const std::string& disc) {
    cdaudio::Options options;
    options.output = cdaudio::Output::Null;
    options.initialDisc = disc;
    options.usePhysicalDrive = false;
    return cdaudio::CreateDevice(options);
}

// Waits, yielding and never sleeping, until `done` holds; gives up after
// half a minute of a loaded machine.
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
// card either.
class NoSoundCard : public ::testing::Test {
protected:
    void LoadPad(int pad, const std::string& path) {
        c.host.AnswerFileDialog(path);
        c.host.Click(LoadX(pad), kLoadY);
        ASSERT_EQ(g_padLoaded[pad], 1);
    }
    bool PositionPasses(int ms) {
        return Eventually([ms] { return CdPositionMs() >= ms; });
    }

    FilePool files;
    VirtualDisc disc{{2000, 3000, 1000}};
    std::unique_ptr<cdaudio::Device> drive = NullOutputDrive(disc.Folder());
    ConsoleSession c{{.device = drive.get()}};
};

TEST_F(NoSoundCard, TheDeckPlaysOnAndThePadsSound) {
    ASSERT_EQ(g_trackCount, 3);
    ASSERT_NE(g_mixer, 0u);
    EXPECT_GT(EngineDeviceRate(g_mixer), 0);

    c.host.Click(kFirstTrackX, kRowY);
    ASSERT_EQ(g_cdState, CD_PLAYING);
    EXPECT_TRUE(PositionPasses(100)) << "the position never moved";
    c.host.Advance(100);
    EXPECT_EQ(g_cdState, CD_PLAYING);

    LoadPad(0, files.GoodSample(0));
    c.host.KeyDown('Z');
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    c.host.KeyUp('Z');
    c.host.Click(kStopX, kRowY);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(CheckConsoleState(), "");
}

// Freeing a sample waits for the engine's output to let go of it, so after
// the loss the output that took over must be the one answering; the drive's
// position moves on over its new output.
TEST_F(NoSoundCard, LostWhilePlayingTheNullOutputsTakeOver) {
    LoadPad(0, files.GoodSample(3));
    LoadPad(1, files.GoodSample(1));
    c.host.Click(kFirstTrackX, kRowY);
    ASSERT_TRUE(PositionPasses(100));
    c.host.KeyDown('Z');
    c.host.KeyDown('X');

    drive->LoseOutput();
    EngineLoseOutput(g_mixer);
    const int lostAt = CdPositionMs();
    EXPECT_TRUE(PositionPasses(lostAt + 100)) << "the position stopped at the loss";
    c.host.Advance(100);
    EXPECT_EQ(g_cdState, CD_PLAYING);

    c.host.KeyUp('Z');
    c.host.KeyUp('X');
    c.host.KeyDown(' ');
    c.host.KeyUp(' ');
    EXPECT_GT(EngineDeviceRate(g_mixer), 0);
    LoadPad(0, files.GoodSample(2));  // frees the old sample first
    c.host.Command(IDM_WAVESPEED);     // cancelled: the engine is reopened all the same
    EXPECT_EQ(g_padLoaded[0], 1);
    EXPECT_EQ(g_padLoaded[1], 1);
    c.host.KeyDown('X');
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    c.host.KeyUp('X');
    c.host.Click(kStopX, kRowY);
    EXPECT_EQ(g_cdState, CD_STOPPED);
    EXPECT_EQ(CheckConsoleState(), "");
}
