// The player's pause: the grid and the clue bar behind a panel, nothing changed under it, a
// tap on it going on, and the pause kept with the progress.
#include <cstring>
#include <string>

#include "comforts_fixture.h"
#include "keyboard.h"
#include "progress_tail.h"
#include "rebus_entry.h"

namespace {

class PauseTest : public ComfortsTest {
  protected:
    void TapTitle()
    {
        AutomationTap(120, 13);
        Idle();
    }
    bool Paused() const { return Title().find(u"paused") != std::u16string::npos; }
    // The grid view and the clue bar as the screen shows them.
    RECT View() const { return {0, 0, gGame.viewWidth, gGame.viewHeight}; }
    RECT Bar() const { return {0, ClueBarTop(window), 240, ClueBarTop(window) + 18}; }
    static int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }
    // Both covered by the panel: the black squares' colour but for the panel's text, which
    // stands in the view, and not a square of the current word nor the cursor to be seen.
    bool Hidden() const
    {
        return CountPixels(View(), kBlackInk) > Area(View()) * 9 / 10 &&
               CountPixels(Bar(), kBlackInk) == Area(Bar()) &&
               CountPixels(View(), kYellow) + CountPixels(View(), kOrange) == 0;
    }
    // The panel's text: white ink in the middle of the view.
    int PanelTextInk() const
    {
        const int middle = gGame.viewHeight / 2;
        return CountPixels({0, middle - 10, 240, middle + 10}, kWhitePaper);
    }
    // The commands the pause refuses, by where the player picks them: the main menu, the View
    // pop-up and the menu bar's buttons.
    static constexpr UINT kMainMenuRefused[] = {
        IDM_CHECK_LETTER, IDM_CHECK_WORD,   IDM_CHECK,      IDM_FILL_LETTER,  IDM_FILL_WORD,
        IDM_FILL_PUZZLE,  IDM_CLEAR_LETTER, IDM_CLEAR_WORD, IDM_CLEAR_PUZZLE, IDM_UNDO};
    static constexpr UINT kViewMenuRefused[] = {IDM_VIEW_LETTER, IDM_VIEW_WORD, IDM_VIEW_PUZZLE};
    static constexpr UINT kButtonsRefused[] = {IDM_CHECK, IDM_TOGGLE_DIRECTION};
    // How many of them are enabled.
    int RefusedEnabled() const
    {
        int n = 0;
        for (UINT id : kMainMenuRefused)
            n += MenuItemEnabled(id);
        for (UINT id : kViewMenuRefused)
            n += MenuItemEnabled(IDM_VIEW_MENU, id);
        for (UINT id : kButtonsRefused)
            n += BarButtonEnabled(id);
        return n;
    }
    static constexpr int kRefused = 15;
    // Dark pixels of the pictures of the menu bar's Check button (the second, after the
    // 29-pixel main menu drop-down) and direction button (the seventh, at x 153): their green,
    // navy and maroon, which a disabled button washes out towards the bar's grey.
    static int RefusedButtonsInk()
    {
        int n = 0;
        for (int left : {29, 153})
            for (int y = 299; y < 315; ++y)
                for (int x = left + 3; x < left + 19; ++x) {
                    const COLORREF c = AutomationScreenPixel(x, y);
                    n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
                }
        return n;
    }
    // Whether the state file's record keeps a pause.
    static bool PauseKept()
    {
        const std::string record = StateFile();
        int size = 0;
        return record.size() >= 4096 &&
               FindProgressTailItem(reinterpret_cast<const unsigned char*>(record.data()),
                                    kTailPaused, &size) != nullptr;
    }
};

TEST_F(PauseTest, APauseHidesTheGridAndTheClueBarUntilATapOnThePanel)
{
    Open();
    Type("HE");
    // The clock standing still behind another program hides nothing.
    AutomationHostFocus(false);
    Idle();
    EXPECT_FALSE(Hidden());
    EXPECT_GT(Count(0, 2, kOrange), 0);
    AutomationHostFocus(true);
    Idle();

    TapTitle();
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(Hidden());
    EXPECT_GT(PanelTextInk(), 40);
    Wait(3000);  // the clock's title stands, the panel stays
    EXPECT_TRUE(Hidden());

    // The tap that goes on selects nothing: the player could not see the square under it.
    TapCell(3, 3);
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(Hidden());
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_GT(Count(0, 2, kOrange), 0);
    EXPECT_GT(CountDarkIn(Bar()), 0);  // the clue is back

    // The clue bar is part of the panel; the title goes on as well.
    TapTitle();
    EXPECT_TRUE(Hidden());
    Tap(120, ClueBarTop(window) + 8);
    EXPECT_FALSE(Paused());
    TapTitle();
    TapTitle();
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(Hidden());

    // A rebus entry being typed keeps its letters when the pause hides it.
    TapCell(2, 0);
    Key(VK_INSERT);
    Type("NO");
    TapTitle();
    EXPECT_FALSE(RebusEntryOpen());
    EXPECT_EQ(std::string(gGame.playerRebus[10]), "NO");
}

// Keys, the keyboard, the hold menu and the commands that change letters are refused silently
// while paused; the keyboard may still be shown and hidden.
TEST_F(PauseTest, WhilePausedNothingChangesTheGrid)
{
    Open();
    TapCell(1, 0);
    Type("OV");
    Command(IDM_KEYBOARD);
    const std::string entries(gGame.entries, 25);
    uint8_t marks[25];
    std::memcpy(marks, gGame.playerMarks, sizeof marks);
    TapTitle();
    ASSERT_TRUE(Hidden());

    Type("XY");
    for (UINT key : {UINT(VK_BACK), UINT(VK_DELETE), UINT(VK_LEFT), UINT(VK_DOWN), UINT(VK_TAB),
                     UINT(VK_SPACE), UINT(VK_RETURN), UINT(VK_INSERT), UINT('7')})
        Key(key);
    CtrlKey('Z');
    Idle();
    for (UINT command :
         {IDM_FILL_LETTER, IDM_FILL_WORD, IDM_FILL_PUZZLE, IDM_CLEAR_LETTER, IDM_CLEAR_WORD,
          IDM_CHECK_LETTER, IDM_CHECK_WORD, IDM_CHECK, IDM_VIEW_LETTER, IDM_VIEW_WORD,
          IDM_VIEW_PUZZLE, IDM_UNDO, IDM_REBUS, IDM_TOGGLE_DIRECTION})
        Command(command);
    Tap(20, kKeyboardTop + 7);    // Q
    Tap(215, kKeyboardTop + 19);  // the rebus key
    EXPECT_FALSE(RebusEntryOpen());
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(Hidden());
    Tap(215, kKeyboardTop + 31);  // OK: the keyboard goes, the panel covers the taller view
    EXPECT_FALSE(gGame.keyboardShown);
    EXPECT_TRUE(Hidden());

    EXPECT_EQ(std::string(gGame.entries, 25), entries);
    EXPECT_EQ(std::memcmp(gGame.playerMarks, marks, sizeof marks), 0);
    EXPECT_EQ(gGame.cursorRow, 1);
    EXPECT_EQ(gGame.cursorCol, 2);
    EXPECT_EQ(gGame.direction, kAcross);
    EXPECT_FALSE(gGame.solved);

    // A hold opens no menu: its lift goes on, and what would have been Fill > Letter only
    // taps squares.
    const POINT held = CellCentreOnScreen(1, 2);
    Hold(held.x, held.y);
    AutomationTap(held.x + 20, held.y + 18 + 9 + 26);
    AutomationTap(held.x + 100, held.y + 18 + 9 + 26);
    Idle();
    EXPECT_FALSE(Paused());
    EXPECT_EQ(std::string(gGame.entries, 25), entries);

    TapCell(1, 2);
    Type("E");
    EXPECT_EQ(gGame.entries[7], 'E');  // going on, the grid takes letters again
}

// What the pause refuses is greyed while it lasts, wherever the pause came from (the title, a
// restart, a puzzle opened again), and nothing else is.
TEST_F(PauseTest, WhatThePauseRefusesIsGreyedWhileItLasts)
{
    Open();
    EXPECT_EQ(RefusedEnabled(), kRefused);
    const int ink = RefusedButtonsInk();
    EXPECT_GT(ink, 100);

    TapTitle();
    ASSERT_TRUE(Paused());
    EXPECT_EQ(RefusedEnabled(), 0);
    EXPECT_EQ(RefusedButtonsInk(), 0);  // washed out
    for (UINT id : {IDM_PREFERENCES, IDM_PRINT, IDM_PENCIL, IDM_AVAILABLE, IDM_EXIT})
        EXPECT_TRUE(MenuItemEnabled(id)) << id;
    for (UINT id : {IDM_OPEN, IDM_CLUE_LIST, IDM_KEYBOARD, IDM_VIEW_MENU, IDM_ZOOM_MENU})
        EXPECT_TRUE(BarButtonEnabled(id)) << id;
    // Opening the main menu sets its check marks again and keeps the greying.
    AutomationTap(10, 305);
    AutomationTap(200, 100);
    Idle();
    EXPECT_EQ(RefusedEnabled(), 0);

    Restart();
    ASSERT_TRUE(Paused());
    EXPECT_EQ(RefusedEnabled(), 0);

    // Another puzzle opens running; the paused one comes back greyed.
    WritePuzzle("\\My Documents\\b.puz", OpenGrid(5, 5), "Puzzle B");
    AutomationAnswerFileDialog(u"\\My Documents\\b.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);
    EXPECT_EQ(RefusedEnabled(), kRefused);
    AutomationAnswerFileDialog(u"\\My Documents\\a.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);
    ASSERT_TRUE(Paused());
    EXPECT_EQ(RefusedEnabled(), 0);

    // A tap on the panel goes on, and every command is back.
    Tap(120, 100);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(RefusedEnabled(), kRefused);
    EXPECT_EQ(RefusedButtonsInk(), ink);
}

TEST_F(PauseTest, ThePauseIsKeptWithTheProgress)
{
    Open();
    Type("H");
    TapTitle();
    Restart();
    EXPECT_TRUE(PauseKept());
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(Hidden());
    Wait(2000);
    EXPECT_EQ(Title(), u"Crossword 0:00 paused");

    // With the puzzle gone nothing is shown, and the record keeps the pause for its return.
    const std::string file = ReadDeviceFile("\\My Documents\\a.puz");
    RemoveDeviceFile("\\My Documents\\a.puz");
    Restart();
    EXPECT_EQ(Title(), u"Crossword");
    Restart();
    EXPECT_TRUE(PauseKept());
    WriteDeviceFile("\\My Documents\\a.puz", file);
    Restart();
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(Hidden());

    // Going on writes a record without the pause, as older records are: it opens running.
    TapTitle();
    Restart();
    EXPECT_FALSE(PauseKept());
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(Hidden());

    // Another puzzle opens running; the paused one is paused again when it comes back.
    WritePuzzle("\\My Documents\\b.puz", OpenGrid(5, 5), "Puzzle B");
    TapTitle();
    AutomationAnswerFileDialog(u"\\My Documents\\b.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(Hidden());
    AutomationAnswerFileDialog(u"\\My Documents\\a.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(Hidden());
    EXPECT_EQ(gGame.entries[0], 'H');
}

}  // namespace
