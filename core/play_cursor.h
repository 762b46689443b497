// The play engine's moves: what a typed letter, Backspace, a direction change, a word jump, a
// chosen clue or a tap does to the cursor, the direction and the entries of gGame. Pure state
// changes: nothing here paints; the display composes these with its repaints.
#pragma once

#include "game_state.h"

constexpr int kKeyBackspace = 8;  // the virtual key of Backspace; every entry byte is above it

enum WordJump { kPreviousWord = 0, kNextWord = 1 };

// The square that prints `number` (the first, in reading order, should a file number two
// alike); -1 when none does.
int SquareNumbered(int number);

// Index of the current square.
int CurrentSquare();

// Clue index of `square`'s word in `direction`, or -1 when it belongs to none that way.
int WordOfSquare(int square, int direction);

// The current word: WordExtent of the current square in `direction`. When the square has no
// word that way the extent is the square alone.
void CurrentWord(int* first, int* last);

// The current word's squares: its first and last and the step from one to the next (1 Across,
// the width Down). False, nothing set, when the cursor is not on the grid.
bool CurrentWordSquares(int* first, int* last, int* step);

// The row of acrossClues (Across) or downClues (Down) of the current word, or nullptr when
// the current square has no word in the current direction. Never reads past the tables.
const ClueEntry* CurrentClueRow();

// Stores `key`, an upper-case letter or any other byte a square may hold (IsEntryByte), at
// the current square. False (nothing stored) when the square is black or `key` is no entry.
bool StoreLetter(int key);

// The cursor step after a letter: to the next square of the current word, or with autoSkip
// to the first empty square after it. Past the word's last letter (or, with autoSkip, its
// last empty square) it stays on the last square; with skipAcrossWords (and autoSkip) it goes
// on to the first empty square of a later word in the same direction, round past the last
// (this word's own last);
// with nextWordAfterLast to the next word's first empty square (JumpToWordEmptySquare).
void StepCursorAfterLetter();

// Empties the current square. False (nothing changed) on a black square.
bool EraseLetter();

// Backspace: empties the current square, then steps back one square when the previous square
// carries the same word. False (nothing changed) on a black square.
bool EraseLetterAndStepBack();

// The cursor goes one square back (left Across, up Down) when that square carries the same
// word; at the word's first square, or outside every word, it stays.
void StepBackInWord();

// Across becomes Down and back; the cursor stays.
void ToggleDirection();

// Puts the cursor on the first square of the previous or next word in the current direction.
// Past either end of the word list it goes to the grid's first square (SetCursorToFirstSquare);
// it never wraps to the other end. The direction does not change.
void JumpToWord(int towards);

// JumpToWord, then on to the first empty square of the word reached, if it has one (Tab and
// Shift+Tab).
void JumpToWordEmptySquare(int towards);

// One square along `direction` (step +1 right or down, -1 left or up), over black squares,
// staying put at the grid's edge. When the current direction differs it only turns to
// `direction`, as desktop solvers do with an arrow across the word.
void MoveOneSquare(int direction, int step);

// An arrow key: MoveOneSquare with the arrowSquares preference, otherwise a word jump (back
// for a negative step).
void PressArrow(int direction, int step);

// Puts the cursor where a puzzle starts: row 0, column 0, or when that square is black (or in
// no word the current way) the first square in reading order that has a word the current way,
// so that the first key typed lands in a word and the clue bar has a clue to show.
void SetCursorToFirstSquare();

// A clue chosen from the clue list: `direction` and `row` of acrossClues / downClues. The
// cursor goes to the clue's first square. A free row changes nothing.
void SelectClue(int direction, int row);

// The play-state side of a tap on square (row, col): the current square toggles the
// direction (unless the stylus is `held`, which only selects); a square with both an across
// and a down word becomes current. True when the tapped square became (or stayed) the current
// square; false when the cursor stayed elsewhere.
bool ApplyCellTap(int row, int col, bool held);
