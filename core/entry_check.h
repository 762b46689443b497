// The verdict of a check of the entries against the solution, square by square. Comparison
// is byte for byte, so a revealed letter counts like a typed one.
#pragma once

#include "game_state.h"

enum CheckMark {
    kCheckBlack = 0,  // a black square
    kCheckEmpty,      // an open square holding "-"
    kCheckRight,      // the entry is exactly the solution character
    kCheckWrong,      // a letter that differs from the solution
};

enum CheckVerdict {
    kCheckNotStarted = 0,  // not one letter anywhere
    kCheckHasWrong,        // at least one wrong letter
    kCheckAllRight,        // every letter entered so far is right
};

// The mark of square `i` of the open puzzle.
CheckMark CheckSquare(int i);

// The verdict over the whole grid.
CheckVerdict CheckEntries();

// Every open square filled and right, against a solution the file gives in the open (a
// locked or missing one can tell nothing).
bool PuzzleSolved();

// Brings gGame.solved up to date after a change; true when the puzzle became solved or stopped
// being.
bool UpdateSolved();
