// Playing with keys and the stylus: letters with and without auto skip, Backspace, Enter and
// the arrows, taps and holds on the grid, dragging the view, and the three magnifications.
#include "automation.h"
#include "game_state.h"
#include "resource_ids.h"
#include "shell_fixture.h"

namespace {

class PlayTest : public ShellTest {
  protected:
    void StartWith(int side)
    {
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(side));
        Start();
    }
};

TEST_F(PlayTest, LettersAdvanceInsideTheWordAndAutoSkipPassesFilledSquares)
{
    StartWith(15);
    Key('Q');
    Key('W');
    EXPECT_EQ(gGame.entries[0], 'Q');
    EXPECT_EQ(gGame.entries[1], 'W');
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_GT(CountDark(0, 1), 0);                             // W is on the screen
    EXPECT_GT(CountPixels(CellOnScreen(0, 2), kOrange), 100);  // the cursor square
    EXPECT_GT(CountPixels(CellOnScreen(0, 5), kYellow), 100);  // the rest of the word

    // Auto skip: from (0, 3), with (0, 4) and (0, 5) filled, the next letter lands on (0, 6).
    Command(IDM_AUTO_SKIP);
    TapCell(0, 4);
    Command(IDM_FILL_LETTER);
    TapCell(0, 5);
    Command(IDM_FILL_LETTER);
    TapCell(0, 3);
    Key('Z');
    EXPECT_EQ(gGame.entries[3], 'Z');
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 6);

    // Without it the cursor goes to the very next square, filled or not.
    Command(IDM_AUTO_SKIP);
    TapCell(0, 3);
    Key('Y');
    EXPECT_EQ(gGame.cursorCol, 4);
}

TEST_F(PlayTest, BackspaceErasesAndStepsBackInTheWord)
{
    StartWith(15);
    Key('Q');
    Key('W');
    Key(VK_BACK);  // (0, 2) is empty already; back to (0, 1)
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(gGame.entries[1], 'W');
    Key(VK_BACK);
    EXPECT_EQ(gGame.entries[1], '-');
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(CountDark(0, 1), 0);
    Key(VK_BACK);  // the word's first square: erased, the cursor stays
    EXPECT_EQ(gGame.entries[0], '-');
    EXPECT_EQ(gGame.cursorCol, 0);
}

TEST_F(PlayTest, EnterTogglesAndArrowsJumpWordsBackToTheStartPastTheEnd)
{
    StartWith(15);
    Key(VK_RETURN);
    EXPECT_EQ(gGame.direction, kDown);
    Key(VK_RETURN);
    EXPECT_EQ(gGame.direction, kAcross);

    Key(VK_RIGHT);
    EXPECT_EQ(gGame.cursorRow, 1);
    EXPECT_EQ(gGame.cursorCol, 0);
    Key(VK_LEFT);
    EXPECT_EQ(gGame.cursorRow, 0);
    // 24 across words: rows 3, 7 and 11 hold four each, the other twelve rows one.
    for (int i = 0; i < 23; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(gGame.cursorRow, 14);
    EXPECT_EQ(gGame.cursorCol, 0);
    Key(VK_DOWN);  // past the last word
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
    Key(VK_UP);  // before the first: stays on the first square
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
}

TEST_F(PlayTest, OtherKeysChangeNothingButRepaintTheHighlight)
{
    StartWith(15);
    HDC dc = GetDC(window);  // wipe the picture, so only a repaint can bring the word back
    PatBlt(dc, 0, 0, 240, 268, WHITENESS);
    ReleaseDC(window, dc);
    ASSERT_EQ(CountPixels(CellOnScreen(0, 0), kOrange), 0);
    Key(VK_HOME);
    Key(VK_END);
    EXPECT_GT(CountPixels(CellOnScreen(0, 0), kOrange), 100);
    EXPECT_EQ(gGame.entries[0], '-');
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(gGame.direction, kAcross);
}

// Real solutions hold digits, symbols and letters of the code page: each can be typed, into a
// square or a rebus, and is checked like a letter.
TEST_F(PlayTest, DigitsSymbolsAndCodePageLettersAreTypedAndChecked)
{
    WritePuzzle("\\My Documents\\a.puz", {"A5@", "B#C",
                                          "\xC9"
                                          "DE"});
    Start();
    Key('A');
    Key('5');  // a digit key: its character follows it
    AutomationChar(u'@');
    Idle();
    EXPECT_EQ(std::string(gGame.entries, 3), "A5@");
    TapCell(1, 0);
    Key('B');
    Key(VK_INSERT);  // a rebus of a digit and a symbol
    AutomationChar(u'1');
    AutomationChar(u'#');
    Key(VK_RETURN);
    EXPECT_STREQ(gGame.playerRebus[4], "1#");
    Key('C');
    TapCell(2, 0);
    AutomationChar(u'\u00E9');  // typed small, held as the capital of the code page
    Idle();
    Key('D');
    Key('E');
    EXPECT_EQ(std::string(gGame.entries + 6, 3), "\xC9"
                                                 "DE");
    EXPECT_EQ(gGame.solved, 0);  // "1#" is not "#"
    TapCell(1, 1);
    AutomationChar(u'#');
    Idle();
    EXPECT_EQ(gGame.solved, 1);
}

TEST_F(PlayTest, TapsToggleSelectAndIgnoreBlackSquares)
{
    StartWith(15);
    TapCell(0, 0);  // the current square: the direction turns
    EXPECT_EQ(gGame.direction, kDown);
    TapCell(5, 6);
    EXPECT_EQ(gGame.cursorRow, 5);
    EXPECT_EQ(gGame.cursorCol, 6);
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_GT(CountPixels(CellOnScreen(5, 6), kOrange), 100);
    EXPECT_GT(CountPixels(CellOnScreen(9, 6), kYellow), 100);  // down word of column 6
    TapCell(3, 3);                                             // black
    EXPECT_EQ(gGame.cursorRow, 5);
    EXPECT_EQ(gGame.cursorCol, 6);
    // The clue bar and the band below the grid are no tap targets while the keyboard is off.
    Tap(120, 258);
    EXPECT_EQ(gGame.cursorRow, 5);
    EXPECT_EQ(gGame.direction, kDown);
}

TEST_F(PlayTest, HoldSelectsWithoutTogglingAndOpensTheClearFillViewMenuAtThePoint)
{
    StartWith(15);
    TapCell(2, 2);
    ASSERT_EQ(gGame.direction, kAcross);
    // Held on the current square: no turn. The menu opens with its corner at the point
    // (40, 40), its items 18 pixels high: Clear, Fill, View; Fill's sub-menu opens beside it.
    Hold(40, 40);
    AutomationTap(60, 68);   // "Fill" (screen coordinates)
    AutomationTap(140, 68);  // its "Letter"
    Idle();
    EXPECT_EQ(gGame.direction, kAcross);
    EXPECT_EQ(gGame.entries[2 * 15 + 2], LatticeLetter(2, 2));
    EXPECT_EQ(gGame.entries[2 * 15 + 3], '-');

    // A hold elsewhere moves there, and a tap outside the menu closes it with nothing chosen.
    const POINT q = CellCentreOnScreen(12, 9);
    Hold(q.x, q.y);
    AutomationTap(120, 10);  // the navigation bar
    Idle();
    EXPECT_EQ(gGame.cursorRow, 12);
    EXPECT_EQ(gGame.cursorCol, 9);
    EXPECT_EQ(gGame.direction, kAcross);
    EXPECT_EQ(gGame.entries[12 * 15 + 9], '-');
}

TEST_F(PlayTest, SmallTapsOnTheLeftMarginAreIgnored)
{
    StartWith(21);  // Small 21 x 21: 11-pixel squares from x = 4
    ASSERT_EQ(gGame.gridLeft, 4);
    TapCell(2, 2);
    Tap(4, 28);  // x equal to gridLeft: not on the grid
    EXPECT_EQ(gGame.cursorRow, 2);
    Tap(5, 28);
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 0);
}

TEST_F(PlayTest, DraggingMovesTheMagnifiedViewWithinTheGrid)
{
    StartWith(21);
    Drag(200, 100, 50, 100);
    EXPECT_EQ(gGame.scrollX, 0);  // Small never scrolls

    Command(IDM_MEDIUM);  // 421 x 421 grid image, 240 x 248 view
    Drag(200, 100, 50, 100);
    EXPECT_EQ(gGame.scrollX, 150);
    // Column 8's left line (x = 160 in the image) is now at x = 10 on the screen.
    EXPECT_EQ(Pixel(10, 10), Colour{kBlackInk});
    EXPECT_NE(Pixel(15, 10), Colour{kBlackInk});
    Drag(200, 100, 100, 100);  // 150 + 100 + 240 > 421: dropped whole
    EXPECT_EQ(gGame.scrollX, 150);
    Drag(200, 100, 170, 100);  // a smaller step still goes
    EXPECT_EQ(gGame.scrollX, 180);
    Drag(20, 100, 220, 100);  // past the left edge: dropped
    EXPECT_EQ(gGame.scrollX, 180);
    Drag(20, 100, 200, 100);
    EXPECT_EQ(gGame.scrollX, 0);

    Drag(100, 200, 100, 20);  // up by 180: 421 - 248 = 173 is the most
    EXPECT_EQ(gGame.scrollY, 0);
    Drag(100, 200, 100, 30);
    EXPECT_EQ(gGame.scrollY, 170);
}

// Grids as narrow as the window or narrower but taller than the view drag up and down with a
// stylus that goes down on the grid, moves and is lifted there; the lift selects nothing.
struct TallGrid {
    int width, height;
    int drag;  // pixels the stylus moves up, within the largest scroll
};

class TallGridTest : public PlayTest, public testing::WithParamInterface<TallGrid> {};

TEST_P(TallGridTest, DragsUpAndDownAndTheLiftSelectsNoSquare)
{
    const TallGrid t = GetParam();
    WritePuzzle("\\My Documents\\a.puz", OpenGrid(t.width, t.height));
    Start();
    Command(IDM_MEDIUM);
    auto stylus = [&](int x, int fromY, int toY) {
        AutomationStylusDown(x, fromY + 26);
        AutomationStylusMove(x, (fromY + toY) / 2 + 26);
        AutomationStylusMove(x, toY + 26);
        AutomationStylusUp(x, toY + 26);
        Idle();
    };
    stylus(100, 200, 200 - t.drag);
    EXPECT_EQ(gGame.scrollY, t.drag);
    EXPECT_EQ(gGame.scrollX, 0);
    // Row 10's top line (y = 200 in the image) has moved up with the stylus.
    EXPECT_EQ(Pixel(gGame.gridLeft + 10, 200 - t.drag), Colour{kBlackInk});
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(gGame.direction, kAcross);

    stylus(100, 40, 40 + t.drag);  // and back down
    EXPECT_EQ(gGame.scrollY, 0);
    EXPECT_EQ(gGame.cursorRow, 0);

    // A tap that wobbles no further than a hold may is still a tap.
    const POINT square = CellCentreOnScreen(3, 2);
    stylus(square.x, square.y, square.y + 4);
    EXPECT_EQ(gGame.scrollY, 0);
    EXPECT_EQ(gGame.cursorRow, 3);
    EXPECT_EQ(gGame.cursorCol, 2);
}

INSTANTIATE_TEST_SUITE_P(Medium, TallGridTest,
                         testing::Values(TallGrid{9, 21, 150}, TallGrid{12, 15, 40}),
                         [](const testing::TestParamInfo<TallGrid>& param) {
                             return std::to_string(param.param.width) + "x" +
                                    std::to_string(param.param.height);
                         });

struct Magnified {
    int side;
    UINT command;
    int cellSize;
    int gridLeft;
};

class MagnificationTest : public PlayTest, public testing::WithParamInterface<Magnified> {};

TEST_P(MagnificationTest, SetsTheCellSizeTheChecksAndKeepsTheCursor)
{
    const Magnified m = GetParam();
    StartWith(m.side);
    Command(IDM_LARGE);  // start away from the magnification under test
    TapCell(0, 2);
    Command(m.command);
    EXPECT_EQ(gGame.cellSize, m.cellSize);
    EXPECT_EQ(gGame.gridLeft, m.gridLeft);
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(gGame.scrollX, 0);
    EXPECT_EQ(gGame.scrollY, 0);
    EXPECT_EQ(Checked(IDM_ZOOM_MENU, IDM_SMALL), m.command == IDM_SMALL);
    EXPECT_EQ(Checked(IDM_ZOOM_MENU, IDM_MEDIUM), m.command == IDM_MEDIUM);
    EXPECT_EQ(Checked(IDM_ZOOM_MENU, IDM_LARGE), m.command == IDM_LARGE);
    // Column lines every cellSize pixels from gridLeft, open squares white between them, the
    // top row yellow as the word of the top-left square.
    const int mid = m.cellSize / 2;
    EXPECT_EQ(Pixel(m.gridLeft, mid), Colour{kBlackInk});
    EXPECT_EQ(Pixel(m.gridLeft + m.cellSize, mid), Colour{kBlackInk});
    EXPECT_EQ(Pixel(m.gridLeft + 2 * m.cellSize, m.cellSize + mid), Colour{kBlackInk});
    EXPECT_EQ(Pixel(m.gridLeft + m.cellSize + mid, m.cellSize + mid), Colour{kWhitePaper});
    EXPECT_EQ(Pixel(m.gridLeft + m.cellSize + mid, mid), Colour{kYellow});
    // Black square (3, 3) filled.
    EXPECT_EQ(Pixel(m.gridLeft + 3 * m.cellSize + mid, 3 * m.cellSize + mid), Colour{kBlackInk});
}

INSTANTIATE_TEST_SUITE_P(
    Shell, MagnificationTest,
    testing::Values(Magnified{15, IDM_SMALL, 16, 0}, Magnified{15, IDM_MEDIUM, 20, 0},
                    Magnified{15, IDM_LARGE, 24, 0}, Magnified{21, IDM_SMALL, 11, 4},
                    Magnified{21, IDM_MEDIUM, 20, 0}, Magnified{21, IDM_LARGE, 24, 0}));

}  // namespace
