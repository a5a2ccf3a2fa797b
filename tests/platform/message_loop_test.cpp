// Window creation and the message loop: WM_CREATE inside creation, the order
// in which GetMessageA hands out messages, paints and the end of the loop.
#include "test_window.h"

namespace {

constexpr UINT kAppMessage = 0x0400;  // WM_USER

class MessageLoopTest : public WindowTest {};

TEST_F(MessageLoopTest, CreateSendsWmCreateWithItsParameters) {
    int marker = 0;
    void* createParams = nullptr;  // read while the record still exists
    onMessage_ = [&](UINT msg) {
        if (msg == WM_CREATE) createParams = reinterpret_cast<const CREATESTRUCTA*>(seen_.back().lParam)->lpCreateParams;
    };
    HWND hwnd = CreateWindowExA(0, "PlatformTest", "Title", WS_CAPTION, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                nullptr, nullptr, nullptr, &marker);
    ASSERT_NE(hwnd, nullptr);
    const auto creates = Seen(WM_CREATE);
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].hwnd, hwnd);
    EXPECT_EQ(createParams, &marker);
    EXPECT_EQ(session_.WindowTitle(), "Title");
    EXPECT_EQ(MainWindow(), hwnd);
    RECT client;
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
}

TEST_F(MessageLoopTest, CreateFailsWhenWmCreateReturnsMinusOne) {
    createResult_ = -1;
    EXPECT_EQ(CreateWindowExA(0, "PlatformTest", "Title", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(MessageLoopTest, ShowAndUpdatePaintAtOnceOnlyWhenSomethingIsInvalid) {
    HWND hwnd = Open();
    EXPECT_EQ(Seen(WM_PAINT).size(), 1u);  // ShowWindow invalidated the client, UpdateWindow painted it
    UpdateWindow(hwnd);
    EXPECT_EQ(Seen(WM_PAINT).size(), 1u);
    SetWindowTextA(hwnd, "Tornel - set.tnl");
    EXPECT_EQ(session_.WindowTitle(), "Tornel - set.tnl");
    char title[8];
    EXPECT_EQ(GetWindowTextA(hwnd, title, sizeof title), 7);
    EXPECT_STREQ(title, "Tornel ");
}

TEST_F(MessageLoopTest, GetMessageOrderIsPostedQuitPaintTimer) {
    HWND hwnd = Open();
    SetTimer(hwnd, 1, 100, nullptr);
    std::vector<UINT> order;
    session_.OnAdvance([&](DWORD) {
        // The timer is due now; queue the rest and read everything back.
        InvalidateRect(hwnd, nullptr, FALSE);
        PostQuitMessage(3);
        PostMessageA(hwnd, kAppMessage, 0, 0);
        MSG msg;
        EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
        order.push_back(msg.message);
        EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
        EXPECT_EQ(msg.wParam, 3u);
        order.push_back(msg.message);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            order.push_back(msg.message);
            DispatchMessageA(&msg);
        }
    });
    session_.Advance(100);
    EXPECT_EQ(order, (std::vector<UINT>{kAppMessage, WM_QUIT, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageLoopTest, CloseDestroysThroughTheDefaultProcedureAndPostsQuit) {
    Open();
    session_.Close();
    EXPECT_EQ(Seen(WM_DESTROY).size(), 1u);
    EXPECT_TRUE(session_.QuitPosted());
    EXPECT_EQ(session_.ExitCode(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(MessageLoopTest, DestroyingAgainWhileBeingDestroyedIsHarmless) {
    HWND hwnd = Open();
    onMessage_ = [hwnd](UINT msg) {
        if (msg == WM_DESTROY) {
            EXPECT_EQ(DestroyWindow(hwnd), TRUE);
        }
    };
    EXPECT_EQ(DestroyWindow(hwnd), TRUE);
    EXPECT_EQ(Seen(WM_DESTROY).size(), 1u);
    EXPECT_EQ(DestroyWindow(hwnd), FALSE);
    EXPECT_EQ(PostMessageA(hwnd, kAppMessage, 0, 0), FALSE);
}

TEST_F(MessageLoopTest, ProgramLoopRunsToItsEndWhenClosedWhileIdle) {
    HWND hwnd = Open();
    SetTimer(hwnd, 1, 100, nullptr);
    PostMessageA(hwnd, kAppMessage, 7, 0);
    session_.CloseWhenIdle(true);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(Seen(kAppMessage).size(), 1u);
    EXPECT_EQ(Seen(WM_CLOSE).size(), 1u);
    EXPECT_EQ(Seen(WM_DESTROY).size(), 1u);
}

TEST_F(MessageLoopTest, LoopEndsWhenTheHeadlessHostHasNoMoreInput) {
    Open();
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(MessageLoopTest, InputHelpersPostTheMessagesTheyName) {
    Open();
    session_.Click(86, 42);
    session_.KeyDown('Z', true);
    session_.KeyUp('Z');
    session_.Command(106);
    const auto downs = Seen(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 86);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 42);
    EXPECT_EQ(Seen(WM_LBUTTONUP).size(), 1u);
    ASSERT_EQ(Seen(WM_KEYDOWN).size(), 1u);
    EXPECT_NE(Seen(WM_KEYDOWN)[0].lParam & KF_REPEAT_LPARAM_BIT, 0);
    EXPECT_EQ(Seen(WM_KEYUP)[0].wParam, static_cast<WPARAM>('Z'));
    EXPECT_EQ(LOWORD(Seen(WM_COMMAND)[0].wParam), 106);
}

TEST_F(MessageLoopTest, NestedLoopKeepsDispatchingUntilDone) {
    HWND hwnd = Open();
    PostMessageA(hwnd, kAppMessage, 1, 0);
    PostMessageA(hwnd, kAppMessage, 2, 0);
    PostMessageA(hwnd, kAppMessage, 3, 0);
    RunNestedLoop([&] { return Seen(kAppMessage).size() == 2; });
    EXPECT_EQ(Seen(kAppMessage).size(), 2u);
    session_.Pump();
    EXPECT_EQ(Seen(kAppMessage).size(), 3u);
}

TEST_F(MessageLoopTest, SessionStartsFromAFreshCore) {
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_TRUE(session_.Calls().size() <= 2u);  // only the fixture's class registration
    EXPECT_EQ(session_.Calls().back(), "RegisterClassA(PlatformTest)");
    EXPECT_NE(GetTickCount(), 0u);
}

}  // namespace
