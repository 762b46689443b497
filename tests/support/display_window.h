// The display's stand-in for the game's main window, shared by the display tests and
// benchmarks: a fresh device with one plain window where the game's window would be.
#pragma once

#include "windows.h"

// Resets the device and the game and display state, then opens a visible 240 x 268 window
// at the top of the visible desktop (the game's client area while the input panel is down)
// and lets it settle. Null when the window is not there or not of that size.
HWND OpenDisplayWindow();

// Releases the grid image and fonts the display made, then `window`.
void CloseDisplayWindow(HWND window);
