// The Preferences dialog (104): magnification, Auto Skip, Show Numbers and the two grid
// colours, the colours picked with the platform's colour chooser.
#pragma once

#include "windows.h"

// The two chooser requests and their shared custom colours are made when the program starts
// (black squares on white, the custom colours' first three entries set) and live for the
// whole run. Their
// result colours are loaded from the settings before a chooser opens and stored back after
// it closes, so a confirmed colour is the setting and a cancelled one leaves it unchanged.
extern CHOOSECOLORW gSquareChooser;
extern CHOOSECOLORW gBackgroundChooser;
extern COLORREF gCustomColours[16];

INT_PTR CALLBACK PreferencesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The hook of both choosers: keeps the keyboard focus on the chooser and ends it on OK or a
// close request; always 0, so the chooser's own handling follows.
UINT_PTR CALLBACK ChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam);
