// What the player's actions leave on a square beside its letters: pencil letters (typed while
// Pencil is on) and the honest marks of squares Check found wrong and of squares given by View
// or Fill, made whether Marks shows them or not. A mark once made stays when the square is
// corrected.
#pragma once

#include "game_state.h"

enum MarkScope { kMarkLetter = 0, kMarkWord, kMarkPuzzle };

// A letter was typed into square `i`: a pencil letter while Pencil is on, ink otherwise.
void MarkTyped(int i);

// Square `i` was emptied: its pencil mark goes, the honest marks stay.
void MarkErased(int i);

// Whether square `i` lies in `scope`: the current square, the current word (the square alone
// when it has no word the current way), or the whole grid.
bool SquareInScope(int i, MarkScope scope);

// The open squares of `scope` count as given from now on: View showed them or Fill put them
// there.
void MarkGiven(MarkScope scope);

// Every square of `scope` whose letter is wrong now keeps a mark that it was.
void MarkWrongSquares(MarkScope scope);

// Squares that hold an honest mark: given, or found wrong once.
int MarkedSquares();
