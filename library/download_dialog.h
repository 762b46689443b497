// The Download Puzzles dialog (101): the address list, an address field, Get, Delete and
// Get New, and OK which keeps the list.
#pragma once

#include "windows.h"

INT_PTR CALLBACK DownloadDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
