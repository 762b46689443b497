// The installer's one state record: handles, the intro animation's piece positions and the
// input-panel record. Lives for the whole process.
#pragma once

#include "aygshell.h"
#include "windows.h"

struct InstallerState {
    HINSTANCE instance;  // the build's resources
    HWND mainWindow;     // parent of the intro dialog, nothing else
    HWND menuBar;        // the main window's empty menu bar
    int animating;       // 1 while the intro animation runs
    POINT leftPiece;     // top-left of bitmap 145
    POINT middlePiece;   // top-left of bitmap 146
    POINT rightPiece;    // top-left of bitmap 147
    SIPINFO sipInfo;     // input-panel queries of the intro dialog
};

extern InstallerState gInstaller;

// Puts the three pieces where the animation starts.
void ResetPieces();
// Zeroes the input-panel record and sets its size field.
void ResetSipInfo();
