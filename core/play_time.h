// The puzzle's clock: the time spent on the open puzzle, which travels with its progress. Its
// state lives here alone; the shell ticks it once a second while it runs and shows it, the
// progress records and the file's LTIM section set it, the clue bar reads it. It runs while
// the game is the active window with a puzzle open (so not while a dialog, a menu or a message
// box is up, nor while another desktop program has the focus), stops when the puzzle is
// solved, and the player may pause it.
#pragma once

#include "windows.h"

// Seconds spent on the open puzzle.
int ClockSeconds();
// A new puzzle's time: from its progress or its file; running, not paused. `stoppedInFile` is
// the LTIM section's own state, kept only to be reported.
void StartClock(int seconds, bool stoppedInFile);
bool ClockStoppedInFile();

// Whether the player has paused the clock, and the pause going on or off; a solved puzzle, or
// none, cannot be paused.
bool ClockPaused();
void ToggleClockPause();
// The pause a progress record kept: taken as it is, so that a record held without its puzzle
// is written back as it came; a puzzle that opens solved is never paused.
void RestoreClockPause(bool paused);

// Whether the pause hides the open puzzle: the player paused an open, unsolved grid. Only the
// player's pause does; the clock standing still behind a dialog or another program does not.
bool PauseHidesGrid();

// The game's window is the active one, or not.
void SetClockActive(bool active);

// Whether the clock runs now.
bool ClockRuns();

// One second of the tick: counted when the clock runs. True when it was counted.
bool TickClock();

// Writes `seconds` as minutes and seconds (hours first past an hour) into `out` (16 WCHARs);
// the characters written.
int FormatPlayTime(int seconds, WCHAR* out);
