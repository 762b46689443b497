// The clue bar: a 22-pixel white strip under the grid view with the current word's number,
// direction, clue and length. Drawn straight onto the window, outside what PresentView copies.
#pragma once

#include "windows.h"

constexpr int kClueBarHeight = 22;
constexpr int kClueBarChars = 260;  // composition buffer, terminator included

// The bar's text for the current word into `out` (kClueBarChars WCHARs): "12 a: clue (5)".
// Empty when the current square has no word in the current direction. Returns its length.
int ComposeClueBarText(WCHAR* out);

// Top of the bar in client coordinates: above the keyboard while it is shown and the input
// panel is down, else 20 pixels above the client bottom; the client top when the input panel
// cannot be asked.
int ClueBarTop(HWND window);

// Draws the bar for the current square and direction.
void PaintClueBar(HWND window);
