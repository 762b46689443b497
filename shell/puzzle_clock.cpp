// The tick is a one-second timer of the main window, set only while the clock runs: an idle
// game in the background, a paused or a solved puzzle wakes nobody. The player's pause hides
// the grid behind the display's pause panel.
#include "puzzle_clock.h"

#include "auto_save.h"
#include "game_state.h"
#include "main_handlers.h"
#include "main_window.h"
#include "play_time.h"
#include "player_action.h"
#include "refresh.h"

namespace {

bool gTicking = false;  // the one-second timer is set

void SyncTick(HWND window)
{
    const bool runs = ClockRuns();
    if (runs == gTicking)
        return;
    gTicking = runs;
    if (runs)
        SetTimer(window, kClockTimer, 1000, nullptr);
    else
        KillTimer(window, kClockTimer);
}

}  // namespace

void ResetClockTick()
{
    gTicking = false;
    SetClockActive(false);
}

void ShowClock(HWND window)
{
    SyncTick(window);
    WCHAR time[16];
    FormatPlayTime(ClockSeconds(), time);
    WCHAR title[64];
    wsprintfW(title, ClockPaused() ? u"Crossword %s paused" : u"Crossword %s", time);
    if (!PuzzleOpen() || !gGame.puzzlePath[0])
        lstrcpyW(title, u"Crossword");
    WCHAR shown[64] = {};
    GetWindowTextW(window, shown, 64);
    if (lstrcmpW(shown, title) != 0)
        SetWindowTextW(window, title);
}

void OnClockTick(HWND window, WPARAM timer)
{
    if (timer == kClockTimer && TickClock()) {
        ShowClock(window);
        ScheduleAutoSave(window);  // the clock's time is progress too
    }
}

void SetClockShownActive(HWND window, bool active)
{
    SetClockActive(active);
    ShowClock(window);
}

void TogglePause(HWND window)
{
    // The letters of an open rebus entry go in before the grid is hidden.
    EndRebusEntry(window, true);
    ToggleClockPause();
    UpdateMenuChecks();  // what the pause refuses is greyed while it lasts
    ShowClock(window);
    Refresh(window, kGrid | kWord | kClueBar | kPresent);  // the panel, or the grid back
    AfterPlayerAction(window);                             // the pause is kept with the progress
}
