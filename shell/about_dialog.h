// The About box (dialog 103): the logo's three pieces slide together on timer 101, then the
// About picture with its three tappable links.
#pragma once

#include "windows.h"

constexpr UINT kAboutTimer = 101;
constexpr UINT kAboutFrameMs = 25;

// Where the three logo pieces are drawn (their top-left corners).
struct AboutLogo {
    POINT left, middle, right;
};

// Advances the logo pieces one step and draws the frame.
void PaintAboutFrame(HWND dialog);

// The pieces' positions in the frame last drawn; each opening of the box starts them again.
AboutLogo AboutLogoNow();

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
