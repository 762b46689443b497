// The offsets that bring the current word into view, on a 21 x 21 grid at the Large cell
// size: forward without a distance limit, back only from less than one view away.
#include <string>

#include <gtest/gtest.h>

#include "game_state.h"
#include "play_cursor.h"
#include "play_scroll.h"
#include "puzzle_load.h"

namespace {

// Row 10 has two across words split by a black square in column 11; everything else is open.
std::vector<std::string> Rows21()
{
    std::vector<std::string> rows(21, std::string(21, 'A'));
    rows[10][11] = '.';
    return rows;
}

class PlayScroll : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(LoadGrid(Rows21()));
        gGame.cellSize = 24;  // Large
        gGame.viewWidth = 240;
        gGame.viewHeight = 248;
    }
};

TEST_F(PlayScroll, JumpingHomeScrollsBackOnlyFromLessThanOneViewAway)
{
    gGame.direction = kAcross;
    gGame.cursorRow = 20;
    gGame.scrollY = 200;  // less than a view height below the top
    JumpToWord(kNextWord);
    ASSERT_EQ(gGame.cursorRow, 0);
    EXPECT_TRUE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollY, 0);

    gGame.cursorRow = 20;
    gGame.scrollY = 248;  // exactly one view: too far, the offset stays
    JumpToWord(kNextWord);
    EXPECT_FALSE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollY, 248);
}

TEST_F(PlayScroll, ForwardScrollingHasNoDistanceLimit)
{
    gGame.direction = kAcross;
    gGame.cursorRow = 20;
    gGame.cursorCol = 0;
    EXPECT_TRUE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollY, 21 * 24 - 248);  // the cursor's row at the bottom of the view
    EXPECT_EQ(gGame.scrollX, 0);  // the 21-square word is wider than the view: left alone
}

TEST_F(PlayScroll, AWordShorterThanTheViewIsShownWhole)
{
    // Row 10 from column 12: a 9-square word, narrower than the view, ending at the last
    // column (504 pixels from the grid's left edge).
    gGame.direction = kAcross;
    gGame.cursorRow = 10;
    gGame.cursorCol = 12;
    EXPECT_TRUE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollX, 21 * 24 - 240);
    EXPECT_EQ(gGame.scrollY, 11 * 24 - 248);

    // Back to the first word of the row: its start is 264 pixels back, more than a view.
    gGame.cursorCol = 3;
    EXPECT_FALSE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollX, 264);

    // Down: the whole of column 20 is too tall for the view, but from row 15 to its end it
    // fits, so the view goes down to its end; sideways the cursor's square comes into view.
    gGame.scrollX = 0;
    gGame.scrollY = 0;
    gGame.direction = kDown;
    gGame.cursorRow = 15;
    gGame.cursorCol = 20;
    EXPECT_TRUE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollY, 21 * 24 - 248);
    EXPECT_EQ(gGame.scrollX, 21 * 24 - 240);
}

TEST_F(PlayScroll, SquaresAlreadyInViewChangeNothing)
{
    gGame.direction = kDown;
    gGame.cursorRow = 2;
    gGame.cursorCol = 2;
    gGame.scrollX = 24;
    gGame.scrollY = 24;
    // The column is 21 squares tall: no forward move; its start is above but only one
    // square back, so the view goes to the top; the cursor's column is visible.
    EXPECT_TRUE(ScrollOffsetsToCurrentWord());
    EXPECT_EQ(gGame.scrollY, 0);
    EXPECT_EQ(gGame.scrollX, 24);
    EXPECT_FALSE(ScrollOffsetsToCurrentWord());
}

}  // namespace
