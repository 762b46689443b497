// The honest marks Check, View and Fill leave on squares, and what the solved sign makes of them.
#include "comforts_fixture.h"

namespace {

TEST_F(ComfortsTest, HonestMarksStayAfterCorrectionAndCountAsGiven)
{
    Open();
    TapCell(1, 0);
    Type("Q");
    Command(IDM_CHECK);
    TapCell(1, 0);
    Type("O");
    EXPECT_EQ(Count(1, 0, kWrongCorner), 0);

    Command(IDM_MARKS);
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_MARKS));
    TapCell(2, 0);
    Type("Q");
    Command(IDM_CHECK);
    TapCell(2, 0);
    Type("N");
    EXPECT_GT(Count(2, 0, kWrongCorner), 2);
    EXPECT_GT(Count(1, 0, kWrongCorner), 2);  // found wrong while Marks was off, shown now

    TapCell(3, 3);
    Command(IDM_VIEW_LETTER);
    TapCell(0, 0);
    EXPECT_GT(Count(3, 3, kGivenCorner), 2);
    TapCell(4, 0);
    if (gGame.direction != 0)
        Key(VK_RETURN);
    Command(IDM_FILL_WORD);
    Command(IDM_UNDO);  // the letters go back, the marks stay
    EXPECT_EQ(gGame.entries[20], '-');
    Command(IDM_FILL_WORD);
    for (int col = 0; col < 5; ++col)
        EXPECT_GT(Count(4, col, kGivenCorner), 2) << col;

    Command(IDM_MARKS);
    EXPECT_EQ(Count(4, 0, kGivenCorner), 0);
    Restart();
    Command(IDM_MARKS);
    EXPECT_GT(Count(2, 0, kWrongCorner), 2);
    EXPECT_GT(Count(4, 4, kGivenCorner), 2);

    for (int row : {0, 1, 2, 3})
        TypeRow(row);
    EXPECT_EQ(ClueBar(), u"Solved in 0:00 with 8 given");  // (1, 0) counts too
}

}  // namespace
