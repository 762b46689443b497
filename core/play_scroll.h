// Which part of the grid image the view shows after the cursor moved: the offset arithmetic
// that brings the current word into view. Pure: the display redraws when an offset changed.
#pragma once

#include "game_state.h"

// Moves scrollX / scrollY so that the current word can be seen, by the rules of the view:
// forward (right, down) as far as needed when the word is shorter than the view; back (left,
// up) only when the target lies less than one view before the current offset. The offsets
// are not clamped otherwise. True when an offset changed.
bool ScrollOffsetsToCurrentWord();
