// The clock on its own: when a second counts, what a pause may do, what a new puzzle's time
// resets, and how the time is written.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "five_by_five_fixture.h"
#include "play_time.h"

namespace {

class PlayTime : public FiveByFiveTest {
  protected:
    void SetUp() override
    {
        FiveByFiveTest::SetUp();
        SetPuzzlePath(u"\\My Documents\\a.puz");
        SetClockActive(true);
        StartClock(0, false);
    }
};

TEST_F(PlayTime, ASecondCountsOnlyWhileTheOpenPuzzleIsActiveUnpausedAndUnsolved)
{
    EXPECT_TRUE(TickClock());
    SetClockActive(false);
    EXPECT_FALSE(TickClock());
    SetClockActive(true);
    ToggleClockPause();
    EXPECT_TRUE(ClockPaused());
    EXPECT_FALSE(TickClock());
    ToggleClockPause();
    EXPECT_TRUE(TickClock());
    EXPECT_EQ(ClockSeconds(), 2);

    gGame.solved = 1;
    EXPECT_FALSE(TickClock());
    ToggleClockPause();  // a solved puzzle cannot be paused
    EXPECT_FALSE(ClockPaused());
    gGame.solved = 0;
    SetPuzzlePath(u"");
    EXPECT_FALSE(ClockRuns());
    ToggleClockPause();
    EXPECT_FALSE(ClockPaused());
    SetPuzzlePath(u"\\My Documents\\a.puz");
    gGame.fileSize = 0;  // no file was accepted
    EXPECT_FALSE(TickClock());
    EXPECT_EQ(ClockSeconds(), 2);
}

// Only the player's pause of an open, unsolved grid hides it; a kept pause is taken as it
// came, even with no puzzle open, so that a held record is written back whole.
TEST_F(PlayTime, OnlyThePlayersPauseOfAnOpenUnsolvedGridHidesIt)
{
    SetClockActive(false);
    EXPECT_FALSE(PauseHidesGrid());
    ToggleClockPause();
    EXPECT_TRUE(PauseHidesGrid());
    gGame.solved = 1;
    EXPECT_FALSE(PauseHidesGrid());
    gGame.solved = 0;
    gGame.fileSize = 0;
    RestoreClockPause(true);
    EXPECT_TRUE(ClockPaused());
    EXPECT_FALSE(PauseHidesGrid());
    StartClock(0, false);
    EXPECT_FALSE(ClockPaused());
}

// A file's stopped clock is only reported: the time runs on from it, and a new puzzle's
// time is never paused nor below zero.
TEST_F(PlayTime, ANewPuzzlesTimeStartsRunning)
{
    ToggleClockPause();
    StartClock(75, true);
    EXPECT_FALSE(ClockPaused());
    EXPECT_TRUE(ClockStoppedInFile());
    EXPECT_TRUE(TickClock());
    EXPECT_EQ(ClockSeconds(), 76);
    StartClock(-5, false);
    EXPECT_EQ(ClockSeconds(), 0);
    EXPECT_FALSE(ClockStoppedInFile());
}

TEST(PlayTimeText, MinutesAndSecondsWithHoursPastAnHour)
{
    const struct {
        int seconds;
        std::u16string text;
    } cases[] = {
        {0, u"0:00"},     {-7, u"0:00"},      {59, u"0:59"},        {61, u"1:01"},
        {3599, u"59:59"}, {3600, u"1:00:00"}, {36061, u"10:01:01"}, {INT_MAX, u"596523:14:07"}};
    for (const auto& c : cases) {
        WCHAR out[16];
        EXPECT_EQ(FormatPlayTime(c.seconds, out), int(c.text.size())) << c.seconds;
        EXPECT_EQ(std::u16string(out), c.text) << c.seconds;
    }
}

}  // namespace
