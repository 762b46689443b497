// Fill and Clear on gGame.entries.
#include "fill_clear_entries.h"

#include <cstring>

#include "diagramless.h"
#include "play_cursor.h"
#include "square_marks.h"
#include "square_text.h"

namespace {

bool IsOpenSquare(int square)
{
    return square >= 0 && square < gGame.width * gGame.height && SquareTakesEntry(square);
}

// Calls `change` for each open square of the current word.
template <typename Change> void ForEachOpenSquareOfWord(Change change)
{
    int first = 0;
    int last = 0;
    int step = 1;
    if (!IsOpenSquare(CurrentSquare()) || !CurrentWordSquares(&first, &last, &step))
        return;
    for (int i = first; i <= last; i += step) {
        if (SquareTakesEntry(i))
            change(i);
    }
}

void Reveal(int i)
{
    RevealSquare(i);
    MarkErased(i);  // a given letter is ink
}

void Erase(int i)
{
    PutSquareEntry(i, "");
    MarkErased(i);
}

}  // namespace

// The marks go first: a square the player already had right was not given.
void FillLetter()
{
    MarkGiven(kMarkLetter);
    if (IsOpenSquare(CurrentSquare()))
        Reveal(CurrentSquare());
    FollowPlayerBlocks();  // a diagramless square may have become the block it is
}

void FillWord()
{
    MarkGiven(kMarkWord);
    ForEachOpenSquareOfWord(Reveal);
    FollowPlayerBlocks();
}

void FillPuzzle()
{
    MarkGiven(kMarkPuzzle);
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n && i < kMaxCells; ++i) {
        if (SquareTakesEntry(i))
            Reveal(i);
    }
    FollowPlayerBlocks();
}

void ClearLetter()
{
    if (IsOpenSquare(CurrentSquare()))
        Erase(CurrentSquare());
    FollowPlayerBlocks();
}

void ClearWord()
{
    ForEachOpenSquareOfWord(Erase);
    FollowPlayerBlocks();
}

void ClearPuzzle()
{
    const int n = gGame.width * gGame.height;
    for (int i = 0; i < n; ++i) {
        gGame.entries[i] = gGame.solution[i] == '.' && !gGame.diagramless ? '.' : '-';
        MarkErased(i);
    }
    std::memset(gGame.playerRebus, 0, sizeof gGame.playerRebus);
    FollowPlayerBlocks();
}
