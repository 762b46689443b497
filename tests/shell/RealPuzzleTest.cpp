// What real puzzles carry beyond letters, played through the window procedure: circled
// squares in every painter and magnification, several letters in a square, a locked
// solution opened with its key, and notes.
#include <cstring>
#include <string>

#include "GameDialogFixture.h"
#include "PuzzleImage.h"
#include "ResourceIds.h"
#include "automation.h"
#include "clue_bar.h"
#include "game_state.h"
#include "shell_state.h"

namespace {

constexpr COLORREF kCircleGrey = 0x00707070;

class RealPuzzleTest : public GameDialogTest {
  protected:
    // A 5 x 5 lattice-free grid: rows "HEART" ... with square (0, 1) a rebus "EAR" and the
    // squares in `circled` circled.
    static std::string RebusPuzzle()
    {
        PuzzleImage p = MakePuzzle({"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"});
        AddClues(&p);
        std::string rebus(25, '\0');
        rebus[1] = 1;  // key 0
        std::string flags(25, '\0');
        flags[12] = char(0x80);
        p.sections = Section("GRBS", rebus) + Section("RTBL", " 0:EAR;") + Section("GEXT", flags);
        return Bytes(p);
    }
    std::u16string ClueBar() const
    {
        WCHAR text[300];
        ComposeClueBarText(text);
        return text;
    }
    void Type(const char* letters)
    {
        for (const char* p = letters; *p; ++p)
            Key(UINT(*p));
    }
    int Reddish(int row, int col) const { return CountReddish(CellOnScreen(row, col)); }
};

// Insert opens the entry on the current square; letters gather there and in the clue bar;
// Enter ends it and the cursor moves on. Check takes the whole text (any case) or the first
// letter alone as right; the rebus comes back after a restart.
TEST_F(RealPuzzleTest, ARebusIsEnteredCheckedSavedAndRestored)
{
    WriteDeviceFile("\\My Documents\\a.puz", RebusPuzzle());
    Restart();
    TapCell(0, 1);
    Key(VK_INSERT);
    Key(VK_SHIFT);  // held for capitals on a desktop keyboard
    Type("EA");
    EXPECT_EQ(ClueBar(), u"Rebus 1 a: -[EA_]---");
    Key('R');
    Key(VK_RETURN);
    EXPECT_EQ(gGame.entries[1], 'E');
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(ClueBar(), u"1 a: c0 (5) -[EAR]---");

    Command(IDM_CHECK);
    EXPECT_EQ(Reddish(0, 1), 0);
    // Several letters that are not the rebus are wrong; the first letter alone is right.
    TapCell(0, 1);
    Command(IDM_REBUS);
    Key(VK_BACK);
    Key('T');
    Key(VK_RETURN);
    EXPECT_STREQ(gGame.playerRebus[1], "EAT");
    Command(IDM_CHECK);
    EXPECT_GT(Reddish(0, 1), 0);

    // Escape drops what was typed; the hold menu's item opens the entry too.
    TapCell(0, 1);
    Command(IDM_REBUS);
    Type("XY");
    Key(VK_ESCAPE);
    EXPECT_STREQ(gGame.playerRebus[1], "EAT");
    Command(IDM_FILL_LETTER);
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");

    Restart();
    EXPECT_STREQ(gGame.playerRebus[1], "EAR");
    EXPECT_EQ(gGame.entries[1], 'E');
}

}  // namespace
