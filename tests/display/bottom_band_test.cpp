// Showing and hiding the on-screen keyboard: the input panel goes down, the band and the view
// change size, and in Medium and Large the rows at the bottom of the view stay in place.
#include "automation.h"
#include "bottom_band.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"

namespace {

using BottomBandTest = DisplayTest;

bool InputPanelUp()
{
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0);
    return (sip.fdwFlags & SIPF_ON) != 0;
}

TEST_F(BottomBandTest, ShowingLowersTheInputPanelAndDrawsTheKeyboardUnderTheClueBar)
{
    Load(OpenGrid(15, 15));
    Layout(kSmall);
    PaintGrid(window);
    SHSipPreference(window, SIP_UP);
    ASSERT_TRUE(InputPanelUp());
    ShowKeyboard(window);
    EXPECT_FALSE(InputPanelUp());
    EXPECT_EQ(gGame.keyboardShown, 1);
    EXPECT_EQ(gGame.bottomPanelHeight, 65);
    EXPECT_EQ(gGame.viewHeight, 203);
    EXPECT_EQ(gGame.cellSize, 13);  // Small lays the grid out again
    EXPECT_EQ(Screen(100, 230), Colour{kPictureGrey});
    EXPECT_EQ(Screen(100, 210), Colour{kPaperWhite});  // the clue bar above it

    const int before = AutomationGdiObjectCount();
    HideKeyboard(window);
    EXPECT_EQ(gGame.keyboardShown, 0);
    EXPECT_EQ(gGame.bottomPanelHeight, 20);
    EXPECT_EQ(gGame.cellSize, 16);
    EXPECT_EQ(Screen(100, 230), Colour{kPaperWhite}) << "the grid view covers the keyboard";
    ShowKeyboard(window);
    HideKeyboard(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
}

TEST_F(BottomBandTest, MediumKeepsTheImageAndMovesTheOffsetWithTheBottomEdge)
{
    Load(OpenGrid(15, 15));
    Layout(kMedium);
    PaintGrid(window);
    HBITMAP image = gDisplay.backBitmap;
    At(5, 0, kAcross);  // rows 120 to 144: in view before and after
    gGame.scrollY = 50;
    ShowKeyboard(window);
    EXPECT_EQ(gDisplay.backBitmap, image);
    EXPECT_EQ(gGame.viewHeight, 203);
    EXPECT_EQ(gGame.scrollY, 50);

    HideKeyboard(window);
    EXPECT_EQ(gGame.viewHeight, 248);
    EXPECT_EQ(gGame.scrollY, 5);  // 45 pixels less: the bottom rows stay at the bottom

    ShowKeyboard(window);
    gGame.scrollY = 30;
    HideKeyboard(window);
    EXPECT_EQ(gGame.scrollY, 30);  // below 45: left unchanged, not set to 0
}

TEST_F(BottomBandTest, ShowingScrollsTheCurrentWordIntoTheSmallerView)
{
    Load(OpenGrid(15, 15));
    Layout(kLarge);
    PaintGrid(window);
    At(9, 3, kAcross);  // row 9 ends at 240: visible in 248 rows, not in 203
    ShowKeyboard(window);
    EXPECT_EQ(gGame.scrollY, 240 - 203);
}

}  // namespace
