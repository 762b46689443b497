// The installer's entry, its single-instance start and its main window, which only serves
// as the parent of the intro dialog.
#pragma once

#include "windows.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

// Raises a running copy and returns, or registers the class, creates the main window and
// runs the intro dialog until it closes. Always 0.
int InitInstance(HINSTANCE instance, int showCommand);

LRESULT CALLBACK InstallerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
