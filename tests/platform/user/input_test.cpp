// Stylus and keys reach the right window: hit testing with client coordinates, capture,
// disabled windows, keyboard focus and activation messages.
#include <gtest/gtest.h>

#include "message_trace.h"
#include "user/user_internal.h"

namespace {

using InputTest = UserTest;

struct Click {
    HWND hwnd;
    UINT msg;
    POINT pt;
    bool operator==(const Click& o) const
    {
        return hwnd == o.hwnd && msg == o.msg && pt.x == o.pt.x && pt.y == o.pt.y;
    }
};

std::vector<Click> gClicks;

LRESULT CALLBACK ClickProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST)
        gClicks.push_back({hwnd, msg, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
    if (msg == WM_LBUTTONDOWN && GetWindowLongW(hwnd, GWL_USERDATA))
        SetCapture(hwnd);
    if (msg == WM_LBUTTONUP && GetCapture() == hwnd)
        ReleaseCapture();
    return TraceWindowProc(hwnd, msg, wParam, lParam);
}

class InputFixture : public UserTest {
  protected:
    void SetUp() override
    {
        UserTest::SetUp();
        RegisterTraceClass(u"Click", ClickProc);
        gClicks.clear();
        main = CreateWindowExW(0, u"Click", u"Main", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        // Left half and right half of the top of the client area.
        left = CreateWindowExW(0, u"Click", u"", WS_CHILD | WS_VISIBLE, 0, 0, 120, 100, main,
                               reinterpret_cast<HMENU>(1), nullptr, nullptr);
        right = CreateWindowExW(0, u"Click", u"", WS_CHILD | WS_VISIBLE, 120, 0, 120, 100, main,
                                reinterpret_cast<HMENU>(2), nullptr, nullptr);
        ASSERT_TRUE(AutomationRunUntilIdle());
        TakeTrace();
    }
    HWND main = nullptr;
    HWND left = nullptr;
    HWND right = nullptr;
};

TEST_F(InputFixture, ATapGoesToTheTopmostWindowUnderTheStylusInClientCoordinates)
{
    AutomationTap(130, 36);  // right child: (10, 10)
    AutomationTap(5, 200);   // main, below the children: (5, 174)
    AutomationTap(5, 10);    // the navigation bar: no window there
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gClicks, (std::vector<Click>{{right, WM_LBUTTONDOWN, {10, 10}},
                                           {right, WM_LBUTTONUP, {10, 10}},
                                           {main, WM_LBUTTONDOWN, {5, 174}},
                                           {main, WM_LBUTTONUP, {5, 174}}}));
}

TEST_F(InputFixture, TheCapturingWindowGetsTheStylusEvenOutsideItself)
{
    SetWindowLongW(left, GWL_USERDATA, 1);  // captures on stylus down
    AutomationDrag(10, 36, 200, 236, 2);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gClicks, (std::vector<Click>{{left, WM_LBUTTONDOWN, {10, 10}},
                                           {left, WM_MOUSEMOVE, {105, 110}},
                                           {left, WM_MOUSEMOVE, {200, 210}},
                                           {left, WM_LBUTTONUP, {200, 210}}}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TakeTrace({WM_CAPTURECHANGED}).size(), 1u);
}

TEST_F(InputFixture, DisabledWindowsGetNoInput)
{
    EXPECT_FALSE(EnableWindow(right, FALSE));  // was enabled
    EXPECT_TRUE(EnableWindow(right, FALSE));   // already disabled
    EXPECT_FALSE(IsWindowEnabled(right));
    EXPECT_EQ(TakeTrace({WM_ENABLE}), (std::vector<TracedMessage>{{right, WM_ENABLE, FALSE}}));
    AutomationTap(130, 36);  // falls through to the parent
    ASSERT_TRUE(AutomationRunUntilIdle());
    ASSERT_EQ(gClicks.size(), 2u);
    EXPECT_EQ(gClicks[0].hwnd, main);
    EXPECT_EQ(gClicks[0].pt, (POINT{130, 10}));

    gClicks.clear();
    EnableWindow(main, FALSE);
    AutomationTap(10, 36);
    AutomationKey('A');
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(gClicks.empty());
    EXPECT_TRUE(TakeTrace({WM_KEYDOWN, WM_CHAR}).empty());
    EXPECT_EQ(SetFocus(left), nullptr);
}

TEST_F(InputFixture, FocusMovesWithKillAndSetFocusAndKeysFollowIt)
{
    EXPECT_EQ(GetFocus(), main);
    EXPECT_EQ(SetFocus(left), main);
    EXPECT_EQ(SetFocus(right), left);
    EXPECT_EQ(TakeTrace({WM_SETFOCUS, WM_KILLFOCUS}),
              (std::vector<TracedMessage>{{main, WM_KILLFOCUS, HandleParam(left)},
                                          {left, WM_SETFOCUS, HandleParam(main)},
                                          {left, WM_KILLFOCUS, HandleParam(right)},
                                          {right, WM_SETFOCUS, HandleParam(left)}}));
    AutomationKey(VK_RETURN);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_KEYDOWN}),
              (std::vector<TracedMessage>{{right, WM_KEYDOWN, VK_RETURN}}));
    // Hiding the focused window takes the focus away; keys then go to the active window.
    ShowWindow(right, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    AutomationKey('X');
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_KEYDOWN}), (std::vector<TracedMessage>{{main, WM_KEYDOWN, 'X'}}));
}

LRESULT CALLBACK FocusGrabberProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY)
        SetFocus(hwnd);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST_F(InputFixture, AWindowBeingDestroyedCannotTakeTheFocus)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = FocusGrabberProc;
    wc.lpszClassName = u"FocusGrabber";
    RegisterClassW(&wc);
    HWND grabber = CreateWindowExW(0, u"FocusGrabber", u"", WS_CHILD | WS_VISIBLE, 0, 120, 50, 50,
                                   main, reinterpret_cast<HMENU>(3), nullptr, nullptr);
    ASSERT_NE(grabber, nullptr);
    SetFocus(left);
    DestroyWindow(grabber);
    EXPECT_EQ(GetFocus(), left) << "the focus stays where it was";
    // Keys still reach a live window (under ASan a dangling focus would be a use after free).
    AutomationKey('X');
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_KEYDOWN}), (std::vector<TracedMessage>{{left, WM_KEYDOWN, 'X'}}));
}

TEST_F(InputFixture, ActivationTellsTheOldWindowFirstAndMovesTheFocus)
{
    HWND popup = CreateWindowExW(0, u"Click", u"Popup", WS_POPUP | WS_VISIBLE, 20, 60, 200, 100,
                                 main, nullptr, nullptr, nullptr);
    EXPECT_EQ(TakeTrace({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}),
              (std::vector<TracedMessage>{{main, WM_ACTIVATE, WA_INACTIVE},
                                          {popup, WM_ACTIVATE, WA_ACTIVE},
                                          {main, WM_KILLFOCUS, HandleParam(popup)},
                                          {popup, WM_SETFOCUS, HandleParam(main)}}));
    EXPECT_EQ(GetActiveWindow(), popup);
    EXPECT_EQ(SetActiveWindow(main), popup);
    EXPECT_EQ(GetActiveWindow(), main);
    TakeTrace();
    // A tap on an inactive window activates it, saying so, before the click arrives.
    AutomationTap(100, 100);
    ASSERT_TRUE(AutomationRunUntilIdle());
    auto trace = TakeTrace({WM_ACTIVATE, WM_LBUTTONDOWN});
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0], (TracedMessage{main, WM_ACTIVATE, WA_INACTIVE}));
    EXPECT_EQ(trace[1], (TracedMessage{popup, WM_ACTIVATE, WA_CLICKACTIVE}));
    EXPECT_EQ(trace[2], (TracedMessage{popup, WM_LBUTTONDOWN, MK_LBUTTON}));

    // Destroying the active pop-up gives the activation back to its owner.
    DestroyWindow(popup);
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
}

TEST_F(InputFixture, SetForegroundWindowOfADisabledOwnerRaisesItsModalPopup)
{
    HWND popup = CreateWindowExW(0, u"Click", u"Popup", WS_POPUP | WS_VISIBLE, 20, 60, 200, 100,
                                 main, nullptr, nullptr, nullptr);
    EnableWindow(main, FALSE);
    SetActiveWindow(popup);
    // The low bit asks for the owned pop-ups too; it is never part of a handle.
    HWND withBit = reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(main) | 1);
    EXPECT_TRUE(SetForegroundWindow(withBit));
    EXPECT_EQ(GetForegroundWindow(), popup);
    EXPECT_FALSE(SetForegroundWindow(reinterpret_cast<HWND>(0x7ff0)));
}

TEST_F(InputFixture, CloseRequestAndMinimiseReachTheMainWindow)
{
    HWND popup = CreateWindowExW(0, u"Click", u"Popup", WS_POPUP | WS_VISIBLE, 20, 60, 200, 100,
                                 main, nullptr, nullptr, nullptr);
    ASSERT_NE(popup, nullptr);
    TakeTrace();
    AutomationMinimise();
    AutomationCloseRequest();
    ASSERT_TRUE(AutomationRunUntilIdle());
    auto trace = TakeTrace({WM_SIZE, WM_CLOSE});
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].hwnd, main);
    EXPECT_EQ(trace[0].wParam, WPARAM(SIZE_MINIMIZED));
    EXPECT_EQ(trace[1], (TracedMessage{main, WM_CLOSE, 0}));
    EXPECT_FALSE(IsWindow(main));  // default processing destroyed it
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(InputFixture, AHoldIsAStylusDownTheGestureRecogniserCanTellApart)
{
    AutomationTap(10, 40);
    AutomationHold(10, 40);
    ASSERT_TRUE(AutomationRunUntilIdle());
    // Only the last stylus-down counts, and asking consumes the answer.
    EXPECT_TRUE(UserTakeStylusHold());
    EXPECT_FALSE(UserTakeStylusHold());
    EXPECT_EQ(gClicks.size(), 4u);
}

}  // namespace
