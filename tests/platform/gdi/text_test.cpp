// Text: font sizes as GDI defines them, extents, DrawTextW's alignment, line breaking,
// clipping, "&" prefixes, DT_CALCRECT and background modes. Glyph shapes belong to the host's
// fonts, so the probes look at where ink lands, never at its exact pixels.
#include <gtest/gtest.h>

#include "gdi_probe.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr RECT kNone{0, 0, 0, 0};

// Creates a font of `height` and face, selects it and puts the old one back at the end.
struct WithFont {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    WithFont(HDC d, int height, const char16_t* face = u"System", int weight = FW_NORMAL)
        : dc(d), font(CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face)),
          old(SelectObject(d, font))
    {
    }
    ~WithFont()
    {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

int LineHeight(HDC dc)
{
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return tm.tmHeight;
}

int TextWidth(HDC dc, const char16_t* text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text, int(std::char_traits<char16_t>::length(text)), &size);
    return size.cx;
}

}  // namespace

TEST(Fonts, PositiveHeightIsTheCellNegativeTheCharacter)
{
    Canvas c(10, 10);
    {
        WithFont f(c.dc, 18, u"System", FW_BOLD);
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(c.dc, &tm));
        EXPECT_EQ(tm.tmHeight, 18);
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, 18);
        EXPECT_GT(tm.tmInternalLeading, 0);
        EXPECT_EQ(tm.tmWeight, FW_BOLD);
    }
    {
        WithFont f(c.dc, -10);
        TEXTMETRICW tm{};
        GetTextMetricsW(c.dc, &tm);
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 10);
        EXPECT_GT(tm.tmHeight, 10);
        EXPECT_LT(tm.tmHeight, 15);
    }
}

TEST(Fonts, CourierNewIsMonospacedAndBoldIsWider)
{
    Canvas c(10, 10);
    {
        WithFont f(c.dc, -12, u"Courier New");
        EXPECT_EQ(TextWidth(c.dc, u"iiii"), TextWidth(c.dc, u"WWWW"));
    }
    int regular = 0;
    {
        WithFont f(c.dc, -12, u"Arial");
        regular = TextWidth(c.dc, u"Crossword");
        EXPECT_LT(TextWidth(c.dc, u"iiii"), TextWidth(c.dc, u"WWWW"));
    }
    WithFont f(c.dc, -12, u"Arial", FW_BOLD);
    EXPECT_GT(TextWidth(c.dc, u"Crossword"), regular);
}

TEST(TextExtent, IsTheSumOfTheCharactersAndOneLineHigh)
{
    Canvas c(10, 10);
    WithFont f(c.dc, -10);
    SIZE ab{};
    ASSERT_TRUE(GetTextExtentPoint32W(c.dc, u"AB", 2, &ab));
    EXPECT_EQ(ab.cx, TextWidth(c.dc, u"A") + TextWidth(c.dc, u"B"));
    EXPECT_EQ(ab.cy, LineHeight(c.dc));
    SIZE none{};
    GetTextExtentPoint32W(c.dc, u"", 0, &none);
    EXPECT_EQ(none.cx, 0);
}

TEST(DrawText, CentredSingleLineSitsWhereTheFormulaPutsIt)
{
    // The grid's letter: a bold cell-height font centred in a 21 × 21 cell.
    Canvas centred(30, 30);
    Canvas placed(30, 30);
    WithFont a(centred.dc, 18, u"System", FW_BOLD);
    WithFont b(placed.dc, 18, u"System", FW_BOLD);
    SetBkMode(centred.dc, TRANSPARENT);
    SetBkMode(placed.dc, TRANSPARENT);
    RECT cell{2, 3, 23, 24};
    const int h = DrawTextW(centred.dc, u"W", 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const int w = TextWidth(placed.dc, u"W");
    const int x = (2 + 23 - w) / 2;
    const int y = 3 + 21 / 2 - 18 / 2;
    EXPECT_EQ(h, y - 3 + 18);  // with DT_VCENTER: from the top to the bottom of the text
    TextOutW(placed.dc, x, y, u"W", 1);
    EXPECT_EQ(centred.pixels, placed.pixels);
    const RECT ink = centred.InkBoxExcept(RECT{0, 0, 30, 30}, kWhite);
    EXPECT_LE(std::abs((ink.left - cell.left) - (cell.right - ink.right)), 2);
    EXPECT_NE(ink, kNone);
}

TEST(DrawText, RightAndBottomAlignToTheFarEdges)
{
    Canvas c(60, 40);
    WithFont f(c.dc, -10);
    RECT r{0, 0, 60, 40};
    const int lh = LineHeight(c.dc);
    EXPECT_EQ(DrawTextW(c.dc, u"Hi", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE), 40);
    const RECT ink = c.InkBoxExcept(r, kWhite);
    EXPECT_LE(ink.right, 60);
    EXPECT_GE(ink.right, 60 - 3);
    EXPECT_GE(ink.top, 40 - lh);
}

TEST(DrawText, LineFeedsBreakUnlessSingleLine)
{
    Canvas c(100, 60);
    WithFont f(c.dc, -10);
    const int lh = LineHeight(c.dc);
    RECT r{0, 0, 100, 60};
    EXPECT_EQ(DrawTextW(c.dc, u"one\r\ntwo\nthree", -1, &r, DT_LEFT | DT_NOPREFIX), 3 * lh);
    EXPECT_GT(c.InkBoxExcept(r, kWhite).bottom, 2 * lh);
    Canvas d(100, 60);
    WithFont g(d.dc, -10);
    EXPECT_EQ(DrawTextW(d.dc, u"one\ntwo", -1, &r, DT_SINGLELINE), lh);
    EXPECT_LE(d.InkBoxExcept(r, kWhite).bottom, lh);
}

TEST(DrawText, WordBreakFillsLinesGreedilyAndCalcRectMeasures)
{
    Canvas c(60, 100);
    WithFont f(c.dc, -10);
    const int lh = LineHeight(c.dc);
    const int word = TextWidth(c.dc, u"word");
    const int space = TextWidth(c.dc, u" ");
    // Room for two words and a space on a line, not three.
    const int width = 2 * word + space + 2;
    RECT calc{5, 7, 5 + width, 8};
    const int height =
        DrawTextW(c.dc, u"word word word word word", -1, &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 3 * lh);
    EXPECT_EQ(calc, (RECT{5, 7, 5 + 2 * word + space, 7 + 3 * lh}));
    EXPECT_EQ(c.InkBoxExcept(RECT{0, 0, 60, 100}, kWhite), kNone);  // measured, not drawn

    RECT r{0, 0, width, 100};
    EXPECT_EQ(DrawTextW(c.dc, u"word word word word word", -1, &r, DT_WORDBREAK), 3 * lh);
    const RECT ink = c.InkBoxExcept(RECT{0, 0, 60, 100}, kWhite);
    EXPECT_GT(ink.bottom, 2 * lh);
    EXPECT_LE(ink.bottom, 3 * lh);
    EXPECT_LE(ink.right, width);
}

TEST(DrawText, AWordWiderThanTheRectangleStaysWholeAndIsClipped)
{
    Canvas c(100, 40);
    WithFont f(c.dc, -10);
    RECT r{10, 5, 30, 40};
    const int lh = LineHeight(c.dc);
    EXPECT_EQ(DrawTextW(c.dc, u"Unbreakable ab", -1, &r, DT_WORDBREAK), 2 * lh);
    EXPECT_EQ(c.InkBoxExcept(RECT{0, 0, 100, 40}, kWhite).right, 30);
    EXPECT_GE(c.InkBoxExcept(RECT{0, 0, 100, 40}, kWhite).left, 10);

    Canvas d(100, 40);
    WithFont g(d.dc, -10);
    DrawTextW(d.dc, u"Unbreakable ab", -1, &r, DT_WORDBREAK | DT_NOCLIP);
    EXPECT_GT(d.InkBoxExcept(RECT{0, 0, 100, 40}, kWhite).right, 40);
}

TEST(DrawText, ClipsToTheRectangleBottomToo)
{
    // The clue bar: two lines show, the rest of a long clue is cut at the rectangle.
    Canvas c(100, 60);
    WithFont f(c.dc, -10);
    const int lh = LineHeight(c.dc);
    RECT r{1, 0, 99, 2 * lh + 2};
    DrawTextW(c.dc, u"a b c d e f g h i j k l m n o p q r s t u v w x y z a b c d e f g h", -1, &r,
              DT_WORDBREAK);
    EXPECT_EQ(c.InkBoxExcept(RECT{0, 2 * lh + 2, 100, 60}, kWhite), kNone);
    EXPECT_NE(c.InkBoxExcept(RECT{0, lh, 100, 2 * lh}, kWhite), kNone);
}

TEST(DrawText, AmpersandUnderlinesTheNextCharacterAndDoubleShowsOne)
{
    Canvas prefixed(80, 20);
    Canvas plain(80, 20);
    WithFont a(prefixed.dc, -10);
    WithFont b(plain.dc, -10);
    RECT r{0, 0, 80, 20};
    DrawTextW(prefixed.dc, u"&File", -1, &r, DT_SINGLELINE);
    DrawTextW(plain.dc, u"File", -1, &r, DT_SINGLELINE);
    // Identical but for the underline, a black run under the "F" only.
    const int lh = LineHeight(plain.dc);
    const int f = TextWidth(plain.dc, u"F");
    int differing = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (prefixed.At(x, y) == plain.At(x, y))
                continue;
            ++differing;
            EXPECT_EQ(prefixed.At(x, y), Colour{kBlack}) << x << "," << y;
            EXPECT_LT(x, f) << "underline reaches past the F";
            EXPECT_LT(y, lh);
        }
    }
    EXPECT_GT(differing, 0);

    RECT doubled{0, 0, 80, 20};
    DrawTextW(plain.dc, u"A&&B", -1, &doubled, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(doubled.right, TextWidth(plain.dc, u"A&B"));
    RECT calc{0, 0, 80, 20};
    DrawTextW(plain.dc, u"A&&B", -1, &calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(calc.right, TextWidth(plain.dc, u"A&&B"));
}

TEST(DrawText, OpaqueModeFillsTheTextBoxWithTheBackgroundColour)
{
    Canvas c(60, 30);
    WithFont f(c.dc, -10);
    const COLORREF yellow = RGB(255, 255, 2);
    SetBkColor(c.dc, yellow);
    EXPECT_EQ(GetBkMode(c.dc), OPAQUE);
    RECT r{0, 0, 60, 30};
    DrawTextW(c.dc, u"OK", 2, &r, DT_LEFT);
    EXPECT_EQ(c.InkBox(r, yellow), (RECT{0, 0, TextWidth(c.dc, u"OK"), LineHeight(c.dc)}));

    Canvas t(60, 30);
    WithFont g(t.dc, -10);
    SetBkColor(t.dc, yellow);
    SetBkMode(t.dc, TRANSPARENT);
    DrawTextW(t.dc, u"OK", 2, &r, DT_LEFT);
    EXPECT_EQ(t.InkBox(r, yellow), kNone);
}

TEST(DrawText, TextColourIsTheInkOfFullyCoveredPixels)
{
    Canvas c(40, 30);
    WithFont f(c.dc, 22, u"System", FW_BOLD);
    SetTextColor(c.dc, RGB(255, 0, 0));
    SetBkMode(c.dc, TRANSPARENT);
    RECT r{0, 0, 40, 30};
    DrawTextW(c.dc, u"I", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_NE(c.InkBox(r, RGB(255, 0, 0)), kNone);
    EXPECT_EQ(c.InkBox(r, kBlack), kNone);
}

TEST(DrawText, EndEllipsisShortensALineThatDoesNotFit)
{
    Canvas c(200, 20);
    WithFont f(c.dc, -10);
    RECT calc{0, 0, 50, 20};
    DrawTextW(c.dc, u"A very long title indeed", -1, &calc,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(calc.right, 50);
    EXPECT_GT(calc.right, 50 - TextWidth(c.dc, u"W") - 1);
}

TEST(DrawText, LayoutIsTheSameAtEveryScale)
{
    RECT inkAt[3];
    for (int scale : {1, 2}) {
        Canvas c(120, 60, scale);
        WithFont f(c.dc, -10);
        RECT calc{0, 0, 70, 0};
        DrawTextW(c.dc, u"Each bundle contains a month's worth", -1, &calc,
                  DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        inkAt[scale] = calc;
        RECT r{0, 0, 120, 60};
        DrawTextW(c.dc, u"Ink", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const RECT ink = c.InkBoxExcept(r, kWhite);
        EXPECT_GT(ink.left, 45);
        EXPECT_LT(ink.right, 75);
    }
    EXPECT_EQ(inkAt[1], inkAt[2]);
}

TEST(ExtTextOut, OpaqueRectangleAndClipping)
{
    Canvas c(60, 30);
    WithFont f(c.dc, -10);
    SetBkColor(c.dc, RGB(0, 0, 255));
    const RECT box{5, 5, 25, 20};
    ExtTextOutW(c.dc, 5, 5, ETO_OPAQUE | ETO_CLIPPED, &box, u"Clipped text", 12, nullptr);
    EXPECT_EQ(c.InkBox(RECT{0, 0, 60, 30}, RGB(0, 0, 255)), box);
    EXPECT_EQ(c.InkBoxExcept(RECT{25, 0, 60, 30}, kWhite), kNone);
}
