// The modal dialogs the main window opens. Each runs its template from the resources with its
// dialog procedure, owned by the main window.
#pragma once

#include "puzzle_files.h"
#include "windows.h"

// Runs dialog template `templateId` with `proc`, owned by `owner`; EndDialog's result, or -1
// when the template is missing.
INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc);

// One of the main window's own dialogs by its template id (IDD_PREFERENCES, IDD_QUICK_HELP,
// IDD_ABOUT, IDD_CLUE_LIST, IDD_DOWNLOAD, IDD_PUZZLE_INFO with the notes, IDD_UNLOCK), run with
// its procedure; EndDialog's result (Unlock Solution: 1 when the key opened the solution), or
// -1 for an id that is none of them.
INT_PTR RunGameDialog(HWND owner, int templateId);

// Open File: lets the user choose a puzzle and opens it.
PuzzleOpening ChoosePuzzleFile(HWND owner);
