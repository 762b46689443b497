// Start-up and shut-down of the main window: the menu bar, the start values, the program's
// folder, the state of the last run and the first puzzle; and at the end the state saved.
#pragma once

#include "windows.h"

// WM_CREATE: 1 when a puzzle was loaded, 0 when the window opens without one.
LRESULT StartUp(HWND window);

// The menu bar from toolbar 102 with the picture strip 120; its window, or 0 on failure.
HWND CreateMenuBar(HWND window);

// WM_DESTROY: releases the drawing objects, writes crossword.dat, ends the message loop.
void ShutDown(HWND window);

// The state file: the program's folder + "crossword.dat", into `path` (MAX_PATH WCHARs).
void StateFilePath(WCHAR* path);
