// The software GDI's cost for what the panel does most: a whole-panel paint
// (ground, 59 blits, lines, texts) clipped to one small rectangle or to
// twenty that piled up before it, and the immediate fader draw through the
// window DC.
#include <benchmark/benchmark.h>

#include "platform/headless/headless.h"
#include "platform/win.h"

using namespace win;

namespace {

LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }

HWND OpenWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "Bench";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "Bench", "", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
}

void PanelLikePaint(HDC dc, HBITMAP bitmap) {
    HBRUSH grey = CreateSolidBrush(0xC0C0C0);
    HGDIOBJ old = SelectObject(dc, grey);
    Rectangle(dc, 0, 0, 640, 480);
    SelectObject(dc, old);
    DeleteObject(grey);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
    for (int i = 0; i < 59; ++i) BitBlt(dc, 74 + (i % 20) * 24, 30 + (i / 20) * 24, 24, 24, mem, 0, 0, SRCCOPY);
    SelectObject(mem, oldBitmap);
    DeleteDC(mem);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x646464);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (int x = 74; x <= 368; x += 42) {
        MoveToEx(dc, x, 256, nullptr);
        LineTo(dc, x, 410);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    for (int k = 0; k < 7; ++k) TextOutA(dc, 460, 262 + 18 * k, "sample.wav          ", 20);
}

// Argument: how many button-sized rectangles, apart from each other in two
// rows, are invalidated before each paint.
void BM_ClippedPanelPaint(benchmark::State& state) {
    headless::Session session;
    HWND hwnd = OpenWindow();
    HBITMAP bitmap = LoadBitmapA(nullptr, "BITMAP_STOPOFF");
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            const RECT button{74 + 26 * i, 30 + 40 * (i % 2), 98 + 26 * i, 54 + 40 * (i % 2)};
            InvalidateRect(hwnd, &button, FALSE);
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PanelLikePaint(dc, bitmap);
        EndPaint(hwnd, &ps);
        session.ClearCalls();
    }
    DeleteObject(bitmap);
}
BENCHMARK(BM_ClippedPanelPaint)->Arg(1)->Arg(20);

void BM_FaderThroughWindowDC(benchmark::State& state) {
    headless::Session session;
    HWND hwnd = OpenWindow();
    for (auto _ : state) {
        HDC dc = GetDC(hwnd);
        HPEN pen = CreatePen(PS_SOLID, 1, 0xC0C0C0);
        HBRUSH brush = CreateSolidBrush(0xC0C0C0);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Rectangle(dc, 466, 165, 486, 225);
        Rectangle(dc, 466, 175, 486, 185);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
        ReleaseDC(hwnd, dc);
        session.ClearCalls();
    }
}
BENCHMARK(BM_FaderThroughWindowDC);

void BM_ArialText(benchmark::State& state) {
    headless::Session session;
    HWND hwnd = OpenWindow();
    for (auto _ : state) {
        HDC dc = GetDC(hwnd);
        HFONT font = CreateFontA(-20, -12, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 1, "Arial");
        HGDIOBJ old = SelectObject(dc, font);
        TextOutA(dc, 50, 130, "01:02:03:04", 11);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(hwnd, dc);
        session.ClearCalls();
    }
}
BENCHMARK(BM_ArialText);

}  // namespace
