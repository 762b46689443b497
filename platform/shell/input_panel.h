// The input panel as the user sees it: the keyboard drawn over the bottom of the visible
// desktop while it is up, its keys typing into the focus window.
#pragma once

#include "windows.h"

void PaintInputPanel(HDC dc);

// A stylus message at `screen` inside the panel (which is up): a key pressed on stylus-down
// reaches the focus window as WM_KEYDOWN, WM_CHAR and WM_KEYUP, like a hardware key.
void InputPanelStylus(UINT message, POINT screen);

// Forgets the modifier keys and the pressed key.
void InputPanelReset();
