// MIDI input through a stand-in for the system's MIDI library: the bytes a
// source sends, decoded on its own thread, work the console's controls.
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <thread>

#include "commands/set_file.h"
#include "devices/midi/midi_inputs.h"
#include "pad_console.h"
#include "pads/midi_console.h"
#include "pads/midi_learn.h"
#include "pads/midi_map.h"
#include "panel/press.h"
#include "resources/command_ids.h"

namespace {

constexpr std::uint32_t kLit = 0x00FF00;
constexpr std::uint32_t kDark = 0x008000;

// Sources come and go as the test says; their bytes arrive when it feeds them.
class StandIn final : public midi::Backend {
public:
    struct Open {
        midi::Receive receive;
        void* context;
    };
    std::vector<std::string> offered;
    std::map<std::string, Open> open;

    std::vector<std::string> Sources() override { return offered; }
    std::unique_ptr<midi::Listening> Listen(const std::string& source, midi::Receive receive, void* context) override {
        open[source] = Open{receive, context};
        return std::make_unique<Closing>(*this, source);
    }
    void Feed(const std::string& source, std::vector<std::uint8_t> bytes) {
        const Open& o = open.at(source);
        o.receive(o.context, bytes.data(), bytes.size());
    }

private:
    struct Closing final : midi::Listening {
        Closing(StandIn& b, std::string s) : backend(b), source(std::move(s)) {}
        ~Closing() override { backend.open.erase(source); }
        StandIn& backend;
        std::string source;
    };
};

void Post(void* window, midi::Packed message, std::uint32_t source) {
    win::PostMessageA(static_cast<win::HWND>(window), WM_MIDI_INPUT, message, static_cast<win::LPARAM>(source));
}

}  // namespace

TEST(MidiDecoder, TakesRunningStatusRealTimeAndExclusiveDataInItsStride) {
    midi::Decoder d;
    std::vector<midi::Packed> out;
    const std::vector<std::uint8_t> stream = {
        0x45, 0x7F,                    // data bytes before any status: nothing
        0x99, 0x24, 0xF8, 0x64,        // note-on, a clock byte between its data bytes
        0x26, 0x50,                    // running status: a second note-on
        0xF0, 0x01, 0x02, 0x90, 0x30,  // exclusive data, ended by a note-on
        0x40,
        0xF0, 0x11, 0x22, 0xF7,        // exclusive data, ended properly
        0x30, 0x40,                    // no running status after it: nothing
        0xC3, 0x05,                    // program change: one data byte
        0xF3, 0x10, 0xB0, 0x07, 0x7F,  // song select's byte, then a controller
    };
    for (std::uint8_t b : stream) {
        if (const midi::Packed m = midi::Decode(d, b)) out.push_back(m);
    }
    EXPECT_EQ(out, (std::vector<midi::Packed>{0x642499, 0x502699, 0x403090, 0x05C3, 0x7F07B0}));
}

class Midi : public PadConsole {
protected:
    void SetUp() override {
        Load(0, dir.Wav("KICK.WAV"));
        standIn = new StandIn();
        standIn->offered = {"pads"};
        inputs = std::make_unique<midi::Inputs>(std::unique_ptr<midi::Backend>(standIn), Post, Window());
        inputs->Rescan();
        Forget();
    }
    void Send(std::vector<std::uint8_t> bytes, const std::string& source = "pads") {
        standIn->Feed(source, std::move(bytes));
        c.host.Pump();
    }
    bool LampIs(int p, std::uint32_t colour) { return c.host.Pixel(90 + 42 * p, 310) == colour; }

    StandIn* standIn = nullptr;  // owned by inputs
    std::unique_ptr<midi::Inputs> inputs;
};

TEST_F(Midi, DrumNoteOnAnyChannelPlaysItsPadAsThePlayKeyDoes) {
    g_padLoop[0] = 1;
    Send({0x99, 36, 100});  // channel 10, note 36
    EXPECT_EQ(EngineSpyCalls("EnginePlay"), (Calls{"EnginePlay(1,loops=7)"}));
    EXPECT_TRUE(LampIs(0, kLit));
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    Send({0x89, 36, 0});
    EXPECT_TRUE(LampIs(0, kDark));
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Send({0x90, 36, 1, 36, 0});  // velocity 0, running status: the note-off
    EXPECT_EQ(EngineSpyCalls("EnginePlay").size(), 2u);
    EXPECT_TRUE(LampIs(0, kDark));
    Send({0x90, 38, 100, 0xE0, 0, 64, 0xA0, 36, 9});  // empty pad 2, pitch bend, pressure: nothing
    EXPECT_EQ(EngineSpyCalls("EnginePlay").size(), 2u);
}

TEST_F(Midi, SourceGoneWhileANoteHoldsItsPadDarkensTheLamp) {
    Send({0x90, 36, 100});
    standIn->offered.clear();
    inputs->Rescan();
    c.host.Pump();
    EXPECT_TRUE(LampIs(0, kDark));
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(inputs->ListeningCount(), 0u);
}

TEST_F(Midi, MessagesFromAnotherThreadReachTheConsole) {
    std::thread source([this] {
        for (int i = 0; i < 50; ++i) standIn->Feed("pads", {0x90, 36, 100, 36, 0});
    });
    source.join();
    c.host.Pump();
    EXPECT_EQ(EngineSpyCalls("EnginePlay").size(), 50u);
    EXPECT_TRUE(LampIs(0, kDark));
}

TEST_F(Midi, LearnsAButtonAndAFaderUntilEscape) {
    c.host.Command(IDM_MIDILEARN);
    ASSERT_NE(MidiLearnLine(), nullptr);
    c.host.Click(110, 42);  // PLAY: named, not pressed
    EXPECT_STREQ(MidiLearnLine(), "MIDI LEARN: CD PLAY - HIT A PAD");
    EXPECT_EQ(g_cdState, 2);
    Send({0xB1, 20, 127});
    EXPECT_EQ(MidiMapFind(MIDI_CONTROLLER, 2, 20), MIDI_CD_PLAY);
    c.host.KeyDown('X');  // pad 2's play key names it and plays nothing
    c.host.KeyUp('X');
    Send({0x99, 36, 90});  // the drum note of pad 1 goes to pad 2
    EXPECT_EQ(MidiMapFind(MIDI_NOTE, 10, 36), MIDI_PLAY_PAD + 1);
    EXPECT_EQ(MidiMapFind(MIDI_NOTE, 1, 36), -1);
    c.host.Click(476, 200);  // the CD volume fader waits for a controller
    Send({0x90, 50, 100});   // a note does not do for a fader
    EXPECT_STREQ(MidiLearnLine(), "MIDI LEARN: CD VOLUME - MOVE A KNOB");
    Send({0xB0, 7, 64});
    c.host.KeyDown(win::VK_ESCAPE);
    EXPECT_EQ(MidiLearnLine(), nullptr);
    EXPECT_TRUE(EngineSpyCalls("EnginePlay").empty());
    Send({0xB0, 7, 127});
    EXPECT_EQ(g_cdVolumeY, 170);
    Send({0xB0, 7, 0});
    EXPECT_EQ(g_cdVolumeY, 220);
    Send({0xB0, 7, 64, 0x99, 36, 90});
    EXPECT_EQ(g_cdVolumeY, 195);
    EXPECT_EQ(EngineSpyCalls("EnginePlay"), Calls{});  // pad 2 is empty
}

TEST_F(Midi, SpeedKnobAppliesTheRateOnceItRests) {
    MidiMapBind(MIDI_SPEED, MidiTrigger{MIDI_CONTROLLER, 0, 1});
    for (int v = 64; v <= 127; ++v) Send({0xB0, 1, static_cast<std::uint8_t>(v)});
    EXPECT_EQ(g_speedKnobY, 305);
    EXPECT_EQ(g_waveRate, 22050);
    c.host.Advance(200);
    EXPECT_EQ(g_waveRate, 33074);
    EXPECT_EQ(EngineSpyCalls("EngineOpen(").size(), 1u);
}

TEST_F(Midi, MapIsKeptInTheSetFileAfterTheRate) {
    MidiMapBind(MIDI_LOOP_PAD + 2, MidiTrigger{MIDI_PROGRAM, 3, 9});
    MidiMapBind(MIDI_WAVE_VOLUME, MidiTrigger{MIDI_CONTROLLER, 16, 127});
    const std::string path = dir.File("set.tnl");
    ASSERT_EQ(SetFileWrite(path.c_str()), 1);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    char bytes[4096] = {};
    const std::size_t n = std::fread(bytes, 1, sizeof bytes - 1, f);
    std::fclose(f);
    const std::string text(bytes, n);
    const std::string tail = "*\n22050\n*\n#MIDI map\nplay1 note 0 36\nplay2 note 0 38\nplay3 note 0 40\n"
                             "play4 note 0 41\nplay5 note 0 43\nplay6 note 0 45\nplay7 note 0 47\n"
                             "loop3 program 3 9\nwavevolume controller 16 127\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

    MidiMapClear();
    SetFileRead(path.c_str());
    EXPECT_EQ(MidiMapFind(MIDI_PROGRAM, 3, 9), MIDI_LOOP_PAD + 2);
    EXPECT_EQ(MidiMapFind(MIDI_CONTROLLER, 16, 127), MIDI_WAVE_VOLUME);
    EXPECT_EQ(MidiMapFind(MIDI_NOTE, 5, 47), MIDI_PLAY_PAD + 6);

    // A file of the console of old ends at the rate: the map stays.
    const std::string old = dir.Write("old.tnl", text.substr(0, text.find("*\n#MIDI")));
    MidiMapClear();
    MidiMapBind(MIDI_STOP_ALL, MidiTrigger{MIDI_NOTE, 1, 60});
    SetFileRead(old.c_str());
    EXPECT_EQ(MidiMapFind(MIDI_NOTE, 1, 60), MIDI_STOP_ALL);
    EXPECT_EQ(g_waveRate, 22050);

    // Lines out of range, unknown or short are skipped.
    const std::string bad = dir.Write("bad.tnl", "*\n*\n*\n22050\n*\n#MIDI map\nplay1 note 17 36\nplay2 note 0 128\n"
                                                 "jump note 0 1\nplay3 chord 0 1\nplay4 note 0\nplay5 note 2 3 4\n"
                                                 "cdstop note 0 99\n");
    SetFileRead(bad.c_str());
    for (int control = 0; control < kMidiControlCount; ++control) {
        EXPECT_EQ(g_midiMap[control].kind, control == MIDI_CD_STOP ? MIDI_NOTE : MIDI_NONE) << control;
    }
}
