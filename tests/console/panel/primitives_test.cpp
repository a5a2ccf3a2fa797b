// The immediate drawings: their pixels, their state and level effects, and
// that each gives back every GDI object it made.
#include "panel/primitives.h"

#include "cd/levels.h"
#include "panel_fixture.h"
#include "platform/devices.h"
#include "shell/console_state.h"

using namespace win;

namespace {

using PrimitivesTest = PanelTest;

TEST_F(PrimitivesTest, LampIsBrightOnlyForOne) {
    DrawLamp(Window(), 1, 85, 306, 104, 314);
    EXPECT_EQ(CountPixels(85, 306, 104, 314, 0x00FF00), 19 * 8);
    DrawLamp(Window(), 2, 85, 306, 104, 314);
    EXPECT_EQ(CountPixels(85, 306, 104, 314, 0x008000), 19 * 8);
}

TEST_F(PrimitivesTest, FaderGroundSlotKnobAndHighlight) {
    const int left = 466, top = 165, y = 200;
    DrawFader(Window(), y, left, top);
    EXPECT_EQ(Host().Pixel(left + 2, top + 2), kGroundRgb);
    EXPECT_EQ(Host().Pixel(left + 8, top + 2), kGroundRgb);  // the slot's grey outline
    EXPECT_EQ(Host().Pixel(left + 9, top + 1), kBlackRgb);
    EXPECT_EQ(Host().Pixel(left + 10, top + 58), kBlackRgb);
    EXPECT_EQ(Host().Pixel(left + 10, top + 59), kGroundRgb);
    EXPECT_EQ(Host().Pixel(left + 5, y), kGroundRgb);       // knob face over the slot
    EXPECT_EQ(Host().Pixel(left + 9, y), kGroundRgb);
    EXPECT_EQ(Host().Pixel(left, y + 4), kBlackRgb);        // knob outline, left
    EXPECT_EQ(Host().Pixel(left + 5, y + 4), kBlackRgb);    // and bottom
    EXPECT_EQ(Host().Pixel(left + 5, y - 5), kWhiteRgb);    // highlight along the top
    EXPECT_EQ(Host().Pixel(left + 19, y + 2), kWhiteRgb);   // and the right edge

    DrawFader(Window(), 175, left, top);  // the old knob disappears
    EXPECT_EQ(Host().Pixel(left + 5, y + 4), kGroundRgb);
    EXPECT_EQ(Host().Pixel(left + 9, y), kBlackRgb);
}

TEST_F(PrimitivesTest, BalanceKnobStoresItsPositionAndAppliesItsLevel) {
    DrawBalanceKnob(Window(), 451, 466);
    EXPECT_EQ(g_cdBalanceX, 451);
    EXPECT_EQ(LastCdLevel(), 0xCC8C0000u);
    EXPECT_EQ(Host().Pixel(451, 150), kGroundRgb);  // knob face over the slot
    EXPECT_EQ(Host().Pixel(446, 154), kBlackRgb);   // knob outline
    EXPECT_EQ(Host().Pixel(455, 150), kWhiteRgb);   // highlight on the right edge
    EXPECT_EQ(Host().Pixel(470, 149), kBlackRgb);   // the slot

    DrawBalanceKnob(Window(), 601, 566);
    EXPECT_EQ(g_waveBalanceX, 601);
    EXPECT_EQ(LastWaveLevel(), 0x0000CCB0u);

    // Any reference but the CD's treats the knob as the wave balance.
    DrawBalanceKnob(Window(), 576, 700);
    EXPECT_EQ(g_waveBalanceX, 576);
    EXPECT_EQ(g_cdBalanceX, 451);
    EXPECT_EQ(LastWaveLevel(), 0xCCB0CB20u);
}

TEST_F(PrimitivesTest, InvalidateAreaAsksForThatRectangleWithoutErase) {
    EXPECT_TRUE(InvalidateArea(Window(), 336, 113, 378, 128));
    EXPECT_TRUE(Logged("InvalidateRect(336,113,378,128)"));
}

// However many repaints pile up, the paint reaches only what was asked for:
// lamps lit outside those rectangles stay lit.
TEST_F(PrimitivesTest, LitLampsOutliveAPaintOfManySmallRectangles) {
    for (int k = 0; k < 7; ++k) DrawLamp(Window(), 1, 85 + 42 * k, 306, 104 + 42 * k, 314);
    for (int i = 0; i < 10; ++i) {
        InvalidateArea(Window(), 320 + 24 * i, 30, 344 + 24 * i, 54);  // the track buttons
        InvalidateArea(Window(), 74 + 30 * i, 395, 84 + 30 * i, 405);  // below the pad grid
    }
    Host().Pump();
    EXPECT_EQ(CountPixels(85, 306, 104 + 42 * 6, 314, 0x00FF00), 7 * 19 * 8);
    EXPECT_EQ(CountPixels(320, 30, 560, 54, 0x00FF00), 0);
}

TEST_F(PrimitivesTest, EachPrimitiveGivesBackItsGdiObjects) {
    const headless::GdiCounts before = headless::LiveGdiObjects();
    DrawLamp(Window(), 1, 85, 306, 104, 314);
    EXPECT_EQ(headless::LiveGdiObjects(), before);
    DrawFader(Window(), 330, 389, 300);
    EXPECT_EQ(headless::LiveGdiObjects(), before);
    DrawBalanceKnob(Window(), 476, 466);
    EXPECT_EQ(headless::LiveGdiObjects(), before);
    EXPECT_EQ(Host().CallsStartingWith("GetDC").size(), Host().CallsStartingWith("ReleaseDC").size());
}

}  // namespace
