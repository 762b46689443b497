// The Preferences dialog (104): magnification, Auto Skip, Show Numbers, the ways the cursor
// moves and the two grid colours, the colours picked with the platform's colour chooser.
#pragma once

#include "windows.h"

INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The hook of both choosers: keeps the keyboard focus on the chooser and ends it on OK or a
// close request; always 0, so the chooser's own handling follows.
UINT_PTR CALLBACK ChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam);
