// The keyboard: play, stop and loop keys, the space bar, the digit keys.
#include "pad_console.h"
#include "panel/press.h"
#include "panel/panel_layout.h"

namespace {

constexpr std::uint32_t kLit = 0x00FF00;
constexpr std::uint32_t kDark = 0x008000;

// The pads' keys by virtual-key code, pad 0 first: play, stop, loop.
struct PadKeys {
    win::UINT play, stop, loop;
};
constexpr PadKeys kPadKeys[kPadCount] = {
    {0x5A, 0x41, 0x51},  // Z A Q
    {0x58, 0x53, 0x57},  // X S W
    {0x43, 0x44, 0x45},  // C D E
    {0x56, 0x46, 0x52},  // V F R
    {0x42, 0x47, 0x54},  // B G T
    {0x4E, 0x48, 0x59},  // N H Y
    {0x4D, 0x4A, 0x55},  // M J U
};

// Seven characters, pad 0 first: '1' for pad p, '0' for the others (all '0' for p = -1).
std::string OnlyPad(int p) {
    std::string pads(kPadCount, '0');
    if (p >= 0) pads[p] = '1';
    return pads;
}

}  // namespace

class Keyboard : public PadConsole {
protected:
    // Every pixel of pad p's play lamp, (85..103, 306..313) for pad 0, has `colour`.
    ::testing::AssertionResult LampIs(int p, std::uint32_t colour) {
        for (int y = kPlayLampTop; y < kPlayLampBottom; ++y) {
            for (int x = PadColumnX(p) + kPlayLampLeft; x < PadColumnX(p) + kPlayLampRight; ++x) {
                if (c.host.Pixel(x, y) != colour) {
                    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << std::hex
                                                         << c.host.Pixel(x, y);
                }
            }
        }
        return ::testing::AssertionSuccess();
    }
    // Every play lamp, pad 0 first: '1' lit, '0' dark, '?' neither.
    std::string Lamps() {
        std::string lamps;
        for (int p = 0; p < kPadCount; ++p) lamps += LampIs(p, kLit) ? '1' : LampIs(p, kDark) ? '0' : '?';
        return lamps;
    }
    // Every pad's loop, pad 0 first.
    static std::string Loops() {
        std::string loops;
        for (int p = 0; p < kPadCount; ++p) loops += static_cast<char>('0' + g_padLoop[p]);
        return loops;
    }
};

// Each pad's three keys, pressed and released, with every pad loaded: only
// that pad's channel, lamp and loop answer.
TEST_F(Keyboard, EveryPadKeyActsOnItsOwnPadAlone) {
    for (int p = 0; p < kPadCount; ++p) Load(p, dir.Wav("P" + std::to_string(p) + ".WAV"));
    for (int p = 0; p < kPadCount; ++p) {
        SCOPED_TRACE("pad " + std::to_string(p));
        const PadKeys& keys = kPadKeys[p];
        const std::string play = "EnginePlay(" + std::to_string(p + 1) + ",loops=0)";
        const std::string stop = "EngineFlushChannel(" + std::to_string(p + 1) + ",2)";

        Forget();
        c.host.KeyDown(keys.play);
        EXPECT_EQ(EngineSpyCalls(), Calls{play});
        EXPECT_EQ(std::uint32_t{EngineSpyLastPlay().sample}, g_padSample[p]);
        EXPECT_EQ(g_pressed, PRESS_PADKEY);
        EXPECT_EQ(Lamps(), OnlyPad(p));
        c.host.KeyUp(keys.play);
        EXPECT_EQ(EngineSpyCalls(), Calls{play});
        EXPECT_EQ(g_pressed, PRESS_NONE);
        EXPECT_EQ(Lamps(), OnlyPad(-1));

        c.host.KeyDown(keys.play);
        Forget();
        c.host.KeyDown(keys.stop);
        EXPECT_EQ(EngineSpyCalls(), Calls{stop});
        EXPECT_EQ(g_pressed, PRESS_PADKEY);  // a stop key leaves the held play key's mark
        EXPECT_EQ(Lamps(), OnlyPad(-1));
        c.host.KeyUp(keys.stop);
        c.host.KeyUp(keys.play);
        EXPECT_EQ(EngineSpyCalls(), Calls{stop});

        Forget();
        c.host.KeyDown(keys.loop);
        EXPECT_EQ(g_pressed, PRESS_PADLOOP);
        EXPECT_EQ(Loops(), OnlyPad(-1));
        c.host.KeyUp(keys.loop);
        EXPECT_EQ(g_pressed, PRESS_NONE);
        EXPECT_EQ(Loops(), OnlyPad(p));
        c.host.KeyDown(keys.loop);
        c.host.KeyUp(keys.loop);
        EXPECT_EQ(Loops(), OnlyPad(-1));
        EXPECT_EQ(EngineSpyCalls(), Calls{stop});  // switching the loop off silences the pad
    }
}

TEST_F(Keyboard, HeldPlayKeyPlaysOnceAndLightsTheLampUntilReleased) {
    Load(0, dir.Wav("KICK.WAV"));
    Forget();
    c.host.KeyDown('Z');
    c.host.KeyDown('Z', true);
    c.host.KeyDown('Z', true);
    EXPECT_EQ(EngineSpyCalls("EnginePlay"), Calls{"EnginePlay(1,loops=0)"});
    const PlayRequest request = EngineSpyLastPlay();
    // Packed fields: compared by value.
    EXPECT_EQ(int{request.size}, 24);
    EXPECT_EQ(std::uint32_t{request.engine}, g_mixer);
    EXPECT_EQ(std::uint32_t{request.sample}, g_padSample[0]);
    EXPECT_EQ(std::uint32_t{request.start}, 0u);
    EXPECT_EQ(std::uint32_t{request.mode}, 5u);
    EXPECT_EQ(g_pressed, PRESS_PADKEY);
    EXPECT_TRUE(LampIs(0, kLit));

    c.host.KeyUp('Z');
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_TRUE(LampIs(0, kDark));
    EXPECT_TRUE(EngineSpyCalls("EngineFlushChannel").empty());  // the sample sounds on
}

TEST_F(Keyboard, KeysOfAnEmptyPadDoNothing) {
    g_pressed = PRESS_CDVOL;
    Forget();
    for (const PadKeys& keys : kPadKeys) {
        for (win::UINT vk : {keys.play, keys.stop, keys.loop}) {
            c.host.KeyDown(vk);
            c.host.KeyUp(vk);
        }
    }
    EXPECT_TRUE(EngineSpyCalls().empty());
    EXPECT_TRUE(HostCalls("GetDC").empty());
    EXPECT_EQ(g_pressed, PRESS_CDVOL);
    EXPECT_EQ(Loops(), OnlyPad(-1));
}

TEST_F(Keyboard, LoopCountIsSentOnlyWhileTheLoopIsOn) {
    Load(2, dir.Wav("SNARE.WAV"));
    c.host.KeyDown('E');
    EXPECT_EQ(g_pressed, PRESS_PADLOOP);
    c.host.KeyUp('E');
    EXPECT_EQ(g_padLoop[2], 1);
    EXPECT_EQ(g_pressed, PRESS_NONE);
    Forget();
    c.host.KeyDown('C');
    c.host.KeyUp('C');
    g_padLoopCount[2] = 9998;
    c.host.KeyDown('C');
    c.host.KeyUp('C');
    c.host.KeyDown('E');
    c.host.KeyUp('E');  // loop off: the sounding pad is silenced
    c.host.KeyDown('C');
    EXPECT_EQ(EngineSpyCalls("Engine"), (Calls{"EnginePlay(3,loops=7)", "EnginePlay(3,loops=9998)",
                                               "EngineFlushChannel(3,2)", "EnginePlay(3,loops=0)"}));
}

TEST_F(Keyboard, ReleasingOneOfTwoHeldPlayKeysClearsThePressedControl) {
    Load(0, dir.Wav("A.WAV"));
    Load(6, dir.Wav("B.WAV"));
    c.host.KeyDown('Z');
    c.host.KeyDown('M');
    c.host.KeyUp('M');
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_TRUE(LampIs(0, kLit));
    EXPECT_TRUE(LampIs(6, kDark));
}

TEST_F(Keyboard, SpaceSilencesEveryLoadedPadInOrder) {
    Forget();
    c.host.KeyDown(win::VK_SPACE);
    EXPECT_TRUE(EngineSpyCalls().empty());
    EXPECT_TRUE(HostCalls("GetDC").empty());

    Load(5, dir.Wav("A.WAV"));
    Load(1, dir.Wav("B.WAV"));
    c.host.KeyDown('X');
    c.host.KeyDown('N');
    Forget();
    c.host.KeyDown(win::VK_SPACE);
    EXPECT_EQ(EngineSpyCalls(), (Calls{"EngineFlushChannel(2,2)", "EngineFlushChannel(6,2)"}));
    EXPECT_TRUE(LampIs(1, kDark));
    EXPECT_TRUE(LampIs(5, kDark));
}

TEST_F(Keyboard, DigitsSetTheBalanceKnobsAndApplyTheLevels) {
    const int cdKnob[] = {451, 466, 476, 486, 501};
    const int waveKnob[] = {551, 566, 576, 586, 601};
    for (int i = 0; i < 5; ++i) {
        Forget();
        c.host.KeyDown('1' + i);
        EXPECT_EQ(g_cdBalanceX, cdKnob[i]);
        EXPECT_FALSE(HostCalls("auxSetVolume").empty()) << i;
        Forget();
        c.host.KeyDown(i == 4 ? '0' : '6' + i);
        EXPECT_EQ(g_waveBalanceX, waveKnob[i]);
        EXPECT_FALSE(HostCalls("waveOutSetVolume").empty()) << i;
        Forget();
        c.host.KeyUp('1' + i);
        c.host.KeyUp(i == 4 ? '0' : '6' + i);
        EXPECT_TRUE(HostCalls("").empty()) << i;
    }
    // The knob is drawn at once: its grey face sits at the new place.
    EXPECT_EQ(c.host.Pixel(601, 150), 0xC0C0C0u);
}

TEST_F(Keyboard, OtherKeysAndKeypadDigitsDoNothing) {
    Load(0, dir.Wav("A.WAV"));
    g_padLoop[0] = 1;
    Forget();
    const win::UINT others[] = {'I', 'K', 'L', 'O', 'P', 0xBC, win::VK_NUMPAD0 + 1, win::VK_NUMPAD0 + 6, 0x1B, 0x5B};
    for (win::UINT vk : others) {
        c.host.KeyDown(vk);
        c.host.KeyUp(vk);
    }
    EXPECT_TRUE(EngineSpyCalls().empty());
    EXPECT_TRUE(HostCalls("GetDC").empty());
    EXPECT_EQ(g_cdBalanceX, 476);
    EXPECT_EQ(g_waveBalanceX, 576);
}

TEST_F(Keyboard, AutoRepeatedKeyDownsAreIgnored) {
    Load(0, dir.Wav("A.WAV"));
    Forget();
    const win::UINT keys[] = {'Z', 'A', 'Q', win::VK_SPACE, '1', '0'};
    for (win::UINT vk : keys) c.host.KeyDown(vk, true);
    EXPECT_TRUE(EngineSpyCalls().empty());
    EXPECT_EQ(g_pressed, PRESS_NONE);
    EXPECT_EQ(g_cdBalanceX, 476);
}
