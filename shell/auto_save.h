// Auto-save: the current puzzle's progress reaches the disk about half a second after a change,
// and the clock's time at its tick, so a game that dies (killed, crashed, its power gone) loses
// at most the last second.
#pragma once

#include "windows.h"

constexpr UINT_PTR kAutoSaveTimer = 103;  // 101 is the About animation's, 102 the clock's

// A new main window: no timer is set and nothing is known to be written.
void ResetAutoSave();

// After anything that may have changed the progress: sets the half-second timer unless it is
// set already, so keys that follow it ride on the same write. Cheap enough for every key; it
// never writes.
void ScheduleAutoSave(HWND window);

// The timer: writes the progress when it differs from what was last written, and sets no new
// timer, so a game with nothing unsaved wakes nobody.
void OnAutoSaveTimer(HWND window);

// The clock's tick, which changed the record: writes it now, the letters not yet written with
// it, so the clock loses at most the second under way; a timer still set has nothing left.
void SaveAtClockTick(HWND window);

// Writes the progress now, when it differs from what was last written: to the puzzle's own
// progress file, then to the state file the next start reads, so that the record the next
// start finds is never older than the puzzle's own. False when a write failed.
bool SaveProgressNow();

// The close of the main window: the progress is written first, and when storage refuses it
// the player is asked whether to quit without those letters; No keeps the game running.
void CloseAfterSaving(HWND window);

// Writes the state file alone, now: after an opening, so that the next start finds the puzzle
// now shown, while the puzzle's own progress file waits for its first change.
bool SaveStartRecordNow();
