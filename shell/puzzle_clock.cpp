// The clock counts seconds of the tick while it may run, so time spent in another program or
// a dialog never counts; the count itself lives in gGame and travels with the progress.
#include "puzzle_clock.h"

#include "clue_bar.h"
#include "entry_check.h"
#include "game_state.h"
#include "play_time.h"
#include "shell_state.h"
#include "undo_history.h"

namespace {

bool ClockRuns()
{
    return gShell.active && PuzzleOpen() && gGame.puzzlePath[0] && gGame.width > 0 &&
           !gGame.timerPaused && !gGame.solved;
}

// The tick runs only while the clock does: an idle game in the background, a paused or a
// solved puzzle wakes nobody.
void SyncTick(HWND window)
{
    const int runs = ClockRuns() ? 1 : 0;
    if (runs == gShell.clockTicking)
        return;
    gShell.clockTicking = runs;
    if (runs)
        SetTimer(window, kClockTimer, 1000, nullptr);
    else
        KillTimer(window, kClockTimer);
}

}  // namespace

void ShowClock(HWND window)
{
    SyncTick(window);
    WCHAR time[16];
    FormatPlayTime(gGame.timerSeconds, time);
    WCHAR title[64];
    wsprintfW(title, gGame.timerPaused ? u"Crossword %s paused" : u"Crossword %s", time);
    if (!PuzzleOpen() || !gGame.puzzlePath[0])
        lstrcpyW(title, u"Crossword");
    WCHAR shown[64] = {};
    GetWindowTextW(window, shown, 64);
    if (lstrcmpW(shown, title) != 0)
        SetWindowTextW(window, title);
}

void OnClockTick(HWND window, WPARAM timer)
{
    if (timer != kClockTimer || !ClockRuns())
        return;
    ++gGame.timerSeconds;
    ShowClock(window);
}

void SetClockActive(HWND window, bool active)
{
    gShell.active = active ? 1 : 0;
    ShowClock(window);
}

void ToggleClockPause(HWND window)
{
    if (gGame.solved || !PuzzleOpen() || !gGame.puzzlePath[0])
        return;
    gGame.timerPaused = !gGame.timerPaused;
    ShowClock(window);
}

void AfterPlayerAction(HWND window)
{
    RecordUndoStep();
    const int solved = PuzzleSolved() ? 1 : 0;
    if (solved == gGame.solved)
        return;
    gGame.solved = solved;
    ShowClock(window);
    PaintClueBar(window);
}
