// The main window's repaint: after every change a handler names the steps it needs, and they
// always run in this one order, so a later step sees what an earlier one drew. Every change of
// the screen the game makes, a typed letter and a tap as much as a command, goes through here.
#pragma once

#include "windows.h"

enum RefreshStep : unsigned {
    kLayout = 1u << 0,         // ComputeLayout: cell size, view, a new white grid image
    kGrid = 1u << 1,           // PaintGrid: every square with the player's entries
    kSolutionGrid = 1u << 2,   // PaintGrid: every square with the solution in red (View Puzzle)
    kCheckMarks = 1u << 3,     // PaintCheckMarks: the check's verdict, wrong letters red
    kWord = 1u << 4,           // PaintWordHighlight: the current word and square
    kViewLetter = 1u << 5,     // PaintViewedLetter: the current square's solution (View Letter)
    kViewWord = 1u << 6,       // PaintViewedWord: the current word's solution (View Word)
    kCheckLetter = 1u << 7,    // PaintCheckMarks: the current square red when wrong
    kCheckWord = 1u << 8,      // PaintCheckMarks: the current word's wrong letters red
    kScroll = 1u << 9,         // ScrollWordIntoView
    kScrollZoomed = 1u << 10,  // ScrollWordIntoView, only in Medium and Large
    kClueBar = 1u << 11,       // PaintClueBar
    kKeyboard = 1u << 12,      // PaintKeyboardImage, only while the keyboard is shown
    kPresent = 1u << 13,       // PresentView: the visible part of the grid image to the screen
};

// Runs the named steps in the fixed order above.
void Refresh(HWND window, unsigned steps);

// The grid view's part of the image to the screen (the last step of every repaint).
void Present(HWND window);
