// The game's entry point and its one top-level window: single instance, the message loop and
// the dispatch of every message, key, stylus event and command to the other subsystems.
#pragma once

#include "puzzle_files.h"
#include "windows.h"

// The program: creates the window (or raises the running copy and returns 0), then runs the
// message loop with the accelerators until WM_QUIT, whose wParam it returns.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

// The message loop with the accelerators, until WM_QUIT; the quit message's wParam.
int RunMessageLoop(HINSTANCE instance);

// 1 when the window was created and shown; 0 when another copy was raised instead or the
// window could not be created.
int CreateMainWindow(HINSTANCE instance, int showCommand);

// Registers the main window class `className` for MainWindowProc.
WORD RegisterMainClass(HINSTANCE instance, LPCWSTR className);

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sets the check marks of Numbers, Auto Skip and the magnification from the settings, enables
// Unlock Solution only while the solution is locked, and greys the commands a pause refuses
// while it hides the grid.
void UpdateMenuChecks();

// Enables Block in `menu` (the main menu's pop-up or the hold menu) for a diagramless
// puzzle only, and not while the pause hides the grid: elsewhere the black squares are the
// puzzle's own.
void EnableBlockItem(HMENU menu);

// Shows the notes of a puzzle just opened without progress of its own (kOpenedFirst), once the
// window can show a dialog.
void ShowNotesOfANewPuzzle(HWND window, PuzzleOpening opening);
// Shows a puzzle another puzzle has just been left for: its notes when it is new, the menu
// checks, its clock, and the grid scrolled to the cursor (ParsePuzzle put it there).
void ShowOpenedPuzzle(HWND window, PuzzleOpening opening);
