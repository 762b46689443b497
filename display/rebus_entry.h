// Typing several letters into one square (a rebus): the entry opens on the current square,
// takes letters and Backspace from the keyboard, the input panel or the on-screen keyboard,
// shows them in the square and in the clue bar, and ends with Enter or the keyboard's OK.
// These change the entry only; the caller repaints the grid, the word and the clue bar.
#pragma once

#include "windows.h"

bool RebusEntryOpen();

// Opens the entry on the current square, starting from what it holds. Nothing happens on a
// black square.
void OpenRebusEntry();

// Backspace, which takes back the last character, or the bytes of one typed character in the
// puzzle's encoding (a letter, a digit, a symbol), kept while they fit the eight bytes of an
// entry, while the entry is open.
void RebusEntryKey(int key);
void RebusEntryType(const char* bytes, int count);

// Ends the entry. Kept (`keep`): the letters become the square's entry, several as a rebus,
// one as an ordinary letter, none as an empty square, and the cursor moves on as after a
// letter. Not kept: the square stays as it was. False when no entry was open.
bool CloseRebusEntry(bool keep);

// What square `i` shows (kRebusTextSize bytes): the letters being typed into it while the
// entry is open there, else its entry.
void SquareTextShown(int i, char* text);

// The current word spelled out, a square with several letters in brackets and an empty one
// as "-", the open entry with a "_" after its letters: "H[EA_]RT". Empty when the word has
// no square with several letters and no entry is open. `out` holds `chars` WCHARs.
void SpellCurrentWord(WCHAR* out, int chars);
