// The HTTP download of one puzzle file: fetch the answer, check that the game could open it,
// ask where to store it, and store it whole or not at all.
#pragma once

#include "windows.h"

// Fetches `address` (at most 259 characters), its date fields ({yyyy}, {yy}, {mm}, {dd},
// {m}, {d}) filled with today's date, and stores the answer at a path the user chooses. 1 when the
// answer was stored and the success message shown; 0 after any failure, refusal or cancellation,
// each failure told in a message box owned by `dialog`. While the transfer runs (at most 60
// seconds) the windows stay alive, and `dialog` shows its status line (IDC_DOWNLOAD_STATUS) with
// the bytes received so far and its Cancel button (IDCANCEL), which the caller has hidden
// otherwise; an address with date fields leaves the status line showing the address fetched. A
// close or quit request arriving meanwhile stops the transfer silently and is posted again before
// the return.
int DownloadPuzzle(HWND dialog, LPCWSTR address);

// Stops the running download, if any, as if the user had given up: DownloadPuzzle returns 0
// without a message. For the dialog's Cancel while the transfer runs.
void CancelDownload();
