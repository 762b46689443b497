// The clue list (dialog 126): every across or down clue with its number and length; a tap on
// a line moves the cursor to that word and closes the list.
#pragma once

#include "windows.h"

// Fills list box 1025 with the clues of `tab` (0 Across, 1 Down).
void FillClueList(HWND dialog, int tab);

INT_PTR CALLBACK ClueListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
