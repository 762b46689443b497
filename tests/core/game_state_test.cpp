// Words through a square and cursor placement on parsed grids.
#include <gtest/gtest.h>

#include "game_state.h"
#include "puzzle_load.h"

namespace {

class GameStateWords : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        // 4 x 3:  A B . C
        //         D E F G
        //         H . I J
        ASSERT_TRUE(LoadGrid({"AB.C", "DEFG", "H.IJ"}));
    }
    static std::pair<int, int> Extent(int square, int direction)
    {
        int first;
        int last;
        WordExtent(square, direction, &first, &last);
        return {first, last};
    }
};

TEST_F(GameStateWords, StartUpValues)
{
    ResetGameState();
    EXPECT_EQ(gGame.width, 15);
    EXPECT_EQ(MagnificationIndex(gGame.settings), kSmall);
    EXPECT_EQ(gGame.settings.backgroundColour, RGB(255, 255, 255));
    EXPECT_EQ(gGame.settings.squareColour, RGB(0, 0, 0));
    EXPECT_EQ(gGame.cells[0].number, -1);
    EXPECT_EQ(gGame.acrossClues[0].clueIndex, -1);
    EXPECT_EQ(gGame.cellSize, 1);
}

TEST_F(GameStateWords, ExtentWalksBothWaysInsideTheWord)
{
    EXPECT_EQ(Extent(5, kAcross), std::make_pair(4, 7));  // middle of DEFG
    EXPECT_EQ(Extent(4, kDown), std::make_pair(0, 8));    // ADH from its middle
    EXPECT_EQ(Extent(10, kDown), std::make_pair(6, 10));  // FI from its end
}

TEST_F(GameStateWords, ExtentOfASquareOutsideAnyWordIsTheSquare)
{
    EXPECT_EQ(Extent(2, kAcross), std::make_pair(2, 2));  // black
    EXPECT_EQ(Extent(3, kAcross), std::make_pair(3, 3));  // C has no across word
    EXPECT_EQ(Extent(8, kAcross), std::make_pair(8, 8));  // H neither
    EXPECT_EQ(Extent(5, kDown), std::make_pair(1, 5));    // B-E down
}

TEST_F(GameStateWords, AcrossExtentNeverWrapsIntoTheNextRow)
{
    // G (7) ends row 1, I J (10, 11) start... row 2's word begins at 10; 7 and 8 are
    // neighbours by index only.
    EXPECT_EQ(Extent(7, kAcross), std::make_pair(4, 7));
    EXPECT_EQ(Extent(11, kAcross), std::make_pair(10, 11));
}

TEST_F(GameStateWords, WordNumberIsThatOfItsFirstSquare)
{
    int first;
    int last;
    WordExtent(6, kAcross, &first, &last);
    EXPECT_EQ(gGame.cells[first].number, gGame.cells[4].number);
    EXPECT_EQ(gGame.acrossClues[1].number, gGame.cells[first].number);
}

TEST_F(GameStateWords, SetCursorToCellUsesTheGridWidth)
{
    SetCursorToCell(7);
    EXPECT_EQ(gGame.cursorRow, 1);
    EXPECT_EQ(gGame.cursorCol, 3);
    SetCursorToCell(0);
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
}

}  // namespace
