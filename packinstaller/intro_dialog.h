// The intro dialog: three pieces slide together, then the pack's splash screen with its
// buttons OK, Preview and Install and two help areas.
#pragma once

#include "windows.h"

// Procedure of dialog 103.
INT_PTR CALLBACK IntroDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// One step of the animation: clears the dialog and draws the pieces a step further.
void PaintIntroFrame(HWND dialog);
// The final screen: the splash picture and the line about the pack's size.
void PaintIntroScreen(HWND dialog);

// The help areas of the splash screen (dialog client pixels) and the help page each opens.
struct HelpArea {
    RECT area;
    const WCHAR* page;
};
extern const HelpArea kHelpAreas[2];
