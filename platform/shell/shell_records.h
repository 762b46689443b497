// The shell's records: the input panel state, what each window asked of the bars
// (SHFullScreen, SHInitDialog) and the live menu bars. Shared by the files of platform/shell;
// programs never see it.
#pragma once

#include <unordered_map>
#include <vector>

#include "windows.h"

// What one top-level window asked of the shell.
struct ShellWindowInfo {
    DWORD fullScreen = 0;     // last SHFS_* flags given to SHFullScreen
    bool doneButton = false;  // SHInitDialog with SHIDIF_DONEBUTTON: "ok" in the navigation bar
    bool noMenuBar = false;   // SHInitDialog with SHIDIF_FULLSCREENNOMENUBAR
};

struct ShellState {
    bool sipUp = false;                                 // the input panel is up
    std::unordered_map<HWND, ShellWindowInfo> windows;  // by top-level window
    std::vector<HWND> menuBars;                         // live menu bars, oldest first
};

ShellState& Shell();

// Installs the shell's paint hook with the window manager (again after a device reset).
void ShellEnsureHooks();

// Raises or lowers the input panel: moves the visible desktop, redraws, and sends
// WM_SETTINGCHANGE (SPI_SETSIPINFO) to every top-level window. Nothing when unchanged.
void ShellSetSipUp(bool up);

// The visible desktop for a panel state: below the navigation bar, above the panel when up.
RECT ShellVisibleDesktopFor(bool sipUp);

// The area a full-screen window fills: the visible desktop, less the menu bar while the panel
// is down unless the window goes without one.
RECT ShellFullScreenRect(bool sipUp, bool noMenuBar);

// Asks for the bars to be drawn again at the next present.
void ShellInvalidateBars();
