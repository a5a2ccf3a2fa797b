#include <gtest/gtest.h>

#include <cstring>

#include "resources/resources.h"

namespace {

const std::uint8_t* Glyph(char c) { return res::kPanelFont[c - 0x20]; }

bool HasInk(const std::uint8_t* g) {
    for (int row = 0; row < res::kPanelFontHeight; ++row)
        if (g[row]) return true;
    return false;
}

TEST(PanelFont, EveryGlyphFitsItsCellAndKeepsTheSpacingColumn) {
    for (int c = 0x20; c < 0x7F; ++c)
        for (int row = 0; row < res::kPanelFontHeight; ++row) {
            EXPECT_LT(res::kPanelFont[c - 0x20][row], 1 << res::kPanelFontWidth) << char(c) << " row " << row;
            EXPECT_EQ(res::kPanelFont[c - 0x20][row] & 1, 0) << char(c) << " row " << row;
        }
}

TEST(PanelFont, OnlyDescendersAndCommasUseTheBottomRow) {
    for (int c = 0x21; c < 0x7F; ++c) {
        const bool descends = std::strchr("gjpqy,", c) != nullptr;
        EXPECT_EQ(res::kPanelFont[c - 0x20][7] != 0, descends) << char(c);
    }
}

TEST(PanelFont, DigitsAndLettersHaveInkAndDifferFromEachOther) {
    const char* chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (const char* a = chars; *a; ++a) {
        EXPECT_TRUE(HasInk(Glyph(*a))) << *a;
        for (const char* b = a + 1; *b; ++b) {
            if (*a == '0' && *b == 'O') continue;  // the same round shape, as on many terminals
            EXPECT_NE(std::memcmp(Glyph(*a), Glyph(*b), 8), 0) << *a << " " << *b;
        }
    }
    EXPECT_FALSE(HasInk(Glyph(' ')));
}

// Bold: the digits' vertical strokes are two pixels wide.
TEST(PanelFont, DigitStemsAreTwoPixelsWide) {
    EXPECT_EQ(Glyph('1')[3], 0b011000);
    EXPECT_EQ(Glyph('0')[3], 0b110110);
    EXPECT_EQ(Glyph('8')[1], 0b110110);
}

}  // namespace
