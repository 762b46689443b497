// The clue bar: its text for the current word in either direction, the widening of the
// clue by the file's encoding, and the band it paints with and without the keyboard.
#include "automation.h"
#include "clue_bar.h"
#include "display_fixture.h"
#include "display_state.h"
#include "layout.h"
#include "play_cursor.h"

namespace {

// Clue strings of kFiveByFive in file order: 1A 1D 2D 3D 4A 5D 6A 7A.
const std::vector<std::string> kClues = {"Start",  "First down", "Second down", "Third down",
                                         "Fourth", "Fifth down", "Six & seven", "Last"};

class ClueBarTest : public DisplayTest {
  protected:
    static std::u16string Text()
    {
        WCHAR text[kClueBarChars];
        const int length = ComposeClueBarText(text);
        EXPECT_EQ(length, int(std::u16string(text).size()));
        return text;
    }
};

TEST_F(ClueBarTest, TheTextFollowsTheDirectionOfTheSameSquare)
{
    Load(kFiveByFive, kClues);
    At(2, 3, kAcross);
    EXPECT_EQ(Text(), u"6 a: Six & seven (5)");
    ToggleDirection();
    EXPECT_EQ(Text(), u"5 d: Fifth down (2)");
    At(4, 4, kDown);  // the middle of 3D
    EXPECT_EQ(Text(), u"3 d: Third down (5)");
}

TEST_F(ClueBarTest, NoWordInTheDirectionGivesAnEmptyBar)
{
    Load(kFiveByFive, kClues);
    At(2, 1, kDown);
    EXPECT_EQ(Text(), u"");
    At(0, 3, kAcross);  // black
    EXPECT_EQ(Text(), u"");
}

TEST_F(ClueBarTest, ClueTextIsWidenedByTheFilesEncodingAndCut)
{
    std::vector<std::string> clues = kClues;
    clues[0] = "Caf\xe9";
    Load(kFiveByFive, clues, "1.3");
    At(0, 0, kAcross);
    EXPECT_EQ(Text(), u"1 a: Caf\u00e9 (3)");

    clues[0] = "Caf\xc3\xa9";
    Load(kFiveByFive, clues, "2.0");
    EXPECT_EQ(Text(), u"1 a: Caf\u00e9 (3)");

    clues[0] = std::string(300, 'x');
    Load(kFiveByFive, clues);
    const std::u16string cut = Text();
    EXPECT_EQ(cut.size(), 259u);
    EXPECT_EQ(cut.substr(0, 6), u"1 a: x");
    EXPECT_EQ(cut.substr(cut.size() - 5), u"x (3)");  // the clue is cut, never its length
}

TEST_F(ClueBarTest, TheBandSitsAboveTheKeyboardOrAtTheClientBottom)
{
    Load(kFiveByFive, kClues);
    Layout(kSmall);
    At(2, 3, kAcross);
    FillClient(kLineBlack);
    PaintClueBar(window);
    EXPECT_EQ(Screen(100, 247), Colour{kLineBlack});
    EXPECT_EQ(ScreenInk({0, 240, 240, 268}, kPaperWhite).top, 248);
    EXPECT_EQ(Screen(0, 248), Colour{kPaperWhite});
    EXPECT_EQ(Screen(239, 267), Colour{kPaperWhite});
    const RECT text = ScreenInkWhere({0, 248, 240, 268}, IsDark);
    ASSERT_NE(text.right, 0) << "no clue text";
    EXPECT_LE(text.left, 4);  // left-aligned from client left + 1

    gGame.keyboardShown = 1;
    FillClient(kLineBlack);
    PaintClueBar(window);
    EXPECT_EQ(Screen(100, 202), Colour{kLineBlack});
    EXPECT_EQ(Screen(0, 203), Colour{kPaperWhite});
    EXPECT_EQ(Screen(239, 224), Colour{kPaperWhite});
    EXPECT_EQ(Screen(100, 225), Colour{kLineBlack});
}

TEST_F(ClueBarTest, WithTheInputPanelUpTheBandIgnoresTheKeyboardFlag)
{
    Load(kFiveByFive, kClues);
    gGame.keyboardShown = 1;
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    ASSERT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0));
    sip.fdwFlags |= SIPF_ON;
    ASSERT_TRUE(SHSipInfo(SPI_SETSIPINFO, 0, &sip, 0));
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(ClueBarTop(window), client.bottom - 20);
}

TEST_F(ClueBarTest, AnEmptyBarIsPlainWhiteAndNothingLeaks)
{
    Load(kFiveByFive, kClues);
    Layout(kSmall);
    At(2, 1, kDown);
    FillClient(kLineBlack);
    const int before = AutomationGdiObjectCount();
    PaintClueBar(window);
    EXPECT_EQ(AutomationGdiObjectCount(), before);
    EXPECT_EQ(ScreenInk({0, 248, 240, 268}, kPaperWhite), (RECT{0, 248, 240, 268}));
}

}  // namespace
