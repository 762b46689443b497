// The menu and toolbar commands: View with its one-shot red, Fill, Clear and Check with their
// messages, the on-screen keyboard, the input panel, Puzzle Info and the toggles.
#include "automation.h"
#include "game_state.h"
#include "puzzle_image.h"
#include "resource_ids.h"
#include "shell_fixture.h"
#include "shell_state.h"

namespace {

constexpr COLORREF kKeyboardGrey = 0x00C0C0C0;  // the keyboard picture's frame

class CommandsTest : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15), "Lattice");
        Start();
    }
    int Reddish(int row, int col) const { return CountReddish(CellOnScreen(row, col)); }
    size_t Boxes() const { return AutomationMessageBoxes().size(); }
    bool EntriesAre(const std::string& expected) const
    {
        return std::string(gGame.entries, size_t(gGame.width * gGame.height)) == expected;
    }
    static std::string Solution() { return std::string(gGame.solution, 15 * 15); }
};

TEST_F(CommandsTest, ViewShowsTheSolutionInRedUntilTheNextRepaint)
{
    Command(IDM_VIEW_LETTER);
    EXPECT_GT(Reddish(0, 0), 5);
    EXPECT_EQ(Reddish(0, 1), 0);
    Key(VK_HOME);  // any repaint
    EXPECT_EQ(Reddish(0, 0), 0);

    Command(IDM_VIEW_WORD);
    EXPECT_GT(Reddish(0, 14), 5);
    EXPECT_EQ(Reddish(1, 0), 0);
    Key(VK_HOME);
    EXPECT_EQ(Reddish(0, 14), 0);

    Command(IDM_VIEW_PUZZLE);
    EXPECT_GT(Reddish(14, 14), 5);
    EXPECT_GT(Reddish(7, 2), 5);
    Key(VK_HOME);
    EXPECT_EQ(Reddish(14, 14), 0);
    // Only the screen changed.
    EXPECT_EQ(gGame.entries[0], '-');
}

TEST_F(CommandsTest, CheckReportsNotStartedNothingWrongOrMarksWrongLettersOnce)
{
    Command(IDM_CHECK);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].caption, u"Puzzle Checker");
    EXPECT_EQ(AutomationMessageBoxes()[0].text,
              u"This button will check puzzle for errors. You've have not yet started the "
              u"puzzle, so there is nothing to check.");
    EXPECT_EQ(AutomationMessageBoxes()[0].owner, window);

    Key(UINT(LatticeLetter(0, 0)));  // right
    Command(IDM_CHECK);
    ASSERT_EQ(Boxes(), 2u);
    EXPECT_EQ(AutomationMessageBoxes()[1].caption, u"Nothing Wrong");
    EXPECT_EQ(AutomationMessageBoxes()[1].text, u"All the letters entered so far are correct.");

    const char wrong = LatticeLetter(0, 1) == 'Z' ? 'Y' : 'Z';
    Key(UINT(wrong));
    Command(IDM_CHECK);
    EXPECT_EQ(Boxes(), 2u);  // the red letter is the report
    EXPECT_GT(Reddish(0, 1), 5);
    EXPECT_EQ(Reddish(0, 0), 0);
    TapCell(4, 4);  // the next repaint draws it in black again
    EXPECT_EQ(Reddish(0, 1), 0);

    Command(IDM_FILL_PUZZLE);
    Command(IDM_CHECK);
    ASSERT_EQ(Boxes(), 3u);
    EXPECT_EQ(AutomationMessageBoxes()[2].caption, u"Nothing Wrong");
}

TEST_F(CommandsTest, FillAndClearWorkOnTheLetterTheWordAndThePuzzle)
{
    std::string expected(gGame.entries, 15 * 15);
    const std::string solution = Solution();
    TapCell(0, 2);
    TapCell(0, 2);  // Down: column 2
    Command(IDM_FILL_WORD);
    for (int r = 0; r < 15; ++r)
        expected[size_t(r * 15 + 2)] = solution[size_t(r * 15 + 2)];
    EXPECT_TRUE(EntriesAre(expected));
    EXPECT_EQ(gGame.cursorRow, 0);  // the cursor never moves
    EXPECT_GT(CountDark(9, 2), 0);  // the filled letters are on the screen

    Command(IDM_CLEAR_LETTER);
    expected[2] = '-';
    EXPECT_TRUE(EntriesAre(expected));
    TapCell(0, 2);  // Across again: row 0
    Command(IDM_FILL_LETTER);
    expected[2] = solution[2];
    Command(IDM_CLEAR_WORD);
    for (int c = 0; c < 15; ++c)
        expected[size_t(c)] = '-';
    EXPECT_TRUE(EntriesAre(expected));

    AutomationAnswerMessageBox(u"Are You Sure?", IDNO);
    Command(IDM_CLEAR_PUZZLE);
    EXPECT_TRUE(EntriesAre(expected));
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].text,
              u"Do you want to clear the puzzle ? Undo brings your letters back.");
    EXPECT_EQ(AutomationMessageBoxes()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));

    Command(IDM_FILL_PUZZLE);
    EXPECT_TRUE(EntriesAre(solution));
    AutomationAnswerMessageBox(u"Are You Sure?", IDYES);
    Command(IDM_CLEAR_PUZZLE);
    for (size_t i = 0; i < solution.size(); ++i)
        expected[i] = solution[i] == '.' ? '.' : '-';
    EXPECT_TRUE(EntriesAre(expected));
    EXPECT_EQ(CountDark(9, 2), 0);
    // As the question says: Undo brings the letters back.
    Command(IDM_UNDO);
    EXPECT_TRUE(EntriesAre(solution));
}

TEST_F(CommandsTest, TheKeyboardShowsTypesErasesAndClosesWithItsOkKey)
{
    Command(IDM_KEYBOARD);
    EXPECT_EQ(gGame.keyboardShown, 1);
    EXPECT_EQ(gGame.bottomPanelHeight, 65);
    EXPECT_EQ(Pixel(2, 227), Colour{kKeyboardGrey});  // the picture's frame
    EXPECT_EQ(Pixel(13, 237), Colour{kWhitePaper});   // the face of the Q key
    EXPECT_EQ(Pixel(10, 234), Colour{kBlackInk});     // its left edge, where taps expect it

    Tap(20, 234);  // Q
    EXPECT_EQ(gGame.entries[0], 'Q');
    EXPECT_EQ(gGame.cursorCol, 1);
    Tap(70, 246);  // row 1, column 2: D
    EXPECT_EQ(gGame.entries[1], 'D');
    Tap(180, 258);  // erase: empties (0, 2) and steps back
    EXPECT_EQ(gGame.cursorCol, 1);
    Tap(180, 258);
    EXPECT_EQ(gGame.entries[1], '-');
    EXPECT_EQ(gGame.cursorCol, 0);

    Tap(220, 258);  // OK
    EXPECT_EQ(gGame.keyboardShown, 0);
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
    EXPECT_NE(Pixel(2, 227), Colour{kKeyboardGrey});
    Tap(20, 234);  // the grid again: square (14, 1)
    EXPECT_EQ(gGame.cursorRow, 14);
    EXPECT_EQ(gGame.entries[14 * 15 + 1], '-');

    Command(IDM_KEYBOARD);
    Command(IDM_KEYBOARD);  // the toolbar button hides it too
    EXPECT_EQ(gGame.keyboardShown, 0);
}

TEST_F(CommandsTest, MagnifiedKeyboardShrinksTheViewAndHidingKeepsItsBottomRows)
{
    Command(IDM_MEDIUM);
    Command(IDM_KEYBOARD);
    EXPECT_EQ(gGame.viewHeight, 268 - 65);
    gGame.scrollY = 60;  // as after scrolling down
    Command(IDM_KEYBOARD);
    EXPECT_EQ(gGame.viewHeight, 248);
    EXPECT_EQ(gGame.scrollY, 15);
}

TEST_F(CommandsTest, TheInputPanelHidesTheKeyboard)
{
    Command(IDM_KEYBOARD);
    ASSERT_EQ(gGame.keyboardShown, 1);
    SHSipPreference(window, SIP_UP);
    Idle();
    EXPECT_EQ(gGame.keyboardShown, 0);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 188);  // the window gave way to the panel
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
    EXPECT_EQ(gGame.cellSize, (188 - 20) / 15);

    // With the panel up, showing the keyboard lowers it first.
    Command(IDM_KEYBOARD);
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    ASSERT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0));
    EXPECT_EQ(sip.fdwFlags & SIPF_ON, 0u);
    EXPECT_EQ(gGame.keyboardShown, 1);
}

// A scrambled solution (or none) cannot be checked, shown or filled in: each command says so
// and changes nothing, while typing goes on as usual.
TEST_F(CommandsTest, CheckViewAndFillRefuseALockedOrMissingSolution)
{
    const std::pair<int, const char16_t*> kinds[] = {
        {4, u"The solution of this puzzle is locked."},
        {2, u"This puzzle comes without its solution."}};
    for (const auto& [flags, message] : kinds) {
        SCOPED_TRACE(flags);
        PuzzleImage image = MakePuzzle(LatticeGrid(15));
        image.solutionFlags = flags;
        AddClues(&image);
        WriteDeviceFile("\\My Documents\\a.puz", Bytes(image));
        AutomationAnswerFileDialog(u"\\My Documents\\a.puz");
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        Command(IDM_OPEN);
        Key(UINT(LatticeLetter(0, 0)));
        Key(LatticeLetter(0, 1) == 'Q' ? 'R' : 'Q');
        const std::string typed(gGame.entries, 15 * 15);
        const size_t before = Boxes();
        for (UINT id : {IDM_CHECK, IDM_CHECK_LETTER, IDM_CHECK_WORD, IDM_VIEW_LETTER, IDM_VIEW_WORD,
                        IDM_VIEW_PUZZLE, IDM_FILL_LETTER, IDM_FILL_WORD, IDM_FILL_PUZZLE})
            Command(id);
        ASSERT_EQ(Boxes(), before + 9);
        for (size_t i = before; i < Boxes(); ++i)
            EXPECT_EQ(AutomationMessageBoxes()[i].text, message);
        EXPECT_TRUE(EntriesAre(typed));
        EXPECT_EQ(Reddish(0, 1), 0);
        EXPECT_EQ(Reddish(5, 5), 0);
    }
}

// The band shrinks back to the clue bar while the view is scrolled so far down that the taller
// view would reach past the grid: the view stops at the grid's bottom, and the rows where the
// keyboard or the panel was show the grid, never what was drawn there before.
struct BandCase {
    int width, height;
    bool inputPanel;  // the device's panel instead of the game's keyboard
    int scrollY;      // after the band shrank back: the largest scroll of the taller view
};

class BandChangeTest : public ShellTest, public testing::WithParamInterface<BandCase> {
  protected:
    void SetBand(bool large)
    {
        if (!GetParam().inputPanel) {
            Command(IDM_KEYBOARD);
            return;
        }
        SHSipPreference(window, large ? SIP_UP : SIP_DOWN);
        Idle();
    }
};

TEST_P(BandChangeTest, TheViewStopsAtTheGridsBottomAndShowsNothingOfTheOldBand)
{
    const BandCase c = GetParam();
    WritePuzzle("\\My Documents\\a.puz", OpenGrid(c.width, c.height));
    Start();
    Command(IDM_MEDIUM);
    SetBand(true);
    for (int i = 0; i < 11; ++i)
        Key(VK_DOWN);
    ASSERT_EQ(gGame.cursorRow, 11);
    SetBand(false);
    EXPECT_EQ(gGame.viewHeight, 248);
    EXPECT_EQ(gGame.scrollY, c.scrollY);
    EXPECT_EQ(StalePixelsInView(), 0);
    Key('A');
    EXPECT_EQ(StalePixelsInView(), 0) << "after typing";
}

INSTANTIATE_TEST_SUITE_P(Medium, BandChangeTest,
                         testing::Values(BandCase{13, 13, false, 261 - 248},
                                         BandCase{20, 13, false, 261 - 248},
                                         BandCase{15, 15, true, 301 - 248}),
                         [](const testing::TestParamInfo<BandCase>& param) {
                             const BandCase& c = param.param;
                             return std::string(c.inputPanel ? "InputPanel" : "Keyboard") +
                                    std::to_string(c.width) + "x" + std::to_string(c.height);
                         });

TEST_F(CommandsTest, PuzzleInfoShowsTitleAuthorAndCopyright)
{
    Command(IDM_PUZZLE_INFO);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].caption, u"Puzzle Information");
    EXPECT_EQ(AutomationMessageBoxes()[0].text, u"Lattice\nAuthor\n(c)");
    EXPECT_EQ(AutomationMessageBoxes()[0].type, UINT(MB_OK));
}

TEST_F(CommandsTest, AutoSkipOnlyFlipsTheSettingAndNumbersRepaint)
{
    const int frames = AutomationPresentCount();
    Command(IDM_AUTO_SKIP);
    EXPECT_EQ(gGame.settings.autoSkip, 1);
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP));
    EXPECT_EQ(AutomationPresentCount(), frames);
    Command(IDM_AUTO_SKIP);
    EXPECT_FALSE(Checked(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP));

    Command(IDM_MEDIUM);
    const RECT numberCorner = {21, 1, 29, 9};  // top-left of square (0, 1), number 2
    EXPECT_EQ(CountDarkIn(numberCorner), 0);
    Command(IDM_NUMBERS);
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_NUMBERS));
    EXPECT_GT(CountDarkIn(numberCorner), 0);
}

TEST_F(CommandsTest, ReactivationAfterAChosenClueShowsAndScrollsToItsWord)
{
    Command(IDM_LARGE);
    // As the clue list leaves it: the cursor on a word far down, the flag set.
    gGame.cursorRow = 12;
    gGame.cursorCol = 0;
    gShell.refreshOnActivate = 1;
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    Idle();
    EXPECT_EQ(gShell.refreshOnActivate, 0);
    EXPECT_GT(gGame.scrollY, 0);
    EXPECT_GT(CountPixels(CellOnScreen(12, 0), kOrange), 100);

    // An ordinary activation keeps the highlight but does not scroll to the word.
    gGame.scrollY = 0;
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    Idle();
    EXPECT_EQ(gGame.scrollY, 0);
}

// Whatever repaints the grid for the player shows the current word with it, so the grid and
// the clue bar never disagree: the first picture, a new magnification, a tap on a black square,
// and the repaint when a dialog, a message box or the tap-and-hold menu closes.
TEST_F(CommandsTest, EveryRepaintShowsTheCurrentWordTheClueBarNames)
{
    auto highlighted = [&](int row, int col, int wordRow, int wordCol) {
        return CountPixels(CellOnScreen(row, col), kOrange) > 100 &&
               CountPixels(CellOnScreen(wordRow, wordCol), kYellow) > 100;
    };
    EXPECT_TRUE(highlighted(0, 0, 0, 1)) << "at start";
    Command(IDM_MEDIUM);
    EXPECT_TRUE(highlighted(0, 0, 0, 5)) << "Medium";

    TapCell(5, 4);
    TapCell(3, 3);  // black: the cursor and its word stay
    EXPECT_TRUE(highlighted(5, 4, 5, 5)) << "after a tap on a black square";

    AutomationTap(222, 13);  // the navigation bar's ok
    Command(IDM_HELP);
    EXPECT_TRUE(highlighted(5, 4, 5, 5)) << "after Help";
    AutomationTap(190, 296);  // About's OK
    Command(IDM_ABOUT);
    EXPECT_TRUE(highlighted(5, 4, 5, 5)) << "after About";
    Command(IDM_PUZZLE_INFO);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_TRUE(highlighted(5, 4, 5, 5)) << "after a message box";
    const POINT held = CellCentreOnScreen(6, 6);
    Hold(held.x, held.y);
    AutomationTap(120, 10);  // outside the menu: nothing chosen
    Idle();
    EXPECT_TRUE(highlighted(6, 6, 6, 7)) << "after the tap-and-hold menu";
    SendMessageW(window, WM_PAINT, 0, 0);
    EXPECT_TRUE(highlighted(6, 6, 6, 7)) << "after a paint request";
}

TEST_F(CommandsTest, DialogCommandsLeaveThePuzzleAsItWasWhenCancelled)
{
    const std::string before(gGame.entries, 15 * 15);
    // Each full-screen dialog is left with the navigation bar's "ok" (a tap there finds
    // nothing to do when no dialog is open).
    for (UINT id : {IDM_HELP, IDM_ABOUT, IDM_CLUE_LIST, IDM_PREFERENCES}) {
        AutomationTap(222, 13);
        Command(id);
    }
    // Open File is cancelled.
    AutomationCancelFileDialog();
    Command(IDM_OPEN);
    AutomationCancelFileDialog();
    Command(IDM_AVAILABLE);
    AutomationTap(222, 13);
    Command(IDM_DOWNLOAD);
    EXPECT_TRUE(EntriesAre(before));
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    EXPECT_TRUE(IsWindow(window));
}

}  // namespace
