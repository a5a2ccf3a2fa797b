// Text: the panel's pixel font lands glyph by glyph in 6x8 cells, opaque
// text fills its cells, and Arial text stays inside its box.
#include <cstring>

#include "resources/resources.h"
#include "test_window.h"

namespace {

constexpr COLORREF kCyan = 0xFFFF00;  // COLORREF: red 0, green 255, blue 255
constexpr char kPanelFace[] = "\x82\x6C\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4E";

class TextTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hwnd_ = Open();
    }
    // Draws text with the font through a window DC, cyan on black.
    void Draw(HFONT font, int x, int y, const char* text, int bkMode = OPAQUE) {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
        SetTextColor(dc, kCyan);
        SetBkColor(dc, 0x000000);
        SetBkMode(dc, bkMode);
        TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
        if (old) SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
    }
    // Bounds of the pixels that differ from `ground`.
    RECT Changed(std::uint32_t ground) const {
        RECT r{640, 480, 0, 0};
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (session_.Pixel(x, y) != ground) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r;
    }
    HWND hwnd_ = nullptr;
};

TEST_F(TextTest, PanelFontPlacesEachGlyphInItsSixByEightCell) {
    Fill(hwnd_, 0xC0C0C0);
    HFONT font = CreateFontA(8, 6, 0, 0, 700, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH, kPanelFace);
    Draw(font, 50, 113, "A7");
    DeleteObject(font);
    for (int cell = 0; cell < 2; ++cell) {
        const std::uint8_t* rows = res::kPanelFont["A7"[cell] - 0x20];
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool ink = rows[y] & (0x20 >> x);
                EXPECT_EQ(session_.Pixel(50 + 6 * cell + x, 113 + y), ink ? Rgb(kCyan) : 0x000000u)
                    << "cell " << cell << " at " << x << "," << y;
            }
    }
    EXPECT_EQ(Changed(0xC0C0C0), (RECT{50, 113, 62, 121}));
    EXPECT_EQ(session_.CallsStartingWith("TextOutA").back(), "TextOutA(50,113,A7)");
}

TEST_F(TextTest, TransparentTextLeavesTheGroundBetweenStrokes) {
    Fill(hwnd_, 0xC0C0C0);
    Draw(nullptr, 10, 10, " ", TRANSPARENT);  // a blank glyph: nothing at all
    EXPECT_EQ(Changed(0xC0C0C0).right, 0);
    Draw(nullptr, 10, 10, " ");  // opaque: the cell is filled
    EXPECT_EQ(Changed(0xC0C0C0), (RECT{10, 10, 16, 18}));
}

TEST_F(TextTest, DefaultFontIsThePixelFontBlackOnWhite) {
    Fill(hwnd_, 0xC0C0C0);
    HDC dc = GetDC(hwnd_);
    TextOutA(dc, 0, 0, "I", 1);
    ReleaseDC(hwnd_, dc);
    EXPECT_EQ(Changed(0xC0C0C0), (RECT{0, 0, 6, 8}));
    const std::uint8_t* rows = res::kPanelFont['I' - 0x20];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(session_.Pixel(x, y), (rows[y] & (0x20 >> x)) ? 0x000000u : 0xFFFFFFu);
}

TEST_F(TextTest, ArialTextFillsItsCellBoxAndStaysInside) {
    Fill(hwnd_, 0xC0C0C0);
    HFONT font = CreateFontA(-20, -12, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, "Arial");
    Draw(font, 50, 130, "CURRENT TIME");
    DeleteObject(font);
    const RECT box = Changed(0xC0C0C0);
    EXPECT_EQ(box.left, 50);
    EXPECT_EQ(box.top, 130);
    EXPECT_GE(box.bottom - box.top, 20);  // an em of 20 plus the descent
    EXPECT_LE(box.bottom - box.top, 26);
    EXPECT_GE(box.right - box.left, 12 * 12 * 3 / 4);  // 12 characters of about 12 pixels
    EXPECT_LE(box.right - box.left, 12 * 12 * 5 / 4);
    EXPECT_EQ(session_.Pixel(50, 130), 0x000000u);  // the box is filled with the background
    int ink = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) ink += session_.Pixel(x, y) == Rgb(kCyan);
    EXPECT_GT(ink, 100);
    EXPECT_EQ(session_.CallsStartingWith("CreateFontA").back(), "CreateFontA(-20,-12,0,0,700,0,0,0,1,0,0,0,1,Arial)");
}

// Columns [left, right) of row band y..y+8 that hold ink of the colour.
int InkIn(const headless::Session& s, int left, int right, int y, std::uint32_t rgb) {
    int ink = 0;
    for (int row = y; row < y + 8; ++row)
        for (int x = left; x < right; ++x) ink += s.Pixel(x, row) == rgb;
    return ink;
}

TEST_F(TextTest, Utf8TextTakesOneCellPerCharacterTwoForAWideOne) {
    Fill(hwnd_, 0xC0C0C0);
    Draw(nullptr, 10, 10, "caf\xC3\xA9|\xE3\x82\xAD\xE6\xBC\xA2|");  // café|キ漢|
    const int widths[] = {6, 6, 6, 6, 6, 12, 12, 6};
    int left = 10;
    for (int width : widths) {
        EXPECT_GT(InkIn(session_, left, left + width, 10, Rgb(kCyan)), 0) << left;
        left += width;
    }
    EXPECT_EQ(Changed(0xC0C0C0), (RECT{10, 10, left, 18}));
    // The wide glyphs are drawn without smoothing: ink or ground only.
    for (int y = 10; y < 18; ++y)
        for (int x = 40; x < 64; ++x) EXPECT_TRUE(session_.Pixel(x, y) == 0u || session_.Pixel(x, y) == Rgb(kCyan));
}

TEST_F(TextTest, BytesThatAreNoUtf8ShowTheReplacementGlyph) {
    // A stray continuation byte, a cut sequence, an overlong '/', a surrogate
    // and a value past U+10FFFF: each byte that starts nothing is one glyph.
    const char* const cases[] = {"\x80", "\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"};
    for (const char* text : cases) {
        Fill(hwnd_, 0xC0C0C0);
        Draw(nullptr, 0, 0, text);
        const int cells = static_cast<int>(std::strlen(text));
        EXPECT_EQ(Changed(0xC0C0C0), (RECT{0, 0, 6 * cells, 8})) << cells;
        for (int cell = 0; cell < cells; ++cell)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 6; ++x)
                    EXPECT_EQ(session_.Pixel(6 * cell + x, y),
                              (res::kPanelReplacementGlyph[y] & (0x20 >> x)) ? Rgb(kCyan) : 0x000000u);
    }
}

TEST_F(TextTest, ClippedTextStopsAtItsRectangle) {
    Fill(hwnd_, 0xC0C0C0);
    HDC dc = GetDC(hwnd_);
    const RECT room{100, 20, 131, 28};
    const char text[] = "\xE3\x82\xAD\xE3\x82\xAD\xE3\x82\xAD";  // three wide glyphs, 36 pixels
    ExtTextOutA(dc, 100, 20, ETO_CLIPPED, &room, text, sizeof text - 1, nullptr);
    ReleaseDC(hwnd_, dc);
    EXPECT_EQ(Changed(0xC0C0C0), (RECT{100, 20, 131, 28}));
}

}  // namespace
