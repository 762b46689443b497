// The time spent on the open puzzle, shown after the title in the navigation bar: it runs
// while the game is the active window with a puzzle open (so not while a dialog, a menu or a
// message box is up), stops when the puzzle is solved, and a tap on the title pauses and
// resumes it. What ends every action of the player lives here too: the undo step and the
// solved test.
#pragma once

#include "windows.h"

constexpr UINT_PTR kClockTimer = 102;  // 101 is the About animation's

// WM_TIMER: a second more while the clock runs (other timers are not the clock's).
void OnClockTick(HWND window, WPARAM timer);

// WM_ACTIVATE: the clock runs only while the main window is the active one.
void SetClockActive(HWND window, bool active);

// A tap on the title in the navigation bar: pause, or go on.
void ToggleClockPause(HWND window);

// After every key, tap and command: the changes it made become one undo step, and a puzzle
// that became solved (or stopped being) says so in the clue bar and stops (or restarts) the
// clock.
void AfterPlayerAction(HWND window);

// "Crossword 12:34" (and "paused" when paused) as the main window's title, and the tick
// started or stopped as the clock now runs or not. Called after whatever may change that.
void ShowClock(HWND window);
