// The handheld's full-screen dialog conventions shared by the game's dialogs.
#pragma once

#include "windows.h"

// WM_INITDIALOG: SHInitDialog with `flags` (13: done button, full screen, input panel down;
// 25: the same without the menu bar), bring the dialog forward, show the task bar and hide
// the input-panel button.
void EnterFullScreenDialog(HWND dialog, DWORD flags);

// The dialog's own OK: task bar, input-panel button and Start icon back, then EndDialog with
// `result`.
void LeaveFullScreenDialog(HWND dialog, INT_PTR result = 1);

// Lowers the input panel when it is up (the quick help and About need the whole screen).
void LowerInputPanel();

// Starts `program` with `arguments`; a program that cannot be started is ignored.
void StartProgram(LPCWSTR program, LPCWSTR arguments);

constexpr DWORD kDialogFullScreen =
    SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;  // 13
constexpr DWORD kDialogWithoutMenuBar =
    SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR;  // 25
