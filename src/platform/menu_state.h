// A loaded menu as hosts see it: built by LoadMenuA from a menu template,
// check marks changed by CheckMenuItem.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

namespace win {

struct MenuEntry {
    std::string text;
    int id = 0;  // command id; 0 for popups and separators
    bool separator = false;
    bool checked = false;
    std::vector<MenuEntry> children;  // non-empty for popups
};

struct Menu {
    std::vector<MenuEntry> items;  // the bar's popups
};

}  // namespace win
