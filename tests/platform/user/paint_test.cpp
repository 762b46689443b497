// Painting: BeginPaint reports and validates the update region, the background is erased
// with the class brush, and a window DC is clipped to the visible part of the window, so a
// window never paints over a window above it.
#include <gtest/gtest.h>

#include "message_trace.h"
#include "user/user_internal.h"

namespace {

using PaintTest = UserTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

HWND Create(LPCWSTR cls, DWORD style, int x, int y, int cx, int cy, HWND parent)
{
    return CreateWindowExW(0, cls, u"", style | WS_VISIBLE, x, y, cx, cy, parent, nullptr, nullptr,
                           nullptr);
}

void RegisterBrushClass(LPCWSTR name, int stockBrush)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TraceWindowProc;
    wc.lpszClassName = name;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(stockBrush));
    ASSERT_NE(RegisterClassW(&wc), 0);
}

void FillClient(HWND hwnd, int stockBrush)
{
    HDC dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(stockBrush)));
    ReleaseDC(hwnd, dc);
}

TEST_F(PaintTest, BeginPaintReportsTheInvalidBoxAndValidatesIt)
{
    RegisterTraceClass();
    HWND hwnd = Create(u"Traced", 0, 0, 26, 240, 268, nullptr);
    ASSERT_TRUE(AutomationRunUntilIdle());
    TakeTrace();
    RECT a = {10, 10, 20, 20}, b = {50, 5, 60, 15};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, (RECT{10, 5, 60, 20}));
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    EXPECT_NE(dc, nullptr);
    EXPECT_EQ(ps.rcPaint, (RECT{10, 5, 60, 20}));
    EXPECT_FALSE(ps.fErase);
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    EndPaint(hwnd, &ps);
    EXPECT_TRUE(TakeTrace({WM_ERASEBKGND}).empty());

    // Validating a whole side of the box shrinks it; validating all of it empties it.
    InvalidateRect(hwnd, &a, TRUE);
    RECT leftHalf = {0, 0, 15, 30};
    ValidateRect(hwnd, &leftHalf);
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(update, (RECT{15, 10, 20, 20}));
    ValidateRect(hwnd, nullptr);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    // Outside the client area nothing is invalid.
    RECT outside = {300, 300, 310, 310};
    InvalidateRect(hwnd, &outside, FALSE);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
}

TEST_F(PaintTest, TheBackgroundIsErasedWithTheClassBrush)
{
    RegisterBrushClass(u"Black", BLACK_BRUSH);
    Create(u"Black", 0, 0, 26, 240, 268, nullptr);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(AutomationScreenPixel(0, 26), kBlack);
    EXPECT_EQ(AutomationScreenPixel(239, 293), kBlack);
    EXPECT_EQ(AutomationScreenPixel(0, 25), kWhite);   // navigation bar strip untouched
    EXPECT_EQ(AutomationScreenPixel(0, 294), kWhite);  // menu bar strip untouched
    EXPECT_GT(AutomationPresentCount(), 0);
}

TEST_F(PaintTest, AWindowDCDoesNotDrawOverAWindowAboveIt)
{
    RegisterTraceClass();
    HWND main = Create(u"Traced", 0, 0, 26, 240, 268, nullptr);
    HWND dialog = Create(u"Traced", WS_POPUP, 20, 60, 200, 100, main);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(UserVisibleRects(dialog), (std::vector<RECT>{{20, 60, 220, 160}}));
    EXPECT_EQ(UserVisibleRects(main),
              (std::vector<RECT>{
                  {0, 26, 240, 60}, {0, 160, 240, 294}, {0, 60, 20, 160}, {220, 60, 240, 160}}));
    FillClient(main, BLACK_BRUSH);
    EXPECT_EQ(AutomationScreenPixel(0, 26), kBlack);
    EXPECT_EQ(AutomationScreenPixel(19, 100), kBlack);
    EXPECT_EQ(AutomationScreenPixel(20, 100), kWhite);  // the dialog's pixels are kept
    EXPECT_EQ(AutomationScreenPixel(219, 159), kWhite);
    EXPECT_EQ(AutomationScreenPixel(220, 159), kBlack);

    // Once the dialog is gone, the part it covered is the main window's to repaint.
    TakeTrace();
    DestroyWindow(dialog);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(main, &update, FALSE));
    EXPECT_EQ(update, (RECT{20, 34, 220, 134}));
    EXPECT_EQ(UserVisibleRects(main), (std::vector<RECT>{{0, 26, 240, 294}}));
}

TEST_F(PaintTest, ChildrenAreClippedByTheirParentAndClipChildrenParentsSkipThem)
{
    RegisterTraceClass();
    HWND main = Create(u"Traced", WS_CLIPCHILDREN, 0, 26, 240, 268, nullptr);
    HWND child = Create(u"Traced", WS_CHILD, 200, 10, 100, 20, main);  // sticks out right
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(UserVisibleRects(child), (std::vector<RECT>{{200, 36, 240, 56}}));
    FillClient(main, BLACK_BRUSH);
    EXPECT_EQ(AutomationScreenPixel(199, 40), kBlack);
    EXPECT_EQ(AutomationScreenPixel(200, 40), kWhite);
    FillClient(child, GRAY_BRUSH);
    EXPECT_EQ(AutomationScreenPixel(239, 40), RGB(128, 128, 128));

    // Without WS_CLIPCHILDREN a parent paints over its children, so invalidating the
    // parent invalidates the children under the area as well.
    SetWindowLongW(main, GWL_STYLE, GetWindowLongW(main, GWL_STYLE) & ~WS_CLIPCHILDREN);
    EXPECT_EQ(UserVisibleRects(main), (std::vector<RECT>{{0, 26, 240, 294}}));
    RECT r = {190, 0, 240, 30};
    InvalidateRect(main, &r, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 40, 20}));
}

// A window's update region is one box around its invalid parts; a parent that paints over
// its children must repaint every child in that box, also one that lies between two hidden
// controls without touching either.
TEST_F(PaintTest, AChildInsideTheParentsUpdateBoxIsRepaintedToo)
{
    RegisterTraceClass();
    HWND main = Create(u"Traced", 0, 0, 26, 240, 268, nullptr);
    HWND first = Create(u"Traced", WS_CHILD, 10, 10, 40, 20, main);
    HWND last = Create(u"Traced", WS_CHILD, 10, 100, 220, 20, main);
    HWND between = Create(u"Traced", WS_CHILD, 150, 10, 60, 20, main);
    ASSERT_TRUE(AutomationRunUntilIdle());
    ShowWindow(first, SW_HIDE);
    ShowWindow(last, SW_HIDE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(main, &update, FALSE));
    EXPECT_EQ(update, (RECT{10, 10, 230, 120}));
    ASSERT_TRUE(GetUpdateRect(between, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 60, 20}));
}

TEST_F(PaintTest, HiddenWindowsHaveNothingVisibleAndShowingInvalidatesThem)
{
    RegisterTraceClass();
    HWND hwnd =
        CreateWindowExW(0, u"Traced", u"", 0, 0, 26, 100, 100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(UserVisibleRects(hwnd).empty());
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 100, 100}));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_TRUE(UserVisibleRects(hwnd).empty());
}

TEST_F(PaintTest, TheScreenIsSavedAsAPngAtFullResolution)
{
    RegisterBrushClass(u"Black", BLACK_BRUSH);
    Create(u"Black", 0, 0, 26, 240, 268, nullptr);
    ASSERT_TRUE(AutomationRunUntilIdle());
    const std::string path = testing::TempDir() + "user_screen.png";
    ASSERT_TRUE(AutomationSaveScreenPng(path.c_str()));
    FILE* f = fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char header[24];
    ASSERT_EQ(fread(header, 1, sizeof header, f), sizeof header);
    fclose(f);
    EXPECT_EQ(header[1], 'P');
    // IHDR width and height, big-endian.
    EXPECT_EQ((header[18] << 8) | header[19], 240);
    EXPECT_EQ((header[22] << 8) | header[23], 320);
    remove(path.c_str());
}

}  // namespace
