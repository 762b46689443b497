// Window creation and destruction, placement, geometry, the window longs, text, children
// and owned windows.
#include <gtest/gtest.h>

#include "message_trace.h"
#include "user/user_internal.h"

namespace {

using WindowTest = UserTest;

HWND gCreatedInCreate = nullptr;

LRESULT CALLBACK FailingCreateProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Traced(msg))
        Trace().push_back({hwnd, msg, wParam});
    if (msg == WM_CREATE) {
        gCreatedInCreate = hwnd;
        return -1;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateTop(LPCWSTR title, DWORD style = WS_VISIBLE, LPCWSTR cls = u"Traced")
{
    return CreateWindowExW(0, cls, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

HWND CreateChild(HWND parent, int id, int x, int y, int cx, int cy, DWORD style = WS_VISIBLE)
{
    return CreateWindowExW(0, u"Traced", u"", WS_CHILD | style, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
}

TEST_F(WindowTest, CreateRunsCreateInsideTheCallThenShowsAndActivates)
{
    RegisterTraceClass();
    CREATESTRUCTW seen = {};
    static CREATESTRUCTW* sSeen;
    sSeen = &seen;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) {
            *sSeen = *reinterpret_cast<CREATESTRUCTW*>(l);
            EXPECT_TRUE(IsWindow(h));
        }
        return TraceWindowProc(h, m, w, l);
    };
    wc.lpszClassName = u"Creating";
    ASSERT_NE(RegisterClassW(&wc), 0);
    int param = 0;
    HWND hwnd = CreateWindowExW(0, u"CREATING", u"Main", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, &param);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(seen.lpCreateParams, &param);
    EXPECT_EQ(std::u16string(seen.lpszName), u"Main");
    EXPECT_EQ(seen.style, LONG(WS_VISIBLE));
    const std::vector<TracedMessage> expected = {
        {hwnd, WM_NCCREATE, 0},         {hwnd, WM_CREATE, 0},
        {hwnd, WM_SIZE, SIZE_RESTORED}, {hwnd, WM_SHOWWINDOW, TRUE},
        {hwnd, WM_ACTIVATE, WA_ACTIVE}, {hwnd, WM_SETFOCUS, 0}};  // no window had the focus
    EXPECT_EQ(TakeTrace(), expected);
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(GetFocus(), hwnd);
}

TEST_F(WindowTest, MinusOneFromCreateFailsTheCallAndDestroysTheWindow)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FailingCreateProc;
    wc.lpszClassName = u"Failing";
    ASSERT_NE(RegisterClassW(&wc), 0);
    EXPECT_EQ(CreateTop(u"x", WS_VISIBLE, u"Failing"), nullptr);
    HWND h = gCreatedInCreate;
    ASSERT_NE(h, nullptr);
    const std::vector<TracedMessage> expected = {
        {h, WM_NCCREATE, 0}, {h, WM_CREATE, 0}, {h, WM_DESTROY, 0}, {h, WM_NCDESTROY, 0}};
    EXPECT_EQ(TakeTrace(), expected);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(FindWindowW(u"Failing", nullptr), nullptr);
    EXPECT_EQ(CreateTop(u"x", 0, u"NoSuchClass"), nullptr);
}

TEST_F(WindowTest, DestroySendsDestroyToTheWindowThenChildrenThenNcDestroyChildrenFirst)
{
    RegisterTraceClass();
    HWND top = CreateTop(u"Main");
    HWND child = CreateChild(top, 5, 0, 0, 10, 10);
    HWND grandchild = CreateChild(child, 6, 0, 0, 5, 5);
    TakeTrace();
    ASSERT_TRUE(DestroyWindow(top));
    const std::vector<TracedMessage> expected = {
        {top, WM_ACTIVATE, WA_INACTIVE}, {top, WM_KILLFOCUS, 0},      {top, WM_DESTROY, 0},
        {child, WM_DESTROY, 0},          {grandchild, WM_DESTROY, 0}, {grandchild, WM_NCDESTROY, 0},
        {child, WM_NCDESTROY, 0},        {top, WM_NCDESTROY, 0}};
    EXPECT_EQ(TakeTrace(), expected);
    for (HWND h : {top, child, grandchild}) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(GetWindowLongW(h, GWL_STYLE), 0);
        EXPECT_EQ(SendMessageW(h, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessageW(h, WM_USER, 0, 0));
    }
    EXPECT_TRUE(TakeTrace().empty());  // nothing reached the dead windows
    EXPECT_FALSE(DestroyWindow(top));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, OwnedPopupsAreDestroyedBeforeTheirOwnerAndReportItAsParent)
{
    RegisterTraceClass();
    HWND main = CreateTop(u"Main");
    HWND dialog = CreateWindowExW(0, u"Traced", u"Dialog", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                  main, nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetParent(dialog), main);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    EXPECT_FALSE(IsChild(main, dialog));
    TakeTrace();
    DestroyWindow(main);
    const auto destroys = TakeTrace({WM_DESTROY});
    ASSERT_EQ(destroys.size(), 2u);
    EXPECT_EQ(destroys[0].hwnd, dialog);
    EXPECT_EQ(destroys[1].hwnd, main);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(WindowTest, DefaultPlacementIsTheVisibleDesktopLessTheMenuBar)
{
    RegisterTraceClass();
    HWND hwnd = CreateTop(u"Main");
    RECT r;
    ASSERT_TRUE(GetWindowRect(hwnd, &r));
    EXPECT_EQ(r, (RECT{0, 26, 240, 294}));
    ASSERT_TRUE(GetClientRect(hwnd, &r));
    EXPECT_EQ(r, (RECT{0, 0, 240, 268}));

    // The input panel is up: the shell shrinks the visible desktop.
    UserSetVisibleDesktop({0, 26, 240, 214});
    HWND second = CreateTop(u"Second");
    GetWindowRect(second, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 188}));

    // Explicit sizes are kept; only the position is chosen.
    HWND third = CreateWindowExW(0, u"Traced", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 240,
                                 188, nullptr, nullptr, nullptr, nullptr);
    GetWindowRect(third, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 214}));
}

TEST_F(WindowTest, MoveWindowResizesAndSendsSizeOnlyWhenTheSizeChanges)
{
    RegisterTraceClass();
    HWND hwnd = CreateTop(u"Main");
    TakeTrace();
    ASSERT_TRUE(MoveWindow(hwnd, 0, 26, 240, 188, TRUE));
    auto sizes = TakeTrace({WM_SIZE});
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].wParam, WPARAM(SIZE_RESTORED));
    RECT r;
    GetClientRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 240, 188}));
    MoveWindow(hwnd, 0, 40, 240, 188, TRUE);  // moved, same size
    EXPECT_TRUE(TakeTrace({WM_SIZE}).empty());
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 40, 240, 228}));
    SetWindowPos(hwnd, nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 40, 100, 90}));
}

TEST_F(WindowTest, ChildrenHaveIdsAndClientCoordinatesInsideTheirParent)
{
    RegisterTraceClass();
    HWND top = CreateTop(u"Main");
    HWND a = CreateChild(top, 1033, 10, 20, 50, 30);
    HWND b = CreateChild(a, 7, 5, 5, 10, 10);
    EXPECT_EQ(GetDlgCtrlID(a), 1033);
    EXPECT_EQ(GetDlgItem(top, 1033), a);
    EXPECT_EQ(GetDlgItem(top, 7), nullptr);  // only direct children
    EXPECT_EQ(GetParent(b), a);
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_FALSE(IsChild(b, top));
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);

    RECT r;
    GetWindowRect(b, &r);
    EXPECT_EQ(r, (RECT{15, 51, 25, 61}));  // 0 + 10 + 5, 26 + 20 + 5
    POINT p = {1, 2};
    ClientToScreen(b, &p);
    EXPECT_EQ(p, (POINT{16, 53}));
    ScreenToClient(a, &p);
    EXPECT_EQ(p, (POINT{6, 7}));

    // A child is visible only while its parent is.
    EXPECT_TRUE(IsWindowVisible(b));
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(b));
    EXPECT_TRUE(GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WindowTest, WindowLongsHoldPointersStylesProceduresAndExtraBytes)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TraceWindowProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = u"Extra";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND hwnd = CreateTop(u"x", 0, u"Extra");
    ASSERT_NE(hwnd, nullptr);

    int object = 0;
    SetWindowLongW(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&object));
    EXPECT_EQ(reinterpret_cast<int*>(GetWindowLongW(hwnd, GWL_USERDATA)), &object);
    EXPECT_EQ(SetWindowLongW(hwnd, DWL_USER, 0x123456789), 0);
    EXPECT_EQ(GetWindowLongW(hwnd, DWL_USER), 0x123456789);
    EXPECT_EQ(GetWindowLongW(hwnd, DWL_MSGRESULT), 0);
    EXPECT_EQ(GetWindowLongW(hwnd, DLGWINDOWEXTRA), 0);  // past the extra bytes

    // The style long does not show or enable a window behind the window manager's back.
    const LONG_PTR style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_FALSE(style & WS_VISIBLE);
    SetWindowLongW(hwnd, GWL_STYLE, style | WS_VISIBLE | WS_CLIPCHILDREN);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_CLIPCHILDREN);

    // Subclassing: the new procedure sees the message first and can chain to the old one.
    static WNDPROC sOld;
    static int sSeen;
    sSeen = 0;
    sOld = reinterpret_cast<WNDPROC>(GetWindowLongW(hwnd, GWL_WNDPROC));
    EXPECT_EQ(sOld, TraceWindowProc);
    SetWindowLongW(hwnd, GWL_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                       if (m == WM_USER)
                           ++sSeen;
                       return CallWindowProcW(sOld, h, m, w, l);
                   }));
    TakeTrace();
    SendMessageW(hwnd, WM_USER, 0, 0);
    EXPECT_EQ(sSeen, 1);
    EXPECT_EQ(TakeTrace().size(), 1u);
}

TEST_F(WindowTest, TextIsSetAndReadWithTruncationAndFoundByClassAndTitle)
{
    RegisterTraceClass();
    HWND hwnd = CreateTop(u"Crossword");
    WCHAR buffer[6];
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 6), 5);
    EXPECT_EQ(std::u16string(buffer), u"Cross");
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 9);
    EXPECT_TRUE(SetWindowTextW(hwnd, u"Other"));
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 6), 5);
    EXPECT_EQ(std::u16string(buffer), u"Other");

    EXPECT_EQ(FindWindowW(u"traced", u"Other"), hwnd);  // class names ignore case
    EXPECT_EQ(FindWindowW(u"Traced", nullptr), hwnd);
    EXPECT_EQ(FindWindowW(nullptr, u"Other"), hwnd);
    EXPECT_EQ(FindWindowW(u"Traced", u"other"), nullptr);  // titles do not
    EXPECT_EQ(FindWindowW(u"Traced", u"Crossword"), nullptr);
    // Child windows are not top-level windows.
    CreateWindowExW(0, u"Traced", u"Kid", WS_CHILD, 0, 0, 1, 1, hwnd, nullptr, nullptr, nullptr);
    EXPECT_EQ(FindWindowW(nullptr, u"Kid"), nullptr);
}

TEST_F(WindowTest, ClassesAreRegisteredOnceAndKeptWhileInUse)
{
    RegisterTraceClass();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TraceWindowProc;
    wc.lpszClassName = u"TRACED";
    EXPECT_EQ(RegisterClassW(&wc), 0);  // same name, other case
    WNDCLASSW info;
    ASSERT_TRUE(GetClassInfoW(nullptr, u"traced", &info));
    EXPECT_EQ(info.lpfnWndProc, TraceWindowProc);
    HWND hwnd = CreateTop(u"x", 0);
    EXPECT_FALSE(UnregisterClassW(u"Traced", nullptr));
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassW(u"Traced", nullptr));
    EXPECT_FALSE(GetClassInfoW(nullptr, u"Traced", &info));
}

}  // namespace
