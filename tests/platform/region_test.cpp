// The update region stays exact however many rectangles build it up: a paint
// reaches the pixels of the invalidated rectangles and no others.
#include "platform/core/region.h"

#include "test_window.h"

namespace {

int Area(const std::vector<RECT>& region) {
    int area = 0;
    for (const RECT& r : region) area += (r.right - r.left) * (r.bottom - r.top);
    return area;
}

// Touching rectangles become one; overlapping ones never cover a pixel twice.
TEST(Region, MergesWhatTouchesAndKeepsPiecesDisjoint) {
    std::vector<RECT> region;
    core::AddToRegion(region, RECT{0, 0, 10, 10});
    core::AddToRegion(region, RECT{10, 0, 20, 10});
    core::AddToRegion(region, RECT{0, 10, 20, 15});
    EXPECT_EQ(region, (std::vector<RECT>{RECT{0, 0, 20, 15}}));

    core::AddToRegion(region, RECT{15, 5, 30, 25});  // overlaps the corner
    EXPECT_EQ(Area(region), 20 * 15 + 15 * 20 - 5 * 10);
    EXPECT_EQ(region, (std::vector<RECT>{RECT{0, 0, 20, 5}, RECT{0, 5, 30, 15}, RECT{15, 15, 30, 25}}));
    core::AddToRegion(region, RECT{2, 2, 8, 8});  // inside: nothing changes
    EXPECT_EQ(region.size(), 3u);
}

class RegionPaint : public WindowTest {};

TEST_F(RegionPaint, TwentyInvalidationsPaintExactlyTheirPixels) {
    HWND hwnd = Open();
    Fill(hwnd, 0x000000);
    std::vector<RECT> asked;
    for (int i = 0; i < 20; ++i) asked.push_back(RECT{20 + 29 * i, 40 + 17 * (i % 5), 30 + 29 * i, 52 + 17 * (i % 5)});
    asked.push_back(RECT{25, 45, 60, 50});  // across two of them
    for (const RECT& r : asked) InvalidateRect(hwnd, &r, FALSE);
    paint_ = [](HDC dc) {
        HBRUSH white = CreateSolidBrush(0xFFFFFF);
        HGDIOBJ old = SelectObject(dc, white);
        Rectangle(dc, -1, -1, 641, 481);
        SelectObject(dc, old);
        DeleteObject(white);
    };
    session_.Pump();
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            bool inside = false;
            for (const RECT& r : asked) inside = inside || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
            ASSERT_EQ(session_.Pixel(x, y), inside ? 0xFFFFFFu : 0u) << x << "," << y;
        }
    }
}

}  // namespace
