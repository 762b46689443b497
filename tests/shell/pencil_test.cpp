// Pencil letters: grey, checked like ink, inked over, kept across a restart.
#include <algorithm>

#include "comforts_fixture.h"

namespace {

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

// While Pencil is on a grey pencil stands in the clue bar's top right corner, with and without
// the keyboard, and the clue's text wraps before it; off, it is gone.
TEST_F(ComfortsTest, ThePencilSignStandsInTheClueBarsCornerBesideTheText)
{
    PuzzleImage p = MakePuzzle(kRows);
    AddClues(&p);
    p.clues[0] = "A clue long enough to wrap the bar's text to the right end of its first line "
                 "and on to a second and third";
    WriteDeviceFile("\\My Documents\\a.puz", Bytes(p));
    Restart();
    for (const bool keyboard : {false, true}) {
        SCOPED_TRACE(keyboard ? "with the keyboard" : "without the keyboard");
        if (keyboard)
            Command(IDM_KEYBOARD);
        TapCell(0, 0);
        if (gGame.direction != 0)
            Key(VK_RETURN);
        const int top = ClueBarTop(window);
        const int bottom =
            std::min(top + kClueBarHeight + gGame.clueBarGrowth, keyboard ? 225 : 268);
        const RECT sign = {229, top, 240, top + 11};
        // The text's anti-aliased edges may hold a pixel or two of the same grey.
        const int without = CountPixels(sign, kPencil);
        Command(IDM_PENCIL);
        EXPECT_GT(CountPixels(sign, kPencil), without + 10);
        EXPECT_EQ(CountDarkIn({232, top, 240, bottom}), 0) << "no text beside the sign";
        EXPECT_GT(CountDarkIn({0, top, 229, bottom}), 0);
        WCHAR shown[kClueBarChars];
        ClueBarShownText(window, shown);
        EXPECT_TRUE(std::u16string(shown).ends_with(u" (5)"));
        Command(IDM_PENCIL);
        EXPECT_EQ(CountPixels(sign, kPencil), without);
    }
}

}  // namespace
