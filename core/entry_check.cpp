// Checking entries against the solution.
#include "entry_check.h"

#include "square_text.h"

// In a diagramless puzzle a black square is checked like a letter: a placed block where the
// solution has one is right, a letter there wrong, and an empty square merely empty.
CheckMark CheckSquare(int i)
{
    if (gGame.solution[i] == '.' && !gGame.diagramless)
        return kCheckBlack;
    if (SquareEntryRight(i))
        return kCheckRight;
    return gGame.entries[i] == '-' ? kCheckEmpty : kCheckWrong;
}

bool UpdateSolved()
{
    const int solved = PuzzleSolved() ? 1 : 0;
    if (solved == gGame.solved)
        return false;
    gGame.solved = solved;
    return true;
}

bool PuzzleSolved()
{
    if (gGame.solutionState != kSolutionOpen)
        return false;
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        const CheckMark mark = CheckSquare(i);
        if (mark == kCheckEmpty || mark == kCheckWrong)
            return false;
    }
    return n > 0;
}

CheckVerdict CheckEntries()
{
    const int n = gGame.width * gGame.height;
    int black = 0;
    int empty = 0;
    int wrong = 0;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        switch (CheckSquare(i)) {
        case kCheckBlack: ++black; break;
        case kCheckEmpty: ++empty; break;
        case kCheckWrong: ++wrong; break;
        case kCheckRight: break;
        }
    }
    if (empty == n - black)
        return kCheckNotStarted;
    return wrong > 0 ? kCheckHasWrong : kCheckAllRight;
}
