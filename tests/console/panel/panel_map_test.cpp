// The panel's whole map, edge by edge: every hit region, hold box and follow
// box at its corners and one pixel outside each of its four edges. The
// numbers are the panel's layout, written out here rather than taken from
// the code's own tables, so that a shifted edge shows.
#include "panel/pointer.h"

#include <string>
#include <utility>
#include <vector>

#include "panel/press.h"
#include "panel_fixture.h"
#include "shell/console_state.h"
#include "panel/panel_layout.h"

namespace {

// A rectangle with all four edges included.
struct Box {
    int left, top, right, bottom;
};

// The four corners; between them they lie on all four edges.
std::vector<std::pair<int, int>> Corners(const Box& b) {
    return {{b.left, b.top}, {b.right, b.top}, {b.left, b.bottom}, {b.right, b.bottom}};
}

// One pixel outside each edge, next to each corner on that edge.
std::vector<std::pair<int, int>> JustOutside(const Box& b) {
    return {{b.left - 1, b.top},    {b.left - 1, b.bottom}, {b.right + 1, b.top},  {b.right + 1, b.bottom},
            {b.left, b.top - 1},    {b.right, b.top - 1},   {b.left, b.bottom + 1}, {b.right, b.bottom + 1}};
}

std::string At(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

class PanelMapTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        // Twenty tracks, stopped, in program play: every press condition holds.
        cd.HoldDisc(20, 200000);
        g_trackCount = 20;
        g_cdState = CD_STOPPED;
        g_listMode = 1;
    }

    // What a press and a release at (x, y) reach: "" for nothing, the control
    // number, with the row's cursor after a slash for the track and pad rows,
    // or "refresh" for the one button that acts on the release alone.
    std::string Hit(int x, int y) {
        g_pressed = PRESS_NONE;
        g_trackCursor = -1;
        g_padCursor = -1;
        Host().MouseDown(x, y);
        std::string hit;
        if (g_pressed == PRESS_TRACK_TOP || g_pressed == PRESS_TRACK_BOTTOM) {
            hit = std::to_string(g_pressed) + "/" + std::to_string(g_trackCursor);
        } else if (g_pressed != PRESS_NONE) {
            hit = std::to_string(g_pressed);
            if (g_pressed == PRESS_PADLOAD) hit += "/" + std::to_string(g_padCursor);
        } else if (g_padCursor != -1) {
            // The loop button of an empty pad is not armed; its column still is.
            hit = std::to_string(PRESS_PADLOOP) + "/" + std::to_string(g_padCursor);
        }
        g_pressed = PRESS_NONE;  // the release then runs no armed action
        cd.ClearSent();
        Host().MouseUp(x, y);
        if (Sent("status cdaudio number of tracks")) hit += "refresh";
        return hit;
    }
};

struct Region {
    Box box;
    const char* atLeft;   // what the press reaches on the left edge
    const char* atRight;  // and on the right edge
};

// clang-format off
const Region kRegions[] = {
    {{75, 31, 97, 53},     "2",       "2"},        // STOP
    {{99, 31, 121, 53},    "3",       "3"},        // PLAY
    {{123, 31, 145, 53},   "4",       "4"},        // PAUSE
    {{147, 31, 169, 53},   "5",       "5"},        // REW
    {{171, 31, 193, 53},   "6",       "6"},        // FF
    {{195, 31, 217, 53},   "7",       "7"},        // BAK
    {{219, 31, 241, 53},   "8",       "8"},        // FW
    {{243, 31, 265, 53},   "10",      "10"},       // OPEN
    {{321, 31, 559, 53},   "16/0",    "16/9"},     // upper track row
    {{147, 55, 169, 77},   "11",      "11"},       // A
    {{171, 55, 193, 77},   "12",      "12"},       // B
    {{195, 55, 217, 77},   "13",      "13"},       // CLR
    {{321, 55, 559, 77},   "17/10",   "17/19"},    // lower track row
    {{441, 91, 493, 113},  "18",      "18"},       // mode
    {{501, 91, 523, 113},  "14",      "14"},       // list clear
    {{549, 91, 601, 113},  "refresh", "refresh"},
    {{452, 141, 500, 159}, "23",      "23"},       // CD balance
    {{552, 141, 600, 159}, "24",      "24"},       // wave balance
    {{467, 161, 485, 229}, "22",      "22"},       // CD volume
    {{567, 161, 585, 229}, "25",      "25"},       // wave volume
    {{75, 276, 409, 298},  "20/0",    "20/7"},     // pad loop row, one column past the pads
    {{390, 301, 408, 369}, "26",      "26"},       // speed
    {{75, 371, 367, 393},  "21/0",    "21/6"},     // pad load row
};
// clang-format on

TEST_F(PanelMapTest, EveryHitRegionEndsAtItsEdges) {
    for (const Region& r : kRegions) {
        const Box& b = r.box;
        EXPECT_EQ(Hit(b.left, b.top), r.atLeft) << At(b.left, b.top);
        EXPECT_EQ(Hit(b.left, b.bottom), r.atLeft) << At(b.left, b.bottom);
        EXPECT_EQ(Hit(b.right, b.top), r.atRight) << At(b.right, b.top);
        EXPECT_EQ(Hit(b.right, b.bottom), r.atRight) << At(b.right, b.bottom);
        // Gaps lie around every region: one pixel out reaches nothing.
        for (auto [x, y] : JustOutside(b)) EXPECT_EQ(Hit(x, y), "") << At(x, y) << " outside " << r.atLeft;
    }
}

struct HeldButton {
    int control;
    int cursor;  // g_trackCursor or g_padCursor for the rows, else -1
    Box hold;
    Box rect;  // the button rectangle, right and bottom excluded
};

std::vector<HeldButton> HeldButtons() {
    std::vector<HeldButton> all = {
        {PRESS_STOP, -1, {74, 30, 98, 54}, {74, 30, 98, 54}},
        {PRESS_PLAY, -1, {98, 30, 122, 54}, {98, 30, 122, 54}},
        {PRESS_PAUSE, -1, {122, 30, 146, 54}, {122, 30, 146, 54}},
        {PRESS_REW, -1, {146, 30, 170, 54}, {146, 30, 170, 54}},
        {PRESS_FF, -1, {170, 30, 194, 54}, {170, 30, 194, 54}},
        {PRESS_BAK, -1, {194, 30, 218, 54}, {194, 30, 218, 54}},
        {PRESS_FW, -1, {218, 30, 242, 54}, {218, 30, 242, 54}},
        {PRESS_OPEN, -1, {242, 30, 266, 54}, {242, 30, 266, 54}},
        {PRESS_A, -1, {146, 54, 170, 78}, {146, 54, 170, 78}},
        {PRESS_B, -1, {170, 54, 194, 78}, {170, 54, 194, 78}},
        {PRESS_CLR, -1, {194, 54, 218, 78}, {194, 54, 218, 78}},
        {PRESS_MODE, -1, {440, 90, 494, 114}, {440, 90, 494, 114}},
        {PRESS_LISTCLR, -1, {500, 90, 524, 114}, {500, 90, 524, 114}},
    };
    for (int t = 0; t < kTracksPerRow; ++t) {
        const int x = kTrackX0 + kTrackStep * t;
        all.push_back({PRESS_TRACK_TOP, t, {x, 30, x + 24, 54}, {x, 30, x + 24, 54}});
        all.push_back({PRESS_TRACK_BOTTOM, t + 10, {x, 54, x + 24, 78}, {x, 54, x + 24, 78}});
    }
    for (int j = 0; j < kPadCount; ++j) {
        const int x = PadColumnX(j);
        all.push_back({PRESS_PADLOOP, j, {x + 2, 277, x + 40, 297}, {x, 275, x + 42, 299}});
        all.push_back({PRESS_PADLOAD, j, {x + 2, 372, x + 40, 392}, {x, 370, x + 42, 394}});
    }
    return all;
}

TEST_F(PanelMapTest, EveryHoldBoxKeepsThePressToItsEdgesAndNoFurther) {
    for (const HeldButton& b : HeldButtons()) {
        const std::string which = std::to_string(b.control) + "/" + std::to_string(b.cursor);
        const std::string rect = "InvalidateRect(" + std::to_string(b.rect.left) + "," + std::to_string(b.rect.top) +
                                 "," + std::to_string(b.rect.right) + "," + std::to_string(b.rect.bottom) + ")";
        auto pressAndMove = [&](int x, int y) {
            g_pressed = b.control;
            g_trackCursor = g_padCursor = b.cursor;
            Host().ClearCalls();
            Host().MouseMove(x, y);
        };
        for (auto [x, y] : Corners(b.hold)) {
            pressAndMove(x, y);
            EXPECT_EQ(g_pressed, b.control) << which << " at " << At(x, y);
        }
        for (auto [x, y] : JustOutside(b.hold)) {
            pressAndMove(x, y);
            EXPECT_EQ(g_pressed, PRESS_NONE) << which << " at " << At(x, y);
            EXPECT_TRUE(Logged(rect)) << which << " at " << At(x, y) << ": " << rect << " not redrawn";
        }
    }
}

struct Dragged {
    int control;
    Box follow;
    int* knob;            // the field the knob's place is kept in
    bool byX;             // the knob follows x (balance) or y (faders)
    const char* applies;  // the level call a move makes at once; the speed waits for the release
};

TEST_F(PanelMapTest, EveryFollowBoxMovesItsKnobToItsEdgesAndNoFurther) {
    const Dragged dragged[] = {
        {PRESS_CDBAL, {452, 141, 500, 159}, &g_cdBalanceX, true, "auxSetVolume"},
        {PRESS_WAVEBAL, {552, 141, 600, 159}, &g_waveBalanceX, true, "waveOutSetVolume"},
        {PRESS_CDVOL, {467, 170, 485, 220}, &g_cdVolumeY, false, "auxSetVolume"},
        {PRESS_WAVEVOL, {567, 170, 585, 220}, &g_waveVolumeY, false, "waveOutSetVolume"},
        {PRESS_SPEED, {390, 305, 408, 355}, &g_speedKnobY, false, nullptr},
    };
    constexpr int kUnmoved = -7;
    for (const Dragged& d : dragged) {
        auto dragTo = [&](int x, int y) {
            g_pressed = d.control;
            *d.knob = kUnmoved;
            Host().ClearCalls();
            Host().MouseMove(x, y);
            EXPECT_EQ(g_pressed, d.control) << "only the release ends a drag";
        };
        for (auto [x, y] : Corners(d.follow)) {
            dragTo(x, y);
            EXPECT_EQ(*d.knob, d.byX ? x : y) << d.control << " at " << At(x, y);
            if (d.applies) {
                EXPECT_FALSE(Host().CallsStartingWith(d.applies).empty()) << d.control;
            }
        }
        for (auto [x, y] : JustOutside(d.follow)) {
            dragTo(x, y);
            EXPECT_EQ(*d.knob, kUnmoved) << d.control << " at " << At(x, y);
            EXPECT_TRUE(Host().Calls().empty()) << d.control << " at " << At(x, y) << ": drawn or applied";
        }
    }
    g_pressed = PRESS_NONE;
}

}  // namespace
