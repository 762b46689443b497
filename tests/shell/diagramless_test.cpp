// A diagramless puzzle played through the window procedure: the grid starts with no block,
// the player places blocks with "." and with Block (main menu and hold menu), the words,
// the numbers and the clue bar follow them, Check, View and Undo treat them like letters, the
// solved sign waits for every block, and a restart brings the player's blocks back.
#include "comforts_fixture.h"
#include "display_state.h"

namespace {

// kFiveByFive, its blocks hidden. The file's words: 1A ABC, 4A FGH, 6A IJKLM, 7A QRS; 1D AEINQ,
// 2D CFKOS, 3D DHMPT, 5D GL, clue texts "c0" ... "c7" in that clue order (4A is "c4").
constexpr int kTrueBlocks[] = {3, 6, 16, 18, 23};

class DiagramlessTest : public ComfortsTest {
  protected:
    void OpenDiagramless(bool diagramless = true)
    {
        PuzzleImage p = MakePuzzle(kFiveByFive);
        AddClues(&p);
        p.diagramless = diagramless;
        WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
        Restart();
    }
    void Period()
    {
        AutomationChar(u'.');
        Idle();
    }
    // Holds the stylus on square (row, col) and picks Block, the hold menu's sixth item (18
    // pixels each: Clear, Fill, View, Check, Rebus..., Block).
    void HoldBlackSquare(int row, int col)
    {
        const POINT p = CellCentreOnScreen(row, col);
        Hold(p.x, p.y);
        AutomationTap(p.x + 20, p.y + 5 * 18 + 9);
        Idle();
    }
    char Entry(int row, int col) const { return gGame.entries[row * 5 + col]; }
    int Number(int row, int col) const { return gGame.cells[row * 5 + col].number; }
    int Black(int row, int col) const { return Count(row, col, kBlackInk); }
    // Most of the inside of a square: a block, not the ink of a letter.
    int Filled() const
    {
        const RECT r = CellOnScreen(0, 0);
        return (r.right - r.left) * (r.bottom - r.top) / 2;
    }
    // Every solution letter typed into its square, blocks left as they are.
    void TypeLetters()
    {
        for (int i = 0; i < 25; ++i) {
            const char letter = kFiveByFive[size_t(i / 5)][size_t(i % 5)];
            if (letter == '.')
                continue;
            TapCell(i / 5, i % 5);
            Key(UINT(letter));
        }
    }
};

TEST_F(DiagramlessTest, BlocksArePlacedByPeriodAndBlackSquareAndTheWordsFollowThem)
{
    OpenDiagramless();
    // All open: no block drawn, every square empty, one word per row and per column.
    for (const int i : kTrueBlocks) {
        EXPECT_EQ(gGame.entries[i], '-');
        EXPECT_EQ(Black(i / 5, i % 5), 0);
    }
    EXPECT_EQ(Number(0, 4), 5);
    EXPECT_TRUE(MenuItemEnabled(IDM_BLOCK));
    EXPECT_NE(ClueBar().find(u"1 a: c0"), std::u16string::npos);

    Type("ABC");  // from the first square, Across
    Period();     // a block, and on to the next square as after a letter
    EXPECT_EQ(Entry(0, 3), '.');
    EXPECT_EQ(gGame.cursorCol, 4);
    EXPECT_GT(Black(0, 3), Filled());
    EXPECT_EQ(Number(0, 4), 4);  // 1, 2, 3 on the first three squares, then this one
    EXPECT_EQ(gGame.acrossClues[0].length, 3);
    // (0, 4) starts only a down word: a tap turns to it. The file has no 4-Down.
    TapCell(0, 4);
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_NE(ClueBar().find(u"4 d: no clue has this number"), std::u16string::npos);

    HoldBlackSquare(1, 1);
    EXPECT_EQ(Entry(1, 1), '.');
    TapCell(3, 1);
    Command(IDM_BLOCK);
    TapCell(3, 3);
    Command(IDM_BLOCK);
    Command(IDM_BLOCK);  // toggled off again
    EXPECT_EQ(Entry(3, 3), '-');
    Command(IDM_BLOCK);
    EXPECT_EQ(Entry(3, 3), '.');
    TapCell(4, 3);
    Period();
    // The file's layout: its numbers, and the file's clue of each word.
    EXPECT_EQ(Number(0, 4), 3);
    EXPECT_EQ(Number(1, 2), 4);
    EXPECT_EQ(Number(2, 0), 6);
    EXPECT_EQ(Number(4, 0), 7);
    TapCell(1, 2);
    if (gGame.direction != kAcross)
        Key(VK_RETURN);
    EXPECT_NE(ClueBar().find(u"4 a: c4"), std::u16string::npos);

    // A letter replaces a placed block, Backspace clears one, Undo brings it back.
    TapCell(3, 3);
    Key('X');
    EXPECT_EQ(Entry(3, 3), 'X');
    EXPECT_GT(Number(3, 2), 0);  // O X P: an across word starts where none did
    Command(IDM_UNDO);
    EXPECT_EQ(Entry(3, 3), '.');
    EXPECT_EQ(Number(3, 2), -1);
    TapCell(3, 3);
    Key(VK_BACK);
    EXPECT_EQ(Entry(3, 3), '-');
    Command(IDM_UNDO);
    EXPECT_EQ(Entry(3, 3), '.');
}

TEST_F(DiagramlessTest, CheckViewAndTheSolvedSignCountBlocksAndARestartKeepsThem)
{
    OpenDiagramless();
    TypeLetters();
    for (const int i : {3, 6, 16})  // three of the five blocks
    {
        TapCell(i / 5, i % 5);
        Command(IDM_BLOCK);
    }
    TapCell(2, 2);
    Period();  // a block where the solution has K
    EXPECT_EQ(gGame.solved, 0);

    Command(IDM_CHECK);  // the wrong block is red, the right ones are not
    EXPECT_GT(CountReddish(CellOnScreen(2, 2)), Filled());
    EXPECT_EQ(CountReddish(CellOnScreen(0, 3)), 0);
    EXPECT_NE(gGame.playerMarks[12] & kMarkWasWrong, 0);
    EXPECT_EQ(gGame.playerMarks[3] & kMarkWasWrong, 0);
    TapCell(2, 2);
    Key('K');

    // Everything right but two blocks not yet placed: not solved; empty is not wrong.
    EXPECT_EQ(gGame.solved, 0);
    Command(IDM_CHECK);
    EXPECT_EQ(CountReddish(CellOnScreen(3, 3)), 0);
    // View Letter shows the hidden block; Fill Letter places it.
    TapCell(3, 3);
    Command(IDM_VIEW_LETTER);
    EXPECT_GT(Black(3, 3), Filled());
    EXPECT_NE(gGame.playerMarks[18] & kMarkGiven, 0);
    Command(IDM_FILL_LETTER);
    EXPECT_EQ(Entry(3, 3), '.');
    EXPECT_EQ(gGame.solved, 0);
    TapCell(4, 3);
    Period();  // the last block: solved
    EXPECT_EQ(gGame.solved, 1);
    EXPECT_EQ(ClueBar().rfind(u"Solved in", 0), 0u);

    Restart();
    for (const int i : kTrueBlocks)
        EXPECT_EQ(gGame.entries[i], '.');
    EXPECT_GT(Black(0, 3), Filled());
    EXPECT_EQ(Number(1, 2), 4);
    EXPECT_EQ(gGame.solved, 1);
}

TEST_F(DiagramlessTest, AnOrdinaryPuzzleKeepsItsBlocksAndRefusesThePlayers)
{
    OpenDiagramless(false);
    EXPECT_FALSE(MenuItemEnabled(IDM_BLOCK));
    EXPECT_EQ(Entry(0, 3), '.');
    EXPECT_GT(Black(0, 3), Filled());
    TapCell(0, 0);
    Period();
    Command(IDM_BLOCK);
    EXPECT_EQ(Entry(0, 0), '-');
    EXPECT_EQ(Number(0, 4), 3);
}

}  // namespace
