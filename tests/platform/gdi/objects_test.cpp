// GDI objects: selection returns the previous object, stock objects are shared and never
// freed, deletion of a selected object waits for its release, GetObjectW reports device
// sizes, and nothing leaks after a painter's sequence of calls.
#include <gtest/gtest.h>

#include "automation.h"
#include "gdi_probe.h"

TEST(SelectObject, ReturnsThePreviousObjectOfTheSameKind)
{
    const int before = AutomationGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    LOGFONTW lf{};
    lf.lfHeight = -10;
    HFONT font = CreateFontIndirectW(&lf);

    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, pen), nullptr);

    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(pen));  // already gone
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST(SelectObject, BitmapsGoIntoOneMemoryDcAtATime)
{
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 30, 20);
    HGDIOBJ original = SelectObject(first, bitmap);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(GetObjectType(original), DWORD(OBJ_BITMAP));
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    Canvas screen(10, 10);
    EXPECT_EQ(SelectObject(screen.dc, bitmap), nullptr);  // a window DC takes no bitmap
    EXPECT_EQ(SelectObject(first, original), bitmap);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    DeleteDC(first);
    DeleteDC(second);
    DeleteObject(bitmap);
}

TEST(StockObjects, AreSharedUncountedAndSurviveDeleteObject)
{
    const int before = AutomationGdiObjectCount();
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_EQ(white, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(DeleteObject(white));
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectW(white, sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
    ASSERT_EQ(GetObjectW(GetStockObject(LTGRAY_BRUSH), sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    ASSERT_EQ(GetObjectW(GetStockObject(NULL_BRUSH), sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbStyle, UINT(BS_NULL));
    LOGPEN lp{};
    ASSERT_EQ(GetObjectW(GetStockObject(NULL_PEN), sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_NULL));
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), DWORD(OBJ_FONT));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST(DeleteObject, OfASelectedObjectWaitsUntilItIsReleased)
{
    const int before = AutomationGdiObjectCount();
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(c.dc, red);
    EXPECT_TRUE(DeleteObject(red));
    // Still selected: drawing keeps using it and it still counts.
    PatBlt(c.dc, 0, 0, 2, 2, PATCOPY);
    EXPECT_EQ(c.At(1, 1), Colour{RGB(255, 0, 0)});
    EXPECT_EQ(AutomationGdiObjectCount(), before + 2);
    EXPECT_EQ(SelectObject(c.dc, red), nullptr);  // a doomed object cannot be selected again
    SelectObject(c.dc, old);
    EXPECT_EQ(AutomationGdiObjectCount(), before + 1);  // the DC of the canvas remains
}

TEST(GetObject, BitmapSizeIsInDevicePixelsAtEveryScale)
{
    GdiSetScale(3);
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 24, 16);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 24);
    EXPECT_EQ(bm.bmHeight, 16);
    EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), int(sizeof bm));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, 24, 16, WHITENESS);
    EXPECT_EQ(GetPixel(dc, 23, 15), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 24, 15), COLORREF(CLR_INVALID));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    GdiSetScale(1);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, -1, 5), nullptr);
}

TEST(DeviceCaps, DescribeTheHandheldScreen)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 240);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 320);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY) / -9, -10);  // the clue bar's font height
    DeleteDC(dc);
}

TEST(Leaks, APainterSequenceLeavesNoObjectBehind)
{
    const int before = AutomationGdiObjectCount();
    Canvas screen(240, 320);
    for (int round = 0; round < 3; ++round) {
        HDC back = CreateCompatibleDC(screen.dc);
        HBITMAP bitmap = CreateCompatibleBitmap(screen.dc, 240, 268);
        HGDIOBJ oldBitmap = SelectObject(back, bitmap);
        PatBlt(back, 0, 0, 240, 268, WHITENESS);
        HBRUSH open = CreateSolidBrush(RGB(255, 255, 255));
        HPEN grey = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
        LOGFONTW lf{};
        lf.lfHeight = 18;
        lf.lfWeight = FW_BOLD;
        HFONT letter = CreateFontIndirectW(&lf);
        HGDIOBJ oldFont = SelectObject(back, letter);
        HGDIOBJ oldBrush = SelectObject(back, open);
        HGDIOBJ oldPen = SelectObject(back, grey);
        Rectangle(back, 0, 0, 21, 21);
        RECT cell{0, 0, 21, 21};
        DrawTextW(back, u"A", 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(back, oldFont);
        SelectObject(back, oldBrush);
        SelectObject(back, oldPen);
        DeleteObject(letter);
        DeleteObject(open);
        DeleteObject(grey);
        BitBlt(screen.dc, 0, 0, 240, 268, back, 0, 0, SRCCOPY);
        SelectObject(back, oldBitmap);
        DeleteDC(back);
        DeleteObject(bitmap);
    }
    EXPECT_EQ(AutomationGdiObjectCount(), before + 1);  // the canvas's own DC
}

TEST(Rects, HelpersKeepRightAndBottomExclusive)
{
    RECT r{};
    SetRect(&r, 1, 2, 5, 6);
    EXPECT_TRUE(PtInRect(&r, POINT{1, 2}));
    EXPECT_FALSE(PtInRect(&r, POINT{5, 3}));
    EXPECT_FALSE(PtInRect(&r, POINT{3, 6}));
    RECT other{4, 5, 9, 9};
    RECT both{};
    EXPECT_TRUE(IntersectRect(&both, &r, &other));
    EXPECT_EQ(both, (RECT{4, 5, 5, 6}));
    RECT apart{5, 6, 8, 8};
    EXPECT_FALSE(IntersectRect(&both, &r, &apart));  // touching edges do not overlap
    EXPECT_EQ(both, (RECT{0, 0, 0, 0}));
    RECT sum{};
    UnionRect(&sum, &r, &other);
    EXPECT_EQ(sum, (RECT{1, 2, 9, 9}));
    RECT empty{3, 3, 3, 10};
    EXPECT_TRUE(IsRectEmpty(&empty));
    UnionRect(&sum, &empty, &other);
    EXPECT_EQ(sum, other);
    OffsetRect(&r, 10, -2);
    InflateRect(&r, 1, 2);
    EXPECT_EQ(r, (RECT{10, -2, 16, 6}));
    RECT copy{};
    CopyRect(&copy, &r);
    EXPECT_TRUE(EqualRect(&copy, &r));
    SetRectEmpty(&copy);
    EXPECT_FALSE(EqualRect(&copy, &r));
}
