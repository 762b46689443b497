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

// WM_KEYDOWN with virtual key `key`: letters and Backspace type, the others move; then the
// player's action is recorded (undo, the solved sign).
void OnKeyDown(HWND window, int key);
// WM_CHAR: a typed digit, symbol or letter beyond A-Z goes into the square (or the open
// rebus entry), then the player's action is recorded as for a key.
void OnChar(HWND window, WCHAR ch);

// The stylus, lParam holding the client point. A stylus that moves more than a few pixels
// over a grid larger than the view drags it, and its lift then selects nothing. A stylus going
// down (which may end a rebus entry) and one lifted (the on-screen keyboard types on the lift)
// record the player's action.
void OnStylusDown(HWND window, LPARAM point);
void OnStylusMove(HWND window, LPARAM point);
void OnStylusUp(HWND window, LPARAM point);

// The rebus entry on the current square, opened and ended (kept or dropped) with the repaint
// they need; ending one that is not open does nothing.
void StartRebusEntry(HWND window);
void EndRebusEntry(HWND window, bool keep);

// WM_COMMAND; commands the game does not know go to default processing.
LRESULT OnCommand(HWND window, UINT command, WPARAM wParam, LPARAM lParam);
