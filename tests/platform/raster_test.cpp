// Pixel rules of rectangles, lines, blits and the paint's clip, and the
// GDI object counts that leak checks rely on.
#include "platform/core/bmp_decode.h"
#include "resources/resources.h"
#include "test_window.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class RasterTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hwnd_ = Open();
    }
    // Runs draw on a fresh window DC with a red pen and a blue brush.
    void WithDC(const std::function<void(HDC)>& draw) {
        HDC dc = GetDC(hwnd_);
        HPEN pen = CreatePen(PS_SOLID, 1, kRed);
        HBRUSH brush = CreateSolidBrush(kBlue);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        draw(dc);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
        ReleaseDC(hwnd_, dc);
    }
    HWND hwnd_ = nullptr;
};

TEST_F(RasterTest, RectangleOutlineLiesInsideExclusiveBounds) {
    WithDC([](HDC dc) { Rectangle(dc, 10, 10, 20, 15); });
    EXPECT_EQ(session_.Pixel(10, 10), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(19, 14), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(19, 10), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(10, 14), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(11, 11), Rgb(kBlue));
    EXPECT_EQ(session_.Pixel(18, 13), Rgb(kBlue));
    EXPECT_EQ(session_.Pixel(20, 12), 0u);  // right edge excluded
    EXPECT_EQ(session_.Pixel(15, 15), 0u);  // bottom edge excluded
    EXPECT_EQ(session_.Pixel(9, 12), 0u);
}

TEST_F(RasterTest, DefaultDCDrawsBlackOutlineAndWhiteFill) {
    HDC dc = GetDC(hwnd_);
    Fill(hwnd_, kRed);
    Rectangle(dc, 0, 0, 5, 5);
    ReleaseDC(hwnd_, dc);
    EXPECT_EQ(session_.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(session_.Pixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(session_.Pixel(5, 5), Rgb(kRed));
}

TEST_F(RasterTest, LineStopsOnePixelShortOfItsEnd) {
    WithDC([](HDC dc) {
        MoveToEx(dc, 5, 5, nullptr);
        LineTo(dc, 15, 5);
        LineTo(dc, 15, 9);  // continues from the last end point
        MoveToEx(dc, 30, 30, nullptr);
        LineTo(dc, 34, 34);
    });
    EXPECT_EQ(session_.Pixel(5, 5), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(14, 5), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(15, 5), Rgb(kRed));  // start of the second line
    EXPECT_EQ(session_.Pixel(15, 8), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(15, 9), 0u);
    EXPECT_EQ(session_.Pixel(33, 33), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(34, 34), 0u);
}

TEST_F(RasterTest, PolylineJoinsPointsAndLeavesTheLastOut) {
    WithDC([](HDC dc) {
        const POINT points[] = {{32, 10}, {32, 20}, {50, 20}};
        Polyline(dc, points, 3);
    });
    EXPECT_EQ(session_.Pixel(32, 10), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(32, 20), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(49, 20), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(50, 20), 0u);
    EXPECT_EQ(session_.CallsStartingWith("Polyline").back(), "Polyline(32,10,32,20,50,20)");
}

TEST_F(RasterTest, PaintIsClippedToTheUpdateRegionButGetDCIsNot) {
    paint_ = [](HDC dc) {
        HBRUSH brush = CreateSolidBrush(kWhite);
        HGDIOBJ old = SelectObject(dc, brush);
        Rectangle(dc, 0, 0, 640, 480);
        SelectObject(dc, old);
        DeleteObject(brush);
    };
    Fill(hwnd_, kRed);
    const RECT a{10, 10, 20, 20}, b{40, 10, 50, 20};
    InvalidateRect(hwnd_, &a, FALSE);
    InvalidateRect(hwnd_, &b, FALSE);
    session_.Pump();
    EXPECT_EQ(session_.Pixel(15, 15), 0xFFFFFFu);
    EXPECT_EQ(session_.Pixel(45, 15), 0xFFFFFFu);
    EXPECT_EQ(session_.Pixel(30, 15), Rgb(kRed));  // between the two pieces
    EXPECT_EQ(session_.Pixel(20, 20), Rgb(kRed));
    EXPECT_EQ(Seen(WM_PAINT).size(), 2u);  // the first paint after showing, then one for both pieces

    WithDC([](HDC dc) { Rectangle(dc, 600, 450, 640, 480); });  // outside the client, inside the surface
    EXPECT_EQ(session_.Pixel(639, 479), Rgb(kRed));
    EXPECT_EQ(session_.Pixel(620, 460), Rgb(kBlue));
}

TEST_F(RasterTest, InvalidateWithoutRectangleRepaintsTheWholeClient) {
    int painted = 0;
    paint_ = [&](HDC) { ++painted; };
    InvalidateRect(hwnd_, nullptr, TRUE);
    session_.Pump();
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(session_.CallsStartingWith("InvalidateRect").back(), "InvalidateRect(null)");
}

// Reads pixel (x, y) of a 4-bit bottom-up BMP the plain way.
std::uint32_t BmpPixel(const res::Blob& blob, int x, int y) {
    const std::uint8_t* d = blob.data;
    auto u32 = [d](int at) { return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | d[at + 3] << 24; };
    const int width = u32(18), height = u32(22), stride = ((width * 4 + 31) / 32) * 4;
    const std::uint8_t byte = d[u32(10) + (height - 1 - y) * stride + x / 2];
    const int index = x % 2 ? byte & 0xF : byte >> 4;
    const std::uint8_t* entry = d + 14 + u32(14) + index * 4;  // palette after the info header
    return static_cast<std::uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]);
}

TEST_F(RasterTest, LoadedBitmapBlitsItsOwnPixels) {
    HBITMAP bitmap = LoadBitmapA(nullptr, "bitmap_stopoff");  // names compare case-insensitively
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 24);
    EXPECT_EQ(info.bmHeight, 24);
    EXPECT_EQ(info.bmBitsPixel, 4);

    HDC dc = GetDC(hwnd_);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap);
    EXPECT_NE(old, nullptr);  // the memory DC's default bitmap
    BitBlt(dc, 74, 30, 24, 24, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(hwnd_, dc);
    DeleteObject(bitmap);

    const res::Blob* blob = res::FindBitmap("BITMAP_STOPOFF");
    for (auto [x, y] : {std::pair{0, 0}, {23, 0}, {0, 23}, {23, 23}, {12, 12}, {5, 17}})
        EXPECT_EQ(session_.Pixel(74 + x, 30 + y), BmpPixel(*blob, x, y)) << x << "," << y;
    EXPECT_EQ(session_.CallsStartingWith("BitBlt").back(), "BitBlt(74,30,24,24)");
    EXPECT_EQ(LoadBitmapA(nullptr, "BITMAP_PLLOGO"), nullptr);
}

TEST_F(RasterTest, BlitCopiesTheSourceAndIsClippedByThePaint) {
    Fill(hwnd_, kRed);
    WithDC([](HDC dc) { Rectangle(dc, 0, 0, 4, 4); });
    paint_ = [](HDC dc) { BitBlt(dc, 100, 100, 4, 4, dc, 0, 0, SRCCOPY); };
    const RECT half{100, 100, 102, 104};
    InvalidateRect(hwnd_, &half, FALSE);
    session_.Pump();
    EXPECT_EQ(session_.Pixel(100, 100), Rgb(kRed));   // outline copied
    EXPECT_EQ(session_.Pixel(101, 101), Rgb(kBlue));  // fill copied
    EXPECT_EQ(session_.Pixel(102, 101), Rgb(kRed));   // outside the update region: untouched ground
    EXPECT_EQ(session_.Pixel(103, 100), Rgb(kRed));
}

TEST_F(RasterTest, GdiCountsReturnToBaselineAfterDrawing) {
    const headless::GdiCounts baseline = headless::LiveGdiObjects();
    HDC dc = GetDC(hwnd_);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HFONT font = CreateFontA(-20, -12, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 1, "Arial");
    HBITMAP bitmap = LoadBitmapA(nullptr, "BITMAP_PLAYOFF");
    HDC mem = CreateCompatibleDC(dc);
    const headless::GdiCounts busy = headless::LiveGdiObjects();
    EXPECT_EQ(busy.pens, baseline.pens + 1);
    EXPECT_EQ(busy.fonts, baseline.fonts + 1);
    EXPECT_EQ(busy.bitmaps, baseline.bitmaps + 1);
    EXPECT_EQ(busy.memoryDCs, baseline.memoryDCs + 1);
    EXPECT_EQ(busy.windowDCs, baseline.windowDCs + 1);

    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
    EXPECT_EQ(DeleteObject(pen), FALSE);  // still selected
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    SelectObject(mem, oldBitmap);
    EXPECT_EQ(DeleteObject(pen), TRUE);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(hwnd_, dc);
    EXPECT_EQ(headless::LiveGdiObjects(), baseline);

    HGDIOBJ stock = GetStockObject(BLACK_BRUSH);
    EXPECT_EQ(DeleteObject(stock), TRUE);  // a no-op
    EXPECT_EQ(headless::LiveGdiObjects(), baseline);
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), stock);
}

TEST(BmpDecode, RejectsTruncatedAndForeignData) {
    win::core::DecodedBitmap out;
    const res::Blob* blob = res::FindBitmap("BITMAP_STOPOFF");
    ASSERT_NE(blob, nullptr);
    EXPECT_TRUE(win::core::DecodeBmp(blob->data, blob->size, &out));
    EXPECT_FALSE(win::core::DecodeBmp(blob->data, blob->size - 10, &out));
    EXPECT_FALSE(win::core::DecodeBmp(blob->data, 20, &out));
    const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 0, 0, 0, 0};
    EXPECT_FALSE(win::core::DecodeBmp(png, sizeof png, &out));
}

}  // namespace
