// The quick help (dialog 127): the menu bar's pictures explained, and the way to the full
// help page.
#pragma once

#include "windows.h"

INT_PTR CALLBACK QuickHelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
