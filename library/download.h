// The HTTP download of one puzzle file: fetch the answer, check that the game could open it,
// ask where to store it, and store it whole or not at all.
#pragma once

#include "windows.h"

// Fetches `address` (at most 259 characters) and stores the answer at a path the user
// chooses. 1 when the whole answer was stored and the success message shown; 0 after any
// failure, refusal or cancellation, each failure told in a message box owned by `dialog`.
int DownloadPuzzle(HWND dialog, LPCWSTR address);
