// Moving as experienced solvers expect: the three navigation preferences, chosen in the
// Preferences dialog and kept across a restart, and the keys that always move (Tab, Shift+Tab,
// Space, Delete), from the keyboard and from the input panel.
#include <initializer_list>
#include <vector>

#include "automation.h"
#include "dialog_ids.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "preferences_dialog.h"
#include "resource_ids.h"

namespace {

// A 7 x 7 grid whose one black square is (3, 3): eight across words (row 3 holds two) and
// eight down words (column 3 holds two).
class NavigationTest : public GameDialogTest {
  protected:
    void SetUp() override
    {
        GameDialogTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(7));
        Start();
    }
    // Ticks the given check boxes of Preferences (turning each over) and confirms the dialog.
    void Prefer(std::initializer_list<int> boxes)
    {
        std::vector<RECT> rects;
        for (int id : boxes)
            rects.push_back(ControlOnScreen(IDD_PREFERENCES, PreferencesDialogProc, id));
        const RECT ok = ControlOnScreen(IDD_PREFERENCES, PreferencesDialogProc, IDOK);
        for (const RECT& r : rects)
            TapOnScreen(r);
        TapOnScreen(ok);
        Command(IDM_PREFERENCES);
    }
    void At(int row, int col, int direction)
    {
        TapCell(row, col);
        if (gGame.direction != direction)
            Key(VK_RETURN);
    }
    void Type(const char* letters)
    {
        for (const char* c = letters; *c; ++c)
            Key(UINT(*c));
    }
    void ExpectCursor(int row, int col, int direction)
    {
        EXPECT_EQ(gGame.cursorRow, row);
        EXPECT_EQ(gGame.cursorCol, col);
        EXPECT_EQ(gGame.direction, direction);
    }
};

TEST_F(NavigationTest, ArrowsMoveOneSquareTurningFirstAndSkippingBlackSquares)
{
    Prefer({IDC_ARROW_SQUARES});
    ASSERT_EQ(gGame.settings.arrowSquares, 1);
    EXPECT_EQ(gGame.settings.nextWordAfterLast, 0);
    EXPECT_EQ(gGame.settings.skipAcrossWords, 0);
    At(0, 0, kAcross);
    Key(VK_RIGHT);
    ExpectCursor(0, 1, kAcross);
    Key(VK_DOWN);  // across the word: only turns
    ExpectCursor(0, 1, kDown);
    Key(VK_DOWN);
    ExpectCursor(1, 1, kDown);
    Key(VK_UP);
    Key(VK_UP);  // the top edge: stays
    ExpectCursor(0, 1, kDown);
    // The cursor square and its down word are drawn where the cursor is.
    EXPECT_GT(CountPixels(CellOnScreen(0, 1), kOrange), 50);
    EXPECT_GT(CountPixels(CellOnScreen(6, 1), kYellow), 50);

    At(3, 2, kAcross);
    Key(VK_RIGHT);  // over the black square
    ExpectCursor(3, 4, kAcross);
    Key(VK_LEFT);
    ExpectCursor(3, 2, kAcross);
    At(2, 3, kDown);
    Key(VK_DOWN);
    ExpectCursor(4, 3, kDown);
    At(0, 6, kAcross);
    Key(VK_RIGHT);  // the right edge: stays
    ExpectCursor(0, 6, kAcross);

    // Off again, the arrows jump words as before.
    Prefer({IDC_ARROW_SQUARES});
    Key(VK_RIGHT);
    ExpectCursor(1, 0, kAcross);
}

TEST_F(NavigationTest, AfterAWordsLastLetterTheCursorGoesOnOnlyWhenAsked)
{
    At(0, 0, kAcross);
    Type("ABCDEFG");
    ExpectCursor(0, 6, kAcross);  // today's way: the last square

    Prefer({IDC_NEXT_WORD_AFTER});
    At(1, 0, kAcross);
    Key('H');
    At(0, 6, kAcross);
    Key('X');  // the next word's first empty square, past its letter H
    ExpectCursor(1, 1, kAcross);
    At(6, 6, kAcross);
    Key('Y');  // past the last word: the grid's first square, which is filled, and no further
    ExpectCursor(0, 0, kAcross);
    EXPECT_EQ(gGame.entries[6 * 7 + 6], 'Y');
}

TEST_F(NavigationTest, AutoSkipAcrossWordsSkipsFilledSquaresIntoLaterWords)
{
    Command(IDM_AUTO_SKIP);
    At(1, 0, kAcross);
    Type("ABCDEFG");
    At(2, 0, kAcross);
    Type("AB");
    At(0, 5, kAcross);
    Type("AB");
    At(0, 4, kAcross);
    Key('C');  // Auto Skip alone comes back to the word's last square
    ExpectCursor(0, 6, kAcross);

    Prefer({IDC_SKIP_ACROSS_WORDS});
    At(0, 4, kAcross);
    Key('C');  // over (0, 5), (0, 6) and the full row 1 to (2, 2)
    ExpectCursor(2, 2, kAcross);

    // Without Auto Skip the preference does nothing: the next square, filled or not.
    Command(IDM_AUTO_SKIP);
    At(0, 4, kAcross);
    Key('C');
    ExpectCursor(0, 5, kAcross);
}

TEST_F(NavigationTest, TabShiftTabSpaceAndDeleteMoveTurnAndErase)
{
    At(1, 0, kAcross);
    Key('H');
    At(0, 3, kAcross);
    Key(VK_TAB);  // the next word's first empty square
    ExpectCursor(1, 1, kAcross);
    Key(VK_TAB);
    ExpectCursor(2, 0, kAcross);
    AutomationKeyDown(VK_SHIFT);
    AutomationKey(VK_TAB);
    AutomationKeyUp(VK_SHIFT);
    Idle();
    ExpectCursor(1, 1, kAcross);

    Key(VK_SPACE);
    ExpectCursor(1, 1, kDown);
    EXPECT_EQ(gGame.entries[7 + 1], '-');  // a space is no letter
    Key(VK_SPACE);
    ExpectCursor(1, 1, kAcross);

    At(1, 0, kAcross);
    Key(VK_DELETE);
    EXPECT_EQ(gGame.entries[7], '-');
    ExpectCursor(1, 0, kAcross);
    EXPECT_EQ(CountDark(1, 0), 0);
}

// The input panel sends Space and Tab as the keyboard does, each with its character: the key
// moves once and the character types nothing.
TEST_F(NavigationTest, TheInputPanelsSpaceAndTabMoveOnceAndTypeNothing)
{
    SHSipPreference(window, SIP_UP);
    Idle();
    At(0, 2, kAcross);
    AutomationTap(112, 286);  // Space
    Idle();
    ExpectCursor(0, 2, kDown);
    EXPECT_EQ(gGame.entries[2], '-');
    AutomationTap(12, 238);  // Tab
    Idle();
    ExpectCursor(0, 3, kDown);  // the next down word
    EXPECT_EQ(gGame.entries[2], '-');
    EXPECT_EQ(gGame.entries[3], '-');
}

TEST_F(NavigationTest, ThePreferencesShowInTheDialogAndSurviveARestart)
{
    // Auto Skip first: across words is greyed without it.
    Prefer({IDC_AUTO_SKIP, IDC_ARROW_SQUARES, IDC_NEXT_WORD_AFTER, IDC_SKIP_ACROSS_WORDS});
    Restart();
    EXPECT_EQ(gGame.settings.arrowSquares, 1);
    EXPECT_EQ(gGame.settings.nextWordAfterLast, 1);
    EXPECT_EQ(gGame.settings.skipAcrossWords, 1);
    HWND dialog = OpenModeless(IDD_PREFERENCES, PreferencesDialogProc);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ARROW_SQUARES), UINT(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_NEXT_WORD_AFTER), UINT(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SKIP_ACROSS_WORDS), UINT(BST_CHECKED));
    DestroyWindow(dialog);
    Idle();

    Prefer({IDC_NEXT_WORD_AFTER});
    Restart();
    EXPECT_EQ(gGame.settings.arrowSquares, 1);
    EXPECT_EQ(gGame.settings.nextWordAfterLast, 0);
    EXPECT_EQ(gGame.settings.skipAcrossWords, 1);
}

}  // namespace
