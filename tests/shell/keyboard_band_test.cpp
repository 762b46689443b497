// The on-screen keyboard as the main window works it, on the display's window: showing and
// hiding it (the input panel goes down, the band and the view change size, and in Medium and
// Large the rows at the bottom of the view stay in place), and its keys typing.
#include "automation.h"
#include "bottom_band.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"
#include "main_handlers.h"
#include "resource_ids.h"

namespace {

using KeyboardBandTest = DisplayTest;

// The keyboard's button on the menu bar, as the main window takes it.
void ToggleKeyboard(HWND window)
{
    OnCommand(window, IDM_KEYBOARD, IDM_KEYBOARD, 0);
}

// A tap on the keyboard at client point (x, y).
void TapKey(HWND window, int x, int y)
{
    OnStylusDown(window, MAKELPARAM(x, y));
    OnStylusUp(window, MAKELPARAM(x, y));
}

bool InputPanelUp()
{
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0);
    return (sip.fdwFlags & SIPF_ON) != 0;
}

TEST_F(KeyboardBandTest, ShowingLowersTheInputPanelAndDrawsTheKeyboardUnderTheClueBar)
{
    Load(OpenGrid(15, 15));
    Layout(kSmall);
    PaintGrid(window, kGridEntries);
    SHSipPreference(window, SIP_UP);
    ASSERT_TRUE(InputPanelUp());
    ToggleKeyboard(window);
    EXPECT_FALSE(InputPanelUp());
    EXPECT_EQ(gGame.keyboardShown, 1);
    EXPECT_EQ(gGame.bottomPanelHeight, 65);
    EXPECT_EQ(gGame.viewHeight, 203);
    EXPECT_EQ(gGame.cellSize, 13);  // Small lays the grid out again
    EXPECT_EQ(Screen(100, 230), Colour{kPictureGrey});
    EXPECT_EQ(Screen(100, 210), Colour{kPaperWhite});  // the clue bar above it

    const int before = AutomationGdiObjectCount();
    ToggleKeyboard(window);
    EXPECT_EQ(gGame.keyboardShown, 0);
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
    EXPECT_EQ(gGame.cellSize, 16);
    EXPECT_EQ(Screen(100, 230), Colour{kPaperWhite}) << "the grid view covers the keyboard";
    ToggleKeyboard(window);
    ToggleKeyboard(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST_F(KeyboardBandTest, MediumKeepsTheImageAndMovesTheOffsetWithTheBottomEdge)
{
    Load(OpenGrid(15, 15));
    Layout(kMedium);
    PaintGrid(window, kGridEntries);
    HBITMAP image = gDisplay.backBitmap;
    At(5, 0, kAcross);  // rows 120 to 144: in view before and after
    gGame.scrollY = 50;
    ToggleKeyboard(window);
    EXPECT_EQ(gDisplay.backBitmap, image);
    EXPECT_EQ(gGame.viewHeight, 203);
    EXPECT_EQ(gGame.scrollY, 50);

    ToggleKeyboard(window);
    EXPECT_EQ(gGame.viewHeight, 248);
    EXPECT_EQ(gGame.scrollY, 5);  // 45 pixels less: the bottom rows stay at the bottom

    ToggleKeyboard(window);
    gGame.scrollY = 30;
    ToggleKeyboard(window);
    EXPECT_EQ(gGame.scrollY, 30);  // below 45: left unchanged, not set to 0
}

TEST_F(KeyboardBandTest, ShowingScrollsTheCurrentWordIntoTheSmallerView)
{
    Load(OpenGrid(15, 15));
    Layout(kLarge);
    PaintGrid(window, kGridEntries);
    At(9, 3, kAcross);  // row 9 ends at 240: visible in 248 rows, not in 203
    ToggleKeyboard(window);
    EXPECT_EQ(gGame.scrollY, 240 - 203);
}

TEST_F(KeyboardBandTest, KeysEnterEraseAndClose)
{
    Load(kFiveByFive);
    gGame.keyboardShown = 1;
    Layout(kSmall);
    PaintGrid(window, kGridEntries);
    At(2, 0, kAcross);
    TapKey(window, 35, 230);  // W
    EXPECT_EQ(gGame.entries[10], 'W');
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(Screen(100, 230), Colour{kPictureGrey}) << "the flash was not wiped";

    TapKey(window, 175, 258);  // erase: empties J's square and steps back
    EXPECT_EQ(gGame.entries[11], '-');
    EXPECT_EQ(gGame.entries[10], 'W');
    EXPECT_EQ(gGame.cursorCol, 0);

    At(3, 1, kAcross);  // black: a letter changes nothing
    TapKey(window, 35, 230);
    EXPECT_EQ(gGame.entries[16], '.');

    const int before = AutomationGdiObjectCount();
    TapKey(window, 220, 258);  // OK
    EXPECT_EQ(gGame.keyboardShown, 0);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

}  // namespace
