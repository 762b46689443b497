// The modal dialogs the main window opens. Each runs its template from the resources with its
// dialog procedure, owned by the main window.
#pragma once

#include "puzzle_files.h"
#include "windows.h"

// Runs dialog template `templateId` with `proc`, owned by `owner`; EndDialog's result, or -1
// when the template is missing.
INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc);

// Preferences, quick help, About, the clue list and the download dialog.
void RunPreferencesDialog(HWND owner);
void RunQuickHelpDialog(HWND owner);
void RunAboutDialog(HWND owner);
void RunClueListDialog(HWND owner);
void RunDownloadDialog(HWND owner);
// Puzzle Information with the notes.
void RunPuzzleInfoDialog(HWND owner);
// Unlock Solution; true when the key opened the solution.
bool RunUnlockDialog(HWND owner);

// Open File: lets the user choose a puzzle and opens it.
PuzzleOpening ChoosePuzzleFile(HWND owner);
