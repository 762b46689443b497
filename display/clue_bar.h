// The clue bar: a white strip under the grid view with the current word's number,
// direction, clue and length. Two lines high, it grows for a longer clue as far as the current
// word stays in view, and past that ends the clue in an ellipsis. Drawn straight onto the
// window, outside what PresentView copies.
#pragma once

#include "windows.h"

constexpr int kClueBarHeight = 22;     // the bar of two lines
constexpr int kClueBarChars = 260;     // composition buffer, terminator included
constexpr int kClueBarMaxLines = 6;    // the most a clue may take before it ends in an ellipsis
constexpr int kWholeClueChars = 1024;  // the whole clue a tap on the bar shows

// The bar's text for the current word into `out` (kClueBarChars WCHARs): "12 a: clue (5)".
// A clue too long for the buffer is cut, never its length. Empty when the current square has
// no word in the current direction. Returns its length.
int ComposeClueBarText(WCHAR* out);

// The same text uncut into `out` (kWholeClueChars WCHARs), for the whole clue shown apart.
int ComposeWholeClueText(WCHAR* out);

// Top of the bar in client coordinates: above the keyboard while it is shown and the input
// panel is down, else 20 pixels above the client bottom, less what a long clue grew it by;
// the client top when the input panel cannot be asked.
int ClueBarTop(HWND window);

// Whether client point `p` lies on the bar as it is drawn now.
bool OnClueBar(HWND window, POINT p);

// The text the bar shows now, its lines and their number: the whole text, or the clue cut
// with an ellipsis before its length when the lines the bar may take cannot hold it.
int ClueBarShownText(HWND window, WCHAR* out);

// Draws the bar for the current square and direction, with the pencil sign in its top right
// corner while Pencil is on. When the clue needs another number of
// lines than the bar had, the bar grows or shrinks first (the view follows, and the current
// word is scrolled into what stays of it).
void PaintClueBar(HWND window);
