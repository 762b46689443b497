// The message loop: order of sent, posted, paint and quit messages, PeekMessageW, key
// translation, nested loops, accelerators and the automation's failure when a loop would
// block with nothing scripted.
#include <csignal>

#include <gtest/gtest.h>

#include "message_trace.h"
#include "user/user_internal.h"

namespace {

using MessageLoopTest = UserTest;
using MessageLoopDeathTest = UserTest;

HWND CreateMain(LPCWSTR title = u"Main", LPCWSTR cls = u"Traced")
{
    return CreateWindowExW(0, cls, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

// Runs the classic loop until WM_QUIT and returns its wParam.
int RunLoop(HACCEL accelerators = nullptr)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        if (accelerators && TranslateAcceleratorW(msg.hwnd, accelerators, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}

LRESULT CALLBACK QuitOnDestroyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Traced(msg))
        Trace().push_back({hwnd, msg, wParam});
    if (msg == WM_DESTROY)
        PostQuitMessage(7);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST_F(MessageLoopTest, CloseDestroysAndTheQuitMessageEndsTheLoopWithItsCode)
{
    RegisterTraceClass(u"Quitting", QuitOnDestroyProc);
    HWND hwnd = CreateMain(u"Main", u"Quitting");
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunLoop(), 7);
    const std::vector<TracedMessage> expected = {{hwnd, WM_CLOSE, 0},
                                                 {hwnd, WM_ACTIVATE, WA_INACTIVE},
                                                 {hwnd, WM_KILLFOCUS, 0},
                                                 {hwnd, WM_DESTROY, 0},
                                                 {hwnd, WM_NCDESTROY, 0}};
    EXPECT_EQ(TakeTrace(), expected);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MessageLoopTest, SentMessagesRunAtOncePostedOnesInOrderThenPaintThenQuitLast)
{
    RegisterTraceClass();
    HWND hwnd = CreateMain();  // shown, so its whole client area needs painting
    TakeTrace();
    PostMessageW(hwnd, WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    SendMessageW(hwnd, WM_USER + 2, 0, 0);
    EXPECT_EQ(TakeTrace(), (std::vector<TracedMessage>{{hwnd, WM_USER + 2, 0}}));

    MSG msg;
    std::vector<UINT> order;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        order.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    // WM_QUIT waits for the posted messages but comes before the paint.
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1}));
    EXPECT_EQ(msg.wParam, WPARAM(3));
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_PAINT}).size(), 1u);
}

TEST_F(MessageLoopTest, PaintArrivesOnlyWhileTheWindowIsInvalidAndAfterPostedMessages)
{
    RegisterTraceClass();
    HWND hwnd = CreateMain();
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_PAINT, WM_ERASEBKGND}),
              (std::vector<TracedMessage>{{hwnd, WM_PAINT, 0}, {hwnd, WM_ERASEBKGND, kAnyWParam}}));
    // Valid now: nothing more to paint, and UpdateWindow sends nothing.
    ASSERT_TRUE(AutomationRunUntilIdle());
    UpdateWindow(hwnd);
    EXPECT_TRUE(TakeTrace({WM_PAINT}).empty());

    RECT r = {10, 10, 20, 20};
    InvalidateRect(hwnd, &r, FALSE);
    PostMessageW(hwnd, WM_USER, 0, 0);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(TakeTrace({WM_PAINT, WM_USER, WM_ERASEBKGND}),
              (std::vector<TracedMessage>{{hwnd, WM_USER, 0}, {hwnd, WM_PAINT, 0}}));

    // UpdateWindow paints at once, without the loop.
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(TakeTrace({WM_PAINT}).size(), 1u);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(MessageLoopTest, PeekMessageLeavesOrRemovesAndFilters)
{
    RegisterTraceClass();
    HWND a = CreateMain(u"A");
    HWND b = CreateMain(u"B");
    ASSERT_TRUE(AutomationRunUntilIdle());
    PostMessageW(a, WM_USER, 1, 0);
    PostMessageW(b, WM_USER + 1, 2, 0);
    PostMessageW(nullptr, WM_USER + 2, 3, 0);

    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    ASSERT_TRUE(PeekMessageW(&msg, b, 0, 0, PM_REMOVE));  // by window
    EXPECT_EQ(msg.message, UINT(WM_USER + 1));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));  // by range
    EXPECT_EQ(msg.wParam, WPARAM(3));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageW(&msg, b, 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoopTest, TranslateMessageTypesCharactersOfCharacterKeysOnly)
{
    RegisterTraceClass();
    HWND hwnd = CreateMain();
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    AutomationKey('A');
    AutomationKeyDown(VK_SHIFT);
    AutomationKey('B');
    AutomationKeyUp(VK_SHIFT);
    AutomationKey(VK_LEFT);
    AutomationKey(VK_BACK);
    AutomationKeyDown(VK_CONTROL);
    AutomationKey('Q');
    AutomationKeyUp(VK_CONTROL);
    AutomationChar(u'é');
    ASSERT_TRUE(AutomationRunUntilIdle());
    std::vector<WPARAM> chars;
    for (const TracedMessage& m : TakeTrace({WM_CHAR})) {
        EXPECT_EQ(m.hwnd, hwnd);
        chars.push_back(m.wParam);
    }
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 'B', VK_BACK, 17, u'é'}));
}

TEST_F(MessageLoopTest, AModalLoopInsideAHandlerEndsOnAPostedMessageAndTheOuterLoopGoesOn)
{
    static std::vector<UINT> sNested;
    sNested.clear();
    WNDCLASSW wc = {};
    wc.lpszClassName = u"Modal";
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (Traced(m))
            Trace().push_back({h, m, w});
        if (m == WM_USER) {
            // The modal loop: runs until WM_USER + 2 arrives, which it does not dispatch.
            PostMessageW(h, WM_USER + 1, 0, 0);
            AutomationKey('K');
            AutomationAdvance(10);
            AutomationTap(5, 40);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0)) {
                sNested.push_back(msg.message);
                if (msg.message == WM_LBUTTONUP) {
                    PostMessageW(h, WM_USER + 2, 0, 0);
                } else if (msg.message == WM_USER + 2) {
                    break;
                }
                DispatchMessageW(&msg);
            }
            PostMessageW(h, WM_USER + 1, 1, 0);
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcW(h, m, w, l);
    };
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND hwnd = CreateMain(u"Main", u"Modal");
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    PostMessageW(hwnd, WM_USER, 0, 0);
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_EQ(sNested, (std::vector<UINT>{WM_USER + 1, WM_KEYDOWN, WM_KEYUP, WM_LBUTTONDOWN,
                                          WM_LBUTTONUP, WM_USER + 2}));
    // After the modal loop the outer loop dispatched what was posted before the quit.
    const auto trace = TakeTrace({WM_USER, WM_USER + 1});
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[2].wParam, WPARAM(1));
    EXPECT_EQ(AutomationScriptLength(), 0);
    EXPECT_EQ(GetTickCount(), 10u);
}

TEST_F(MessageLoopTest, AcceleratorsTurnKeysWithTheirModifiersIntoCommands)
{
    RegisterTraceClass(u"Quitting", QuitOnDestroyProc);
    ASSERT_NE(CreateMain(u"Main", u"Quitting"), nullptr);
    const ACCEL table[] = {{FVIRTKEY | FNOINVERT | FCONTROL, 'A', 40010},
                           {FVIRTKEY | FNOINVERT | FCONTROL, 'Q', 40086},
                           {FVIRTKEY | FNOINVERT | FCONTROL, VK_DOWN, IDOK}};
    HACCEL accel = CreateAcceleratorTableW(table, 3);
    ASSERT_NE(accel, nullptr);
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    AutomationKey('Q');  // no Ctrl: an ordinary key
    AutomationKeyDown(VK_CONTROL);
    AutomationKey('Q');
    AutomationKey(VK_DOWN);
    AutomationKeyUp(VK_CONTROL);
    AutomationCloseRequest();
    EXPECT_EQ(RunLoop(accel), 7);
    std::vector<WPARAM> commands;
    for (const TracedMessage& m : TakeTrace({WM_COMMAND}))
        commands.push_back(m.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(40086, 1), MAKEWPARAM(IDOK, 1)}));
    EXPECT_TRUE(DestroyAcceleratorTable(accel));
    EXPECT_FALSE(DestroyAcceleratorTable(accel));
}

TEST_F(MessageLoopTest, AnAcceleratorOfADisabledWindowIsSwallowedWithoutACommand)
{
    RegisterTraceClass();
    HWND hwnd = CreateMain();
    const ACCEL table[] = {{FVIRTKEY | FCONTROL, 'Q', 40086}};
    HACCEL accel = CreateAcceleratorTableW(table, 1);
    MSG msg = {hwnd, WM_KEYDOWN, 'Q', 1, 0, {0, 0}};
    AutomationKeyDown(VK_CONTROL);
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    EXPECT_EQ(TranslateAcceleratorW(hwnd, accel, &msg), 1);
    EnableWindow(hwnd, FALSE);
    EXPECT_EQ(TranslateAcceleratorW(hwnd, accel, &msg), 1);
    EXPECT_EQ(TakeTrace({WM_COMMAND}).size(), 1u);
    msg.wParam = 'W';
    EXPECT_EQ(TranslateAcceleratorW(hwnd, accel, &msg), 0);
    DestroyAcceleratorTable(accel);
}

// A test can end a program with a real signal: caught, SIGTERM closes the main window as
// under DeviceMain; released, the three signals have their default actions again.
TEST_F(MessageLoopTest, CaughtTerminationSignalsCloseTheMainWindowUntilReleased)
{
    RegisterTraceClass();
    HWND hwnd = CreateMain();
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    AutomationCatchTerminationSignals(true);
    std::raise(SIGTERM);
    AutomationRunUntilIdle();
    EXPECT_EQ(TakeTrace({WM_CLOSE}), (std::vector<TracedMessage>{{hwnd, WM_CLOSE, 0}}));
    AutomationCatchTerminationSignals(false);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction action = {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}

TEST_F(MessageLoopDeathTest, ALoopThatWouldBlockWithAnEmptyScriptFailsNamingTheLoop)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RegisterTraceClass();
    HWND main = CreateMain(u"Crossword");
    ASSERT_TRUE(AutomationRunUntilIdle());
    MSG msg;
    EXPECT_DEATH(GetMessageW(&msg, nullptr, 0, 0),
                 "automation: script empty while <GetMessageW in main loop of 'Crossword'> "
                 "would block");

    WNDCLASSW wc = {};
    wc.lpszClassName = u"Asking";
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) {
            MSG inner;
            while (GetMessageW(&inner, nullptr, 0, 0))
                DispatchMessageW(&inner);
        }
        return DefWindowProcW(h, m, w, l);
    };
    RegisterClassW(&wc);
    HWND box = CreateWindowExW(0, u"Asking", u"Are You Sure?", WS_POPUP | WS_VISIBLE, 0, 100, 240,
                               100, main, nullptr, nullptr, nullptr);
    ASSERT_EQ(GetActiveWindow(), box);
    ASSERT_TRUE(AutomationRunUntilIdle());
    {
        UserLoopName name("the colour chooser");
        EXPECT_DEATH(UserWaitForMessage(500, "SHRecognizeGesture"),
                     "script empty while <SHRecognizeGesture> would block");
        EXPECT_DEATH(GetMessageW(&msg, nullptr, 0, 0),
                     "<GetMessageW in the colour chooser> would block");
    }
    // The box's handler runs a modal loop of its own.
    PostMessageW(box, WM_USER, 0, 0);
    EXPECT_DEATH(AutomationRunUntilIdle(),
                 "automation: script empty while <GetMessageW in modal loop of 'Are You "
                 "Sure\\?'> would block");
}

}  // namespace
