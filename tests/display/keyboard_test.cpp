// The on-screen keyboard: which key a tap means at the edges of the rows, the picture, the
// pressed key's flash, and what a key does to the entries and the cursor.
#include "automation.h"
#include "display_fixture.h"
#include "display_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"

namespace {

using KeyboardTest = DisplayTest;

void ExpectLetter(int x, int y, char letter)
{
    const KeyboardKey key = KeyAt(x, y);
    EXPECT_EQ(key.kind, kLetterKey) << "at " << x << ", " << y;
    EXPECT_EQ(key.letter, letter) << "at " << x << ", " << y;
}

void ExpectKind(int x, int y, int kind)
{
    EXPECT_EQ(KeyAt(x, y).kind, kind) << "at " << x << ", " << y;
}

TEST_F(KeyboardTest, TapRowsAreTwelvePixelsSoLowerRowsAnswerHigher)
{
    ExpectLetter(15, 225, 'Q');  // above the picture's first key row still counts
    ExpectLetter(15, 239, 'Q');
    ExpectLetter(25, 240, 'A');
    ExpectLetter(25, 251, 'A');
    ExpectLetter(35, 252, 'Z');  // the lower edge of the picture's middle row
    ExpectLetter(35, 253, 'Z');
    ExpectLetter(35, 263, 'Z');
    ExpectKind(35, 264, kNoKey);
}

TEST_F(KeyboardTest, ColumnsTruncateAndEndAtEachRowsLastKey)
{
    ExpectLetter(0, 230, 'Q');
    ExpectLetter(9, 230, 'Q');
    ExpectLetter(209, 230, 'P');
    ExpectKind(210, 230, kNoKey);  // right of P
    ExpectLetter(199, 245, 'L');
    ExpectKind(200, 245, kRebusKey);  // right of L, to the edge
    ExpectKind(239, 245, kRebusKey);
    ExpectLetter(169, 258, 'M');
    ExpectKind(170, 258, kEraseKey);
    ExpectKind(209, 258, kEraseKey);  // the gap before OK erases too
    ExpectKind(210, 258, kOkKey);
    ExpectKind(239, 258, kOkKey);
}

TEST_F(KeyboardTest, ThePictureIsDrawnUnderTheClueBar)
{
    FillClient(kLineBlack);
    PaintKeyboardImage(window);
    EXPECT_EQ(ScreenInk({0, 220, 240, 268}, kPictureGrey), (RECT{0, 225, 240, 268}));
    EXPECT_EQ(Screen(100, 224), Colour{kLineBlack});
}

TEST_F(KeyboardTest, APressedKeyFlashesYellowInItsPictureRow)
{
    FillClient(kLineBlack);
    FlashKey(window, KeyAt(25, 245));  // A: row 1, key 0, face 20..40 x 241..253
    EXPECT_EQ(Screen(22, 244), Colour{kWordYellow});
    EXPECT_EQ(Screen(30, 241), Colour{kLineBlack});  // the black outline
    EXPECT_EQ(Screen(41, 247), Colour{kLineBlack});  // nothing outside the face
    EXPECT_NE(ScreenInkWhere({21, 242, 39, 252}, IsDark).right, 0) << "no label";

    FillClient(kLineBlack);
    FlashKey(window, KeyAt(200, 258));  // erase: 170..190 x 254..266
    EXPECT_EQ(ScreenInk({160, 250, 240, 268}, kWordYellow).left, 171);
    EXPECT_LE(ScreenInk({160, 250, 240, 268}, kWordYellow).right, 190);

    FillClient(kLineBlack);
    FlashKey(window, KeyAt(215, 258));  // OK: 210..235 x 254..266
    EXPECT_EQ(Screen(213, 257), Colour{kWordYellow});
    EXPECT_EQ(ScreenInk({160, 250, 240, 268}, kWordYellow).left, 211);

    FillClient(kLineBlack);
    FlashKey(window, KeyAt(215, 230));  // no key: nothing
    EXPECT_EQ(ScreenInk({0, 220, 240, 268}, kWordYellow), (RECT{0, 0, 0, 0}));
}

}  // namespace
