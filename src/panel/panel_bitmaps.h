// The panel's 59 bitmaps, named once: the slot of g_bitmaps each one is
// loaded into (BMP_ followed by its resource name without BITMAP_ or IDB_)
// and its resource name, both from the one list below.
#pragma once

#include "shell/console_state.h"

// clang-format off
#define TORNEL_PANEL_BITMAPS(X)                                                                    \
    X(STOPOFF, "BITMAP_STOPOFF") X(PLAYOFF, "BITMAP_PLAYOFF") X(PAUSEOFF, "BITMAP_PAUSEOFF")       \
    X(REWOFF, "BITMAP_REWOFF")   X(FFOFF, "BITMAP_FFOFF")     X(BAKOFF, "BITMAP_BAKOFF")           \
    X(FWOFF, "BITMAP_FWOFF")     X(OPENOFF, "BITMAP_OPENOFF") X(AOFF, "BITMAP_AOFF")               \
    X(BOFF, "BITMAP_BOFF")       X(CLROFF, "BITMAP_CLROFF")   X(SNGOFF, "BITMAP_SNGOFF")           \
    X(STOPON, "BITMAP_STOPON")   X(PLAYON, "BITMAP_PLAYON")   X(PAUSEON, "BITMAP_PAUSEON")         \
    X(REWON, "BITMAP_REWON")     X(FFON, "BITMAP_FFON")       X(BAKON, "BITMAP_BAKON")             \
    X(FWON, "BITMAP_FWON")       X(OPENON, "BITMAP_OPENON")   X(AON, "BITMAP_AON")                 \
    X(BON, "BITMAP_BON")         X(CLRON, "BITMAP_CLRON")     X(GKEY, "BITMAP_GKEY")               \
    X(GKEYON, "BITMAP_GKEYON")   X(LPOFF, "BITMAP_LPOFF")     X(LPBOFF, "BITMAP_LPBOFF")           \
    X(PLOFF, "BITMAP_PLOFF")     X(LPLOGO, "BITMAP_LPLOGO")   X(LDLOGO, "BITMAP_LDLOGO")           \
    X(PLLOGO, "BITMAP_PLLOGO")   X(LDOFF, "BITMAP_LDOFF")     X(NO1, "BITMAP_NO1")                 \
    X(NO2, "BITMAP_NO2")         X(NO3, "BITMAP_NO3")         X(NO4, "BITMAP_NO4")                 \
    X(NO5, "BITMAP_NO5")         X(NO6, "BITMAP_NO6")         X(NO7, "BITMAP_NO7")                 \
    X(NO8, "BITMAP_NO8")         X(LBON, "BITMAP_LBON")       X(LDON, "BITMAP_LDON")               \
    X(LPON, "BITMAP_LPON")       X(CNO, "BITMAP_CNO")         X(CFILE, "BITMAP_CFILE")             \
    X(CLOOP, "BITMAP_CLOOP")     X(SNGON, "BITMAP_SNGON")     X(MODOFF, "BITMAP_MODOFF")           \
    X(MODON, "BITMAP_MODON")     X(MARK, "BITMAP_MARK")       X(REFRESH, "BITMAP_REFRESH")         \
    X(CD_BAL, "IDB_CD_BAL")      X(CD_VOL, "IDB_CD_VOL")      X(WAV_BAL, "IDB_WAV_BAL")            \
    X(CDSONG, "IDB_CDSONG")      X(CD_CTRL, "IDB_CD_CTRL")    X(RECOFF, "BITMAP_RECOFF")           \
    X(RECON, "BITMAP_RECON")     X(SPD, "BITMAP_SPD")
// clang-format on

#define TORNEL_BITMAP_SLOT(slot, resource) BMP_##slot,
enum PanelBitmap : int { TORNEL_PANEL_BITMAPS(TORNEL_BITMAP_SLOT) BMP_COUNT };
#undef TORNEL_BITMAP_SLOT
static_assert(BMP_COUNT == kBitmapCount, "every g_bitmaps slot is named");

// Resource names in slot order.
extern const char* const kBitmapNames[kBitmapCount];
