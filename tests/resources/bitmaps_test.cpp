#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "artwork.h"
#include "bmp_file.h"
#include "bmp_reader.h"
#include "resources/resources.h"

namespace {

struct Expected {
    const char* name;
    int w, h;
};

// Every panel bitmap the console loads, with the size it is drawn at.
const Expected kBitmaps[] = {
    {"BITMAP_STOPOFF", 24, 24}, {"BITMAP_PLAYOFF", 24, 24}, {"BITMAP_PAUSEOFF", 24, 24},
    {"BITMAP_REWOFF", 24, 24},  {"BITMAP_FFOFF", 24, 24},   {"BITMAP_BAKOFF", 24, 24},
    {"BITMAP_FWOFF", 24, 24},   {"BITMAP_OPENOFF", 24, 24}, {"BITMAP_AOFF", 24, 24},
    {"BITMAP_BOFF", 24, 24},    {"BITMAP_CLROFF", 24, 24},  {"BITMAP_SNGOFF", 24, 24},
    {"BITMAP_STOPON", 24, 24},  {"BITMAP_PLAYON", 24, 24},  {"BITMAP_PAUSEON", 24, 24},
    {"BITMAP_REWON", 24, 24},   {"BITMAP_FFON", 24, 24},    {"BITMAP_BAKON", 24, 24},
    {"BITMAP_FWON", 24, 24},    {"BITMAP_OPENON", 24, 24},  {"BITMAP_AON", 24, 24},
    {"BITMAP_BON", 24, 24},     {"BITMAP_CLRON", 24, 24},   {"BITMAP_GKEY", 42, 42},
    {"BITMAP_GKEYON", 42, 42},  {"BITMAP_LPOFF", 42, 16},   {"BITMAP_LPBOFF", 42, 24},
    {"BITMAP_PLOFF", 42, 24},   {"BITMAP_LPLOGO", 42, 42},  {"BITMAP_LDLOGO", 42, 42},
    {"BITMAP_LDOFF", 42, 16},   {"BITMAP_NO1", 36, 12},     {"BITMAP_NO2", 36, 12},
    {"BITMAP_NO3", 36, 12},     {"BITMAP_NO4", 36, 12},     {"BITMAP_NO5", 36, 12},
    {"BITMAP_NO6", 36, 12},     {"BITMAP_NO7", 36, 12},     {"BITMAP_NO8", 36, 12},
    {"BITMAP_LBON", 42, 24},    {"BITMAP_LDON", 42, 16},    {"BITMAP_LPON", 42, 16},
    {"BITMAP_CNO", 24, 16},     {"BITMAP_CFILE", 72, 16},   {"BITMAP_CLOOP", 48, 16},
    {"BITMAP_SNGON", 24, 24},   {"BITMAP_MODOFF", 54, 24},  {"BITMAP_MODON", 54, 24},
    {"BITMAP_MARK", 36, 36},    {"BITMAP_REFRESH", 54, 24}, {"IDB_CD_BAL", 70, 32},
    {"IDB_CD_VOL", 40, 70},     {"IDB_WAV_BAL", 70, 32},    {"IDB_CDSONG", 112, 12},
    {"IDB_CD_CTRL", 132, 12},   {"BITMAP_RECOFF", 24, 24},  {"BITMAP_RECON", 24, 24},
    {"BITMAP_SPD", 48, 24},
};

constexpr std::uint32_t kLightGrey = 0xC0C0C0;

Bmp4 Load(const char* name) {
    const res::Blob* blob = res::FindBitmap(name);
    if (!blob) ADD_FAILURE() << name << " missing";
    std::optional<Bmp4> bmp = blob ? ReadBmp4(blob->data, blob->size) : std::nullopt;
    if (!bmp) ADD_FAILURE() << name << " is not a 4-bit BMP";
    return bmp.value_or(Bmp4{nullptr, 0, 0, 0});
}

bool Same(const res::Blob& blob, const std::vector<std::uint8_t>& bytes) {
    return std::vector<std::uint8_t>(blob.data, blob.data + blob.size) == bytes;
}

// Every pixel of (x, y, w, h) has the colour, reported by name and place.
void ExpectArea(const char* name, int x, int y, int w, int h, std::uint32_t colour) {
    const Bmp4 bmp = Load(name);
    ASSERT_GE(bmp.width, x + w) << name;
    ASSERT_GE(bmp.height, y + h) << name;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            ASSERT_EQ(bmp.Colour(i, j), colour) << name << " at (" << i << ", " << j << ")";
}

TEST(Bitmaps, EveryPanelBitmapIsA4BitBmpOfItsSize) {
    for (const Expected& e : kBitmaps) {
        const Bmp4 bmp = Load(e.name);
        EXPECT_EQ(bmp.width, e.w) << e.name;
        EXPECT_EQ(bmp.height, e.h) << e.name;
    }
}

TEST(Bitmaps, PlayRowCaptionAndUnknownNamesAreAbsent) {
    EXPECT_EQ(res::FindBitmap("BITMAP_PLLOGO"), nullptr);
    EXPECT_EQ(res::FindBitmap("KORVEX"), nullptr);  // the icon is not a bitmap
    EXPECT_EQ(res::FindBitmap(""), nullptr);
    EXPECT_EQ(res::FindBitmap(nullptr), nullptr);
    EXPECT_EQ(res::FindIcon("BITMAP_MARK"), nullptr);
    EXPECT_EQ(res::FindIcon(nullptr), nullptr);
}

TEST(Bitmaps, NamesCompareIgnoringCase) {
    const res::Blob* stop = res::FindBitmap("BITMAP_STOPOFF");
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(res::FindBitmap("bitmap_stopoff"), stop);
    EXPECT_EQ(res::FindBitmap("Bitmap_StopOff"), stop);
    EXPECT_EQ(res::FindBitmap("idb_cd_vol"), res::FindBitmap("IDB_CD_VOL"));
    EXPECT_EQ(res::FindBitmap("BITMAP_STOPOF"), nullptr);
    EXPECT_EQ(res::FindBitmap("BITMAP_STOPOFFX"), nullptr);

    const res::Blob* icon = res::FindIcon("KORVEX");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(res::FindIcon("Korvex"), icon);
    EXPECT_EQ(res::FindIcon("korvex"), icon);
}

TEST(Bitmaps, IconIsA32x32Bmp) {
    const res::Blob* icon = res::FindIcon("KORVEX");
    ASSERT_NE(icon, nullptr);
    const std::optional<Bmp4> bmp = ReadBmp4(icon->data, icon->size);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, 32);
    EXPECT_EQ(bmp->height, 32);
}

TEST(Bitmaps, PaletteIsTheStandard16Colours) {
    const std::uint32_t vga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (const Expected& e : kBitmaps) {
        const res::Blob* blob = res::FindBitmap(e.name);
        ASSERT_NE(blob, nullptr) << e.name;
        for (int i = 0; i < 16; ++i) {
            const std::uint8_t* q = blob->data + 54 + 4 * i;
            EXPECT_EQ(static_cast<std::uint32_t>(q[2] << 16 | q[1] << 8 | q[0]), vga[i]) << e.name << " " << i;
        }
    }
}

// The panel writes black-on-light-grey text onto these faces; the face must
// be light grey there so the text cells do not show as patches.
TEST(Bitmaps, FacesUnderPanelTextAreLightGrey) {
    for (const char* name : {"BITMAP_SNGOFF", "BITMAP_SNGON"})
        ExpectArea(name, 5, 5, 12, 8, kLightGrey);  // "%d" of 1..20 at (+5, +5)
    for (const char* name : {"BITMAP_MODOFF", "BITMAP_MODON"})
        ExpectArea(name, 5, 5, 30, 8, kLightGrey);  // "NOMAL" at (+5, +5), "LIST" at (+10, +5)
    ExpectArea("BITMAP_GKEY", 11, 9, 8, 10, kLightGrey);  // the key letter at (+12, +10), with a margin
}

// The keyboard lights the lamp with its own flat rectangle over the strip:
// the strip's lamp must be exactly that rectangle, in the same greens.
TEST(Bitmaps, PlayLampStripsHoldThePanelLamp) {
    ExpectArea("BITMAP_LDOFF", 11, 4, 19, 8, 0x008000);
    ExpectArea("BITMAP_LDON", 11, 4, 19, 8, 0x00FF00);
    for (const char* name : {"BITMAP_LDOFF", "BITMAP_LDON"}) {
        ExpectArea(name, 10, 3, 21, 1, 0x000000);
        ExpectArea(name, 10, 12, 21, 1, 0x000000);
    }
}

// The committed files are exactly what the generator draws today.
TEST(Bitmaps, CommittedFilesMatchTheGenerator) {
    const art::Sheet sheet = art::PanelBitmaps();
    EXPECT_EQ(sheet.size(), std::size(kBitmaps));
    std::set<std::string> names;
    for (const art::Artwork& a : sheet) {
        EXPECT_TRUE(names.insert(a.name).second) << a.name << " drawn twice";
        const res::Blob* blob = res::FindBitmap(a.name.c_str());
        ASSERT_NE(blob, nullptr) << a.name;
        EXPECT_TRUE(Same(*blob, art::EncodeBmp4(a.image))) << a.name << " is stale: run `make bitmaps`";
    }
    const res::Blob* icon = res::FindIcon("KORVEX");
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(Same(*icon, art::EncodeBmp4(art::Icon()))) << "the icon is stale: run `make bitmaps`";
}

TEST(BmpEncoder, PadsOddWidthRowsAndStoresThemBottomUp) {
    art::Canvas c(3, 2, art::kBlack);
    c.Set(0, 0, art::kRed);
    c.Set(2, 0, art::kWhite);
    c.Set(1, 1, art::kLime);
    const std::vector<std::uint8_t> file = art::EncodeBmp4(c);
    ASSERT_EQ(file.size(), 14u + 40 + 64 + 2 * 4);  // 3 pixels take 2 bytes, padded to 4
    const std::optional<Bmp4> bmp = ReadBmp4(file.data(), file.size());
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->Colour(0, 0), 0xFF0000u);
    EXPECT_EQ(bmp->Colour(1, 0), 0x000000u);
    EXPECT_EQ(bmp->Colour(2, 0), 0xFFFFFFu);
    EXPECT_EQ(bmp->Colour(1, 1), 0x00FF00u);
    // The top row is stored last.
    EXPECT_EQ(file[file.size() - 4], art::kRed << 4 | art::kBlack);
    EXPECT_EQ(file[file.size() - 3], art::kWhite << 4);
    EXPECT_EQ(art::EncodeBmp4(c), file);  // reproducible
}

}  // namespace
