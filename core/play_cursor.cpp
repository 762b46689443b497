// Cursor, direction and entry changes of the play engine.
#include "play_cursor.h"

#include "diagramless.h"
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

// Rows of `direction`'s word table in use.
int WordsUsed(int direction)
{
    const ClueEntry* table = ClueTable(direction);
    int used = 0;
    while (used < kMaxWords && table[used].clueIndex != -1)
        ++used;
    return used;
}

// Row of the word through `square` in `direction`; a square outside every word counts as one
// past the last row.
int WordRow(int square, int direction)
{
    const int used = WordsUsed(direction);
    if (WordOfSquare(square, direction) == -1)
        return used;
    int first = 0;
    int last = 0;
    WordExtent(square, direction, &first, &last);
    const ClueEntry* table = ClueTable(direction);
    for (int i = 0; i < used; ++i) {
        if (table[i].number == gGame.cells[first].number)
            return i;
    }
    return used;
}

// The first empty square of word `row` in `direction`, or -1 when every square holds a letter
// (or the row names no square).
int FirstEmptyOfWord(int row, int direction)
{
    const int first = SquareNumbered(ClueTable(direction)[row].number);
    if (first == -1)
        return -1;
    const int clue = WordOfSquare(first, direction);
    for (int at = first; Carries(at, direction, clue); at = Neighbour(at, direction, 1)) {
        if (gGame.entries[at] == '-')
            return at;
    }
    return -1;
}

// The first empty square of the words after `row`, going round past the last word to the
// first and back to `row` itself; -1 when no word of `direction` has one.
int EmptyInLaterWords(int row, int direction)
{
    const int used = WordsUsed(direction);
    for (int k = 1; k <= used; ++k) {
        const int empty = FirstEmptyOfWord((row + k) % used, direction);
        if (empty != -1)
            return empty;
    }
    return -1;
}

// Past a word's last letter: with Auto Skip across words, on to the first empty square of a
// later word; otherwise, when asked for, to the next word's first empty square. True when the
// cursor moved.
bool LeaveWord(int square)
{
    const int direction = gGame.direction;
    if (gGame.settings.autoSkip && gGame.settings.skipAcrossWords) {
        const int empty = EmptyInLaterWords(WordRow(square, direction), direction);
        if (empty != -1) {
            SetCursorToCell(empty);
            return true;
        }
    }
    if (!gGame.settings.nextWordAfterLast)
        return false;
    JumpToWordEmptySquare(kNextWord);
    return true;
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
    if (!InGrid(square) || !SquareTakesEntry(square) || !IsEntryByte(key))
        return false;
    const bool wasBlock = gGame.entries[square] == '.';
    gGame.entries[square] = char(key);
    gGame.playerRebus[square][0] = 0;  // a letter typed over a rebus replaces it
    MarkTyped(square);
    if (wasBlock)
        FollowPlayerBlocks();  // a letter on a placed block opens the square again
    return true;
}

void StepCursorAfterLetter()
{
    const int direction = gGame.direction;
    const int square = CurrentSquare();
    const int clue = WordOfSquare(square, direction);
    const int next = Neighbour(square, direction, 1);
    if (clue == -1)
        return;  // a square in no word this way: nowhere to go on to
    if (!Carries(next, direction, clue)) {
        LeaveWord(square);  // the word ends here
        return;
    }
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
        if (!Carries(at, direction, clue) && LeaveWord(square))
            return;
        target = Carries(at, direction, clue) ? at : previous;
    }
    SetCursorToCell(target);
}

bool EraseLetter()
{
    const int square = CurrentSquare();
    if (!InGrid(square) || !SquareTakesEntry(square))
        return false;
    const bool wasBlock = gGame.entries[square] == '.';
    gGame.entries[square] = '-';
    gGame.playerRebus[square][0] = 0;
    MarkErased(square);
    if (wasBlock)
        FollowPlayerBlocks();
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
    const int used = WordsUsed(direction);
    const int row = WordRow(CurrentSquare(), direction);
    const int target = towards == kPreviousWord ? row - 1 : row + 1;
    if (target < 0 || target >= used) {
        SetCursorToFirstSquare();
        return;
    }
    const int square = SquareNumbered(ClueTable(direction)[target].number);
    if (square != -1)
        SetCursorToCell(square);
}

void JumpToWordEmptySquare(int towards)
{
    JumpToWord(towards);
    const int row = WordRow(CurrentSquare(), gGame.direction);
    if (row < WordsUsed(gGame.direction)) {
        const int empty = FirstEmptyOfWord(row, gGame.direction);
        if (empty != -1)
            SetCursorToCell(empty);
    }
}

void MoveOneSquare(int direction, int step)
{
    if (gGame.direction != direction) {
        gGame.direction = direction;  // the first press only turns, as on a desktop
        return;
    }
    const int square = CurrentSquare();
    if (!InGrid(square))
        return;
    for (int at = Neighbour(square, direction, step); at != -1;
         at = Neighbour(at, direction, step)) {
        // A diagramless grid has no square the cursor may not stand on: a placed block is
        // the player's to take away again.
        if (gGame.entries[at] != '.' || gGame.diagramless) {
            SetCursorToCell(at);
            return;
        }
    }
}

void PressArrow(int direction, int step)
{
    if (gGame.settings.arrowSquares)
        MoveOneSquare(direction, step);
    else
        JumpToWord(step < 0 ? kPreviousWord : kNextWord);
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
    const ClueEntry& entry = FileWords(direction)[row];
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
    if (gGame.diagramless) {
        // Every square may take a block or a letter, so every one can be chosen; one in a word
        // only the other way turns to it.
        SetCursorToCell(square);
        if (WordOfSquare(square, gGame.direction) == -1 &&
            WordOfSquare(square, 1 - gGame.direction) != -1)
            ToggleDirection();
        return true;
    }
    if (cell.acrossClue == -1 || cell.downClue == -1)
        return false;
    SetCursorToCell(square);
    return true;
}
