// What the main window does for each message it handles; MainWindowProc routes to these.
#pragma once

#include "windows.h"

constexpr int kMenuBarHeight = 26;  // the handheld's menu bar under the window

// WM_SIZE: minimising closes the program (and so saves its state).
void OnSize(HWND window, WPARAM kind);
// WM_ACTIVATE: the bars back to normal, and the grid with the current word, the clue bar and
// the keyboard repainted; after a clue was chosen in the clue list, its word is scrolled to.
void OnActivate(HWND window, WPARAM state);
// WM_SETTINGCHANGE: the input panel went up or down.
void OnSettingChange(HWND window, WPARAM what);
void OnPaint(HWND window);

// WM_KEYDOWN with virtual key `key`.
void OnKeyDown(HWND window, int key);
// WM_CHAR: a typed digit, symbol or letter beyond A-Z goes into the square (or the open
// rebus entry), then the player's action is recorded as for a key.
void OnChar(HWND window, WCHAR ch);

// The stylus, lParam holding the client point. A stylus that moves more than a few pixels
// over a grid larger than the view drags it, and its lift then selects nothing.
void OnStylusDown(HWND window, LPARAM point);
void OnStylusMove(HWND window, LPARAM point);
void OnStylusUp(HWND window, LPARAM point);

// WM_COMMAND; commands the game does not know go to default processing.
LRESULT OnCommand(HWND window, UINT command, WPARAM wParam, LPARAM lParam);
