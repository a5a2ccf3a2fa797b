// The whole program in one test process: WinMain on the Qt host, offscreen,
// with the devices the program builds (the drive holding the demo disc, the
// engine, both on their real-time null outputs), driven through Qt input
// from inside its own message loop: the disc plays, a pad is loaded and
// fired, a set file is saved over an old one and loaded back, and Exit or
// the close box ends WinMain with 0.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/startup.h"
#include "stand_in_servers.h"
#include "engine/engine_output.h"
#include "platform/core/core_control.h"
#include "qt/qt_console.h"
#include "shell/console_state.h"
#include "shell/main_window.h"
#include "support/sample_files.h"

using namespace win;

namespace {

constexpr int kWaitMs = 20000;  // generous: the sanitizers slow every step
constexpr std::uint32_t kBrightGreen = 0x00FF00;
const QPoint kPlay(110, 42);
const QPoint kPadOneLoad(95, 382);
const QPoint kSpeedKnob(399, 330);

// Runs the console's queue along with Qt's events until `done` holds.
bool PumpUntil(const std::function<bool()>& done) {
    return QTest::qWaitFor(
        [&done] {
            Pump();
            return done();
        },
        kWaitMs);
}

std::string CdReply(const char* command) {
    char reply[64] = "";
    mciSendStringA(command, reply, sizeof reply, nullptr);
    return reply;
}

// The strip where the position timer writes the drive's "tt:mm:ss:ff".
std::vector<std::uint32_t> PositionText() {
    std::vector<std::uint32_t> pixels;
    for (int y = 130; y < 150; ++y) {
        for (int x = 50; x < 250; ++x) pixels.push_back(SurfacePixel(x, y));
    }
    return pixels;
}

QAction* MenuItem(const QString& text) {
    for (QAction* action : TopWindow()->findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, Panel()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(Panel(), &event);
}

void ChooseMenu(const QString& text) {
    QAction* item = MenuItem(text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    item->trigger();
}

// A script for the next modal window: picks `path` in a file dialog after
// running `first` (which may script the window that comes next).
std::function<void(QWidget*)> ChooseFile(const std::string& path, std::function<void()> first = {}) {
    return [path, first](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        EXPECT_NE(dialog, nullptr) << "expected a file dialog";
        if (dialog == nullptr) {
            if (auto* other = qobject_cast<QDialog*>(window)) other->reject();
            return;
        }
        if (first) first();
        dialog->selectFile(QString::fromLocal8Bit(path.c_str()));
        static_cast<QDialog*>(dialog)->accept();
    };
}

class WholeProgram : public ::testing::Test {
protected:
    SampleFolder folder;
    std::string kick = folder.File("KICK.WAV");
    std::string setFile = folder.Write("set.tnl", "an older set\n");

    WholeProgram() { std::filesystem::copy_file(TORNEL_DEMO_SAMPLES_DIR "/KICK.WAV", kick); }

    void PlayTheDisc(const cdaudio::Device& drive) {
        ASSERT_TRUE(PumpUntil([] { return Panel() != nullptr && Panel()->isVisible(); }));
        ASSERT_EQ(g_trackCount, 3);
        ASSERT_EQ(g_cdState, CD_STOPPED);
        QTest::mouseClick(Panel(), Qt::LeftButton, {}, kPlay);
        ASSERT_TRUE(PumpUntil([] { return g_cdState == CD_PLAYING; }));
        EXPECT_EQ(CdReply("status cdaudio mode"), "playing");
        const std::string started = CdReply("status cdaudio position");
        const std::uint64_t frames = drive.FramesPlayed();
        EXPECT_TRUE(PumpUntil([&] {
            return CdReply("status cdaudio position") != started && drive.FramesPlayed() > frames;
        }));
        // The panel follows on the real clock's timer ticks.
        const std::vector<std::uint32_t> shown = PositionText();
        EXPECT_TRUE(PumpUntil([&shown] { return PositionText() != shown; }));
    }

    void LoadAndFirePadOne() {
        OnModal(ChooseFile(kick));
        QTest::mouseClick(Panel(), Qt::LeftButton, {}, kPadOneLoad);
        ASSERT_TRUE(PumpUntil([] { return g_padLoaded[0] == 1; }));
        EXPECT_STREQ(g_padTitle[0], "KICK.WAV");
        EXPECT_EQ(EngineSampleLoaded(g_mixer, g_padSample[0]), 1);

        QTest::keyPress(Panel(), Qt::Key_Z);
        EXPECT_TRUE(PumpUntil([] { return g_pressed == 19 && SurfacePixel(94, 310) == kBrightGreen; }));
        QTest::keyRelease(Panel(), Qt::Key_Z);
        EXPECT_TRUE(PumpUntil([] { return g_pressed == 0 && SurfacePixel(94, 310) != kBrightGreen; }));
    }

    void SaveOverTheOldSet() {
        QString asked;
        OnModal(ChooseFile(setFile, [&asked] {
            OnModal([&asked](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                EXPECT_NE(box, nullptr) << "expected the overwrite question";
                if (box == nullptr) return;
                asked = box->text();
                box->button(QMessageBox::Ok)->click();
            });
        }));
        ChooseMenu("Save Tornel File");
        ASSERT_TRUE(PumpUntil([this] { return ReadWholeFile(setFile).rfind("#FileName", 0) == 0; }));
        EXPECT_EQ(asked.toStdString(), setFile + " is already exists. OverWrite ?");
        const std::string blank = "   \n";
        EXPECT_EQ(ReadWholeFile(setFile), "#FileName;Pathname;Tornel Ver3.0\nKICK.WAV " + kick + "\n" + blank + blank +
                                              blank + blank + blank + blank + "*\n*\n7\n7\n7\n7\n7\n7\n7\n*\n22050\n");
    }

    // The speed fader dragged up ten pixels: the engine reopens faster.
    void SpeedUp() {
        SendMouse(QEvent::MouseButtonPress, kSpeedKnob, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, kSpeedKnob - QPoint(0, 10), Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, kSpeedKnob - QPoint(0, 10), Qt::LeftButton, Qt::NoButton);
        ASSERT_TRUE(PumpUntil([] { return g_waveRate == 26460; }));
    }

    void LoadTheSetBack() {
        OnModal(ChooseFile(setFile));
        ChooseMenu("Load Tornel File");
        ASSERT_TRUE(PumpUntil([] { return g_waveRate == 22050; }));
        EXPECT_EQ(g_padLoaded[0], 1);
        EXPECT_EQ(EngineSampleLoaded(g_mixer, g_padSample[0]), 1);
        EXPECT_TRUE(TopWindow()->windowTitle().endsWith("set.tnl"));
        EXPECT_EQ(g_cdState, CD_PLAYING);  // the disc played on
    }

    // Starts the program as it lies in the build folder, with `session`
    // started from inside its message loop; `session` must end it. Returns
    // WinMain's result; `mode` is the drive's mode once WinMain has returned.
    int RunProgram(const std::function<void(const cdaudio::Device&)>& session, std::string& mode,
                   cdaudio::Output output = cdaudio::Output::Null) {
        win::core::ResetCore();  // a fresh process' core and console
        ConsoleStateReset();
        char name[] = "test_e2e";
        char* argv[] = {name, nullptr};
        StartupOptions options;
        options.argc = 1;
        options.argv = argv;
        options.programFolder = TORNEL_BUILD_FOLDER;
        options.output = output;
        options.usePhysicalDrive = false;
        options.whenRunning = session;
        options.whenEnded = [&mode](cdaudio::Device& drive) {
            char reply[32] = "";
            drive.SendString("status cdaudio mode", reply, sizeof reply);
            mode = reply;
        };
        return StartTornel(options);
    }

    static void ExpectEngineClosed() {
        EXPECT_EQ(g_mixer, 0u);
        EngineStats stats{};
        EngineGetStats(&stats);
        EXPECT_EQ(stats.engines, 0u);
        EXPECT_EQ(stats.samples, 0u);
    }
};

TEST_F(WholeProgram, PlaysTheDiscAndAPadSavesAndReloadsASetThenExits) {
    std::string mode;
    const int result = RunProgram(
        [this](const cdaudio::Device& drive) {
            for (const std::function<void()>& step : std::initializer_list<std::function<void()>>{
                     [&] { PlayTheDisc(drive); }, [&] { LoadAndFirePadOne(); }, [&] { SaveOverTheOldSet(); },
                     [&] { SpeedUp(); }, [&] { LoadTheSetBack(); }}) {
                step();
                if (HasFatalFailure()) break;
            }
            // Whatever happened, leave through the menu so that WinMain returns.
            if (QAction* exit = TopWindow() ? MenuItem("Exit") : nullptr) exit->trigger();
        },
        mode);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(mode, "stopped");
    ExpectEngineClosed();
}

TEST_F(WholeProgram, TheCloseBoxEndsAPlayingProgramLikeExit) {
    std::string mode;
    const int result = RunProgram(
        [this](const cdaudio::Device& drive) {
            PlayTheDisc(drive);
            if (!HasFatalFailure()) LoadAndFirePadOne();
            if (QWidget* top = TopWindow()) top->close();
        },
        mode);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(mode, "stopped");
    ExpectEngineClosed();
}

// Both outputs' server takes seconds to open (a stand-in for a slow one):
// the window is up and the disc plays before either has opened, and both
// move to the server afterwards.
TEST_F(WholeProgram, TheWindowDoesNotWaitForTheSoundDevices) {
    // Far beyond a sanitized start-up.
    audio_test::StandIns servers({{"PulseAudio", false, 44100, std::chrono::milliseconds(4000)}});
    std::string mode;
    const int result = RunProgram(
        [this](const cdaudio::Device& drive) {
            EngineStats stats{};
            EngineGetStats(&stats);
            EXPECT_EQ(stats.onDevice, 0u);
            EXPECT_FALSE(drive.OutputState().onSoundCard);
            PlayTheDisc(drive);
            EXPECT_TRUE(PumpUntil([&] {
                EngineGetStats(&stats);
                return stats.onDevice == 1 && drive.OutputState().onSoundCard;
            }));
            EXPECT_EQ(CdReply("status cdaudio mode"), "playing");
            if (QAction* exit = TopWindow() ? MenuItem("Exit") : nullptr) exit->trigger();
        },
        mode, cdaudio::Output::Default);
    EXPECT_EQ(result, 0);
    ExpectEngineClosed();
}

}  // namespace
