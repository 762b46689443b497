// Fill (reveal the solution) and Clear (erase) of the current letter, the current word or
// the whole puzzle. Only `entries` changes: the cursor and the direction never move, and
// black squares are never written. Asking before ClearPuzzle is the caller's business.
#pragma once

#include "game_state.h"

// The current square receives its solution character.
void FillLetter();
// Every square of the current word receives its solution character. A square in no word in
// the current direction is its own word, as the highlight shows it.
void FillWord();
// The whole solution is copied into the entries.
void FillPuzzle();

// The current square becomes empty ("-").
void ClearLetter();
// Every square of the current word becomes empty.
void ClearWord();
// Every square becomes "." where the solution is black and "-" everywhere else.
void ClearPuzzle();
