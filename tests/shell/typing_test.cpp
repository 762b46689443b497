// Letters and Backspace as the main window takes them, with their repaints as the screen shows
// them, on the display's window (the shell's handlers need no more than the game's display
// state and a window).
#include "automation.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_draw.h"
#include "grid_paint.h"
#include "layout.h"
#include "main_handlers.h"

namespace {

class TypingTest : public DisplayTest {
  protected:
    Colour ScreenCentre(int row, int col) const
    {
        const POINT p = CellCentre(row, col);
        return Screen(p.x - gGame.scrollX, p.y - gGame.scrollY);
    }
};

TEST_F(TypingTest, ALetterMovesTheHighlightAndReachesTheScreen)
{
    Load(kFiveByFive);
    Layout(kSmall);
    At(2, 0, kAcross);
    OnKeyDown(window, 'I');
    EXPECT_EQ(gGame.entries[10], 'I');
    EXPECT_EQ(ScreenCentre(2, 1), Colour{kCursorOrange});
    EXPECT_EQ(Screen(CellLeft(0) + 3, CellTop(2) + 3), Colour{kWordYellow});
    EXPECT_NE(ScreenInkWhere(CellInside(2, 0), IsDark).right, 0) << "the letter is not shown";
    // The clue bar under the view was repainted for 6A.
    EXPECT_NE(ScreenInkWhere({0, 248, 240, 268}, IsDark).right, 0);
}

TEST_F(TypingTest, BackspaceShowsTheEmptiedSquareAndTheStepBack)
{
    Load(kFiveByFive);
    Layout(kSmall);
    gGame.entries[11] = 'J';
    gGame.entries[12] = 'K';
    At(2, 2, kAcross);
    PaintGrid(window, kGridEntries);
    const int before = AutomationGdiObjectCount();
    OnKeyDown(window, 8);
    EXPECT_EQ(gGame.entries[12], '-');
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(ScreenCentre(2, 2), Colour{kWordYellow});
    EXPECT_EQ(Screen(CellLeft(1) + 3, CellTop(2) + 3), Colour{kCursorOrange});
    OnKeyDown(window, 'J');
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST_F(TypingTest, AKeyOnABlackSquareOnlyPresents)
{
    Load({".AB", "CDE", "FGH"});
    Layout(kSmall);
    PaintGrid(window, kGridEntries);
    At(0, 0, kAcross);  // the black square
    const int frames = AutomationPresentCount();
    FillClient(kLineBlack);
    OnKeyDown(window, 'Q');
    EXPECT_EQ(gGame.entries[0], '.');
    // The view was copied to the screen again: the grid covers the black fill.
    EXPECT_EQ(ScreenCentre(1, 1), Colour{kPaperWhite});
    EXPECT_GE(AutomationPresentCount(), frames);
}

}  // namespace
