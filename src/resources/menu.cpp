// The main window's menu bar. No mnemonics and no accelerators; "ON" starts
// checked because the CD loop starts on.
#include <strings.h>

#include <iterator>

#include "resources/command_ids.h"
#include "resources/resources.h"

namespace res {
namespace {

constexpr MenuItem kFile[] = {
    {"Load Tornel File", IDM_LOAD, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Save Tornel File", IDM_SAVE, 0, nullptr, 0},
    {"Save As", IDM_SAVEAS, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Exit", IDM_EXIT, 0, nullptr, 0},
};

constexpr MenuItem kCdLoop[] = {
    {"ON", IDM_CDLOOP_ON, kMenuChecked, nullptr, 0},
    {"OFF", IDM_CDLOOP_OFF, 0, nullptr, 0},
};

constexpr MenuItem kSetting[] = {
    {"CD loop", 0, kMenuPopup, kCdLoop, static_cast<int>(std::size(kCdLoop))},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Wave Loop", IDM_WAVELOOP, 0, nullptr, 0},
    {"Wave Speed", IDM_WAVESPEED, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"MIDI Learn", IDM_MIDILEARN, 0, nullptr, 0},
};

constexpr MenuItem kHelp[] = {
    {"README", IDM_README, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"Brief Help", IDM_BRIEFHELP, 0, nullptr, 0},
    {"Help", IDM_HELP, 0, nullptr, 0},
    {nullptr, 0, kMenuSeparator, nullptr, 0},
    {"About Tornel", IDM_ABOUT, 0, nullptr, 0},
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
