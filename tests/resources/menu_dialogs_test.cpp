#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resources.h"

namespace {

using res::ControlKind;

struct Item {
    std::string text;
    int id;
    unsigned flags;
};

std::vector<Item> Items(const res::MenuItem* items, int count) {
    std::vector<Item> out;
    for (int i = 0; i < count; ++i) out.push_back({items[i].text ? items[i].text : "", items[i].id, items[i].flags});
    return out;
}

bool operator==(const Item& a, const Item& b) { return a.text == b.text && a.id == b.id && a.flags == b.flags; }

void PrintTo(const Item& i, std::ostream* os) { *os << "{\"" << i.text << "\", " << i.id << ", " << i.flags << "}"; }

constexpr Item kRule = {"", 0, res::kMenuSeparator};

TEST(Menu, BarHoldsFileSettingHelpWithTheirCommands) {
    const res::MenuTemplate* menu = res::FindMenu("KorvexMenu1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(res::FindMenu("korvexmenu1"), menu);
    EXPECT_EQ(res::FindMenu("KorvexMenu2"), nullptr);
    EXPECT_EQ(res::FindMenu(nullptr), nullptr);

    ASSERT_EQ(menu->count, 3);
    const res::MenuItem* bar = menu->items;
    EXPECT_EQ(Items(bar, 3), (std::vector<Item>{{"File", 0, res::kMenuPopup},
                                                 {"Setting", 0, res::kMenuPopup},
                                                 {"Help", 0, res::kMenuPopup}}));
    EXPECT_EQ(Items(bar[0].children, bar[0].childCount),
              (std::vector<Item>{{"Load Tornel File", 102, 0}, kRule, {"Save Tornel File", 103, 0},
                                 {"Save As", 104, 0}, kRule, {"Exit", 101, 0}}));
    EXPECT_EQ(Items(bar[1].children, bar[1].childCount),
              (std::vector<Item>{{"CD loop", 0, res::kMenuPopup}, kRule, {"Wave Loop", 121, 0},
                                 {"Wave Speed", 118, 0}, kRule, {"MIDI Learn", 125, 0}}));
    const res::MenuItem& cdLoop = bar[1].children[0];
    EXPECT_EQ(Items(cdLoop.children, cdLoop.childCount),
              (std::vector<Item>{{"ON", 106, res::kMenuChecked}, {"OFF", 107, 0}}));
    EXPECT_EQ(Items(bar[2].children, bar[2].childCount),
              (std::vector<Item>{{"README", 119, 0}, kRule, {"Brief Help", 122, 0}, {"Help", 124, 0}, kRule,
                                 {"About Tornel", 100, 0}}));
    for (const res::MenuItem* popup : {&bar[0], &bar[1], &bar[2], &cdLoop})
        for (int i = 0; i < popup->childCount; ++i)
            EXPECT_EQ(popup->children[i].children == nullptr, !(popup->children[i].flags & res::kMenuPopup));
}

struct Control {
    ControlKind kind;
    int id;
    std::string text;
    int x, y, w, h;
    unsigned style;
};

bool operator==(const Control& a, const Control& b) {
    return a.kind == b.kind && a.id == b.id && a.text == b.text && a.x == b.x && a.y == b.y && a.w == b.w &&
           a.h == b.h && a.style == b.style;
}

void PrintTo(const Control& c, std::ostream* os) {
    *os << "{" << static_cast<int>(c.kind) << ", " << c.id << ", \"" << c.text << "\", " << c.x << ", " << c.y
        << ", " << c.w << ", " << c.h << ", " << c.style << "}";
}

const res::DialogTemplate* Dialog(const char* name, const char* title, int x, int y, int w, int h, int points) {
    const res::DialogTemplate* d = res::FindDialog(name);
    if (!d) {
        ADD_FAILURE() << name << " missing";
        return nullptr;
    }
    EXPECT_STREQ(d->title, title);
    EXPECT_EQ((std::vector<int>{d->x, d->y, d->w, d->h}), (std::vector<int>{x, y, w, h})) << name;
    EXPECT_STREQ(d->fontFace, "Arial");
    EXPECT_EQ(d->fontPoints, points) << name;
    return d;
}

std::vector<Control> Controls(const res::DialogTemplate* d) {
    std::vector<Control> out;
    for (int i = 0; d && i < d->count; ++i) {
        const res::DialogControl& c = d->controls[i];
        out.push_back({c.kind, c.id, c.text ? c.text : "", c.x, c.y, c.w, c.h, c.style});
    }
    return out;
}

constexpr unsigned kDefault = res::kDefaultButton | res::kTabStop;
constexpr unsigned kEdit = res::kBorder | res::kTabStop;

TEST(Dialogs, AboutBox) {
    const res::DialogTemplate* d = Dialog("AboutBox", "About Tornel", 22, 17, 198, 151, 9);
    EXPECT_EQ(res::FindDialog("aboutbox"), d);
    EXPECT_EQ(Controls(d),
              (std::vector<Control>{
                  {ControlKind::Label, -1, "You are Cool DJ ", 52, 13, 80, 8, res::kCentre},
                  {ControlKind::Button, 1, "OK", 82, 130, 32, 14, kDefault | res::kGroup},
                  {ControlKind::Icon, -1, "KORVEX", 160, 10, 20, 20, 0},
                  {ControlKind::Label, -1, "with", 85, 24, 29, 8, 0},
                  {ControlKind::Label, -1, "Tornel version 3.0 (32-bit) for Windows95", 27, 35, 132, 8, 0},
                  {ControlKind::Rule, -1, "", 5, 47, 187, 1, 0},
              }));
    EXPECT_NE(res::FindIcon(d->controls[2].text), nullptr);
}

TEST(Dialogs, BriefHelp) {
    const res::DialogTemplate* d = Dialog("DIALOG_BRIEF", "Brief Help", 0, 0, 187, 143, 9);
    const std::string item4 =
        "4. Loop Wave File : Click Loop button, or Press" + std::string(38, ' ') + "[Q] - [U] key.";
    EXPECT_EQ(Controls(d),
              (std::vector<Control>{
                  {ControlKind::Label, -1, "1. Load Wave File : Click Load Button.", 14, 31, 153, 11, 0},
                  {ControlKind::Label, -1, "2. Play Wave File : Press [Z] - [M] key.", 14, 46, 153, 11, 0},
                  {ControlKind::Label, -1, "3. Stop Wave File : Press [A] - [J] key.", 14, 60, 153, 11, 0},
                  {ControlKind::Label, -1, item4, 14, 75, 153, 20, 0},
                  {ControlKind::Label, -1, "5. Change Wave Speed : Use speed slider.", 14, 99, 153, 12, 0},
                  {ControlKind::Button, 1, "OK", 78, 119, 32, 14, kDefault},
                  {ControlKind::Label, -1, "Brief Help for Tornel", 56, 13, 67, 12, 0},
              }));
}

TEST(Dialogs, WaveLoopSet) {
    const res::DialogTemplate* d = Dialog("DIALOG_WVLOOP", "Wave Loop Set", 0, 0, 189, 155, 9);
    std::vector<Control> expected = {
        {ControlKind::Button, 1, "OK", 37, 136, 50, 14, kDefault},
        {ControlKind::Button, 2, "Cancel", 102, 136, 50, 14, res::kTabStop},
        {ControlKind::Edit, 1007, "", 96, 23, 40, 13, kEdit},
        {ControlKind::Label, -1, "Loop Count", 95, 7, 46, 8, 0},
        {ControlKind::Rule, -1, "", 11, 18, 164, 1, 0},
        {ControlKind::Label, -1, "CH", 62, 7, 24, 8, 0},
    };
    const int editY[] = {38, 53, 68, 83, 98, 114};
    for (int i = 0; i < 6; ++i) expected.push_back({ControlKind::Edit, 1001 + i, "", 96, editY[i], 40, 13, kEdit});
    const int labelY[] = {25, 40, 56, 70, 86, 101, 116};
    for (int i = 0; i < 7; ++i)
        expected.push_back({ControlKind::Label, -1, std::to_string(i + 1), 65, labelY[i], 8, 8, 0});
    expected.push_back({ControlKind::Rule, -1, "", 12, 130, 164, 1, 0});
    EXPECT_EQ(Controls(d), expected);
}

TEST(Dialogs, WaveSpeed) {
    const res::DialogTemplate* d = Dialog("DIALOG_WVSPEED", "Wave Speed", 0, 0, 183, 92, 8);
    EXPECT_EQ(Controls(d),
              (std::vector<Control>{
                  {ControlKind::Button, 1, "OK", 31, 68, 50, 14, kDefault},
                  {ControlKind::Button, 2, "Cancel", 103, 68, 50, 14, res::kTabStop},
                  {ControlKind::Label, -1, "Speed", 47, 35, 28, 8, 0},
                  {ControlKind::Edit, 118, "", 81, 32, 40, 13, kEdit | res::kAutoHScroll},
                  {ControlKind::Label, -1, " Wave Speed from 11026 to 33074", 31, 13, 131, 8, 0},
              }));
}

TEST(Dialogs, UnknownNamesFindNothing) {
    EXPECT_EQ(res::FindDialog("DIALOG_NONE"), nullptr);
    EXPECT_EQ(res::FindDialog(""), nullptr);
    EXPECT_EQ(res::FindDialog(nullptr), nullptr);
}

}  // namespace
