// A modal dialog while it runs: built by DialogBoxParamA from a template in
// resources/, driven by a host (Qt widgets, or a headless test script).
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"
#include "resources/resources.h"

namespace win {

struct DialogItem {
    const res::DialogControl* control;  // template entry: kind, id, place
    std::string text;                   // current text (edit contents, label)
};

struct DialogState {
    const res::DialogTemplate* tmpl = nullptr;
    HWND hwnd = nullptr;  // the dialog's own handle, as passed to its procedure
    DLGPROC proc = nullptr;
    std::vector<DialogItem> items;  // template order = tab order
    bool ended = false;
    INT_PTR result = 0;

    // The user pressed the button (or Enter / Esc / the close box, which the
    // host turns into the default button's id or IDCANCEL).
    void Command(int id);
    // Closes the dialog the way the close box does: Cancel, and when the
    // procedure ignores it, ends it with 0.
    void Dismiss();
    DialogItem* Item(int id);
};

}  // namespace win
