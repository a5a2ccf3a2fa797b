// Window timers on the headless host's virtual clock.
#include "test_window.h"

namespace {

class TimersTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hwnd_ = Open();
        start_ = session_.Now();
        onMessage_ = [this](UINT msg) {
            if (msg == WM_TIMER) ticks_.push_back({seen_.back().wParam, session_.Now() - start_});
        };
    }
    struct Tick {
        WPARAM id;
        DWORD at;  // ms after the test began
        bool operator==(const Tick&) const = default;
    };
    HWND hwnd_ = nullptr;
    DWORD start_ = 0;
    std::vector<Tick> ticks_;
};

TEST_F(TimersTest, TicksLandOnTheirPeriodsInOrder) {
    EXPECT_EQ(SetTimer(hwnd_, 1, 100, nullptr), 1u);
    EXPECT_EQ(SetTimer(hwnd_, 2, 40, nullptr), 2u);
    session_.Advance(200);
    EXPECT_EQ(ticks_, (std::vector<Tick>{{2, 40}, {2, 80}, {1, 100}, {2, 120}, {2, 160}, {1, 200}, {2, 200}}));
    EXPECT_EQ(session_.Now() - start_, 200u);
    EXPECT_EQ(GetTickCount(), session_.Now());
}

TEST_F(TimersTest, SettingTheSameIdReplacesTheTimer) {
    SetTimer(hwnd_, 1, 100, nullptr);
    session_.Advance(50);
    SetTimer(hwnd_, 1, 30, nullptr);
    session_.Advance(100);
    EXPECT_EQ(ticks_, (std::vector<Tick>{{1, 80}, {1, 110}, {1, 140}}));
}

TEST_F(TimersTest, KilledTimerStopsAndUnknownKillFails) {
    SetTimer(hwnd_, 3, 1000, nullptr);
    session_.Advance(1000);
    EXPECT_EQ(KillTimer(hwnd_, 3), TRUE);
    EXPECT_EQ(KillTimer(hwnd_, 3), FALSE);
    session_.Advance(5000);
    EXPECT_EQ(ticks_.size(), 1u);
    EXPECT_EQ(session_.CallsStartingWith("SetTimer"), std::vector<std::string>{"SetTimer(3,1000)"});
    EXPECT_EQ(session_.CallsStartingWith("KillTimer").front(), "KillTimer(3)");
}

TEST_F(TimersTest, RefusedTimerReturnsZeroAndNeverTicks) {
    session_.RefuseTimers(true);
    EXPECT_EQ(SetTimer(hwnd_, 1, 100, nullptr), 0u);
    session_.Advance(1000);
    EXPECT_TRUE(ticks_.empty());
    session_.RefuseTimers(false);
    EXPECT_EQ(SetTimer(hwnd_, 1, 100, nullptr), 1u);
}

TEST_F(TimersTest, TimersTakeTheSystemMinimumPeriod) {
    SetTimer(hwnd_, 2, 1, nullptr);
    session_.Advance(30);
    EXPECT_EQ(ticks_, (std::vector<Tick>{{2, 10}, {2, 20}, {2, 30}}));
}

TEST_F(TimersTest, AdvanceListenersSeeEachStepBeforeItsTicks) {
    SetTimer(hwnd_, 1, 100, nullptr);
    std::vector<DWORD> steps;
    session_.OnAdvance([&](DWORD ms) {
        steps.push_back(ms);
        EXPECT_EQ(ticks_.size(), steps.size() - 1);  // this step's tick has not fired yet
    });
    session_.Advance(250);
    EXPECT_EQ(steps, (std::vector<DWORD>{100, 100, 50}));
}

TEST_F(TimersTest, TimerProcedureIsCalledInsteadOfTheWindow) {
    static int calls = 0;
    calls = 0;
    SetTimer(hwnd_, 5, 50, [](HWND, UINT, UINT_PTR id, DWORD) { calls += static_cast<int>(id); });
    session_.Advance(100);
    EXPECT_EQ(calls, 10);
    EXPECT_TRUE(ticks_.empty());
}

}  // namespace
