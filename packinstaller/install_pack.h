// Installing the pack: choosing and confirming the folder, then writing all 31 puzzles.
#pragma once

#include "windows.h"

// Asks where the pack goes, proposing "\My Documents\<title>\<firstName>" on a first
// installation (the pack folder is created for it) and "\My Documents\Fennimoor\<firstName>"
// once the pack folder exists, and asks the user to confirm the folder. True with the
// chosen folder (ending with a backslash) in `folder` (MAX_PATH characters); false when the
// user cancelled or declined, after removing a pack folder left empty.
bool ChooseInstallFolder(HWND owner, const WCHAR* firstName, WCHAR* folder);

// Writes every puzzle of the pack table into a folder the user chooses, showing progress in
// the status fields of `window`. Ends with a message box only when some puzzles could not be
// written. True when a folder was chosen and every row was processed.
bool InstallPack(HWND window);
