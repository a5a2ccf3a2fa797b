// What a host is told to present: the paint's bounds at EndPaint, and what
// the immediate primitives changed at ReleaseDC.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/core/core_control.h"
#include "platform/headless/headless.h"
#include "platform/host.h"
#include "portable.h"

using namespace win;

namespace {

class PresentingHost final : public Host {
public:
    std::vector<RECT> presented;
    DWORD TickCount() override { return 5000; }
    bool WaitForInput(DWORD) override { return false; }
    void Present(const RECT& dirty) override { presented.push_back(dirty); }
    int MessageBox(HWND, const char*, const char*, UINT) override { return IDOK; }
    bool ChooseFile(HWND, const FileChoice&, std::string&) override { return false; }
    void RunDialog(DialogState& dialog) override { dialog.Dismiss(); }
    bool OpenDocument(const char*) override { return false; }
};

LRESULT PaintNothing(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class PresentTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::ResetCore();
        InstallHost(&host_);
        WNDCLASSA wc{};
        wc.lpfnWndProc = PaintNothing;
        wc.lpszClassName = "Present";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, "Present", "", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        InstallHost(nullptr);
        core::ResetCore();
    }
    PresentingHost host_;
    HWND hwnd_ = nullptr;
};

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(PresentTest, EndPaintPresentsTheBoundsOfTheUpdateRegion) {
    const RECT a{10, 10, 20, 20}, b{100, 50, 110, 60};
    InvalidateRect(hwnd_, &a, FALSE);
    InvalidateRect(hwnd_, &b, FALSE);
    UpdateWindow(hwnd_);
    ASSERT_EQ(host_.presented.size(), 1u);
    EXPECT_TRUE(Same(host_.presented[0], RECT{10, 10, 110, 60}));
}

TEST_F(PresentTest, ReleaseDCPresentsOnlyWhatChanged) {
    HDC dc = GetDC(hwnd_);
    ReleaseDC(hwnd_, dc);
    EXPECT_TRUE(host_.presented.empty());  // nothing drawn
    dc = GetDC(hwnd_);
    Rectangle(dc, 466, 165, 486, 225);
    MoveToEx(dc, 10, 5, nullptr);
    LineTo(dc, 20, 5);
    ReleaseDC(hwnd_, dc);
    ASSERT_EQ(host_.presented.size(), 1u);
    EXPECT_TRUE(Same(host_.presented[0], RECT{10, 5, 486, 225}));
}

#ifndef _WIN32  // written through Qt, which a Windows build has not
TEST(SavePng, WritesTheScreen) {
    headless::Session session;
    const std::string path = ::testing::TempDir() + "tornel_screen_" + std::to_string(portable::ProcessId()) + ".png";
    ASSERT_TRUE(session.SavePng(path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char magic[4] = {};
    EXPECT_EQ(std::fread(magic, 1, 4, f), 4u);
    std::fclose(f);
    std::remove(path.c_str());
    EXPECT_EQ(magic[1], 'P');
    EXPECT_EQ(magic[2], 'N');
}
#endif

}  // namespace
