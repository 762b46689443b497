// Clip narrowing and cutting on a DC, and the XOR helpers.
#include <gtest/gtest.h>

#include "gdi_probe.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr RECT kNone{0, 0, 0, 0};

void FillBlack(HDC dc, int w, int h)
{
    HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, 0, 0, w, h, PATCOPY);
    SelectObject(dc, old);
}

}  // namespace

TEST(ClipRect, IntersectNarrowsAndExcludeCutsAHole)
{
    Canvas c(12, 12);
    EXPECT_EQ(IntersectClipRect(c.dc, 2, 2, 10, 10), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(c.dc, 4, 4, 6, 6), COMPLEXREGION);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{2, 2, 10, 10}));
    FillBlack(c.dc, 12, 12);
    EXPECT_EQ(c.Picture(RECT{0, 0, 12, 12}, kBlack), "............\n"
                                                     "............\n"
                                                     "..########..\n"
                                                     "..########..\n"
                                                     "..##..####..\n"
                                                     "..##..####..\n"
                                                     "..########..\n"
                                                     "..########..\n"
                                                     "..########..\n"
                                                     "..########..\n"
                                                     "............\n"
                                                     "............\n");
    EXPECT_EQ(IntersectClipRect(c.dc, 20, 20, 30, 30), NULLREGION);
    EXPECT_EQ(GetClipBox(c.dc, &box), NULLREGION);
    EXPECT_EQ(box, kNone);
}

TEST(ClipRect, FollowsTheDcOriginAndANewBitmapStartsOver)
{
    std::vector<uint32_t> pixels(10 * 10, 0xFFFFFF);
    Framebuffer fb{pixels.data(), 10, 10, 10, 1};
    const RECT all{0, 0, 10, 10};
    HDC dc = GdiCreateSurfaceDC(&fb, POINT{3, 3}, &all, 1);
    IntersectClipRect(dc, 0, 0, 2, 2);  // surface (3, 3) to (5, 5)
    FillBlack(dc, 10, 10);
    int black = 0;
    for (uint32_t p : pixels)
        black += p == 0;
    EXPECT_EQ(black, 4);
    EXPECT_EQ(pixels[3 * 10 + 3], 0u);
    GdiDeleteSurfaceDC(dc);

    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP a = CreateCompatibleBitmap(mem, 8, 8);
    HGDIOBJ old = SelectObject(mem, a);
    IntersectClipRect(mem, 0, 0, 1, 1);
    SelectObject(mem, old);
    SelectObject(mem, a);
    RECT box{};
    GetClipBox(mem, &box);
    EXPECT_EQ(box, (RECT{0, 0, 8, 8}));
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(a);
}

TEST(InvertRect, TwiceRestoresAndFocusRectIsDotted)
{
    Canvas c(8, 6);
    const RECT r{1, 1, 7, 5};
    InvertRect(c.dc, &r);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 8, 6}, kBlack), r);
    InvertRect(c.dc, &r);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 8, 6}, kBlack), kNone);

    DrawFocusRect(c.dc, &r);
    EXPECT_EQ(c.Picture(RECT{0, 0, 8, 6}, kBlack), "........\n"
                                                   ".#.#.#..\n"
                                                   "........\n"
                                                   ".#....#.\n"
                                                   ".#.#.#..\n"
                                                   "........\n");
    DrawFocusRect(c.dc, &r);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 8, 6}, kBlack), kNone);
}

TEST(Fonts, UnderlinedFontRulesTheWholeLine)
{
    Canvas plain(60, 20);
    Canvas ruled(60, 20);
    HFONT a = CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, FALSE, 0, 0, 0, 0, 0, 0, u"System");
    HFONT b = CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, TRUE, 0, 0, 0, 0, 0, 0, u"System");
    HGDIOBJ oa = SelectObject(plain.dc, a);
    HGDIOBJ ob = SelectObject(ruled.dc, b);
    TextOutW(plain.dc, 2, 2, u"a b", 3);
    TextOutW(ruled.dc, 2, 2, u"a b", 3);
    SIZE size{};
    GetTextExtentPoint32W(plain.dc, u"a b", 3, &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(plain.dc, &tm);
    // The rule lies one pixel under the baseline across the whole extent, spaces included.
    const int y = 2 + tm.tmAscent + 1;
    for (int x = 2; x < 2 + size.cx; ++x)
        EXPECT_EQ(ruled.At(x, y), Colour{kBlack}) << x;
    EXPECT_NE(plain.pixels, ruled.pixels);
    SelectObject(plain.dc, oa);
    SelectObject(ruled.dc, ob);
    DeleteObject(a);
    DeleteObject(b);
}
