// The honest marks are made whatever the Marks toggle says, so that the solved sign can tell a
// checked or revealed solve from a clean one; the toggle only shows or hides them.
#include "square_marks.h"

#include "diagramless.h"
#include "entry_check.h"
#include "play_cursor.h"
#include "square_text.h"

namespace {

// A square the player had already right was not given, whatever showed it afterwards.
void Given(int i)
{
    if (SquareTakesEntry(i) && !SquareEntryRight(i))
        gGame.playerMarks[i] |= kMarkGiven;
}

}  // namespace

void MarkTyped(int i)
{
    if (gGame.settings.pencil)
        gGame.playerMarks[i] |= kMarkPencil;
    else
        gGame.playerMarks[i] &= uint8_t(~kMarkPencil);
}

void MarkErased(int i)
{
    gGame.playerMarks[i] &= uint8_t(~kMarkPencil);
}

bool SquareInScope(int i, MarkScope scope)
{
    const int n = gGame.width * gGame.height;
    if (i < 0 || i >= n || i >= kMaxCells)
        return false;
    if (scope == kMarkPuzzle)
        return true;
    if (scope == kMarkLetter)
        return i == CurrentSquare();
    int first = 0;
    int last = 0;
    int step = 1;
    return CurrentWordSquares(&first, &last, &step) && i >= first && i <= last &&
           (i - first) % step == 0;
}

void MarkGiven(MarkScope scope)
{
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (SquareInScope(i, scope))
            Given(i);
    }
}

void MarkWrongSquares(MarkScope scope)
{
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (SquareInScope(i, scope) && CheckSquare(i) == kCheckWrong)
            gGame.playerMarks[i] |= kMarkWasWrong;
    }
}

int MarkedSquares()
{
    const int n = gGame.width * gGame.height;
    int count = 0;
    for (int i = 0; i < n && i < kMaxCells; ++i)
        count += (gGame.playerMarks[i] & (kMarkGiven | kMarkWasWrong)) != 0;
    return count;
}
