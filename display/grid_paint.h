// The grid painters: the full paint, the highlight of the current word, the tap on a square
// and the View commands that show the solution once. They draw into the grid image; only the
// View commands present it themselves.
#pragma once

#include "windows.h"

// Full paint of every square, letter and number; the solution in red instead of the entries
// when showSolution is set (which it then clears). Makes the grid fonts for the cell size.
void PaintGrid(HWND window);

// The current word yellow and the current square orange, with their letters and numbers, on
// top of the last full paint.
void PaintWordHighlight(HWND window);

// A tap at client point (x, y) of the grid view: repaints the grid, toggles the direction on
// the current square (unless holdSelect), moves to a square that has both words, highlights
// the current word (the old one when the cursor stayed) and repaints the clue bar. A point
// off the grid does nothing.
void SelectCellAt(HWND window, int x, int y);

// The solution of the current square, the current word or the whole puzzle in red until the
// next full paint; each repaints the clue bar and the keyboard and presents the view.
void ViewLetter(HWND window);
void ViewWord(HWND window);
void ViewPuzzle(HWND window);
