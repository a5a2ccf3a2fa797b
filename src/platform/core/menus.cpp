// Menus built from the resource tables; check marks are kept here and
// reported to the host, which draws the bar.
#include <algorithm>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/menu_state.h"
#include "resources/resources.h"

namespace win {
namespace {

std::vector<MenuEntry> Build(const res::MenuItem* items, int count) {
    std::vector<MenuEntry> entries;
    for (int i = 0; items && i < count; ++i) {
        const res::MenuItem& item = items[i];
        MenuEntry e;
        e.text = item.text ? item.text : "";
        e.id = item.id;
        e.separator = (item.flags & res::kMenuSeparator) != 0;
        e.checked = (item.flags & res::kMenuChecked) != 0;
        if (item.flags & res::kMenuPopup) e.children = Build(item.children, item.childCount);
        entries.push_back(std::move(e));
    }
    return entries;
}

MenuEntry* FindEntry(std::vector<MenuEntry>& entries, UINT id) {
    for (auto& e : entries) {
        if (!e.children.empty()) {
            if (MenuEntry* found = FindEntry(e.children, id)) return found;
        } else if (!e.separator && e.id == static_cast<int>(id)) {
            return &e;
        }
    }
    return nullptr;
}

bool IsLiveMenu(HMENU menu) {
    const auto& menus = core::State().menus;
    return menu && std::any_of(menus.begin(), menus.end(), [menu](const auto& m) { return m.get() == menu; });
}

}  // namespace

HMENU LoadMenuA(HINSTANCE, const char* name) {
    core::LogCall("LoadMenuA", name);
    const res::MenuTemplate* tmpl = name ? res::FindMenu(name) : nullptr;
    if (!tmpl) return nullptr;
    auto menu = std::make_unique<Menu>();
    menu->items = Build(tmpl->items, tmpl->count);
    core::State().menus.push_back(std::move(menu));
    return core::State().menus.back().get();
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    core::LogCall("SetMenu", menu ? "menu" : "null");
    Window* w = core::FindWindow(hwnd);
    if (!w || (menu && !IsLiveMenu(menu))) return FALSE;
    w->menu = menu;
    core::CurrentHostOrNull().MenuAttached(hwnd, menu);
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT id, UINT check) {
    core::LogCall("CheckMenuItem", id, check);
    if (!IsLiveMenu(menu)) return MF_ERROR;
    MenuEntry* entry = FindEntry(menu->items, id);
    if (!entry) return MF_ERROR;
    const DWORD previous = entry->checked ? MF_CHECKED : MF_UNCHECKED;
    entry->checked = (check & MF_CHECKED) != 0;
    core::CurrentHostOrNull().MenuCheckChanged(menu, id, entry->checked);
    return previous;
}

BOOL DestroyMenu(HMENU menu) {
    core::LogCall("DestroyMenu");
    if (!IsLiveMenu(menu)) return FALSE;
    // A window still showing the menu lets go of it first, so no host keeps
    // a dangling handle.
    for (auto& w : core::State().windows) {
        if (w->alive && w->menu == menu) {
            w->menu = nullptr;
            core::CurrentHostOrNull().MenuAttached(w.get(), nullptr);
        }
    }
    std::erase_if(core::State().menus, [menu](const auto& m) { return m.get() == menu; });
    return TRUE;
}

}  // namespace win
