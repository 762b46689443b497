// The check of the entries: a full paint with wrong letters in red, presented at once, and a
// message box when nothing has been entered or nothing is wrong. Stores nothing: the red
// marks last until the next full paint.
#pragma once

#include "windows.h"

void CheckPuzzle(HWND window);
