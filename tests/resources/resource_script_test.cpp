// The native program's resource script, read back: what windres builds from
// it must be the menu, dialogs, bitmaps and icon of the tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "resource_script.h"
#include "resources/embedded.h"

namespace {

// The fields of a script statement: quoted strings unquoted, commas and
// blanks separating.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = any = true;
        } else if (c == ',' || c == ' ') {
            if (any) out.push_back(field);
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any) out.push_back(field);
    return out;
}

std::vector<std::vector<std::string>> Statements(const std::string& script) {
    std::vector<std::vector<std::string>> out;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line.rfind("//", 0) != 0) out.push_back(Fields(line));
    return out;
}

using Statement = std::vector<std::string>;

// Compares the statements from `at` (a BEGIN) with `items`; leaves `at` past the END.
void ExpectMenu(const std::vector<Statement>& s, std::size_t& at, const res::MenuItem* items, int count) {
    ASSERT_EQ(s.at(at), Statement{"BEGIN"});
    ++at;
    for (int i = 0; i < count; ++i, ++at) {
        const res::MenuItem& item = items[i];
        SCOPED_TRACE(item.text ? item.text : "separator");
        if (item.flags & res::kMenuSeparator) {
            EXPECT_EQ(s.at(at), (Statement{"MENUITEM", "SEPARATOR"}));
        } else if (item.flags & res::kMenuPopup) {
            EXPECT_EQ(s.at(at), (Statement{"POPUP", item.text}));
            ExpectMenu(s, ++at, item.children, item.childCount);
            --at;
        } else {
            Statement expected{"MENUITEM", item.text, std::to_string(item.id)};
            if (item.flags & res::kMenuChecked) expected.push_back("CHECKED");
            EXPECT_EQ(s.at(at), expected);
        }
    }
    ASSERT_EQ(s.at(at), Statement{"END"});
    ++at;
}

std::size_t Find(const std::vector<Statement>& s, const Statement& head) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i].size() >= head.size() && std::equal(head.begin(), head.end(), s[i].begin())) return i;
    return s.size();
}

TEST(ResourceScript, MenuIsTheTableItemForItem) {
    const std::vector<Statement> s = Statements(rcgen::ResourceScript("tornel.manifest"));
    const res::MenuTemplate* menu = res::FindMenu("KorvexMenu1");
    ASSERT_NE(menu, nullptr);
    std::size_t at = Find(s, {"KorvexMenu1", "MENU"});
    ASSERT_LT(at, s.size());
    ExpectMenu(s, ++at, menu->items, menu->count);
}

TEST(ResourceScript, DialogsKeepPlacesTextsIdsAndStyles) {
    const std::vector<Statement> s = Statements(rcgen::ResourceScript("tornel.manifest"));
    for (const char* name : {"AboutBox", "DIALOG_BRIEF", "DIALOG_WVLOOP", "DIALOG_WVSPEED"}) {
        SCOPED_TRACE(name);
        const res::DialogTemplate* d = res::FindDialog(name);
        ASSERT_NE(d, nullptr);
        std::size_t at = Find(s, {name, "DIALOG"});
        ASSERT_LT(at, s.size());
        EXPECT_EQ(s[at], (Statement{name, "DIALOG", std::to_string(d->x), std::to_string(d->y), std::to_string(d->w),
                                    std::to_string(d->h)}));
        EXPECT_EQ(s[at + 2], (Statement{"CAPTION", d->title}));
        EXPECT_EQ(s[at + 3], (Statement{"FONT", std::to_string(d->fontPoints), d->fontFace}));
        EXPECT_EQ(s[at + 4], Statement{"BEGIN"});
        for (int i = 0; i < d->count; ++i) {
            const res::DialogControl& c = d->controls[i];
            const Statement& line = s[at + 5 + i];
            SCOPED_TRACE(c.text);
            ASSERT_GE(line.size(), 9u);
            EXPECT_EQ(line[0], "CONTROL");
            EXPECT_EQ(line[1], c.text);
            EXPECT_EQ(line[2], std::to_string(c.id));
            const Statement place(line.end() - 4, line.end());
            EXPECT_EQ(place, (Statement{std::to_string(c.x), std::to_string(c.y), std::to_string(c.w),
                                        std::to_string(c.h)}));
            const std::string styles = [&] {
                std::string all;
                for (auto f = line.begin() + 4; f != line.end() - 4; ++f) all += *f + " ";
                return all;
            }();
            EXPECT_EQ(styles.find("WS_TABSTOP") != std::string::npos, (c.style & res::kTabStop) != 0);
            EXPECT_EQ(styles.find("WS_BORDER") != std::string::npos, (c.style & res::kBorder) != 0);
            EXPECT_EQ(styles.find("WS_GROUP") != std::string::npos, (c.style & res::kGroup) != 0);
            EXPECT_EQ(styles.find("BS_DEFPUSHBUTTON") != std::string::npos, (c.style & res::kDefaultButton) != 0);
            EXPECT_EQ(styles.find("SS_CENTER") != std::string::npos, (c.style & res::kCentre) != 0);
            EXPECT_EQ(styles.find("ES_AUTOHSCROLL") != std::string::npos, (c.style & res::kAutoHScroll) != 0);
        }
        EXPECT_EQ(s[at + 5 + d->count], Statement{"END"});
    }
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ResourceScript, FolderHoldsEveryBitmapAsEmbeddedAndTheManifestNamed) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "tornel-rc";
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(rcgen::WriteResourceFolder(folder, "tornel.manifest"));
    const std::vector<Statement> s = Statements(
        [&] {
            const std::vector<std::uint8_t> text = ReadAll(folder / "tornel.rc");
            return std::string(text.begin(), text.end());
        }());
    EXPECT_LT(Find(s, {"CREATEPROCESS_MANIFEST_RESOURCE_ID", "RT_MANIFEST", "tornel.manifest"}), s.size());
    ASSERT_EQ(res::embedded::kBitmapCount, 58u);
    for (std::size_t i = 0; i < res::embedded::kBitmapCount; ++i) {
        const res::Blob& blob = res::embedded::kBitmaps[i];
        SCOPED_TRACE(blob.name);
        const std::string file = std::string(blob.name) + ".bmp";
        EXPECT_LT(Find(s, {blob.name, "BITMAP", file}), s.size());
        EXPECT_EQ(ReadAll(folder / file), std::vector<std::uint8_t>(blob.data, blob.data + blob.size));
    }
    EXPECT_LT(Find(s, {"KORVEX", "ICON", "KORVEX.ico"}), s.size());
    EXPECT_EQ(ReadAll(folder / "KORVEX.ico").size(), 766u);
    std::filesystem::remove_all(folder);
}

std::uint32_t U32(const std::vector<std::uint8_t>& v, std::size_t at) {
    return v[at] | v[at + 1] << 8 | v[at + 2] << 16 | std::uint32_t(v[at + 3]) << 24;
}

TEST(ResourceScript, IconHoldsTheBitmapsPaletteAndPixelsOverAnOpaqueMask) {
    const res::Blob* bmp = res::FindIcon("Korvex");
    ASSERT_NE(bmp, nullptr);
    const std::vector<std::uint8_t> ico = rcgen::IconFromBitmap(*bmp);
    ASSERT_EQ(ico.size(), 6u + 16u + 40u + 64u + 512u + 128u);
    EXPECT_EQ(ico[4], 1);                          // one image
    EXPECT_EQ(ico[6], 32);                         // 32 wide
    EXPECT_EQ(ico[7], 32);                         // 32 high
    EXPECT_EQ(ico[8], 16);                         // 16 colours
    EXPECT_EQ(U32(ico, 14), ico.size() - 22);      // image size
    EXPECT_EQ(U32(ico, 18), 22u);                  // image offset
    EXPECT_EQ(U32(ico, 22 + 8), 64u);              // colour rows and mask rows
    const std::size_t pixels = 22 + 40;
    EXPECT_TRUE(std::equal(bmp->data + 14 + 40, bmp->data + 14 + 40 + 64 + 512, ico.begin() + pixels));
    EXPECT_TRUE(std::all_of(ico.end() - 128, ico.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(ResourceScript, IconRefusesWhatIsNotAPlainBitmap) {
    const std::uint8_t text[] = "not a bitmap at all, but long enough to hold the headers of one ....";
    EXPECT_TRUE(rcgen::IconFromBitmap({"X", text, sizeof text}).empty());
    const res::Blob* bmp = res::FindIcon("Korvex");
    ASSERT_NE(bmp, nullptr);
    EXPECT_TRUE(rcgen::IconFromBitmap({"X", bmp->data, 100}).empty());  // pixels cut off
    std::vector<std::uint8_t> rle(bmp->data, bmp->data + bmp->size);
    rle[30] = 2;  // compressed
    EXPECT_TRUE(rcgen::IconFromBitmap({"X", rle.data(), rle.size()}).empty());
}

}  // namespace
