// The clock on the screen: the puzzle's time (core's play_time) shown after the title in the
// navigation bar, and the one-second tick that advances it while it runs. A tap on the title
// pauses and resumes it.
#pragma once

#include "windows.h"

constexpr UINT_PTR kClockTimer = 102;  // 101 is the About animation's

// A new main window: no tick set on it yet, and not active until its first activation.
void ResetClockTick();

// WM_TIMER: a second more while the clock runs (other timers are not the clock's).
void OnClockTick(HWND window, WPARAM timer);

// WM_ACTIVATE: the clock runs only while the main window is the active one.
void SetClockShownActive(HWND window, bool active);

// A tap on the title in the navigation bar, or on the pause panel: pause, hiding the grid and
// the clue bar behind the panel, or go on and show them again.
void TogglePause(HWND window);

// "Crossword 12:34" (and "paused" when paused) as the main window's title, and the tick
// started or stopped as the clock now runs or not. Called after whatever may change that.
void ShowClock(HWND window);
