// What the player's actions leave on a square beside its letters: pencil letters (typed while
// Pencil is on) and, while Marks is on, the honest marks of squares Check found wrong and of
// squares given by View or Fill. A mark once made stays when the square is corrected.
#pragma once

#include "game_state.h"

enum MarkScope { kMarkLetter = 0, kMarkWord, kMarkPuzzle };

// A letter was typed into square `i`: a pencil letter while Pencil is on, ink otherwise.
void MarkTyped(int i);

// Square `i` was emptied: its pencil mark goes, the honest marks stay.
void MarkErased(int i);

// With Marks on, the open squares of `scope` (the current square, the current word, the whole
// grid) count as given from now on: View showed them or Fill put them there.
void MarkGiven(MarkScope scope);

// With Marks on, every square whose letter is wrong now keeps a mark that it was.
void MarkWrongSquares();

// Squares that hold an honest mark: given, or found wrong once.
int MarkedSquares();
