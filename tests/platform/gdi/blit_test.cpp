// BitBlt and StretchBlt: sub-rectangles, clipping at both ends, copies within one surface,
// the source raster operations, and copies between surfaces of a larger scale.
#include <gtest/gtest.h>

#include "gdi_probe.h"

namespace {

// A memory DC over a new bitmap of w × h, each pixel coloured by its position.
struct Pattern {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    Pattern(int w, int h)
        : dc(CreateCompatibleDC(nullptr)), bitmap(CreateCompatibleBitmap(dc, w, h)),
          old(SelectObject(dc, bitmap))
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                SetPixel(dc, x, y, Of(x, y));
        }
    }
    ~Pattern()
    {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    static COLORREF Of(int x, int y) { return RGB(x * 10, y * 10, 100); }
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(BitBlt, CopiesASubRectangleToTheGivenPlace)
{
    Pattern src(10, 10);
    Canvas c(20, 20);
    ASSERT_TRUE(BitBlt(c.dc, 5, 6, 3, 2, src.dc, 4, 1, SRCCOPY));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 8 && y >= 6 && y < 8;
            const COLORREF want = inside ? Pattern::Of(x - 5 + 4, y - 6 + 1) : kWhite;
            EXPECT_EQ(c.At(x, y), Colour{want}) << x << "," << y;
        }
    }
}

TEST(BitBlt, SourceOutsideItsBitmapLeavesTheDestinationAlone)
{
    Pattern src(4, 4);
    Canvas c(10, 10);
    BitBlt(c.dc, 0, 0, 10, 10, src.dc, -2, -1, SRCCOPY);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kWhite).left, 0);
    EXPECT_EQ(c.At(1, 1), Colour{kWhite});
    EXPECT_EQ(c.At(2, 1), Colour{Pattern::Of(0, 0)});
    EXPECT_EQ(c.At(5, 4), Colour{Pattern::Of(3, 3)});
    EXPECT_EQ(c.At(6, 4), Colour{kWhite});
    EXPECT_EQ(c.At(5, 5), Colour{kWhite});
}

TEST(BitBlt, DestinationIsClippedToTheDcsRectangles)
{
    Pattern src(10, 10);
    std::vector<uint32_t> pixels(12 * 12, 0xFFFFFF);
    Framebuffer fb{pixels.data(), 12, 12, 12, 1};
    const RECT visible{2, 2, 6, 6};
    HDC dc = GdiCreateSurfaceDC(&fb, POINT{1, 1}, &visible, 1);
    BitBlt(dc, -1, -1, 12, 12, src.dc, 0, 0, SRCCOPY);
    // DC (-1, -1) is surface (0, 0): surface pixel (x, y) shows source (x, y), inside (2..5).
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
            const COLORREF want = inside ? Pattern::Of(x, y) : kWhite;
            EXPECT_EQ(ColorrefFromPixel(pixels[y * 12 + x]), want) << x << "," << y;
        }
    }
    GdiDeleteSurfaceDC(dc);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOriginal)
{
    Pattern p(10, 10);
    BitBlt(p.dc, 2, 1, 8, 9, p.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(p.dc, 9, 9), Pattern::Of(7, 8));
    EXPECT_EQ(GetPixel(p.dc, 2, 1), Pattern::Of(0, 0));
    EXPECT_EQ(GetPixel(p.dc, 1, 1), Pattern::Of(1, 1));
    BitBlt(p.dc, 0, 0, 8, 8, p.dc, 2, 2, SRCCOPY);
    EXPECT_EQ(GetPixel(p.dc, 0, 0), Pattern::Of(0, 1));
}

TEST(BitBlt, RasterOperationsCombineSourceAndDestination)
{
    Pattern src(2, 1);
    SetPixel(src.dc, 0, 0, RGB(0xF0, 0x0F, 0x55));
    Canvas c(2, 1);
    SetPixel(c.dc, 0, 0, RGB(0x3C, 0xFF, 0x00));
    BitBlt(c.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCAND);
    EXPECT_EQ(c.At(0, 0), Colour{RGB(0x30, 0x0F, 0x00)});
    BitBlt(c.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(c.At(0, 0), Colour{RGB(0xF0, 0x0F, 0x55)});
    BitBlt(c.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(c.At(0, 0), Colour{RGB(0, 0, 0)});
    BitBlt(c.dc, 0, 0, 1, 1, src.dc, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(c.At(0, 0), Colour{RGB(0x0F, 0xF0, 0xAA)});
    BitBlt(c.dc, 0, 0, 2, 1, nullptr, 0, 0, WHITENESS);  // no source needed
    EXPECT_EQ(c.At(1, 0), Colour{kWhite});
    EXPECT_FALSE(BitBlt(c.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(BitBlt, AtScaleTwoCopiesWholeBlocks)
{
    GdiSetScale(2);
    Pattern src(6, 6);
    GdiSetScale(1);
    Canvas c(10, 10, 2);
    BitBlt(c.dc, 1, 1, 3, 3, src.dc, 2, 2, SRCCOPY);
    EXPECT_EQ(c.At(1, 1), Colour{Pattern::Of(2, 2)});
    EXPECT_EQ(c.At(3, 3), Colour{Pattern::Of(4, 4)});
    // All four stored pixels of device pixel (3, 3) carry the colour.
    const uint32_t want = PixelFromColorref(Pattern::Of(4, 4));
    EXPECT_EQ(c.pixels[7 * 20 + 7], want);
    EXPECT_EQ(c.pixels[6 * 20 + 7], want);
    EXPECT_EQ(c.pixels[7 * 20 + 6], want);
    EXPECT_EQ(c.At(4, 4), Colour{kWhite});
}

TEST(StretchBlt, DoublesEachPixelWhenTheTargetIsTwiceAsLarge)
{
    Pattern src(3, 2);
    Canvas c(8, 6);
    ASSERT_TRUE(StretchBlt(c.dc, 1, 1, 6, 4, src.dc, 0, 0, 3, 2, SRCCOPY));
    EXPECT_EQ(c.At(1, 1), Colour{Pattern::Of(0, 0)});
    EXPECT_EQ(c.At(2, 2), Colour{Pattern::Of(0, 0)});
    EXPECT_EQ(c.At(3, 2), Colour{Pattern::Of(1, 0)});
    EXPECT_EQ(c.At(6, 4), Colour{Pattern::Of(2, 1)});
    EXPECT_EQ(c.At(7, 4), Colour{kWhite});
}
