// Fill, Clear and the check verdict on a small hand-made grid.
#include <string>

#include <gtest/gtest.h>

#include "entry_check.h"
#include "fill_clear_entries.h"
#include "five_by_five_fixture.h"

namespace {

const std::string kSolution = "ABC.DE.FGHIJKLMN.O.PQRS.T";

using FillClear = FiveByFiveTest;

TEST_F(FillClear, FillWordDownLeavesTheAcrossWordExceptTheSharedSquare)
{
    At(2, 2, kDown);
    FillWord();
    EXPECT_EQ(Entries(), "--C.-"
                         "-.F--"
                         "--K--"
                         "-.O.-"
                         "--S.-");
}

TEST_F(FillClear, FillAndClearOfALetterOrAWordNeverMoveTheCursor)
{
    gGame.settings.autoSkip = 1;
    At(2, 1, kAcross);
    FillLetter();
    FillWord();
    ClearLetter();
    EXPECT_EQ(Entries(), "---.-"
                         "-.---"
                         "I-KLM"
                         "-.-.-"
                         "---.-");
    ClearWord();
    FillPuzzle();
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(gGame.direction, kAcross);
}

TEST_F(FillClear, BlackSquaresAreNeverWritten)
{
    At(3, 1, kAcross);
    FillLetter();
    FillWord();
    ClearLetter();
    ClearWord();
    EXPECT_EQ(Entries(), "---.-"
                         "-.---"
                         "-----"
                         "-.-.-"
                         "---.-");
}

TEST_F(FillClear, ASquareOutsideEveryWordIsItsOwnWord)
{
    At(2, 1, kDown);  // J has no down word
    FillWord();
    EXPECT_EQ(Entries(), "---.-"
                         "-.---"
                         "-J---"
                         "-.-.-"
                         "---.-");
}

TEST_F(FillClear, FillPuzzleCopiesTheSolutionAndClearPuzzleLeavesOnlyBlackAndEmpty)
{
    FillPuzzle();
    EXPECT_EQ(Entries(), kSolution);
    ClearPuzzle();
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(gGame.entries[i], kSolution[i] == '.' ? '.' : '-') << "square " << i;
}

TEST_F(FillClear, CheckVerdictNotStartedThenRightThenWrong)
{
    EXPECT_EQ(CheckEntries(), kCheckNotStarted);
    gGame.entries[0] = 'A';
    EXPECT_EQ(CheckEntries(), kCheckAllRight);
    EXPECT_EQ(CheckSquare(0), kCheckRight);
    gGame.entries[1] = 'X';
    EXPECT_EQ(CheckEntries(), kCheckHasWrong);
    EXPECT_EQ(CheckSquare(1), kCheckWrong);
    EXPECT_EQ(CheckSquare(2), kCheckEmpty);
    EXPECT_EQ(CheckSquare(3), kCheckBlack);
    FillPuzzle();
    EXPECT_EQ(CheckEntries(), kCheckAllRight);
}

}  // namespace
