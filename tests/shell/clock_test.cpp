// The clock in the title: running, paused, stopped by the solve or by another program's focus,
// kept.
#include "comforts_fixture.h"

namespace {

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

TEST_F(ComfortsTest, TheClockStopsWhileAnotherDesktopProgramHasTheFocus)
{
    Open(Section("LTIM", "65,0"));
    Wait(3000);
    EXPECT_EQ(Title(), u"Crossword 1:08");
    const int shown = TitleInk();
    AutomationHostFocus(false);
    Wait(5000);
    EXPECT_EQ(Title(), u"Crossword 1:08");
    EXPECT_EQ(TitleInk(), shown);
    AutomationHostFocus(true);
    Wait(2000);
    EXPECT_EQ(Title(), u"Crossword 1:10");
}

}  // namespace
