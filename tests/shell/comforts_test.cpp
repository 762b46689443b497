// A solver's comforts played through the window procedure: pencil letters, the honest marks
// of Check, View and Fill, the clock in the title and the solved sign, and undo.
#include <string>
#include <vector>

#include "automation.h"
#include "clue_bar.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "main_window.h"
#include "puzzle_image.h"
#include "resource_ids.h"

namespace {

const std::vector<std::string> kRows = {"HEART", "OVERT", "NORTH", "EASEL", "SLEDS"};
constexpr COLORREF kPencil = 0x00808080;
constexpr COLORREF kWrongCorner = 0x000000E0;
constexpr COLORREF kGivenCorner = 0x00E06000;

class ComfortsTest : public GameDialogTest {
  protected:
    // The five-by-five puzzle with a clue per word and `sections` after its strings.
    void Open(const std::string& sections = "")
    {
        PuzzleImage p = MakePuzzle(kRows);
        AddClues(&p);
        p.sections = sections;
        WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
        Restart();
    }
    void Type(const std::string& letters)
    {
        for (char c : letters)
            Key(UINT(c));
    }
    // Types every solution letter of row `row` from its first square.
    void TypeRow(int row)
    {
        TapCell(row, 0);
        if (gGame.direction != 0)
            Key(VK_RETURN);
        Type(kRows[size_t(row)]);
    }
    int Count(int row, int col, COLORREF colour) const
    {
        return CountPixels(CellOnScreen(row, col), colour);
    }
    std::u16string Title() const
    {
        WCHAR text[64] = {};
        GetWindowTextW(window, text, 64);
        return text;
    }
    std::u16string ClueBar() const
    {
        WCHAR text[300];
        ComposeClueBarText(text);
        return text;
    }
    // White pixels of the title in the navigation bar: its text as drawn.
    static int TitleInk()
    {
        int n = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 26; x < 236; ++x)
                n += AutomationScreenPixel(x, y) == 0x00FFFFFF;
        return n;
    }
    void Wait(int ms)
    {
        AutomationAdvance(uint32_t(ms));
        Idle();
    }
};

// Letters typed while Pencil is on are grey and checked like any; ink typed over one makes
// it ink; the pencil letters and the toggle come back after a restart.
TEST_F(ComfortsTest, PencilLettersAreGreyCheckedAndKeptUntilInkedOver)
{
    Open();
    EXPECT_FALSE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    TapCell(1, 0);
    Type("O");
    EXPECT_EQ(Count(1, 0, kPencil), 0);
    Command(IDM_PENCIL);
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    Type("VQ");  // (1, 1) right, (1, 2) wrong
    EXPECT_GT(Count(1, 1, kPencil), 4);
    EXPECT_GT(Count(1, 2, kPencil), 4);
    Command(IDM_CHECK);
    EXPECT_GT(CountReddish(CellOnScreen(1, 2)), 0);
    EXPECT_EQ(CountReddish(CellOnScreen(1, 1)), 0);

    Restart();
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_PENCIL));
    EXPECT_EQ(std::string(gGame.entries + 5, 3), "OVQ");
    EXPECT_GT(Count(1, 1, kPencil), 4);
    EXPECT_EQ(Count(1, 0, kPencil), 0);

    Command(IDM_PENCIL);
    TapCell(1, 1);
    Type("V");
    EXPECT_EQ(Count(1, 1, kPencil), 0);
    EXPECT_GT(CountDark(1, 1), 4);
    EXPECT_GT(Count(1, 2, kPencil), 4);
}

// With Marks off, a corrected square shows nothing of its past. With Marks on, a square Check
// found wrong keeps a red corner once corrected and squares given by View or Fill a blue one;
// the solved sign counts them, undo does not take them back, and they survive a restart.
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
    EXPECT_EQ(Count(1, 0, kWrongCorner), 0);  // found wrong while Marks was off

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
    EXPECT_EQ(ClueBar(), u"Solved in 0:00 with 7 given");
}

// The clock runs while the game is active with a puzzle open, pauses with a tap on the title
// and while a dialog is up, starts from the file's own time, and is kept with the progress.
// The last right letter stops it and the clue bar says so.
TEST_F(ComfortsTest, TheClockRunsPausesStopsWhenSolvedAndIsKept)
{
    Open(Section("LTIM", "65,0"));
    EXPECT_EQ(Title(), u"Crossword 1:05");
    Wait(5000);
    EXPECT_EQ(Title(), u"Crossword 1:10");

    const int running = TitleInk();
    AutomationTap(120, 13);
    Idle();
    EXPECT_EQ(Title(), u"Crossword 1:10 paused");
    EXPECT_GT(TitleInk(), running);  // the navigation bar shows it
    Wait(5000);
    EXPECT_EQ(Title(), u"Crossword 1:10 paused");
    AutomationTap(120, 13);
    Wait(2000);
    EXPECT_EQ(Title(), u"Crossword 1:12");

    AutomationAdvance(4000);
    TapNavigationOk();
    Command(IDM_CLUE_LIST);
    EXPECT_EQ(Title(), u"Crossword 1:12");

    Restart();
    EXPECT_EQ(Title(), u"Crossword 1:12");
    for (int row : {0, 1, 2, 3})
        TypeRow(row);
    TapCell(4, 0);
    Type("SLED");
    Wait(3000);
    EXPECT_NE(ClueBar().substr(0, 6), u"Solved");
    const RECT bar = {0, ClueBarTop(window), 240, ClueBarTop(window) + 16};
    const int clueInk = CountDarkIn(bar);
    Type("S");
    EXPECT_EQ(ClueBar(), u"Solved in 1:15");
    EXPECT_NE(CountDarkIn(bar), clueInk);  // the clue bar was repainted with it
    Wait(5000);
    EXPECT_EQ(Title(), u"Crossword 1:15");
    Restart();
    EXPECT_EQ(ClueBar(), u"Solved in 1:15");
}

// Ctrl+Z and Undo take back one change at a time, at least a hundred, each moving the cursor
// to the square it changed; a Fill and a Clear of the puzzle are one step each.
TEST_F(ComfortsTest, UndoTakesBackAHundredChangesOneAtATime)
{
    Open();
    std::vector<std::string> grids = {std::string(gGame.entries, 25)};
    for (int k = 0; k < 120; ++k) {
        TapCell(k / 5 % 5, k % 5);
        Key(UINT('A' + k % 26));
        grids.push_back(std::string(gGame.entries, 25));
    }
    Command(IDM_FILL_PUZZLE);
    AutomationAnswerMessageBox(u"Are You Sure?", IDYES);
    Command(IDM_CLEAR_PUZZLE);
    ASSERT_EQ(std::string(gGame.entries, 25), std::string(25, '-'));
    Command(IDM_UNDO);
    EXPECT_EQ(std::string(gGame.entries, 25), "HEARTOVERTNORTHEASELSLEDS");
    Command(IDM_UNDO);
    EXPECT_EQ(std::string(gGame.entries, 25), grids.back());

    for (int step = 0; step < 100; ++step) {
        const int k = 119 - step;
        Command(IDM_UNDO);
        ASSERT_EQ(std::string(gGame.entries, 25), grids[size_t(k)]) << step;
        ASSERT_EQ(gGame.cursorRow * 5 + gGame.cursorCol, k % 25) << step;
    }
    EXPECT_GT(CountDark(3, 4), 0);  // typed before the last step taken back
    EXPECT_EQ(CountDark(4, 1), 0);

    // Ctrl+Z in the game's own loop, which translates the accelerators.
    TapCell(4, 1);
    Key('Q');
    CtrlKey('Z');
    CtrlKey('Q');
    EXPECT_EQ(RunMessageLoop(instance), 0);
    window = nullptr;
    EXPECT_EQ(RecordEntries(StateFile(), 25), grids[20]);
}

// The entries the current clue names are tinted under its highlight while it is current,
// also as letters are typed into it; another word takes the tint away.
TEST_F(ComfortsTest, EntriesTheClueNamesAreTintedUntilTheWordChanges)
{
    PuzzleImage p = MakePuzzle(kRows);
    AddClues(&p);
    p.clues[0] = "Ties 7-Across to 3- and 5-Down";  // 1-Across
    WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
    Restart();
    TapCell(0, 0);
    if (gGame.direction != kAcross)
        Key(VK_RETURN);
    const auto tinted = [this](int row, int col) { return Count(row, col, kReferenceTint) > 20; };
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(tinted(row, col), row > 0 && (row == 2 || col == 2 || col == 4))
                << row << "," << col;
    Key('H');
    EXPECT_TRUE(tinted(2, 0));
    TapCell(1, 0);  // 6-Across names nothing
    EXPECT_FALSE(tinted(2, 0));
    EXPECT_FALSE(tinted(3, 4));
}

}  // namespace
