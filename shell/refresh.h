// The main window's repaint: after every change a handler names the steps it needs, and they
// always run in this one order, so a later step sees what an earlier one drew.
#pragma once

#include "windows.h"

enum RefreshStep : unsigned {
    kLayout = 1u << 0,        // ComputeLayout: cell size, view, a new white grid image
    kGrid = 1u << 1,          // PaintGrid: every square into the grid image
    kWord = 1u << 2,          // PaintWordHighlight: the current word and square
    kScroll = 1u << 3,        // ScrollWordIntoView
    kScrollZoomed = 1u << 4,  // ScrollWordIntoView, only in Medium and Large
    kClueBar = 1u << 5,       // PaintClueBar
    kKeyboard = 1u << 6,      // PaintKeyboardImage, only while the keyboard is shown
    kPresent = 1u << 7,       // PresentView: the visible part of the grid image to the screen
};

// Runs the named steps in the fixed order above.
void Refresh(HWND window, unsigned steps);

// The grid view's part of the image to the screen (the last step of every repaint).
void Present(HWND window);
