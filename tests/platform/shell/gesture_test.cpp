// Tap-and-hold against tap: the stylus held 500 ms within 5 pixels is a hold; moving further
// or lifting early is not. Time is the headless backend's virtual clock.
#include "shell_test_windows.h"

namespace {

std::vector<DWORD> gResults;

// Each stylus-down asks the shell, as the game's window does.
void RecogniseOnStylusDown()
{
    SetExtraHandler([](HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
        if (msg != WM_LBUTTONDOWN) {
            return false;
        }
        SHRGINFO rg = {};
        rg.cbSize = sizeof(rg);
        rg.hwndClient = hwnd;
        rg.ptDown = {LOWORD(lParam), HIWORD(lParam)};
        rg.dwFlags = SHRG_RETURNCMD;
        gResults.push_back(SHRecognizeGesture(&rg));
        return true;
    });
}

class Gesture : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        gResults.clear();
        RecogniseOnStylusDown();
        window = MakeRecordingWindow();
    }
    HWND window = nullptr;
};

TEST_F(Gesture, HoldingStillForHalfASecondIsAHold)
{
    AutomationStylusDown(100, 100);
    AutomationAdvance(500);
    AutomationStylusUp(100, 100);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{GN_CONTEXTMENU}));
}

TEST_F(Gesture, WobbleOfFivePixelsStillHolds)
{
    AutomationStylusDown(100, 100);
    AutomationAdvance(100);
    AutomationStylusMove(105, 95);
    AutomationAdvance(450);
    AutomationStylusUp(105, 95);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{GN_CONTEXTMENU}));
}

TEST_F(Gesture, MovingSixPixelsIsNoHoldAndTheMoveReachesTheWindow)
{
    AutomationStylusDown(100, 100);
    AutomationAdvance(100);
    AutomationStylusMove(106, 100);
    AutomationAdvance(600);
    AutomationStylusUp(106, 100);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{0u}));
    EXPECT_EQ(Seen(WM_LBUTTONUP).size(), 1u);
}

// Moves and lifts that no window is sent (outside the screen, over the navigation bar) end a
// hold as surely as those the window sees, also when the stylus comes back.
TEST_F(Gesture, MovingOffTheWindowIsNoHoldWhereverTheStylusIsLifted)
{
    AutomationStylusDown(100, 100);
    AutomationStylusMove(100, 400);
    AutomationAdvance(600);
    AutomationStylusUp(100, 400);

    AutomationStylusDown(100, 100);
    AutomationStylusMove(100, 10);
    AutomationStylusUp(100, 10);
    AutomationAdvance(600);

    AutomationStylusDown(100, 100);
    AutomationStylusMove(-20, 100);
    AutomationStylusMove(101, 101);
    AutomationAdvance(600);
    AutomationStylusUp(101, 101);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{0u, 0u, 0u}));
}

TEST_F(Gesture, LiftingEarlyIsATap)
{
    AutomationStylusDown(50, 80);
    AutomationAdvance(499);
    AutomationStylusUp(50, 80);
    AutomationTap(60, 90);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{0u, 0u}));
    // The lift stays queued for the window.
    EXPECT_EQ(Seen(WM_LBUTTONUP).size(), 2u);
}

TEST_F(Gesture, ScriptedHoldAndBadRecordsAreRecognised)
{
    AutomationHold(120, 150);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gResults, (std::vector<DWORD>{GN_CONTEXTMENU}));

    SHRGINFO bad = {};
    bad.cbSize = 3;
    bad.hwndClient = window;
    EXPECT_EQ(SHRecognizeGesture(&bad), 0u);
}

}  // namespace
