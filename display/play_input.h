// Letters, Backspace and the view that follows the cursor, with their repaints: the play
// engine's moves composed with the grid painters in the order the screen expects.
#pragma once

#include "windows.h"

// A letter 'A'..'Z' or Backspace (8) at the current square. A letter: stored, then
// AdvanceCursor. Backspace: the square is emptied, the grid repainted, the cursor steps back
// inside the word and the highlight is repainted (the clue bar is not). Ends with
// PresentView in every case, also on a black square where nothing else happens. Never
// scrolls.
void EnterKey(HWND window, int key);

// A character typed as text (WM_CHAR): digits, symbols and letters beyond A-Z, in the puzzle's
// encoding. Into the open rebus entry when there is one; otherwise stored as EnterKey stores
// a letter when the encoding holds it in one byte a square may take. Letters A-Z arrive as
// keys instead, so they are not taken twice.
void EnterCharacter(HWND window, WCHAR ch);

// The cursor step after a letter, between a full paint of the grid and the repaint of the
// highlight and the clue bar.
void AdvanceCursor(HWND window);

// Moves the scroll offsets so the current word can be seen and presents the view when they
// changed.
void ScrollWordIntoView(HWND window);
