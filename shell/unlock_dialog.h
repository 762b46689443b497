// Unlock Solution: asks for the 4-digit key of a locked solution and tries it. A wrong key is
// said so and changes nothing; the dialog stays for another try.
#pragma once

#include "windows.h"

// Ends with 1 when the key opened the solution, 0 when the player gave up.
INT_PTR CALLBACK UnlockDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
