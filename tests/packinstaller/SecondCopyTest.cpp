// A second start of a real build while a copy runs: it raises the running copy and ends
// without showing anything (its headless run would fail on an unanswered intro otherwise).
#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "automation.h"
#include "windows.h"

namespace {

LRESULT CALLBACK StandInProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST(SecondCopy, ASecondStartOfTheProgramRaisesTheRunningCopy)
{
    AutomationResetDevice();
    // The running copy's main window: class and title are the pack title.
    WNDCLASSW wc = {};
    wc.lpfnWndProc = StandInProc;
    wc.lpszClassName = u"Brambleset Three";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND running = CreateWindowExW(0, u"Brambleset Three", u"Brambleset Three", WS_VISIBLE, 0, 0,
                                   240, 268, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(running, nullptr);
    const int raised = AutomationRaiseRequests();

    const int status = std::system("CROSSWORD_BACKEND=headless '" BRAMBLESET_THREE "'");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    AutomationRunUntilIdle();
    EXPECT_EQ(AutomationRaiseRequests(), raised + 1);
    DestroyWindow(running);
}

}  // namespace
