// Puzzle text (title, author, copyright, clues, notes) stays 8-bit in fileBuffer; this widens
// it for display in the encoding of the open puzzle's file.
#pragma once

#include "game_state.h"

// Converts the NUL-terminated puzzle string `text` to UTF-16 in `out` (room for `outChars`
// WCHARs, NUL included): UTF-8 for version 2.0 files, Windows-1252 for older ones. Text that
// does not fit is cut at a character boundary. Returns the WCHARs written without the NUL.
int WidenPuzzleText(const char* text, WCHAR* out, int outChars);

// The same for an explicit PuzzleEncoding (puzzles that are not the open one).
int WidenPuzzleTextAs(int encoding, const char* text, WCHAR* out, int outChars);
