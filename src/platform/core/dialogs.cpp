// Modal dialogs from the resource templates: the dialog's own handle, its
// items' texts, and the item number conversions.
#include <cstring>
#include <string>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"

namespace win {
namespace {

DialogItem* ItemOf(HWND dialog, int id) {
    Window* w = core::FindWindow(dialog);
    return w && w->dialog ? w->dialog->Item(id) : nullptr;
}

// Blanks, an optional '-' when signed, then decimal digits to the end: the
// whole text or nothing. Out of 32-bit range is nothing too.
bool ParseInt(const std::string& text, bool isSigned, UINT* value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size()) return false;
    std::uint64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + static_cast<unsigned>(text[i] - '0');
        if (n > 0xFFFFFFFFull) return false;
    }
    if (isSigned && n > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
    *value = static_cast<UINT>(negative ? 0 - n : n);
    return true;
}

}  // namespace

void DialogState::Command(int id) {
    if (ended || !proc) return;
    proc(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void DialogState::Dismiss() {
    Command(IDCANCEL);
    if (!ended) {
        ended = true;
        result = 0;
    }
}

DialogItem* DialogState::Item(int id) {
    if (id == -1) return nullptr;  // labels without an id
    for (auto& item : items)
        if (item.control->id == id) return &item;
    return nullptr;
}

INT_PTR DialogBoxParamA(HINSTANCE, const char* templateName, HWND, DLGPROC proc, LPARAM param) {
    core::LogCall("DialogBoxParamA", templateName);
    const res::DialogTemplate* tmpl = templateName ? res::FindDialog(templateName) : nullptr;
    if (!tmpl) return -1;
    DialogState state;
    state.tmpl = tmpl;
    state.proc = proc;
    for (int i = 0; i < tmpl->count; ++i)
        state.items.push_back(DialogItem{&tmpl->controls[i], tmpl->controls[i].text ? tmpl->controls[i].text : ""});
    auto& windows = core::State().windows;
    auto window = std::make_unique<Window>();
    window->title = tmpl->title ? tmpl->title : "";
    window->dialog = &state;
    state.hwnd = window.get();
    windows.push_back(std::move(window));

    if (proc) proc(state.hwnd, WM_INITDIALOG, 0, param);
    if (!state.ended) core::CurrentHostOrNull().RunDialog(state);
    const INT_PTR result = state.ended ? state.result : 0;
    HWND hwnd = state.hwnd;
    core::DropTimersOf(hwnd);
    std::erase_if(core::State().posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(windows, [hwnd](const auto& w) { return w.get() == hwnd; });
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    core::LogCall("EndDialog", result);
    Window* w = core::FindWindow(dialog);
    if (!w || !w->dialog) return FALSE;
    w->dialog->ended = true;
    w->dialog->result = result;
    return TRUE;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    core::LogCall("SetDlgItemInt", id, value, isSigned);
    DialogItem* item = ItemOf(dialog, id);
    if (!item) return FALSE;
    item->text = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    return TRUE;
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    core::LogCall("GetDlgItemInt", id, isSigned);
    DialogItem* item = ItemOf(dialog, id);
    UINT value = 0;
    const bool ok = item && ParseInt(item->text, isSigned != FALSE, &value);
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? value : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, const char* text) {
    core::LogCall("SetDlgItemTextA", id, text);
    DialogItem* item = ItemOf(dialog, id);
    if (!item) return FALSE;
    item->text = text ? text : "";
    return TRUE;
}

UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size) {
    core::LogCall("GetDlgItemTextA", id, size);
    DialogItem* item = ItemOf(dialog, id);
    if (!buffer || size <= 0) return 0;
    const std::size_t n = item ? std::min(item->text.size(), static_cast<std::size_t>(size - 1)) : 0;
    if (n) std::memcpy(buffer, item->text.data(), n);
    buffer[n] = '\0';
    return static_cast<UINT>(n);
}

}  // namespace win
