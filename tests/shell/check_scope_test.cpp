// Check Letter and Check Word beside Check Puzzle, from the tap-and-hold menu and the main
// menu, and the honest marks every check and reveal records whether Marks shows them or not.
#include "comforts_fixture.h"
#include "display_state.h"

namespace {

class CheckScopeTest : public ComfortsTest {
  protected:
    // Holds the stylus on square (row, col) and picks `item` (0 Letter, 1 Word, 2 Puzzle) of
    // the hold menu's Check. The menu opens at the point, items 18 pixels high: Clear, Fill,
    // View, Check; a sub-menu opens beside its item.
    void HoldCheck(int row, int col, int item)
    {
        const POINT p = CellCentreOnScreen(row, col);
        Hold(p.x, p.y);
        const int check = p.y + 3 * 18 + 9;
        AutomationTap(p.x + 20, check);
        AutomationTap(p.x + 100, check + item * 18);
        Idle();
    }
    int Red(int row, int col) const { return Count(row, col, kRevealRed); }
    bool WasWrong(int row, int col) const
    {
        return (gGame.playerMarks[row * 5 + col] & kMarkWasWrong) != 0;
    }
};

TEST_F(CheckScopeTest, LetterAndWordRedOnlyTheirWrongSquaresAndMarkThem)
{
    Open();
    TypeRow(0);
    TapCell(0, 1);
    Type("X");  // HXART
    TapCell(0, 3);
    Type("Q");  // HXAQT
    TapCell(1, 0);
    Type("Q");  // a wrong letter outside row 0
    const size_t boxes = AutomationMessageBoxes().size();

    HoldCheck(0, 0, 1);  // Check > Word on row 0
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_GT(Red(0, 1), 5);
    EXPECT_GT(Red(0, 3), 5);
    EXPECT_EQ(Red(0, 2), 0);
    EXPECT_EQ(Red(1, 0), 0);
    EXPECT_GT(Count(0, 4, kYellow), 50);  // the word keeps its highlight
    EXPECT_TRUE(WasWrong(0, 1));
    EXPECT_TRUE(WasWrong(0, 3));
    EXPECT_FALSE(WasWrong(0, 2));
    EXPECT_FALSE(WasWrong(1, 0));
    EXPECT_EQ(AutomationMessageBoxes().size(), boxes);  // the red letters are the report

    HoldCheck(0, 2, 0);  // Check > Letter on a right letter, then on the wrong one
    EXPECT_FALSE(WasWrong(0, 2));
    EXPECT_FALSE(WasWrong(1, 0));
    HoldCheck(1, 0, 0);
    EXPECT_TRUE(WasWrong(1, 0));
    EXPECT_GT(Red(1, 0), 5);

    // Marks off: recorded, not shown; the toggle shows them.
    EXPECT_EQ(Count(0, 1, kWrongCorner), 0);
    Command(IDM_MARKS);
    EXPECT_GT(Count(0, 1, kWrongCorner), 2);
    EXPECT_GT(Count(1, 0, kWrongCorner), 2);
    Command(IDM_MARKS);

    // Both are in the main menu too, beside Check Puzzle.
    EXPECT_TRUE(MenuItemEnabled(IDM_CHECK_LETTER));
    EXPECT_TRUE(MenuItemEnabled(IDM_CHECK_WORD));
    EXPECT_TRUE(MenuItemEnabled(IDM_CHECK));
}

// With Marks never on, a checked or revealed solve still says so, and a clean one does not.
TEST_F(CheckScopeTest, TheSolvedSignTellsACheckedOrRevealedSolveWithMarksOff)
{
    Open();
    TypeRow(0);
    TapCell(1, 0);
    Type("Q");
    Command(IDM_CHECK_WORD);
    TapCell(2, 2);
    Command(IDM_VIEW_LETTER);
    for (int row : {1, 2, 3, 4})
        TypeRow(row);
    ASSERT_EQ(gGame.settings.marks, 0);
    EXPECT_EQ(ClueBar(), u"Solved in 0:00 with 2 given");
}

}  // namespace
