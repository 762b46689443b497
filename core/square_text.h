// What a square holds as text: most hold one letter, a rebus square several. The entries
// grid keeps the first letter of every square, so everything that reads entries alone (the
// progress record's layout, word jumps, auto skip) goes on working; the rest lives in
// playerRebus and, for the solution, in the file's rebus table.
#pragma once

#include "game_state.h"

constexpr int kRebusEntryChars = 8;  // letters the player may put in one square

// Whether the byte `b`, in the open puzzle's encoding, may stand in an open square of the
// entries grid: a letter 'A'..'Z', a digit, a symbol of the keyboard, or (Windows-1252 files)
// a character of the code page, but never the grid's own marks "." (black) and "-" (empty),
// a lower-case letter, a space or a control code. Real solutions hold digits and symbols.
bool IsEntryByte(int b);

// Whether the file draws a circle in square `i`.
bool SquareCircled(int i);
// Whether square `i` is no part of the puzzle (a block of a shaped grid, drawn as the
// background), or an open square the file shades.
bool SquareVoid(int i);
bool SquareShaded(int i);

// The solution of square `i`: its rebus when the file gives one, else its letter (in
// `text`, kRebusTextSize bytes).
void SquareSolutionText(int i, char* text);

// What the player has in square `i` (kRebusTextSize bytes): several letters, one, or "" when
// it is empty or black.
void SquareEntryText(int i, char* text);

// Makes `text` the entry of open square `i`: "" empties it, one letter is an ordinary
// entry, more letters (up to kRebusTextSize - 1) a rebus whose first letter stands in the
// entries grid. Letters are kept upper case.
void PutSquareEntry(int i, const char* text);

// Makes `text`, what another program left in open square `i`, its entry when it could have
// been typed: every byte one a square may hold, case aside (in a UTF-8 puzzle the bytes of a
// character beyond ASCII too). A longer text than a square holds is cut, never inside a
// character; a text with any other byte changes nothing.
void PutForeignEntry(int i, const char* text);

// Gives square `i` its whole solution, rebus included.
void RevealSquare(int i);

// Whether the entry of open square `i` is right: its text equals the solution's, ignoring
// case; a rebus square also counts as right with its first letter alone.
bool SquareEntryRight(int i);
