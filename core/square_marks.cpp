// Marks are made only while their toggle is on, so the game plays as it always has unless the
// player asks for them.
#include "square_marks.h"

#include "entry_check.h"
#include "play_cursor.h"
#include "square_text.h"

namespace {

// A square the player had already right was not given, whatever showed it afterwards.
void Given(int i)
{
    if (gGame.entries[i] != '.' && !SquareEntryRight(i))
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

void MarkGiven(MarkScope scope)
{
    if (!gGame.settings.marks)
        return;
    const int n = gGame.width * gGame.height;
    int first = 0;
    int last = 0;
    int step = 1;
    if (scope == kMarkPuzzle) {
        for (int i = 0; i < n && i < kMaxCells; ++i)
            Given(i);
    } else if (scope == kMarkLetter) {
        const int i = CurrentSquare();
        if (i >= 0 && i < n)
            Given(i);
    } else if (CurrentWordSquares(&first, &last, &step)) {
        for (int i = first; i <= last; i += step)
            Given(i);
    }
}

void MarkWrongSquares()
{
    if (!gGame.settings.marks)
        return;
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (CheckSquare(i) == kCheckWrong)
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
