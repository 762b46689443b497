// Print (dialog 130): what the printed page shows, and the printing of the open puzzle.
#pragma once

#include "windows.h"

// Controls: the prompt, the three contents as radio buttons (the empty grid first), Print
// (IDOK, also the title-bar ok) and Cancel. Ends with 1 + the PrintContents chosen, or 0.
INT_PTR CALLBACK PrintDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Print...: asks what to show, writes the open puzzle as a PDF page beside its file (the
// puzzle's name with .pdf) and opens it in the desktop's viewer. Says why when the solution
// cannot be shown or the file cannot be written, and where it was written when no viewer
// opens it.
void PrintOpenPuzzle(HWND owner);
