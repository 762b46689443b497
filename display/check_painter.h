// The check of the entries: the verdict of every square painted into the grid image, wrong
// letters in red, and a message box when nothing has been entered or nothing is wrong. Stores
// nothing: the red marks last until the next full paint.
#pragma once

#include "windows.h"

// Every square as the check sees it: black, empty, or its letters, red where wrong.
void PaintCheckMarks(HWND window);

// The check's message: that nothing has been entered, or that nothing is wrong; nothing when a
// letter is wrong (the red letters are the report).
void ReportCheck(HWND window);
