// The band under the grid view: the clue bar alone, or the clue bar over the on-screen
// keyboard. Showing and hiding the keyboard, and an input panel that comes up, change it; in
// Small the grid is laid out again, in Medium and Large only the view's height changes. These
// change the band and the view; the caller repaints.
#pragma once

#include "windows.h"

// Makes room for the on-screen keyboard (lowering the input panel when it is up; the two are
// never up together). True when the view must be laid out again (Small); in Medium and Large
// the view only gets shorter, and the current word must be brought into it.
bool ShowKeyboardBand(HWND window);

// Hides the on-screen keyboard; the band returns to the clue bar alone, as RestoreClueBarBand.
bool HideKeyboardBand(HWND window);

// The band returns to the clue bar alone (keyboard hidden, or the input panel changed). True in
// Small, where the view must be laid out again. Medium and Large: the view grows by the
// keyboard's height and scrollY follows, so the rows at the bottom of the view stay there; an
// offset that would go negative is left as it was, then kept within the largest scroll of the
// taller view.
bool RestoreClueBarBand(HWND window);
