// A second start of a real build while a copy runs: it raises the running copy and ends
// without showing anything (its headless run would fail on an unanswered intro otherwise).
#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "automation.h"
#include "stand_in_window.h"
#include "windows.h"

namespace {

TEST(SecondCopy, ASecondStartOfTheProgramRaisesTheRunningCopy)
{
    AutomationResetDevice();
    // The running copy's main window: class and title are the pack title.
    HWND running = CreateStandInWindow(u"Brambleset Three", u"Brambleset Three");
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
