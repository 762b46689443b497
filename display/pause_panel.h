// The pause panel: while the player has paused the clock, the grid view and the clue bar are
// covered by one panel that says how to go on, so the puzzle cannot be studied off the clock.
// It is drawn straight onto the window in place of the grid image and the bar.
#pragma once

#include "windows.h"

// The panel's text, centred in the grid view.
constexpr const WCHAR* kPausePanelText = u"Paused: tap to resume";

// The panel in client coordinates: the grid view and the clue bar below it, down to the
// keyboard or the client area's bottom.
RECT PausePanelRect(HWND window);

// Whether client point `p` lies on the panel.
bool OnPausePanel(HWND window, POINT p);

// Draws the panel in the squares' colours: the black squares' fill, its text in the open
// squares' colour.
void PaintPausePanel(HWND window);
