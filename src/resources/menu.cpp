// The main window's menu bar. No mnemonics and no accelerators; "ON" starts
// checked because the CD loop starts on.
#include <strings.h>

#include <iterator>

#include "resources/resources.h"

namespace res {
namespace {

constexpr MenuItem kFile[] = {
    {"Load Tornel File", 102, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Save Tornel File", 103, 0, nullptr, 0},
    {"Save As", 104, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Exit", 101, 0, nullptr, 0},
};

constexpr MenuItem kCdLoop[] = {
    {"ON", 106, kMenuChecked, nullptr, 0},
    {"OFF", 107, 0, nullptr, 0},
};

constexpr MenuItem kSetting[] = {
    {"CD loop", 0, kMenuPopup, kCdLoop, static_cast<int>(std::size(kCdLoop))},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Wave Loop", 121, 0, nullptr, 0},
    {"Wave Speed", 118, 0, nullptr, 0},
};

constexpr MenuItem kHelp[] = {
    {"README", 119, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Brief Help", 122, 0, nullptr, 0},
    {"Help", 124, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"About Tornel", 100, 0, nullptr, 0},
};

constexpr MenuItem kBar[] = {
    {"File", 0, kMenuPopup, kFile, static_cast<int>(std::size(kFile))},
    {"Setting", 0, kMenuPopup, kSetting, static_cast<int>(std::size(kSetting))},
    {"Help", 0, kMenuPopup, kHelp, static_cast<int>(std::size(kHelp))},
};

constexpr MenuTemplate kMainMenu = {"KorvexMenu1", kBar, static_cast<int>(std::size(kBar))};

}  // namespace

const MenuTemplate* FindMenu(const char* name) {
    return name && strcasecmp(name, kMainMenu.name) == 0 ? &kMainMenu : nullptr;
}

}  // namespace res
