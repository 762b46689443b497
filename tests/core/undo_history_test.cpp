// The undo history on its own: what makes a step, what taking one back restores and what it
// leaves, and the oldest steps going when the history is full.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "five_by_five_fixture.h"
#include "play_cursor.h"
#include "undo_history.h"

namespace {

using UndoHistory = FiveByFiveTest;

const std::string kEmpty = "---.-"
                           "-.---"
                           "-----"
                           "-.-.-"
                           "---.-";

// An action that changed nothing is no step; one that changed several squares is one, and
// taking it back puts the cursor on the first of them. An action not yet closed is a step too.
TEST_F(UndoHistory, EachActionIsOneStepTakenBackWhole)
{
    RecordUndoStep();
    EXPECT_FALSE(UndoLastStep());
    gGame.entries[0] = 'A';
    RecordUndoStep();
    gGame.entries[12] = 'K';
    gGame.entries[7] = 'F';
    RecordUndoStep();
    RecordUndoStep();
    gGame.entries[24] = 'T';  // left open when Undo comes

    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[24], '-');
    EXPECT_EQ(gGame.entries[12], 'K');
    At(0, 0, kAcross);
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[12], '-');
    EXPECT_EQ(gGame.entries[7], '-');
    EXPECT_EQ(CurrentSquare(), 7);
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(Entries(), kEmpty);
    EXPECT_FALSE(UndoLastStep());
}

// Rebus texts and pencil letters go back with the letters; the honest marks are not the
// player's to take back, and a change of those alone is no step.
TEST_F(UndoHistory, RebusAndPencilGoBackButHonestMarksStay)
{
    gGame.entries[1] = 'B';
    gGame.playerMarks[1] = kMarkPencil;
    RecordUndoStep();
    gGame.playerMarks[1] = 0;  // the same letter inked over
    RecordUndoStep();
    gGame.entries[2] = 'C';
    std::strcpy(gGame.playerRebus[2], "CAT");
    RecordUndoStep();
    gGame.entries[4] = 'D';  // a Fill with Marks on
    gGame.playerMarks[4] = kMarkGiven;
    RecordUndoStep();
    gGame.playerMarks[0] = kMarkWasWrong;  // a Check
    RecordUndoStep();

    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[4], '-');
    EXPECT_EQ(gGame.playerMarks[4], kMarkGiven);
    EXPECT_EQ(gGame.playerMarks[0], kMarkWasWrong);
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[2], '-');
    EXPECT_STREQ(gGame.playerRebus[2], "");
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[1], 'B');
    EXPECT_EQ(gGame.playerMarks[1], kMarkPencil);
    ASSERT_TRUE(UndoLastStep());
    EXPECT_EQ(gGame.entries[1], '-');
    EXPECT_EQ(gGame.playerMarks[1], 0);
    EXPECT_EQ(gGame.playerMarks[0], kMarkWasWrong);
}

// Steps of one grid never land on another: a reset, or a grid of another size, starts over.
TEST_F(UndoHistory, AnotherGridStartsAnEmptyHistory)
{
    gGame.entries[0] = 'A';
    RecordUndoStep();
    ResetUndoHistory();
    EXPECT_FALSE(UndoLastStep());
    EXPECT_EQ(gGame.entries[0], 'A');

    gGame.entries[1] = 'B';
    RecordUndoStep();
    gGame.width = 4;
    gGame.height = 4;
    gGame.entries[2] = 'C';
    RecordUndoStep();
    EXPECT_FALSE(UndoLastStep());
    EXPECT_EQ(std::string(gGame.entries, 3), "ABC");
}

// Runs `steps` actions, each writing the first `squares` squares with letters of its own, and
// takes them back while the history allows: every step taken back restores exactly the grid
// before it, the last 100 at least are there, and the oldest are gone.
void UndoAfterMany(int steps, int squares)
{
    const size_t n = size_t(gGame.width * gGame.height);
    std::vector<std::string> grids = {std::string(gGame.entries, n)};
    for (int k = 0; k < steps; ++k) {
        for (int i = 0; i < squares; ++i)
            gGame.entries[i] = char('A' + (k + i) % 26);
        RecordUndoStep();
        grids.push_back(std::string(gGame.entries, n));
    }
    int undone = 0;
    while (UndoLastStep()) {
        ++undone;
        ASSERT_LE(undone, steps);
        ASSERT_EQ(std::string(gGame.entries, n), grids[size_t(steps - undone)]) << undone;
    }
    EXPECT_GE(undone, 100);
    EXPECT_LT(undone, steps);
}

// The largest grid rewritten whole, step after step, outgrows the store of squares; a long
// game of single letters outgrows the count of steps.
TEST_F(UndoHistory, TheOldestStepsGoWhenTheHistoryIsFull)
{
    gGame.width = 40;
    gGame.height = 40;
    std::memset(gGame.entries, '-', kMaxCells);
    ResetUndoHistory();
    UndoAfterMany(200, kMaxCells);

    ASSERT_TRUE(LoadGrid(kFiveByFive));
    UndoAfterMany(1100, 1);
}

}  // namespace
