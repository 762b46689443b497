// The navigation bar across the top of the screen: start symbol, the active window's title
// and the "ok" button of a dialog that asked for one.
#pragma once

#include "windows.h"

constexpr RECT kNavigationBarRect = {0, 0, 240, 26};
constexpr RECT kOkButtonRect = {208, 3, 236, 23};

// Draws the bar for the active window onto `dc` (screen coordinates).
void PaintNavigationBar(HDC dc);

// A stylus message at `screen` inside the bar. True when taken: a tap on the "ok" button
// posts WM_COMMAND IDOK to the active dialog.
bool NavigationBarStylus(UINT message, POINT screen);
