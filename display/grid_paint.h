// The grid painters: the full paint, the highlight of the current word and what the View
// commands show of the solution once. They draw into the grid image and never present it: the
// shell's repaint steps do.
#pragma once

#include "windows.h"

// What a full paint shows in the open squares: the player's entries, or the whole solution in
// red (View Puzzle) until the next full paint.
enum GridContents { kGridEntries = 0, kGridSolution };

// Full paint of every square, letter and number into the grid image. Makes the grid fonts for
// the cell size.
void PaintGrid(HWND window, GridContents contents);

// The current word yellow and the current square orange, with their letters and numbers, on
// top of the last full paint.
void PaintWordHighlight(HWND window);

// View Letter and View Word on top of a full paint: the solution of the current square (on
// orange) or of the current word (on its highlight) in red, until the next full paint.
void PaintViewedLetter(HWND window);
void PaintViewedWord(HWND window);
