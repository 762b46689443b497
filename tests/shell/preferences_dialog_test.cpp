// Preferences: OK relayouts even without changes, Large keeps the cursor, "Auto Skip across
// words" greyed while Auto Skip is off, a colour picked in the chooser repaints the open
// squares and survives a restart.
#include <initializer_list>

#include "automation.h"
#include "dialog_ids.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "preferences_dialog.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

class PreferencesDialogTest : public GameDialogTest {
  protected:
    void SetUp() override
    {
        GameDialogTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
        Start();
    }
    RECT Control(int id) { return ControlOnScreen(IDD_PREFERENCES, PreferencesDialogProc, id); }
};

TEST_F(PreferencesDialogTest, OkWithoutChangesKeepsEverythingAndStillRelayouts)
{
    TapCell(2, 5);
    const Settings before = gGame.settings;
    // Large behind the window's back: only a new layout shows it.
    SetMagnification(&gGame.settings, kLarge);
    const int smallCell = gGame.cellSize;
    TapNavigationOk();
    Command(IDM_PREFERENCES);
    EXPECT_EQ(MagnificationIndex(gGame.settings), kLarge);
    EXPECT_GT(gGame.cellSize, smallCell);
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 5);
    EXPECT_EQ(gGame.settings.autoSkip, before.autoSkip);
    EXPECT_EQ(gGame.settings.showNumbers, before.showNumbers);
    EXPECT_EQ(gGame.settings.backgroundColour, before.backgroundColour);
}

TEST_F(PreferencesDialogTest, LargeAndTheTogglesTakeEffectOnOkAndKeepTheCursor)
{
    TapCell(6, 9);
    const RECT large = Control(IDC_LARGE);
    const RECT autoSkip = Control(IDC_AUTO_SKIP);
    const RECT numbers = Control(IDC_SHOW_NUMBERS);
    const RECT ok = Control(IDOK);
    const int autoSkipBefore = gGame.settings.autoSkip;
    const int numbersBefore = gGame.settings.showNumbers;
    TapOnScreen(large);
    TapOnScreen(autoSkip);
    TapOnScreen(numbers);
    TapOnScreen(ok);
    Command(IDM_PREFERENCES);
    EXPECT_EQ(MagnificationIndex(gGame.settings), kLarge);
    EXPECT_EQ(gGame.settings.autoSkip, !autoSkipBefore);
    EXPECT_EQ(gGame.settings.showNumbers, !numbersBefore);
    EXPECT_EQ(gGame.cursorRow, 6);
    EXPECT_EQ(gGame.cursorCol, 9);
    EXPECT_TRUE(Checked(IDM_ZOOM_MENU, IDM_LARGE));
    EXPECT_FALSE(Checked(IDM_ZOOM_MENU, IDM_SMALL));
    EXPECT_EQ(Checked(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP), !autoSkipBefore);
}

// "Auto Skip across words" is greyed, and deaf to taps, while Auto Skip is off; ticking Auto
// Skip makes it available at once, in the same dialog, and a greyed box keeps its tick.
TEST_F(PreferencesDialogTest, AutoSkipAcrossWordsIsGreyedWhileAutoSkipIsOff)
{
    ASSERT_EQ(gGame.settings.autoSkip, 0);
    HWND dialog = OpenModeless(IDD_PREFERENCES, PreferencesDialogProc);
    ASSERT_NE(dialog, nullptr);
    HWND across = GetDlgItem(dialog, IDC_SKIP_ACROSS_WORDS);
    EXPECT_FALSE(IsWindowEnabled(across));
    Idle();
    RECT r;
    GetWindowRect(across, &r);
    auto blackOnScreen = [&r] {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += AutomationScreenPixel(x, y) == kBlackInk;
        return n;
    };
    EXPECT_EQ(blackOnScreen(), 0);  // label and box in grey
    CheckDlgButton(dialog, IDC_AUTO_SKIP, BST_CHECKED);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_AUTO_SKIP, BN_CLICKED),
                 LPARAM(GetDlgItem(dialog, IDC_AUTO_SKIP)));
    EXPECT_TRUE(IsWindowEnabled(across));
    Idle();
    EXPECT_GT(blackOnScreen(), 40);
    DestroyWindow(dialog);
    Idle();

    // Played through the modal dialog: the first tap on the greyed box does nothing, the one
    // after Auto Skip ticks it.
    const RECT autoSkip = Control(IDC_AUTO_SKIP);
    const RECT acrossBox = Control(IDC_SKIP_ACROSS_WORDS);
    const RECT ok = Control(IDOK);
    auto tapThenOk = [&](std::initializer_list<RECT> taps) {
        for (const RECT& tap : taps)
            TapOnScreen(tap);
        TapOnScreen(ok);
        Command(IDM_PREFERENCES);
    };
    tapThenOk({acrossBox, autoSkip, acrossBox});
    EXPECT_EQ(gGame.settings.autoSkip, 1);
    EXPECT_EQ(gGame.settings.skipAcrossWords, 1);

    // Auto Skip off greys the box again at once; it keeps its tick, and the setting with it.
    tapThenOk({autoSkip, acrossBox});
    EXPECT_EQ(gGame.settings.autoSkip, 0);
    EXPECT_EQ(gGame.settings.skipAcrossWords, 1);
    dialog = OpenModeless(IDD_PREFERENCES, PreferencesDialogProc);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_SKIP_ACROSS_WORDS)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SKIP_ACROSS_WORDS), UINT(BST_CHECKED));
    DestroyWindow(dialog);
}

TEST_F(PreferencesDialogTest, APickedColourRepaintsTheOpenSquaresAndSurvivesARestart)
{
    constexpr COLORREF kMint = 0x0080FF80;
    const RECT swatch = Control(IDC_BACKGROUND_SWATCH);
    TapOnScreen(swatch);
    AutomationPickColour(kMint);
    TapNavigationOk();
    Command(IDM_PREFERENCES);
    EXPECT_EQ(gGame.settings.backgroundColour, kMint);
    ASSERT_FALSE(AutomationColourChoosers().empty());
    EXPECT_EQ(AutomationColourChoosers()[0].initial, 0x00FFFFFFu);
    EXPECT_TRUE(AutomationColourChoosers()[0].confirmed);
    // An open square away from the current word (row 0) and the cursor.
    const POINT open = CellCentreOnScreen(5, 1);
    EXPECT_EQ(Pixel(open.x, open.y), (Colour{kMint}));

    Restart();
    EXPECT_EQ(gGame.settings.backgroundColour, kMint);
    EXPECT_EQ(Pixel(open.x, open.y), (Colour{kMint}));
}

TEST_F(PreferencesDialogTest, ACancelledChooserLeavesTheColour)
{
    const RECT swatch = Control(IDC_SQUARE_SWATCH);
    TapOnScreen(swatch);
    AutomationCancelColourChooser();
    TapNavigationOk();
    Command(IDM_PREFERENCES);
    EXPECT_EQ(gGame.settings.squareColour, 0x00000000u);
    ASSERT_EQ(AutomationColourChoosers().size(), 1u);
    EXPECT_FALSE(AutomationColourChoosers()[0].confirmed);
}

TEST_F(PreferencesDialogTest, TheSwatchesShowTheSettingsAndTheGroupsAreBold)
{
    gGame.settings.squareColour = 0x00203040;
    HWND dialog = OpenModeless(IDD_PREFERENCES, PreferencesDialogProc);
    ASSERT_NE(dialog, nullptr);
    HWND swatch = GetDlgItem(dialog, IDC_SQUARE_SWATCH);
    HDC dc = GetDC(swatch);
    auto brush = HBRUSH(SendMessageW(dialog, WM_CTLCOLORBTN, WPARAM(dc), LPARAM(swatch)));
    ReleaseDC(swatch, dc);
    LOGBRUSH made = {};
    ASSERT_NE(brush, nullptr);
    GetObjectW(brush, sizeof made, &made);
    EXPECT_EQ(made.lbColor, 0x00203040u);
    LOGFONTW font = {};
    GetObjectW(HFONT(SendDlgItemMessageW(dialog, IDC_TOGGLE_GROUP, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SMALL), UINT(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_LARGE), UINT(BST_UNCHECKED));
    DestroyWindow(dialog);
}

}  // namespace
