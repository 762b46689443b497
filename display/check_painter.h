// The check of the entries: the verdict of every square (or of the current square or word)
// painted into the grid image, wrong letters in red, and for the whole grid a message box when
// nothing has been entered or nothing is wrong. Stores nothing: the red marks last until the
// next full paint.
#pragma once

#include "windows.h"

// The check's verdict on `scope` (a MarkScope). The whole grid: every square as the check sees
// it, black, empty, or its letters, red where wrong, without the highlight. The current square
// or word (Check Letter, Check Word), on top of the highlight: only its wrong letters, in red.
void PaintCheckMarks(HWND window, int scope);

// The check's message: that nothing has been entered, or that nothing is wrong; nothing when a
// letter is wrong (the red letters are the report).
void ReportCheck(HWND window);
