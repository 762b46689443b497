// The grid painters as pixel probes on the grid image: square fills, void and shaded squares,
// inner edges, letters, numbers, the highlight, taps, the View commands and the check, and that
// no painter leaks a drawing object.
#include "automation.h"
#include "check_painter.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_draw.h"
#include "grid_paint.h"
#include "layout.h"
#include "play_cursor.h"
#include "puz_layout.h"
#include "puzzle_load.h"
#include "square_marks.h"

namespace {

class GridPaintTest : public DisplayTest {
  protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        Load(kFiveByFive);
        Layout(kSmall);  // cellSize 48, gridLeft 0
    }

    static Colour CentreOf(int row, int col)
    {
        const POINT p = CellCentre(row, col);
        return Buffer(p.x, p.y);
    }

    static void Enter(int row, int col, char letter)
    {
        gGame.entries[row * gGame.width + col] = letter;
    }
};

TEST_F(GridPaintTest, SquaresTakeTheUsersColoursAndOpenOnesAGreyInnerEdge)
{
    gGame.settings.squareColour = RGB(0, 0, 128);
    gGame.settings.backgroundColour = RGB(255, 255, 224);
    PaintGrid(window, kGridEntries);
    ASSERT_EQ(gGame.cellSize, 48);
    EXPECT_EQ(CentreOf(0, 3), Colour{RGB(0, 0, 128)});
    EXPECT_EQ(CentreOf(2, 2), Colour{RGB(255, 255, 224)});
    const int x0 = CellLeft(2);
    const int y0 = CellTop(2);
    EXPECT_EQ(Buffer(x0, y0 + 20), Colour{kLineBlack});  // shared border line
    EXPECT_EQ(Buffer(x0 + 48, y0 + 20), Colour{kLineBlack});
    EXPECT_EQ(Buffer(x0 + 1, y0 + 20), Colour{kInnerEdgeGrey});
    EXPECT_EQ(Buffer(x0 + 20, y0 + 1), Colour{kInnerEdgeGrey});
    EXPECT_EQ(Buffer(x0 + 47, y0 + 20), Colour{RGB(255, 255, 224)});  // no edge on the right
    EXPECT_EQ(Buffer(CellLeft(3) + 1, CellTop(0) + 20), Colour{RGB(0, 0, 128)});  // black: none
    EXPECT_EQ(Buffer(100, 245), Colour{kPaperWhite});  // under the grid the image stays white
}

// kFiveByFive with its black squares (0, 3), (3, 3) and (4, 3) void, K shaded and holding a K.
void LoadShapedGrid()
{
    PuzzleImage image = MakePuzzle(kFiveByFive);
    AddClues(&image);
    std::string styles(25, '\0');
    styles[3] = styles[18] = styles[23] = char(puz::kSquareStyleVoid);
    styles[12] = char(puz::kSquareStyleShaded);
    image.sections = Section("XSQF", styles);
    ASSERT_TRUE(LoadAndParse(Bytes(image)));
    gGame.entries[12] = 'K';
}

// A void square is the background with no line of its own: the squares beside it keep theirs,
// two void squares show none between them, nor does one at the grid's edge. A shaded square is
// light grey under its letter; the highlight wins over it, and the check keeps both.
TEST_F(GridPaintTest, VoidSquaresAreBackgroundAndShadedOnesGreyUnderTheirLetter)
{
    LoadShapedGrid();
    Layout(kSmall);
    const COLORREF background = RGB(255, 255, 224);
    gGame.settings.backgroundColour = background;
    PaintGrid(window, kGridEntries);  // makes the pair of grid fonts that stays
    const int before = AutomationGdiObjectCount();
    PaintGrid(window, kGridEntries);
    const int s = gGame.cellSize;
    auto voidAndShade = [&](const char* painter) {
        SCOPED_TRACE(painter);
        EXPECT_EQ(CentreOf(0, 3), Colour{background});
        EXPECT_EQ(Buffer(CellLeft(3) + s / 2, CellTop(0)), Colour{background});  // the edge
        EXPECT_EQ(Buffer(CellLeft(3), CellTop(0) + s / 2), Colour{kLineBlack});  // C's line
        EXPECT_EQ(Buffer(CellLeft(4), CellTop(0) + s / 2), Colour{kLineBlack});  // D's line
        EXPECT_EQ(Buffer(CellLeft(3) + s / 2, CellTop(1)), Colour{kLineBlack});  // G's line
        EXPECT_EQ(Buffer(CellLeft(3) + s / 2, CellTop(4)), Colour{background});  // void to void
        EXPECT_EQ(Buffer(CellLeft(3) + s / 2, CellTop(4) + s), Colour{background});
        EXPECT_EQ(BufferInk(CellInside(3, 3), background), CellInside(3, 3));
        EXPECT_EQ(CentreOf(1, 1), Colour{kLineBlack});  // a black square stays black
        EXPECT_EQ(Buffer(CellLeft(2) + 4, CellTop(2) + s - 4), Colour{kShadedGrey});
        EXPECT_EQ(Buffer(CellLeft(2), CellTop(2) + s / 2), Colour{kLineBlack});
    };
    voidAndShade("PaintGrid");
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsDark).right, 0) << "the letter is lost";
    EXPECT_EQ(Buffer(CellLeft(2) + 1, CellTop(2) + s / 2), Colour{kInnerEdgeGrey});

    At(2, 0, kAcross);
    PaintWordHighlight(window);
    EXPECT_EQ(Buffer(CellLeft(2) + 4, CellTop(2) + s - 4), Colour{kWordYellow});
    At(2, 2, kAcross);
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
    EXPECT_EQ(Buffer(CellLeft(2) + 4, CellTop(2) + s - 4), Colour{kCursorOrange});
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsDark).right, 0);

    gGame.entries[12] = 'X';
    PaintGrid(window, kGridEntries);
    PaintCheckMarks(window, kMarkPuzzle);
    voidAndShade("PaintCheckMarks");
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsReddish).right, 0);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "a painter leaks a drawing object";
}

TEST_F(GridPaintTest, LettersAreCentredAndEmptySquaresShowNone)
{
    Enter(2, 2, 'K');
    PaintGrid(window, kGridEntries);
    const RECT ink = BufferInkWhere(CellInside(2, 2), IsDark);
    ASSERT_NE(ink.right, 0) << "no letter drawn";
    const int centreX = (ink.left + ink.right) / 2;
    const int centreY = (ink.top + ink.bottom) / 2;
    EXPECT_NEAR(centreX, CellCentre(2, 2).x, 3);
    EXPECT_NEAR(centreY, CellCentre(2, 2).y, 6);
    EXPECT_GT(ink.bottom - ink.top, 20);  // "System" bold at cellSize - 2
    EXPECT_EQ(BufferInkWhere(CellInside(2, 3), IsDark), (RECT{0, 0, 0, 0}));
}

TEST_F(GridPaintTest, NumbersSitAtTheTopLeftOnlyInMediumAndLargeWithNumbersOn)
{
    gGame.settings.showNumbers = 1;
    PaintGrid(window, kGridEntries);  // Small: never numbers
    EXPECT_EQ(BufferInkWhere(CellInside(0, 0), IsDark), (RECT{0, 0, 0, 0}));

    Layout(kMedium);  // cellSize 20, gridLeft 70
    PaintGrid(window, kGridEntries);
    const RECT ink = BufferInkWhere(CellInside(2, 0), IsDark);  // "6"
    ASSERT_NE(ink.right, 0) << "no number drawn";
    EXPECT_GE(ink.left, CellLeft(0) + 1);
    EXPECT_LE(ink.left, CellLeft(0) + 3);
    EXPECT_LE(ink.top, CellTop(2) + 3);
    EXPECT_LE(ink.bottom - ink.top, 8);  // the 7-pixel "Arial"
    EXPECT_LE(ink.right, CellLeft(0) + 8);
    EXPECT_EQ(BufferInkWhere(CellInside(2, 1), IsDark), (RECT{0, 0, 0, 0}));  // J: no number

    gGame.settings.showNumbers = 0;
    PaintGrid(window, kGridEntries);
    EXPECT_EQ(BufferInkWhere(CellInside(2, 0), IsDark), (RECT{0, 0, 0, 0}));
}

// Squares of two pixels, as a 99 x 16 grid gets in Small, still get letters, but no taller
// than the square: filled, the grid keeps most of its squares' insides light.
TEST_F(GridPaintTest, LettersNeverOutgrowTinySquares)
{
    Load(OpenGrid(99, 16));
    for (int i = 0; i < 99 * 16; ++i)
        gGame.entries[i] = char('A' + i % 26);
    Layout(kSmall);
    ASSERT_EQ(gGame.cellSize, 2);
    PaintGrid(window, kGridEntries);
    HGDIOBJ previous = SelectObject(gDisplay.backBuffer, gDisplay.letterFont);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(gDisplay.backBuffer, &metrics);
    SelectObject(gDisplay.backBuffer, previous);
    EXPECT_LE(metrics.tmHeight, 2);
    int dark = 0;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 99; ++c) {
            const POINT inside = {CellLeft(c) + 1, CellTop(r) + 1};  // the one pixel inside
            dark += IsDark(Buffer(inside.x, inside.y).value);
        }
    }
    EXPECT_GT(dark, 0) << "no letter drawn";
    EXPECT_LT(dark, 99 * 16 / 2) << "the filled grid turns black";
}

TEST_F(GridPaintTest, HighlightPaintsTheWordYellowAndTheCursorOrangeKeepingLetters)
{
    Enter(2, 1, 'J');
    At(2, 1, kAcross);
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
    EXPECT_EQ(Buffer(CellLeft(1) + 3, CellTop(2) + 3), Colour{kCursorOrange});
    for (int c : {0, 2, 3, 4})
        EXPECT_EQ(CentreOf(2, c), Colour{kWordYellow}) << "column " << c;
    EXPECT_EQ(CentreOf(1, 2), Colour{kPaperWhite});
    // Plain rectangles: no grey inner edge on the highlighted squares.
    EXPECT_EQ(Buffer(CellLeft(0) + 1, CellTop(2) + 20), Colour{kWordYellow});
    EXPECT_NE(BufferInkWhere(CellInside(2, 1), IsDark).right, 0) << "the letter was covered";
}

TEST_F(GridPaintTest, NumbersStayVisibleOnTheHighlight)
{
    gGame.settings.showNumbers = 1;
    Layout(kMedium);
    At(2, 0, kAcross);  // 6A: "6" on the orange square, nothing numbered on the yellow ones
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
    const RECT six = BufferInkWhere(CellInside(2, 0), IsDark);
    ASSERT_NE(six.right, 0) << "the number was covered";
    EXPECT_LE(six.top, CellTop(2) + 3);
    EXPECT_LE(six.right, CellLeft(0) + 8);
    At(1, 3, kDown);  // 5D: "5" on the orange square, the yellow one below without a number
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
    EXPECT_NE(BufferInkWhere(CellInside(1, 3), IsDark).right, 0);
    EXPECT_EQ(BufferInkWhere(CellInside(2, 3), IsDark), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(Buffer(CellLeft(3) + 15, CellTop(2) + 15), Colour{kWordYellow});
}

TEST_F(GridPaintTest, WithoutAWordInTheDirectionOnlyTheCurrentSquareIsHighlighted)
{
    At(2, 1, kDown);  // J has no down word
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
    EXPECT_EQ(CentreOf(2, 1), Colour{kCursorOrange});
    EXPECT_EQ(BufferInk({0, 0, 241, 241}, kWordYellow), (RECT{0, 0, 0, 0}));
}

// A tap as the shell makes it: the square under the point, the play state's answer, the paint.
void TapAt(HWND window, POINT p)
{
    int row = 0;
    int col = 0;
    if (HitTestCell(p.x, p.y, &row, &col))
        ApplyCellTap(row, col, false);
    PaintGrid(window, kGridEntries);
    PaintWordHighlight(window);
}

TEST_F(GridPaintTest, TappingMovesTogglesOrIgnoresByTheSquare)
{
    PaintGrid(window, kGridEntries);
    const POINT k = CellCentre(2, 2);
    TapAt(window, k);
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(CentreOf(2, 2), Colour{kCursorOrange});
    EXPECT_EQ(CentreOf(2, 0), Colour{kWordYellow});

    TapAt(window, k);  // the current square again: Down
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_EQ(CentreOf(1, 2), Colour{kWordYellow});
    EXPECT_EQ(CentreOf(2, 0), Colour{kPaperWhite});  // the old highlight is gone

    const POINT black = CellCentre(3, 1);
    TapAt(window, black);  // the cursor stays, and so does its highlight
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(BufferInk({0, 0, 241, 241}, kCursorOrange), CellInside(2, 2));
    EXPECT_EQ(CentreOf(1, 2), Colour{kWordYellow});
    EXPECT_EQ(gGame.direction, kDown);
}

TEST_F(GridPaintTest, ViewPuzzleShowsTheSolutionInRedForOnePaintOnly)
{
    PaintGrid(window, kGridEntries);
    PaintGrid(window, kGridSolution);
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsReddish).right, 0);
    EXPECT_NE(BufferInkWhere(CellInside(4, 4), IsReddish).right, 0);
    PaintGrid(window, kGridEntries);
    EXPECT_EQ(BufferInkWhere({0, 0, 241, 241}, IsReddish), (RECT{0, 0, 0, 0}));
}

TEST_F(GridPaintTest, ViewLetterAndViewWordRevealOnlyTheCurrentSquareOrWord)
{
    At(2, 2, kDown);
    PaintGrid(window, kGridEntries);
    PaintViewedLetter(window);
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsReddish).right, 0);
    EXPECT_EQ(BufferInkWhere(CellInside(1, 2), IsReddish), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(Buffer(CellLeft(2) + 2, CellTop(2) + 2), Colour{kCursorOrange});

    PaintGrid(window, kGridEntries);
    PaintViewedWord(window);
    for (int r = 0; r < 5; ++r) {
        if (r == 3)
            continue;
        EXPECT_NE(BufferInkWhere(CellInside(r, 2), IsReddish).right, 0) << "row " << r;
    }
    EXPECT_EQ(Buffer(CellLeft(2) + 2, CellTop(0) + 2), Colour{kWordYellow});
    EXPECT_EQ(BufferInkWhere(CellInside(2, 1), IsReddish), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(std::string(gGame.entries, 5), "---.-");  // nothing was entered
}

TEST_F(GridPaintTest, CheckMarksWrongLettersRedUntilTheNextFullPaint)
{
    Enter(0, 0, 'A');  // right
    Enter(2, 2, 'X');  // wrong
    PaintGrid(window, kGridEntries);
    PaintCheckMarks(window, kMarkPuzzle);
    ReportCheck(window);
    EXPECT_TRUE(AutomationMessageBoxes().empty());
    EXPECT_NE(BufferInkWhere(CellInside(2, 2), IsReddish).right, 0);
    EXPECT_EQ(BufferInkWhere(CellInside(0, 0), IsReddish), (RECT{0, 0, 0, 0}));
    EXPECT_NE(BufferInkWhere(CellInside(0, 0), IsDark).right, 0);
    PaintGrid(window, kGridEntries);
    EXPECT_EQ(BufferInkWhere({0, 0, 241, 241}, IsReddish), (RECT{0, 0, 0, 0}));
}

TEST_F(GridPaintTest, CheckReportsANewPuzzleAndAllRightLetters)
{
    AutomationAnswerMessageBox(u"Puzzle Checker", IDOK);
    ReportCheck(window);
    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].text,
              u"This button will check puzzle for errors. You've have not yet started the "
              u"puzzle, so there is nothing to check.");
    EXPECT_EQ(AutomationMessageBoxes()[0].owner, window);
    EXPECT_EQ(AutomationMessageBoxes()[0].type, UINT(MB_OK));

    Enter(0, 0, 'A');
    AutomationAnswerMessageBox(u"Nothing Wrong", IDOK);
    ReportCheck(window);
    ASSERT_EQ(AutomationMessageBoxes().size(), 2u);
    EXPECT_EQ(AutomationMessageBoxes()[1].caption, u"Nothing Wrong");
    EXPECT_EQ(AutomationMessageBoxes()[1].text, u"All the letters entered so far are correct.");
}

TEST_F(GridPaintTest, NoPainterLeaksADrawingObject)
{
    gGame.settings.showNumbers = 1;
    Layout(kMedium);
    PaintGrid(window, kGridEntries);  // makes the pair of grid fonts that stays
    const int before = AutomationGdiObjectCount();
    PaintGrid(window, kGridEntries);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintGrid";
    PaintWordHighlight(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintWordHighlight";
    PaintViewedLetter(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintViewedLetter";
    PaintViewedWord(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintViewedWord";
    PaintGrid(window, kGridSolution);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintGrid with the solution";
    Enter(0, 0, 'X');
    PaintCheckMarks(window, kMarkPuzzle);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "PaintCheckMarks";
    ComputeLayout(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before) << "ComputeLayout";
}

}  // namespace
