// Timers on the headless backend's virtual clock: several timers interleave at their exact
// times, KillTimer stops one, Sleep lets time pass without running the loop, and WM_TIMER
// comes last among the queue's messages.
#include <gtest/gtest.h>

#include "message_trace.h"

namespace {

using TimerTest = UserTest;

struct Tick {
    UINT_PTR id;
    DWORD time;
    bool operator==(const Tick& o) const { return id == o.id && time == o.time; }
};

std::vector<Tick> gTicks;

LRESULT CALLBACK TickProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER)
        gTicks.push_back({wParam, GetTickCount()});
    return TraceWindowProc(hwnd, msg, wParam, lParam);
}

HWND CreateTicking()
{
    RegisterTraceClass(u"Ticking", TickProc);
    gTicks.clear();
    HWND hwnd = CreateWindowExW(0, u"Ticking", u"T", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(AutomationRunUntilIdle());
    return hwnd;
}

TEST_F(TimerTest, SeveralTimersFireAtTheirOwnTimesAsVirtualTimePasses)
{
    HWND hwnd = CreateTicking();
    EXPECT_EQ(GetTickCount(), 0u);
    EXPECT_EQ(SetTimer(hwnd, 101, 25, nullptr), UINT_PTR(101));
    EXPECT_EQ(SetTimer(hwnd, 7, 40, nullptr), UINT_PTR(7));
    AutomationAdvance(100);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gTicks,
              (std::vector<Tick>{{101, 25}, {7, 40}, {101, 50}, {101, 75}, {7, 80}, {101, 100}}));
    EXPECT_EQ(GetTickCount(), 100u);

    // Nothing fires while no time passes.
    gTicks.clear();
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(gTicks.empty());

    // Setting an existing timer again restarts it with the new interval.
    SetTimer(hwnd, 101, 30, nullptr);
    EXPECT_TRUE(KillTimer(hwnd, 7));
    EXPECT_FALSE(KillTimer(hwnd, 7));
    AutomationAdvance(60);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gTicks, (std::vector<Tick>{{101, 130}, {101, 160}}));
}

TEST_F(TimerTest, SleepAdvancesTheClockAndAnOverdueTimerFiresOnceWhenTheLoopRuns)
{
    HWND hwnd = CreateTicking();
    SetTimer(hwnd, 1, 25, nullptr);
    Sleep(50);
    EXPECT_EQ(GetTickCount(), 50u);
    EXPECT_TRUE(gTicks.empty());
    Sleep(60);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gTicks, (std::vector<Tick>{{1, 110}}));
    // It is due again one interval after it was delivered.
    AutomationAdvance(25);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gTicks.size(), 2u);
    EXPECT_EQ(gTicks.back(), (Tick{1, 135}));
}

TEST_F(TimerTest, TimerMessagesComeAfterPostedMessagesAndPaints)
{
    HWND hwnd = CreateTicking();
    SetTimer(hwnd, 1, 10, nullptr);
    Sleep(10);
    InvalidateRect(hwnd, nullptr, FALSE);
    PostMessageW(hwnd, WM_USER, 0, 0);
    TakeTrace();
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(
        TakeTrace({WM_USER, WM_PAINT, WM_TIMER}),
        (std::vector<TracedMessage>{{hwnd, WM_USER, 0}, {hwnd, WM_PAINT, 0}, {hwnd, WM_TIMER, 1}}));
}

TEST_F(TimerTest, ALoopFilteringOutTimersWaitsForWhatItAsksFor)
{
    HWND hwnd = CreateTicking();
    SetTimer(hwnd, 1, 10, nullptr);
    AutomationAdvance(50);
    AutomationKey('A');
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST));
    EXPECT_EQ(msg.message, UINT(WM_KEYDOWN));
    EXPECT_EQ(GetTickCount(), 50u);
    // The overdue timer is still there for an unfiltered loop, once.
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(TimerTest, TimerProceduresAndThreadTimersAreCalledByDispatch)
{
    CreateTicking();
    static std::vector<UINT_PTR> sCalls;
    sCalls.clear();
    const UINT_PTR id = SetTimer(nullptr, 0, 20, [](HWND, UINT msg, UINT_PTR timer, DWORD) {
        EXPECT_EQ(msg, UINT(WM_TIMER));
        sCalls.push_back(timer);
    });
    ASSERT_NE(id, 0u);
    AutomationAdvance(45);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(sCalls, (std::vector<UINT_PTR>{id, id}));
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(TimerTest, DestroyingAWindowKillsItsTimers)
{
    HWND hwnd = CreateTicking();
    SetTimer(hwnd, 1, 10, nullptr);
    DestroyWindow(hwnd);
    AutomationAdvance(50);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(gTicks.empty());
    EXPECT_FALSE(KillTimer(hwnd, 1));
}

}  // namespace
