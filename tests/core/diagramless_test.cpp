// The player's layout of a diagramless puzzle: the grid starts open, the words and their clues
// follow the player's blocks, a block is checked and revealed like a letter, and a restored
// play keeps the player's blocks where an ordinary puzzle refuses them.
#include <gtest/gtest.h>

#include <string>

#include "diagramless.h"
#include "entry_check.h"
#include "fill_clear_entries.h"
#include "puzzle_load.h"

namespace {

// kFiveByFive's words: 1A ABC, 4A FGH, 6A IJKLM, 7A QRS; 1D AEINQ, 2D CFKOS, 3D DHMPT, 5D GL;
// clue texts "c0" ... "c7" in that clue order.
std::string Diagramless()
{
    PuzzleImage p = MakePuzzle(kFiveByFive);
    AddClues(&p);
    p.diagramless = true;  // its fill grid marks the blocks with ".", as real files do
    return Bytes(p);
}

std::string ClueOf(const ClueEntry& row)
{
    const char* text = gGame.clueTexts[row.clueIndex];
    return text ? text : "(none)";
}

TEST(Diagramless, TheGridStartsOpenAndItsWordsTakeTheFilesCluesByNumber)
{
    ASSERT_TRUE(LoadAndParse(Diagramless()));
    EXPECT_EQ(gGame.diagramless, 1);
    EXPECT_EQ(std::string(gGame.entries, 25), std::string(25, '-'));
    // One word per row and column, numbered 1-5 along the top and 6, 7, 8, 9 down the left.
    EXPECT_EQ(gGame.clueCount, 10);
    EXPECT_EQ(ClueOf(gGame.acrossClues[0]), "c0");      // 1-Across
    EXPECT_EQ(ClueOf(gGame.downClues[1]), "c2");        // 2-Down
    EXPECT_EQ(ClueOf(gGame.downClues[2]), "c3");        // 3-Down, wherever it starts
    EXPECT_EQ(ClueOf(gGame.downClues[3]), "(none)");    // the file has no 4-Down
    EXPECT_EQ(ClueOf(gGame.acrossClues[1]), "c6");      // 6-Across, though a row higher
    EXPECT_EQ(ClueOf(gGame.acrossClues[3]), "(none)");  // nor 8-Across
    // The file's words stay listed as the solution numbers them.
    const ClueEntry* across = FileWords(kAcross);
    EXPECT_EQ(across[1].number, 4);
    EXPECT_STREQ(FileClueText(across[1]), "c4");
    EXPECT_EQ(across[4].clueIndex, -1);
    EXPECT_EQ(FileSquareNumber(4), 3);
    EXPECT_EQ(gGame.cells[4].number, 5);

    SetCursorToCell(3);
    ASSERT_TRUE(ToggleBlock());
    EXPECT_EQ(gGame.cells[4].number, 4);
    EXPECT_EQ(gGame.acrossClues[0].length, 3);
}

TEST(Diagramless, ABlockIsCheckedAndRevealedLikeALetter)
{
    ASSERT_TRUE(LoadAndParse(Diagramless()));
    gGame.entries[3] = '.';  // right
    gGame.entries[6] = 'X';  // a letter on a hidden block
    gGame.entries[0] = '.';  // a block on a letter
    FollowPlayerBlocks();
    EXPECT_EQ(CheckSquare(3), kCheckRight);
    EXPECT_EQ(CheckSquare(6), kCheckWrong);
    EXPECT_EQ(CheckSquare(0), kCheckWrong);
    EXPECT_EQ(CheckSquare(16), kCheckEmpty);  // an empty square over a block is not wrong
    EXPECT_EQ(CheckEntries(), kCheckHasWrong);

    FillPuzzle();
    EXPECT_EQ(std::string(gGame.entries, 25), std::string(gGame.solution, 25));
    EXPECT_TRUE(PuzzleSolved());
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(gGame.cells[i].number, FileSquareNumber(i)) << i;
    ClearPuzzle();
    EXPECT_EQ(std::string(gGame.entries, 25), std::string(25, '-'));
    EXPECT_FALSE(PuzzleSolved());
}

TEST(Diagramless, ARestoredPlayKeepsThePlayersBlocksWhereAnOrdinaryPuzzleRefusesThem)
{
    std::string entries(25, '-');
    entries[0] = '.';
    entries[3] = '.';
    const RestoredPlay play = PlayOf(entries, 5, 5);
    ASSERT_TRUE(LoadAndParse(Diagramless(), &play));
    EXPECT_EQ(std::string(gGame.entries, 25), entries);
    EXPECT_EQ(gGame.cells[1].number, 1);  // the words start after the player's block

    PuzzleImage ordinary = MakePuzzle(kFiveByFive);
    AddClues(&ordinary);
    ASSERT_TRUE(LoadAndParse(Bytes(ordinary), &play));
    EXPECT_EQ(gGame.diagramless, 0);
    EXPECT_EQ(gGame.entries[0], '-');  // the record does not fit: the file's own start
    EXPECT_EQ(gGame.entries[6], '.');
}

}  // namespace
