// The band under the grid view: the clue bar alone, or the clue bar over the on-screen
// keyboard. Showing and hiding the keyboard, and an input panel that comes up, change it; in
// Small the grid is laid out again, in Medium and Large only the view's height changes.
#pragma once

#include "windows.h"

// Shows the on-screen keyboard: lowers the input panel when it is up, makes room for the
// keyboard, brings the current word into the smaller view, draws the clue bar and the
// keyboard and presents the view.
void ShowKeyboard(HWND window);

// Hides the on-screen keyboard: the band returns to the clue bar alone, then the clue bar is
// drawn and the view presented.
void HideKeyboard(HWND window);

// The band returns to the clue bar alone (keyboard hidden, or the input panel changed). Small:
// a new layout with the grid and highlight repainted. Medium and Large: the view grows by the
// keyboard's height and scrollY follows, so the rows at the bottom of the view stay there;
// an offset that would go negative is left as it was, then kept within the largest scroll of
// the taller view. Draws no clue bar and presents nothing.
void RestoreClueBarBand(HWND window);
