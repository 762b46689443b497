// The About box (dialog 103): the logo's three pieces slide together on timer 101, then the
// About picture with its three tappable links.
#pragma once

#include "windows.h"

constexpr UINT kAboutTimer = 101;
constexpr UINT kAboutFrameMs = 25;

// Advances the logo pieces one step and draws the frame.
void PaintAboutFrame(HWND dialog);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
