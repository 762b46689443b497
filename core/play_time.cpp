// The clock's state, private to this file, and the way the time is written.
#include "play_time.h"

#include "game_state.h"

namespace {

struct Clock {
    int seconds;         // time spent on the open puzzle
    bool stoppedInFile;  // the LTIM section said its clock was stopped
    bool paused;         // the player paused it
    bool active;         // the game's window is the active one
};

Clock gClock;

}  // namespace

int ClockSeconds()
{
    return gClock.seconds;
}

void StartClock(int seconds, bool stoppedInFile)
{
    gClock.seconds = seconds > 0 ? seconds : 0;
    gClock.stoppedInFile = stoppedInFile;
    gClock.paused = false;
}

bool ClockStoppedInFile()
{
    return gClock.stoppedInFile;
}

bool ClockPaused()
{
    return gClock.paused;
}

void ToggleClockPause()
{
    if (gGame.solved || !PuzzleOpen() || !gGame.puzzlePath[0])
        return;
    gClock.paused = !gClock.paused;
}

void RestoreClockPause(bool paused)
{
    gClock.paused = paused;
}

bool PauseHidesGrid()
{
    return gClock.paused && PuzzleOpen() && gGame.puzzlePath[0] && gGame.width > 0 && !gGame.solved;
}

void SetClockActive(bool active)
{
    gClock.active = active;
}

bool ClockRuns()
{
    return gClock.active && PuzzleOpen() && gGame.puzzlePath[0] && gGame.width > 0 &&
           !gClock.paused && !gGame.solved;
}

bool TickClock()
{
    if (!ClockRuns())
        return false;
    ++gClock.seconds;
    return true;
}

int FormatPlayTime(int seconds, WCHAR* out)
{
    seconds = seconds < 0 ? 0 : seconds;
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    if (hours > 0)
        return wsprintfW(out, u"%d:%02d:%02d", hours, minutes, seconds % 60);
    return wsprintfW(out, u"%d:%02d", minutes, seconds % 60);
}
