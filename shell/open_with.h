// Puzzle files named when the game is started ("crossword x.puz", a file manager's Open
// With). The device has already brought them into "\My Documents"; the command line holds
// their device paths, each in double quotes. A second start hands them to the running copy.
#pragma once

#include "windows.h"

// WM_COPYDATA's dwData for a command line of files to open (UTF-16, with its zero).
constexpr ULONG_PTR kFilesToOpen = 1;

enum HandOver {
    kNoRunningCopy,         // this start runs the game itself
    kHandedOver,            // the running copy opens the file: this start ends with 0
    kRefusedByRunningCopy,  // it refused every file (told on stderr): this start ends with 1
    kRunningCopySilent,     // a copy runs but does not answer: this start ends with 1
};

// A start with files while another copy runs: the files go to that copy's main window, which
// judges them at once and comes forward. A copy that does not answer (it has died) counts as
// none, so this start then runs the game itself.
HandOver HandFilesToRunningCopy(HINSTANCE instance, LPCWSTR commandLine);

// Opens the first file of `commandLine` that is a puzzle, as Open File would; each one
// before it that is not gets Open File's refusal. A file the game refuses whose copy this
// start made (marked "+") is removed again. Nothing when the line names no file.
void OpenFilesOfCommandLine(HWND window, LPCWSTR commandLine);

// WM_COPYDATA: files handed over by a second start, opened as soon as no dialog of this
// window is open (a later hand-over replaces one still waiting). Answers whether one of them
// will open or why they were refused; FALSE when the message was not a hand-over.
LRESULT OnCopyData(HWND window, const COPYDATASTRUCT* data);
