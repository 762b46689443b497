// The application shell's fields: the handles of the program and its main window, the
// records shared with the handheld shell, and what the dialogs leave for the main window.
// The game state proper is gGame; this is the part only the shell and its dialogs touch.
#pragma once

#include <cstdint>

#include "windows.h"

struct ShellState {
    HINSTANCE instance;           // the program's instance, stored first thing at start
    HWND mainWindow;              // 0 until created
    HWND menuBar;                 // 0 when the bar could not be created
    SHACTIVATEINFO activateInfo;  // shared with the Preferences dialog
    SIPINFO sipInfo;              // reused for every input-panel query
    int32_t refreshOnActivate;    // 1: a clue was chosen; the next activation shows its word
    int32_t clueListTab;          // 0 Across, 1 Down: the clue list's tab
    POINT stylusDown;             // where the stylus last went down on the main window
    POINT dragFrom;               // where the last drag step ended (signed 16-bit values)
    int32_t stylusDragged;        // 1 once that stylus-down dragged the grid view: no tap
};

extern ShellState gShell;

// A cleared input-panel record with its size set, ready for SHSipInfo.
void ResetSipInfo(SIPINFO* info);
