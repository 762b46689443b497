// A stand-in for a program's main window, for tests, benchmarks and developer programs that
// need a window where the game's own would be.
#pragma once

#include "windows.h"

// Registers `className` (`proc`, or DefWindowProcW when null, on a white background) and
// creates a visible top-level window of it, 240 x 268 at CW_USEDEFAULT: it sits under the
// navigation bar, the size of the game's client area while the input panel is down. A class
// registered before is used as it is. Null when the window cannot be made.
HWND CreateStandInWindow(LPCWSTR className, LPCWSTR title, WNDPROC proc = nullptr,
                         HINSTANCE instance = nullptr);
