// The marks beside the letters, made square by square: pencil letters by the toggle, the
// honest marks whatever Marks says, and which squares count as given or found wrong.
#include <string>

#include <gtest/gtest.h>

#include "five_by_five_fixture.h"
#include "square_marks.h"

namespace {

using SquareMarks = FiveByFiveTest;

// The grid's squares that carry `flag` as "x", the others as they play: "." black, "-" open.
std::string Carrying(uint8_t flag)
{
    std::string picture;
    for (int i = 0; i < 25; ++i)
        picture += gGame.solution[i] == '.' ? '.' : (gGame.playerMarks[i] & flag) ? 'x' : '-';
    return picture;
}

TEST_F(SquareMarks, PencilFollowsTheToggleAndGoesAloneWhenErased)
{
    gGame.playerMarks[0] = kMarkWasWrong;
    gGame.settings.pencil = 1;
    MarkTyped(0);
    EXPECT_EQ(gGame.playerMarks[0], kMarkWasWrong | kMarkPencil);
    gGame.settings.pencil = 0;
    MarkTyped(0);  // inked over
    EXPECT_EQ(gGame.playerMarks[0], kMarkWasWrong);

    gGame.settings.pencil = 1;
    MarkTyped(0);
    MarkTyped(1);
    MarkErased(0);
    EXPECT_EQ(gGame.playerMarks[0], kMarkWasWrong);
    EXPECT_EQ(gGame.playerMarks[1], kMarkPencil);
    EXPECT_EQ(MarkedSquares(), 1);  // a pencil letter is no honest mark
}

// Given are the open squares of the scope that were not already right: empty or wrong.
TEST_F(SquareMarks, GivenMarksTheScopesSquaresThePlayerHadNotRight)
{
    gGame.entries[0] = 'A';  // right
    gGame.entries[1] = 'X';  // wrong
    At(0, 1, kAcross);
    MarkGiven(kMarkWord);  // Marks off: made all the same
    EXPECT_EQ(Carrying(kMarkGiven), "-xx.-"
                                    "-.---"
                                    "-----"
                                    "-.-.-"
                                    "---.-");
    At(3, 2, kDown);
    MarkGiven(kMarkWord);
    At(2, 1, kDown);  // in no down word: the letter alone
    MarkGiven(kMarkLetter);
    EXPECT_EQ(Carrying(kMarkGiven), "-xx.-"
                                    "-.x--"
                                    "-xx--"
                                    "-.x.-"
                                    "--x.-");
    MarkGiven(kMarkPuzzle);
    EXPECT_EQ(Carrying(kMarkGiven), "-xx.x"
                                    "x.xxx"
                                    "xxxxx"
                                    "x.x.x"
                                    "xxx.x");
    EXPECT_EQ(MarkedSquares(), 19);
}

// A square found wrong keeps its mark when corrected; empty and right squares get none.
TEST_F(SquareMarks, WrongSquaresKeepTheirMarkOnceCorrected)
{
    gGame.entries[0] = 'Q';
    gGame.entries[5] = 'E';
    gGame.entries[24] = 'Q';
    At(0, 1, kAcross);
    MarkWrongSquares(kMarkLetter);  // (0, 1) is empty
    EXPECT_EQ(MarkedSquares(), 0);
    MarkWrongSquares(kMarkWord);  // (0, 0) only
    EXPECT_EQ(MarkedSquares(), 1);
    MarkWrongSquares(kMarkPuzzle);
    gGame.entries[0] = 'A';
    gGame.entries[24] = 'T';
    MarkWrongSquares(kMarkPuzzle);
    EXPECT_EQ(Carrying(kMarkWasWrong), "x--.-"
                                       "-.---"
                                       "-----"
                                       "-.-.-"
                                       "---.x");
    gGame.playerMarks[1] = kMarkGiven;
    gGame.playerMarks[24] |= kMarkGiven;  // given and found wrong: one square
    EXPECT_EQ(MarkedSquares(), 3);
}

}  // namespace
