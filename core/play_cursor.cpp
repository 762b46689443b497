// Cursor, direction and entry changes of the play engine.
#include "play_cursor.h"

#include "square_marks.h"
#include "square_text.h"

namespace {

int SquareCount()
{
    return gGame.width * gGame.height;
}

bool InGrid(int square)
{
    return square >= 0 && square < SquareCount();
}

// The square one step along `direction` (step +1 forward, -1 back), or -1 when that leaves
// the row (Across) or the grid (Down).
int Neighbour(int square, int direction, int step)
{
    if (direction == kAcross) {
        const int col = square % gGame.width + step;
        return col >= 0 && col < gGame.width ? square + step : -1;
    }
    const int next = square + step * gGame.width;
    return InGrid(next) ? next : -1;
}

// Whether `square` belongs to word `clue` in `direction`. No square carries "no word": -1
// never matches, so a square outside every word never drags the cursor along.
bool Carries(int square, int direction, int clue)
{
    return clue != -1 && square != -1 && WordOfSquare(square, direction) == clue;
}

const ClueEntry* ClueTable(int direction)
{
    return direction == kAcross ? gGame.acrossClues : gGame.downClues;
}

}  // namespace

int SquareNumbered(int number)
{
    for (int i = 0; i < SquareCount(); ++i) {
        if (gGame.cells[i].number == number)
            return i;
    }
    return -1;
}

int CurrentSquare()
{
    return gGame.cursorRow * gGame.width + gGame.cursorCol;
}

int WordOfSquare(int square, int direction)
{
    if (!InGrid(square))
        return -1;
    const CellInfo& cell = gGame.cells[square];
    return direction == kAcross ? cell.acrossClue : cell.downClue;
}

void CurrentWord(int* first, int* last)
{
    WordExtent(CurrentSquare(), gGame.direction, first, last);
}

bool CurrentWordSquares(int* first, int* last, int* step)
{
    const int cursor = CurrentSquare();
    if (cursor < 0 || cursor >= gGame.width * gGame.height)
        return false;
    CurrentWord(first, last);
    *step = gGame.direction == kAcross ? 1 : gGame.width;
    return true;
}

const ClueEntry* CurrentClueRow()
{
    const int clue = WordOfSquare(CurrentSquare(), gGame.direction);
    if (clue == -1)
        return nullptr;
    const ClueEntry* table = ClueTable(gGame.direction);
    for (int row = 0; row < kMaxWords && table[row].clueIndex != -1; ++row) {
        if (table[row].clueIndex == clue)
            return &table[row];
    }
    return nullptr;
}

bool StoreLetter(int key)
{
    const int square = CurrentSquare();
    if (!InGrid(square) || gGame.entries[square] == '.' || !IsEntryByte(key))
        return false;
    gGame.entries[square] = char(key);
    gGame.playerRebus[square][0] = 0;  // a letter typed over a rebus replaces it
    MarkTyped(square);
    return true;
}

void StepCursorAfterLetter()
{
    const int direction = gGame.direction;
    const int square = CurrentSquare();
    const int clue = WordOfSquare(square, direction);
    const int next = Neighbour(square, direction, 1);
    if (!Carries(next, direction, clue))
        return;  // the word ends here
    int target = next;
    if (gGame.settings.autoSkip) {
        // Walk over squares that already hold letters, starting at the typed one; stop on the
        // first empty square, or come back to the word's last square when the walk leaves it.
        int at = square;
        int previous = square;
        while (Carries(at, direction, clue) && gGame.entries[at] != '-') {
            previous = at;
            at = Neighbour(at, direction, 1);
        }
        target = Carries(at, direction, clue) ? at : previous;
    }
    SetCursorToCell(target);
}

bool EraseLetter()
{
    const int square = CurrentSquare();
    if (!InGrid(square) || gGame.entries[square] == '.')
        return false;
    gGame.entries[square] = '-';
    gGame.playerRebus[square][0] = 0;
    MarkErased(square);
    return true;
}

bool EraseLetterAndStepBack()
{
    if (!EraseLetter())
        return false;
    StepBackInWord();
    return true;
}

void StepBackInWord()
{
    const int square = CurrentSquare();
    const int clue = WordOfSquare(square, gGame.direction);
    if (clue == -1)
        return;
    const int previous = Neighbour(square, gGame.direction, -1);
    if (Carries(previous, gGame.direction, clue))
        SetCursorToCell(previous);
}

void ToggleDirection()
{
    gGame.direction = gGame.direction == kAcross ? kDown : kAcross;
}

void JumpToWord(int towards)
{
    const int direction = gGame.direction;
    const ClueEntry* table = ClueTable(direction);
    int used = 0;
    while (used < kMaxWords && table[used].clueIndex != -1)
        ++used;

    // Row of the current word; a square outside every word counts as one past the last row.
    int row = used;
    const int clue = WordOfSquare(CurrentSquare(), direction);
    if (clue != -1) {
        int first = 0;
        int last = 0;
        CurrentWord(&first, &last);
        const int number = gGame.cells[first].number;
        for (int i = 0; i < used; ++i) {
            if (table[i].number == number) {
                row = i;
                break;
            }
        }
    }

    const int target = towards == kPreviousWord ? row - 1 : row + 1;
    if (target < 0 || target >= used) {
        SetCursorToFirstSquare();
        return;
    }
    const int square = SquareNumbered(table[target].number);
    if (square != -1)
        SetCursorToCell(square);
}

void SetCursorToFirstSquare()
{
    for (int square = 0; square < SquareCount(); ++square) {
        if (WordOfSquare(square, gGame.direction) != -1) {
            SetCursorToCell(square);
            return;
        }
    }
    SetCursorToCell(0);
}

void SelectClue(int direction, int row)
{
    if (row < 0 || row >= kMaxWords)
        return;
    const ClueEntry& entry = ClueTable(direction)[row];
    if (entry.clueIndex == -1)
        return;
    gGame.direction = direction == kAcross ? kAcross : kDown;
    const int square = SquareNumbered(entry.number);
    if (square != -1)
        SetCursorToCell(square);
}

bool ApplyCellTap(int row, int col, bool held)
{
    if (row < 0 || row >= gGame.height || col < 0 || col >= gGame.width)
        return false;
    const int square = row * gGame.width + col;
    if (square == CurrentSquare() && !held)
        ToggleDirection();
    const CellInfo& cell = gGame.cells[square];
    if (cell.acrossClue == -1 || cell.downClue == -1)
        return false;
    SetCursorToCell(square);
    return true;
}
