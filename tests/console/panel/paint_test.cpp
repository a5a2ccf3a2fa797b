// The paint: ground, boxes, bitmaps, pressed looks, texts and its GDI balance.
#include "panel/panel_paint.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cd/levels.h"
#include "panel/press.h"
#include "panel_fixture.h"
#include "platform/core/bmp_decode.h"
#include "platform/devices.h"
#include "resources/resources.h"
#include "shell/console_state.h"
#include "panel/panel_layout.h"

using namespace win;

namespace {

using PaintTest = PanelTest;

// True when the screen at (x, y) shows the named resource bitmap, leaving out
// `inset` columns at either side (the pad grid's rules cross them).
::testing::AssertionResult ShowsBitmap(headless::Session& host, const char* name, int x, int y, int inset = 0) {
    const res::Blob* blob = res::FindBitmap(name);
    core::DecodedBitmap bitmap;
    if (blob == nullptr || !core::DecodeBmp(blob->data, blob->size, &bitmap))
        return ::testing::AssertionFailure() << name << " cannot be decoded";
    for (int row = 0; row < bitmap.height; ++row) {
        for (int col = inset; col < bitmap.width - inset; ++col) {
            const std::uint32_t want = bitmap.pixels[row * bitmap.width + col];
            if (host.Pixel(x + col, y + row) != want)
                return ::testing::AssertionFailure() << name << " differs at (" << x + col << ", " << y + row << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(PaintTest, GroundAndBothDisplayBoxes) {
    Repaint();
    EXPECT_EQ(Host().Pixel(5, 200), kGroundRgb);
    EXPECT_EQ(Host().Pixel(0, 200), kBlackRgb);  // the ground rectangle's outline
    EXPECT_EQ(Host().Pixel(370, 235), kBlackRgb);
    EXPECT_EQ(Host().Pixel(610, 400), kBlackRgb);
    // The play row's caption has no bitmap: the ground shows at its place.
    EXPECT_EQ(CountPixels(34, 306, 73, 358, kGroundRgb), 39 * 52);
}

TEST_F(PaintTest, BitmapsAtTheirPlacesAndPressedOverlay) {
    Repaint();
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_STOPOFF", 74, 30));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_PLAYOFF", 98, 30));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_AOFF", 146, 54));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_LPOFF", PadColumnX(3), 260, 1));

    g_pressed = PRESS_PLAY;
    g_padLoop[3] = 1;
    Repaint();
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_STOPOFF", 74, 30));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_PLAYON", 98, 30));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_LPON", PadColumnX(3), 260, 1));

    g_pressed = PRESS_LISTCLR;
    Repaint();
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_CLRON", 500, 90));
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_CLROFF", 194, 54));
}

TEST_F(PaintTest, HeldRowsDrawnPressedInEveryColumnLoadOnlyInItsOwn) {
    g_pressed = PRESS_PADLOOP;
    Repaint();
    int pressedLoopButtons = 0;
    for (int k = 0; k < 7; ++k) pressedLoopButtons += static_cast<bool>(ShowsBitmap(Host(), "BITMAP_LBON", PadColumnX(k), 275, 1));
    EXPECT_EQ(pressedLoopButtons, 7);

    g_pressed = PRESS_PADLOAD;
    g_padCursor = 4;
    Repaint();
    for (int k = 0; k < 7; ++k)
        EXPECT_TRUE(ShowsBitmap(Host(), k == 4 ? "BITMAP_LBON" : "BITMAP_LPBOFF", PadColumnX(k), 370, 1)) << k;
}

TEST_F(PaintTest, LoopPlayCyanWhenOnBlankWhenOff) {
    g_cdLoop = 1;
    Repaint();
    EXPECT_GT(CountPixels(50, 170, 104, 178, kCyanRgb), 0);
    g_cdLoop = 0;
    Repaint();
    EXPECT_EQ(CountPixels(50, 170, 104, 178, kBlackRgb), 54 * 8);
}

TEST_F(PaintTest, AbTexts) {
    g_abState = AB_A_SET;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(180,160,A)"));
    g_abState = AB_HELD;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(180,160,A-B LOOP)"));
    EXPECT_GT(CountPixels(180, 160, 228, 168, kCyanRgb), 0);
    g_abState = AB_OFF;
    Repaint();
    EXPECT_EQ(CountPixels(180, 160, 228, 168, kCyanRgb), 0);
}

TEST_F(PaintTest, ProgramListTotalAndEntries) {
    g_listMode = 1;
    g_listTotalSec = 125;
    g_listTracks[0] = 3;
    g_listTracks[12] = 11;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(50,190,PLAY LIST   TOTAL TIME =   2: 5 )"));
    EXPECT_TRUE(Logged("TextOutA(50,205, 3)"));
    EXPECT_TRUE(Logged("TextOutA(86,220,11)"));
    EXPECT_TRUE(Logged("TextOutA(450,95,LIST)"));
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(68,205").size(), 0u);  // entry 1 is 0: not shown

    g_listMode = 0;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(445,95,NOMAL)"));
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(50,190").size(), 0u);
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(50,205").size(), 0u);
}

TEST_F(PaintTest, VolumeAndSpeedReadouts) {
    g_cdVolumeY = 170;
    g_waveVolumeY = 220;
    g_waveSpeedPct = -96;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(336,113, 100  )"));
    EXPECT_TRUE(Logged("TextOutA(336,128,   0  )"));
    EXPECT_TRUE(Logged("TextOutA(336,143, -96  )"));
}

TEST_F(PaintTest, TrackNumbersFollowTheTrackCount) {
    g_trackCount = 0;
    Repaint();
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(325,35,").size(), 0u);
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(325,59,").size(), 0u);

    g_trackCount = 13;
    Repaint();
    EXPECT_TRUE(Logged("TextOutA(325,35,1)"));
    EXPECT_TRUE(Logged("TextOutA(541,35,10)"));
    EXPECT_TRUE(Logged("TextOutA(325,59,11)"));
    EXPECT_TRUE(Logged("TextOutA(373,59,13)"));
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(397,59,").size(), 0u);
}

TEST_F(PaintTest, PadListShowsTitlesAndNumbersOfLoadedPads) {
    std::snprintf(g_padTitle[2], sizeof g_padTitle[2], "KICK.WAV");
    g_padLoaded[2] = 1;
    Repaint();
    EXPECT_TRUE(Logged("ExtTextOutA(460,298,4,KICK.WAV)"));
    EXPECT_TRUE(Logged("TextOutA(442,298,3)"));
    EXPECT_TRUE(Logged("ExtTextOutA(460,262,4, )"));
    EXPECT_EQ(Host().CallsStartingWith("TextOutA(442,262,").size(), 0u);
}

// Every character of a title has ink in its cells (none is left blank),
// and a title wider than the box stops inside its right border.
TEST_F(PaintTest, PadTitlesInUtf8AndTitlesWiderThanTheBox) {
    std::strcpy(g_padTitle[0], "caf\xC3\xA9.wav");                  // café.wav
    std::strcpy(g_padTitle[1], "\xE3\x82\xAD\xE3\x83\x83\xE3\x82\xAF.wav");  // キック.wav
    std::string wide;
    for (int i = 0; i < 40; ++i) wide += "\xE6\xBC\xA2";  // 40 wide characters, 480 pixels
    std::strcpy(g_padTitle[2], wide.c_str());
    std::strcpy(g_padTitle[3], std::string(kPadTitleSize - 1, 'W').c_str());
    std::strcpy(g_padTitle[4], "bad\xFFname");
    Repaint();
    const struct {
        int pad;
        std::vector<int> widths;
    } titles[] = {{0, {6, 6, 6, 6, 6, 6, 6, 6}}, {1, {12, 12, 12, 6, 6, 6, 6}}, {4, {6, 6, 6, 6, 6, 6, 6, 6}}};
    for (const auto& t : titles) {
        int left = 460;
        for (int width : t.widths) {
            EXPECT_GT(CountPixels(left, 262 + 18 * t.pad, left + width, 270 + 18 * t.pad, kCyanRgb), 0)
                << "pad " << t.pad << " at x " << left;
            left += width;
        }
    }
    EXPECT_GT(CountPixels(604, 298, 617, 306, kCyanRgb), 0);  // the wide title reaches the border
    EXPECT_EQ(CountPixels(617, 256, 640, 410, kCyanRgb), 0);
    EXPECT_EQ(CountPixels(617, 256, 618, 410, kBlackRgb), 410 - 256);
}

TEST_F(PaintTest, PanelFontAndGdiBalance) {
    const headless::GdiCounts before = headless::LiveGdiObjects();
    Repaint();
    EXPECT_EQ(headless::LiveGdiObjects(), before);
    EXPECT_TRUE(Logged("CreateFontA(8,6,0,0,700,0,0,0,128,0,0,0,1,\x82\x6C\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4E)"));
    EXPECT_EQ(Host().CallsStartingWith("CreateCompatibleDC").size(), 58u);  // every slot but the empty one
}

TEST_F(PaintTest, EveryPaintAppliesBothLevels) {
    Repaint();
    EXPECT_EQ(LastCdLevel(), 0xCC8CCB20u);
    EXPECT_EQ(LastWaveLevel(), 0xCCB0CB20u);
}

TEST_F(PaintTest, MissingBitmapLeavesItsPlaceEmpty) {
    DeleteObject(reinterpret_cast<HGDIOBJ>(g_bitmaps[0]));
    g_bitmaps[0] = nullptr;
    Repaint();
    EXPECT_EQ(CountPixels(75, 31, 98, 54, kGroundRgb), 23 * 23);
    EXPECT_TRUE(ShowsBitmap(Host(), "BITMAP_PLAYOFF", 98, 30));
}

}  // namespace
