// The play engine's moves on a small hand-made grid: letters with and without auto skip,
// Backspace, word jumps at both ends of the lists, taps and clue selection.
#include <string>

#include <gtest/gtest.h>

#include "game_state.h"
#include "play_cursor.h"
#include "puzzle_load.h"

namespace {

class PlayCursor : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(LoadGrid(kFiveByFive));
    }

    // Puts the cursor on (row, col) in `direction`.
    static void At(int row, int col, int direction)
    {
        gGame.cursorRow = row;
        gGame.cursorCol = col;
        gGame.direction = direction;
    }

    // Writes `letters` into the row or column from (row, col) on; ' ' leaves a square empty.
    static void Put(int row, int col, int direction, const std::string& letters)
    {
        for (size_t k = 0; k < letters.size(); ++k) {
            const int r = direction == kAcross ? row : row + int(k);
            const int c = direction == kAcross ? col + int(k) : col;
            gGame.entries[r * gGame.width + c] = letters[k] == ' ' ? '-' : letters[k];
        }
    }

    // Types `key` the way the play engine does it: store, then step.
    static void Type(int key)
    {
        if (StoreLetter(key))
            StepCursorAfterLetter();
    }

    static char EntryAt(int row, int col) { return gGame.entries[row * gGame.width + col]; }
};

#define EXPECT_CURSOR(row, col)                                                                    \
    do {                                                                                           \
        EXPECT_EQ(gGame.cursorRow, row);                                                           \
        EXPECT_EQ(gGame.cursorCol, col);                                                           \
    } while (0)

TEST_F(PlayCursor, LettersStepToTheNextSquareOfTheWordAndStopAtItsEnd)
{
    At(2, 0, kAcross);
    Put(2, 1, kAcross, "J");  // without auto skip a filled square is not skipped
    Type('I');
    EXPECT_EQ(EntryAt(2, 0), 'I');
    EXPECT_CURSOR(2, 1);

    At(2, 4, kAcross);  // last square of 6A, at the last column
    Type('M');
    EXPECT_EQ(EntryAt(2, 4), 'M');
    EXPECT_CURSOR(2, 4);

    At(0, 2, kAcross);  // 1A ends at a black square
    Type('C');
    EXPECT_CURSOR(0, 2);

    At(4, 2, kDown);  // 2D ends at the last row
    Type('S');
    EXPECT_CURSOR(4, 2);
    EXPECT_EQ(gGame.direction, kDown);
}

TEST_F(PlayCursor, AutoSkipLandsOnTheFirstEmptySquareAfterTheTypedOne)
{
    gGame.settings.autoSkip = 1;
    At(2, 0, kAcross);
    Put(2, 1, kAcross, "J   ");
    Type('I');
    EXPECT_CURSOR(2, 2);  // the next square is empty: no skip needed

    At(2, 0, kAcross);
    Put(2, 1, kAcross, "JK  ");
    Type('I');
    EXPECT_CURSOR(2, 3);  // J and K are skipped

    At(2, 0, kAcross);
    Put(2, 1, kAcross, "JKL ");
    Type('I');
    EXPECT_CURSOR(2, 4);  // the empty last square of the word
}

TEST_F(PlayCursor, AutoSkipStaysOnTheWordsLastSquareWhenNoEmptySquareFollows)
{
    gGame.settings.autoSkip = 1;
    At(0, 0, kAcross);  // 1A ends at a black square
    Put(0, 1, kAcross, "BC");
    Type('A');
    EXPECT_CURSOR(0, 2);

    At(1, 2, kAcross);  // 4A ends at the last column
    Put(1, 3, kAcross, "GH");
    Type('F');
    EXPECT_CURSOR(1, 4);

    At(0, 2, kDown);  // 2D ends at the last row
    Put(1, 2, kDown, "FKOS");
    Type('C');
    EXPECT_CURSOR(4, 2);

    At(4, 2, kDown);  // typed into the last square: nowhere to go
    Type('S');
    EXPECT_CURSOR(4, 2);
}

TEST_F(PlayCursor, LettersOnBlackSquaresOrBytesNoSquareHoldsChangeNothing)
{
    At(0, 3, kAcross);
    const std::string before(gGame.entries, 25);
    EXPECT_FALSE(StoreLetter('Q'));
    At(2, 2, kAcross);
    for (int notAnEntry : {int('a'), int('.'), int('-'), int(' '), 0x07})
        EXPECT_FALSE(StoreLetter(notAnEntry)) << notAnEntry;
    EXPECT_EQ(std::string(gGame.entries, 25), before);
}

TEST_F(PlayCursor, BackspaceEmptiesFirstAndOnlyThenStepsBackInsideTheWord)
{
    At(2, 0, kAcross);
    Put(2, 0, kAcross, "IJK");
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_EQ(EntryAt(2, 0), '-');
    EXPECT_CURSOR(2, 0);  // first square of the word: the cursor stays

    At(2, 2, kAcross);
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_EQ(EntryAt(2, 2), '-');
    EXPECT_EQ(EntryAt(2, 1), 'J');  // the square stepped back to keeps its letter
    EXPECT_CURSOR(2, 1);

    At(2, 2, kDown);  // Down steps up, within 2D
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_CURSOR(1, 2);

    At(2, 3, kDown);  // 5D is GL: from L back to G, not past it onto the black square
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_CURSOR(1, 3);
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_CURSOR(1, 3);

    At(2, 1, kDown);  // J has no down word: nothing to step back into
    Put(2, 1, kDown, "J");
    EXPECT_TRUE(EraseLetterAndStepBack());
    EXPECT_EQ(EntryAt(2, 1), '-');
    EXPECT_CURSOR(2, 1);

    At(3, 1, kAcross);  // black
    EXPECT_FALSE(EraseLetterAndStepBack());
    EXPECT_EQ(EntryAt(3, 1), '.');
}

TEST_F(PlayCursor, JumpToWordWalksTheListAndGoesToTheTopLeftPastEitherEnd)
{
    At(0, 1, kAcross);  // middle of 1A
    JumpToWord(kNextWord);
    EXPECT_CURSOR(1, 2);  // 4A
    JumpToWord(kNextWord);
    EXPECT_CURSOR(2, 0);  // 6A
    At(2, 3, kAcross);
    JumpToWord(kPreviousWord);
    EXPECT_CURSOR(1, 2);  // 4A

    At(4, 1, kAcross);  // 7A, the last across word
    JumpToWord(kNextWord);
    EXPECT_CURSOR(0, 0);
    At(0, 2, kAcross);  // 1A, the first
    JumpToWord(kPreviousWord);
    EXPECT_CURSOR(0, 0);
    EXPECT_EQ(gGame.direction, kAcross);

    At(2, 3, kDown);  // 5D, the last down word
    JumpToWord(kNextWord);
    EXPECT_CURSOR(0, 0);
    At(3, 4, kDown);  // 3D
    JumpToWord(kNextWord);
    EXPECT_CURSOR(1, 3);
    EXPECT_EQ(gGame.direction, kDown);
}

// A grid whose top-left square is black must not start the cursor there, nor send it there
// after the last word: the first key would land nowhere and the clue bar would be empty.
TEST_F(PlayCursor, TheFirstSquareIsTheFirstOneInAWordWhenTheTopLeftIsBlack)
{
    ASSERT_TRUE(LoadGrid({".ABC", "DEFG", "HIJ.", "K.LM"}));
    EXPECT_CURSOR(0, 1);  // where a newly opened puzzle starts
    At(2, 2, kAcross);
    SetCursorToFirstSquare();
    EXPECT_CURSOR(0, 1);
    At(3, 2, kAcross);  // the last across word
    JumpToWord(kNextWord);
    EXPECT_CURSOR(0, 1);
    At(2, 0, kDown);  // 4D, the last down word, in the first column
    JumpToWord(kNextWord);
    EXPECT_CURSOR(0, 1);
    EXPECT_EQ(gGame.direction, kDown);

    ASSERT_TRUE(LoadGrid(kFiveByFive));
    At(2, 2, kDown);
    SetCursorToFirstSquare();
    EXPECT_CURSOR(0, 0);
}

TEST_F(PlayCursor, JumpFromASquareOutsideEveryWordCountsFromPastTheLastWord)
{
    At(2, 1, kDown);  // J: no down word
    JumpToWord(kPreviousWord);
    EXPECT_CURSOR(1, 3);  // the last down word, 5D
    At(2, 1, kDown);
    JumpToWord(kNextWord);
    EXPECT_CURSOR(0, 0);
}

TEST_F(PlayCursor, TappingTheCurrentSquareTogglesAndOtherSquaresKeepTheDirection)
{
    At(2, 2, kAcross);
    EXPECT_TRUE(ApplyCellTap(2, 2, false));
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_TRUE(ApplyCellTap(2, 2, false));
    EXPECT_EQ(gGame.direction, kAcross);

    EXPECT_TRUE(ApplyCellTap(1, 3, false));  // G has both words
    EXPECT_CURSOR(1, 3);
    EXPECT_EQ(gGame.direction, kAcross);

    EXPECT_TRUE(ApplyCellTap(1, 3, true));  // a tap-and-hold never toggles
    EXPECT_EQ(gGame.direction, kAcross);
}

TEST_F(PlayCursor, TapsOnSquaresWithoutBothWordsLeaveTheCursor)
{
    At(2, 2, kAcross);
    EXPECT_FALSE(ApplyCellTap(0, 1, false));  // B: across only
    EXPECT_FALSE(ApplyCellTap(3, 0, false));  // N: down only
    EXPECT_FALSE(ApplyCellTap(0, 3, false));  // black
    EXPECT_FALSE(ApplyCellTap(5, 0, false));  // outside the grid
    EXPECT_FALSE(ApplyCellTap(0, -1, false));
    EXPECT_CURSOR(2, 2);
    EXPECT_EQ(gGame.direction, kAcross);

    At(0, 4, kDown);  // D, reached by a word jump, has no across word
    EXPECT_FALSE(ApplyCellTap(0, 4, false));
    EXPECT_EQ(gGame.direction, kAcross);  // it still toggles: it is the current square
    EXPECT_CURSOR(0, 4);
}

TEST_F(PlayCursor, SelectClueSetsTheDirectionAndGoesToTheFirstSquare)
{
    At(4, 4, kAcross);
    SelectClue(kDown, 3);  // 5D
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_CURSOR(1, 3);
    SelectClue(kAcross, 2);  // 6A
    EXPECT_EQ(gGame.direction, kAcross);
    EXPECT_CURSOR(2, 0);
    SelectClue(kAcross, 4);  // a free row
    EXPECT_CURSOR(2, 0);
}

TEST_F(PlayCursor, CurrentClueRowFollowsTheDirectionAndIsNoneOutsideEveryWord)
{
    At(2, 3, kAcross);
    ASSERT_NE(CurrentClueRow(), nullptr);
    EXPECT_EQ(CurrentClueRow()->number, 6);
    EXPECT_EQ(CurrentClueRow()->length, 5);
    ToggleDirection();
    ASSERT_NE(CurrentClueRow(), nullptr);
    EXPECT_EQ(CurrentClueRow()->number, 5);
    EXPECT_EQ(CurrentClueRow()->length, 2);

    At(2, 1, kDown);
    EXPECT_EQ(CurrentClueRow(), nullptr);
    int first = 0;
    int last = 0;
    CurrentWord(&first, &last);
    EXPECT_EQ(first, 11);
    EXPECT_EQ(last, 11);
}

}  // namespace

// Auto Skip across words goes round past the last across word to the first, and at last back
// into the word typed in, to its first empty square.
TEST_F(PlayCursor, SkippingAcrossWordsGoesRoundTheWordList)
{
    gGame.settings.autoSkip = 1;
    gGame.settings.skipAcrossWords = 1;
    Put(0, 0, kAcross, "A C");
    Put(1, 2, kAcross, "FGH");
    Put(2, 0, kAcross, "IJKLM");
    Put(4, 0, kAcross, "Q S");
    At(4, 0, kAcross);
    Type('Q');
    EXPECT_CURSOR(4, 1);
    Type('R');  // QRS is full, the last word: round to ABC's empty square
    EXPECT_CURSOR(0, 1);
    Put(0, 1, kAcross, "B");
    Put(2, 0, kAcross, " ");
    At(2, 3, kAcross);
    Type('L');  // every other word is full: back to this word's first empty square
    EXPECT_CURSOR(2, 0);
    Put(2, 0, kAcross, "I");
    At(2, 4, kAcross);
    Type('M');  // nothing empty anywhere: the word's last square, as Auto Skip alone
    EXPECT_CURSOR(2, 4);
}
