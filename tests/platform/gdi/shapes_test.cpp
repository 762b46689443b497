// Shapes as pixel probes: GDI's exclusive right and bottom, the pen drawn inside, null pens
// and brushes, Polyline's missing last point, rounded corners and the scale factor.
#include <gtest/gtest.h>

#include "gdi_probe.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Selects a red pen of `width` and a blue brush for the life of the object.
struct RedOnBlue {
    HDC dc;
    HPEN pen;
    HBRUSH brush;
    HGDIOBJ oldPen;
    HGDIOBJ oldBrush;
    RedOnBlue(HDC d, int width = 1)
        : dc(d), pen(CreatePen(PS_SOLID, width, kRed)), brush(CreateSolidBrush(kBlue)),
          oldPen(SelectObject(d, pen)), oldBrush(SelectObject(d, brush))
    {
    }
    ~RedOnBlue()
    {
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
};

}  // namespace

TEST(Rectangle, PenInsideRightAndBottomExclusiveEveryPixel)
{
    Canvas c(8, 7);
    RedOnBlue objects(c.dc);
    ASSERT_TRUE(Rectangle(c.dc, 1, 1, 6, 5));
    EXPECT_EQ(c.Picture(RECT{0, 0, 8, 7}, kRed), "........\n"
                                                 ".#####..\n"
                                                 ".#...#..\n"
                                                 ".#...#..\n"
                                                 ".#####..\n"
                                                 "........\n"
                                                 "........\n");
    EXPECT_EQ(c.InkBox(RECT{0, 0, 8, 7}, kBlue), (RECT{2, 2, 5, 4}));
}

TEST(Rectangle, CornersGivenInAnyOrderDrawTheSameRectangle)
{
    Canvas a(10, 10);
    Canvas b(10, 10);
    RedOnBlue oa(a.dc);
    RedOnBlue ob(b.dc);
    Rectangle(a.dc, 2, 3, 8, 9);
    Rectangle(b.dc, 8, 9, 2, 3);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(a.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{2, 3, 8, 9}));
}

TEST(Rectangle, NullPenFillsOnePixelShortNullBrushLeavesInside)
{
    Canvas c(10, 10);
    RedOnBlue objects(c.dc);
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    Rectangle(c.dc, 1, 1, 6, 6);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kBlue), (RECT{1, 1, 5, 5}));
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{0, 0, 0, 0}));

    Canvas d(10, 10);
    RedOnBlue other(d.dc);
    SelectObject(d.dc, GetStockObject(NULL_BRUSH));
    Rectangle(d.dc, 1, 1, 6, 6);
    EXPECT_EQ(d.At(3, 3), Colour{kWhite});
    EXPECT_EQ(d.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{1, 1, 6, 6}));
}

TEST(Rectangle, WidePenIsCentredOnTheBorderLine)
{
    Canvas c(20, 20);
    RedOnBlue objects(c.dc, 3);
    Rectangle(c.dc, 5, 5, 15, 15);
    // Border lines at 5 and 14, three pixels wide each: 4..6 and 13..15.
    EXPECT_EQ(c.InkBox(RECT{0, 0, 20, 20}, kRed), (RECT{4, 4, 16, 16}));
    EXPECT_EQ(c.InkBox(RECT{0, 0, 20, 20}, kBlue), (RECT{7, 7, 13, 13}));
}

TEST(Rectangle, ZeroWidthDrawsNothingAndClipStopsAtTheCanvas)
{
    Canvas c(10, 10);
    RedOnBlue objects(c.dc);
    Rectangle(c.dc, 3, 3, 3, 8);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{0, 0, 0, 0}));
    Rectangle(c.dc, -5, -5, 20, 20);  // larger than the canvas: only the inside shows
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kBlue), (RECT{0, 0, 10, 10}));
}

TEST(Polyline, LeavesOutTheLastPointOfEachCall)
{
    Canvas c(10, 10);
    RedOnBlue objects(c.dc);
    const POINT across[] = {{1, 1}, {6, 1}};
    Polyline(c.dc, across, 2);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{1, 1, 6, 2}));

    const POINT path[] = {{1, 3}, {4, 3}, {4, 7}};
    Polyline(c.dc, path, 3);
    EXPECT_EQ(c.At(4, 3), Colour{kRed});  // the inner corner is drawn by the second segment
    EXPECT_EQ(c.At(4, 6), Colour{kRed});
    EXPECT_EQ(c.At(4, 7), Colour{kWhite});  // the very last point is not
    EXPECT_EQ(c.At(1, 3), Colour{kRed});

    const POINT backwards[] = {{8, 9}, {8, 5}};
    Polyline(c.dc, backwards, 2);
    EXPECT_EQ(c.InkBox(RECT{7, 4, 10, 10}, kRed), (RECT{8, 6, 9, 10}));
    EXPECT_FALSE(Polyline(c.dc, backwards, 1));
}

TEST(Polyline, DiagonalStepsOnePixelPerColumnAndWidePensThicken)
{
    Canvas c(12, 12);
    RedOnBlue objects(c.dc);
    const POINT diagonal[] = {{0, 0}, {4, 4}};
    Polyline(c.dc, diagonal, 2);
    EXPECT_EQ(c.Picture(RECT{0, 0, 5, 5}, kRed), "#....\n"
                                                 ".#...\n"
                                                 "..#..\n"
                                                 "...#.\n"
                                                 ".....\n");
    Canvas w(12, 12);
    RedOnBlue wide(w.dc, 3);
    const POINT across[] = {{2, 5}, {9, 5}};
    Polyline(w.dc, across, 2);
    EXPECT_EQ(w.InkBox(RECT{0, 0, 12, 12}, kRed), (RECT{1, 4, 10, 7}));
}

TEST(LineTo, DrawsFromTheCurrentPositionAndMovesIt)
{
    Canvas c(10, 10);
    RedOnBlue objects(c.dc);
    POINT previous{-1, -1};
    MoveToEx(c.dc, 2, 2, &previous);
    EXPECT_EQ(previous, (POINT{0, 0}));
    LineTo(c.dc, 2, 6);
    LineTo(c.dc, 7, 6);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{2, 2, 7, 7}));
    EXPECT_EQ(c.At(7, 6), Colour{kWhite});
    MoveToEx(c.dc, 0, 0, &previous);
    EXPECT_EQ(previous, (POINT{7, 6}));
}

TEST(RoundRect, SmallCornersAreAPlainRectangle)
{
    // Corners of 2 × 2 round nothing: the keyboard keys are exact rectangles.
    Canvas a(30, 20);
    Canvas b(30, 20);
    RedOnBlue oa(a.dc);
    RedOnBlue ob(b.dc);
    RoundRect(a.dc, 10, 2, 30, 14, 2, 2);
    Rectangle(b.dc, 10, 2, 30, 14);
    EXPECT_EQ(a.pixels, b.pixels);
}

TEST(RoundRect, CornersAreCutSymmetricallyAndEdgesStayStraight)
{
    Canvas c(14, 12);
    RedOnBlue objects(c.dc);
    RoundRect(c.dc, 1, 1, 13, 11, 6, 6);
    const std::string picture = c.Picture(RECT{0, 0, 14, 12}, kRed);
    // 6 × 6 corners are quarters of a 6-pixel circle: insets of 2, 1 and 0 pixels.
    EXPECT_EQ(picture, "..............\n"
                       "...########...\n"
                       "..#........#..\n"
                       ".#..........#.\n"
                       ".#..........#.\n"
                       ".#..........#.\n"
                       ".#..........#.\n"
                       ".#..........#.\n"
                       ".#..........#.\n"
                       "..#........#..\n"
                       "...########...\n"
                       "..............\n");
    // The inside is the brush, the cut corners stay untouched.
    EXPECT_EQ(c.At(6, 5), Colour{kBlue});
    EXPECT_EQ(c.At(1, 1), Colour{kWhite});
    EXPECT_EQ(c.At(12, 10), Colour{kWhite});
}

TEST(Ellipse, FitsItsBoxAndIsMirrorSymmetric)
{
    Canvas c(21, 15);
    RedOnBlue objects(c.dc);
    Ellipse(c.dc, 2, 1, 19, 14);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 21, 15}, kRed), (RECT{2, 1, 19, 14}));
    for (int y = 1; y < 14; ++y) {
        for (int x = 2; x < 19; ++x) {
            EXPECT_EQ(c.At(x, y), c.At(2 + 18 - x, y)) << x << "," << y;
            EXPECT_EQ(c.At(x, y), c.At(x, 1 + 13 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(c.At(10, 7), Colour{kBlue});
}

TEST(PatBlt, WhitenessBlacknessAndInvertCoverExactlyTheRectangle)
{
    Canvas c(10, 10);
    PatBlt(c.dc, 0, 0, 10, 10, BLACKNESS);
    PatBlt(c.dc, 2, 2, 5, 3, WHITENESS);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kWhite), (RECT{2, 2, 7, 5}));
    PatBlt(c.dc, 7, 5, -5, -3, DSTINVERT);  // negative extents: the same rectangle
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kWhite), (RECT{0, 0, 0, 0}));
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(c.dc, red);
    PatBlt(c.dc, 1, 1, 2, 2, PATCOPY);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), (RECT{1, 1, 3, 3}));
    SelectObject(c.dc, old);
    DeleteObject(red);
}

TEST(FillRect, UsesTheGivenBrushNotTheSelectedOne)
{
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT r{2, 3, 5, 9};
    EXPECT_NE(FillRect(c.dc, &r, red), 0);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 10, 10}, kRed), r);
    const RECT all{0, 0, 10, 10};
    FillRect(c.dc, &all, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
    EXPECT_EQ(c.At(5, 5), Colour{GetSysColor(COLOR_WINDOWTEXT)});
    DeleteObject(red);
}

TEST(Pixels, SetAndGetInsideTheClipOnly)
{
    Canvas c(10, 10);
    EXPECT_EQ(SetPixel(c.dc, 3, 4, kRed), kRed);
    EXPECT_EQ(GetPixel(c.dc, 3, 4), kRed);
    EXPECT_EQ(GetPixel(c.dc, 4, 4), kWhite);
    EXPECT_EQ(SetPixel(c.dc, 10, 4, kRed), COLORREF(CLR_INVALID));
    EXPECT_EQ(GetPixel(c.dc, -1, 0), COLORREF(CLR_INVALID));
}

TEST(Clip, SurfaceDcDrawsOnlyInItsRectanglesAtItsOrigin)
{
    std::vector<uint32_t> pixels(20 * 20, 0xFFFFFF);
    Framebuffer fb{pixels.data(), 20, 20, 20, 1};
    const RECT visible[] = {{5, 5, 10, 10}, {12, 5, 15, 10}};
    HDC dc = GdiCreateSurfaceDC(&fb, POINT{5, 5}, visible, 2);
    HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, 0, 0, 20, 20, PATCOPY);
    int black = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = y >= 5 && y < 10 && ((x >= 5 && x < 10) || (x >= 12 && x < 15));
            EXPECT_EQ(pixels[y * 20 + x] == 0, inside) << x << "," << y;
            black += pixels[y * 20 + x] == 0;
        }
    }
    EXPECT_EQ(black, 25 + 15);
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);  // DC (0, 0) is surface (5, 5)
    EXPECT_EQ(GetPixel(dc, 5, 0), COLORREF(CLR_INVALID));
    SelectObject(dc, old);
    GdiDeleteSurfaceDC(dc);
}

// A scene of every shape, drawn at scale 1 and scale 2: the second must be the first with
// each pixel doubled, pen widths and corner curves included.
static void DrawShapeScene(HDC dc)
{
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HPEN wide = CreatePen(PS_SOLID, 3, kRed);
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 2));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    Rectangle(dc, 0, 0, 21, 21);
    Rectangle(dc, 20, 0, 41, 21);
    RoundRect(dc, 45, 3, 75, 19, 8, 6);
    Ellipse(dc, 2, 25, 30, 45);
    const POINT zigzag[] = {{35, 25}, {45, 40}, {55, 28}, {70, 44}};
    Polyline(dc, zigzag, 4);
    SelectObject(dc, wide);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 5, 50, 30, 70);
    MoveToEx(dc, 40, 55, nullptr);
    LineTo(dc, 75, 65);
    PatBlt(dc, 60, 50, 10, 4, DSTINVERT);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(wide);
    DeleteObject(yellow);
}

TEST(Scale, TwiceTheScaleIsTheSamePictureUpscaled)
{
    for (int scale : {2, 3}) {
        Canvas one(80, 72, 1);
        Canvas many(80, 72, scale);
        DrawShapeScene(one.dc);
        DrawShapeScene(many.dc);
        int differences = 0;
        for (int y = 0; y < many.fb.height; ++y) {
            for (int x = 0; x < many.fb.width; ++x) {
                differences += many.pixels[size_t(y) * many.fb.stride + x] !=
                               one.pixels[size_t(y / scale) * one.fb.stride + x / scale];
            }
        }
        EXPECT_EQ(differences, 0) << "scale " << scale;
    }
}

TEST(ShapesGolden, SceneOfEveryShape)
{
    Canvas c(80, 72, 1);
    DrawShapeScene(c.dc);
    ExpectMatchesGolden(c.fb);
}

TEST(Png, WrittenPictureReadsBackPixelForPixel)
{
    Canvas c(7, 5, 2);
    DrawShapeScene(c.dc);
    SetPixel(c.dc, 6, 4, RGB(1, 2, 3));
    const std::string path = testing::TempDir() + "gdi-png-roundtrip.png";
    ASSERT_TRUE(GdiWritePng(c.fb, path.c_str()));
    std::vector<uint32_t> back;
    int width = 0;
    int height = 0;
    ASSERT_TRUE(GdiReadPng(path.c_str(), &back, &width, &height));
    EXPECT_EQ(width, 14);
    EXPECT_EQ(height, 10);
    EXPECT_EQ(back, c.pixels);
    EXPECT_FALSE(GdiReadPng((path + ".missing").c_str(), &back, &width, &height));
}
