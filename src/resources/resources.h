// Resources as data: one description serves every host. Bitmaps and the icon
// are files under resources/ embedded at build time; the menu and the dialog
// templates are tables in this folder.
#pragma once

#include <cstddef>
#include <cstdint>

namespace res {

struct Blob {
    const char* name;  // resource name, e.g. "BITMAP_STOPOFF"
    const std::uint8_t* data;
    std::size_t size;
};

// A 4-bit (16-colour) BMP file by resource name; null when there is none.
const Blob* FindBitmap(const char* name);
// The program icon (a 32x32 BMP) by name, compared case-insensitively; null when there is none.
const Blob* FindIcon(const char* name);

// --- Menu -------------------------------------------------------------------
enum MenuFlags : unsigned {
    kMenuPopup = 1,      // item opens `children`
    kMenuSeparator = 2,  // a rule, no text and no id
    kMenuChecked = 4,    // initially checked
};

struct MenuItem {
    const char* text;
    int id;  // command id; 0 for popups and separators
    unsigned flags;
    const MenuItem* children;
    int childCount;
};

struct MenuTemplate {
    const char* name;
    const MenuItem* items;  // the bar's top-level popups
    int count;
};

const MenuTemplate* FindMenu(const char* name);

// --- Dialog templates ---------------------------------------------------------
enum class ControlKind { Label, Button, Edit, Icon, Rule };

enum ControlStyle : unsigned {
    kCentre = 1,         // label text centred
    kDefaultButton = 2,  // default push button (Enter)
    kTabStop = 4,
    kGroup = 8,
    kBorder = 16,   // edit field border
    kAutoHScroll = 32,
};

struct DialogControl {
    ControlKind kind;
    int id;            // -1 for labels without an id
    const char* text;  // label/button text; icon resource name for Icon
    int x, y, w, h;    // dialog units
    unsigned style;
};

struct DialogTemplate {
    const char* name;  // "AboutBox", "DIALOG_BRIEF", ...
    const char* title;
    int x, y, w, h;  // dialog units
    const char* fontFace;
    int fontPoints;
    const DialogControl* controls;  // template order = tab order
    int count;
};

const DialogTemplate* FindDialog(const char* name);

// --- Panel font -----------------------------------------------------------
// The bundled 6x8 bold pixel font used for the panel's small texts. Glyph
// rows for the printable ASCII range 0x20..0x7E; bit 5 of each row byte is
// the leftmost of the six columns.
constexpr int kPanelFontWidth = 6;
constexpr int kPanelFontHeight = 8;
extern const std::uint8_t kPanelFont[95][8];
// Drawn in one cell for a byte sequence that is not UTF-8.
extern const std::uint8_t kPanelReplacementGlyph[8];

}  // namespace res
