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

// The typed character `ch` as bytes of the open puzzle's encoding in `out` (room for `room`
// bytes), letters made upper case as solutions hold them. Returns the bytes written, 0 when
// the encoding cannot hold the character (or it does not fit).
int NarrowTypedCharacter(WCHAR ch, char* out, int room);
