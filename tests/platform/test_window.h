// A bare window on the headless host for platform tests: it records every
// message it receives and paints with whatever the test gives it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/win.h"

using namespace win;

namespace win {
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
}  // namespace win

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        current_ = this;
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "PlatformTest";
        ASSERT_NE(RegisterClassA(&wc), 0);
    }

    HWND Open() {
        HWND hwnd = CreateWindowExA(0, "PlatformTest", "Test", WS_CAPTION, CW_USEDEFAULT, CW_USEDEFAULT,
                                    kWindowWidth, kWindowHeight, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        return hwnd;
    }

    // Messages of one kind received so far.
    std::vector<MSG> Seen(UINT message) const {
        std::vector<MSG> out;
        for (const MSG& m : seen_)
            if (m.message == message) out.push_back(m);
        return out;
    }

    // Fills the whole client with a solid colour through the window DC.
    static void Fill(HWND hwnd, COLORREF color) {
        HDC dc = GetDC(hwnd);
        HBRUSH brush = CreateSolidBrush(color);
        HPEN pen = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        Rectangle(dc, 0, 0, Surface::kWidth, Surface::kHeight);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
        ReleaseDC(hwnd, dc);
    }

    headless::Session session_;
    std::vector<MSG> seen_;
    std::function<void(HDC)> paint_;      // draws inside BeginPaint/EndPaint
    std::function<void(UINT)> onMessage_;  // called for every message
    LRESULT createResult_ = 0;

private:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        WindowTest& t = *current_;
        t.seen_.push_back(MSG{hwnd, msg, wParam, lParam, 0, {0, 0}});
        if (t.onMessage_) t.onMessage_(msg);
        switch (msg) {
        case WM_CREATE: return t.createResult_;
        case WM_PAINT:
            if (!t.paint_) break;
            {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd, &ps);
                t.paint_(dc);
                EndPaint(hwnd, &ps);
            }
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    static inline WindowTest* current_ = nullptr;
};

// 0x00RRGGBB as the surface stores a COLORREF.
constexpr std::uint32_t Rgb(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
