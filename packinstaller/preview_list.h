// The "Included Puzzles" dialog: the titles of the pack's puzzles in table order.
#pragma once

#include "windows.h"

// Procedure of dialog 183: heading 1072, list 1070, OK 1071.
INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Fills list 1070 with one title per puzzle that could be written and read back; a puzzle
// that could not leaves no line.
void FillPreviewList(HWND dialog);
