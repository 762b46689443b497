// The modal dialogs the main window opens. Each runs its template from the resources with its
// dialog procedure, owned by the main window. Dialogs whose code has not joined the program
// yet return at once without showing anything: their functions are listed here so the
// commands are already routed to them.
#pragma once

#include "windows.h"

// Runs dialog template `templateId` with `proc`, owned by `owner`; EndDialog's result, or -1
// when the template is missing.
INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc);

// Not yet part of the program (return at once): Preferences, quick help, About, the clue
// list and the download dialog.
void RunPreferencesDialog(HWND owner);
void RunQuickHelpDialog(HWND owner);
void RunAboutDialog(HWND owner);
void RunClueListDialog(HWND owner);
void RunDownloadDialog(HWND owner);

// Open File: lets the user choose a puzzle and opens it. Non-zero when another puzzle was
// opened. Not yet part of the program: returns 0 without asking.
int ChoosePuzzleFile(HWND owner);
