// Letters and Backspace with their repaints, as the screen shows them, and the view that
// follows the current word in Large magnification.
#include "automation.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_draw.h"
#include "grid_paint.h"
#include "layout.h"
#include "play_input.h"

namespace {

class PlayInputTest : public DisplayTest {
  protected:
    Colour ScreenCentre(int row, int col) const
    {
        const POINT p = CellCentre(row, col);
        return Screen(p.x - gGame.scrollX, p.y - gGame.scrollY);
    }
};

TEST_F(PlayInputTest, ALetterMovesTheHighlightAndReachesTheScreen)
{
    Load(kFiveByFive);
    Layout(kSmall);
    At(2, 0, kAcross);
    EnterKey(window, 'I');
    EXPECT_EQ(gGame.entries[10], 'I');
    EXPECT_EQ(ScreenCentre(2, 1), Colour{kCursorOrange});
    EXPECT_EQ(Screen(CellLeft(0) + 3, CellTop(2) + 3), Colour{kWordYellow});
    EXPECT_NE(ScreenInkWhere(CellInside(2, 0), IsDark).right, 0) << "the letter is not shown";
    // The clue bar under the view was repainted for 6A.
    EXPECT_NE(ScreenInkWhere({0, 248, 240, 268}, IsDark).right, 0);
}

TEST_F(PlayInputTest, BackspaceShowsTheEmptiedSquareAndTheStepBack)
{
    Load(kFiveByFive);
    Layout(kSmall);
    gGame.entries[11] = 'J';
    gGame.entries[12] = 'K';
    At(2, 2, kAcross);
    PaintGrid(window);
    const int before = AutomationGdiObjectCount();
    EnterKey(window, 8);
    EXPECT_EQ(gGame.entries[12], '-');
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(ScreenCentre(2, 2), Colour{kWordYellow});
    EXPECT_EQ(Screen(CellLeft(1) + 3, CellTop(2) + 3), Colour{kCursorOrange});
    EnterKey(window, 'J');
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST_F(PlayInputTest, AKeyOnABlackSquareOnlyPresents)
{
    Load({".AB", "CDE", "FGH"});
    Layout(kSmall);
    PaintGrid(window);
    At(0, 0, kAcross);  // the black square
    const int frames = AutomationPresentCount();
    FillClient(kLineBlack);
    EnterKey(window, 'Q');
    EXPECT_EQ(gGame.entries[0], '.');
    // The view was copied to the screen again: the grid covers the black fill.
    EXPECT_EQ(ScreenCentre(1, 1), Colour{kPaperWhite});
    EXPECT_GE(AutomationPresentCount(), frames);
}

TEST_F(PlayInputTest, ScrollWordIntoViewPresentsOnlyWhenItScrolled)
{
    Load(OpenGrid(21, 21));
    Layout(kLarge);
    PaintGrid(window);
    At(20, 0, kAcross);
    FillClient(kLineBlack);
    ScrollWordIntoView(window);  // forward: the last row comes to the bottom of the view
    EXPECT_EQ(gGame.scrollY, 21 * 24 - 248);
    EXPECT_EQ(Screen(12, 247), Colour{kPaperWhite});  // the last row's square, presented

    FillClient(kLineBlack);
    ScrollWordIntoView(window);  // nothing to do: nothing drawn
    EXPECT_EQ(Screen(12, 247), Colour{kLineBlack});
}

}  // namespace
