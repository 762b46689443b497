// The menu bar across the bottom of the screen: buttons from a toolbar record with pictures
// from a bitmap strip, drop-downs opening pop-ups of a menu, and the input-panel button.
#pragma once

#include "windows.h"

constexpr RECT kMenuBarRect = {0, 294, 240, 320};
constexpr RECT kSipButtonRect = {219, 294, 240, 320};

// True when the strip shows a bar: the active window does not cover it.
bool MenuBarStripShown();

// Draws the active window's menu bar, or an empty one, onto `dc` (screen coordinates).
void PaintMenuBarStrip(HDC dc);

// A stylus message at `screen` inside the shown strip. Stylus-down on a button asks the bar
// to act on it from the message loop (a drop-down runs a pop-up's modal loop there); on the
// input-panel button it raises or lowers the panel.
void MenuBarStylus(UINT message, POINT screen);

// The left edge of each button of a bar (for tests and the pop-up position); -1 when `bar`
// is not a menu bar or has no such button.
int MenuBarButtonLeft(HWND bar, int index);
