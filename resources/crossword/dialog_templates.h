// The templates of the game's dialogs, laid out for the 240-pixel screen (about 160 dialog
// units across), for the program's resource table.
#pragma once

#include "windows.h"

extern const DLGTEMPLATEW kDownloadDialog;     // 101 "Download Puzzles"
extern const DLGTEMPLATEW kAboutDialog;        // 103 "About Crossword"
extern const DLGTEMPLATEW kPreferencesDialog;  // 104 "Preferences"
extern const DLGTEMPLATEW kClueListDialog;     // 126 "Crossword Clues"
extern const DLGTEMPLATEW kQuickHelpDialog;    // 127 "Crossword Quick Help"
extern const DLGTEMPLATEW kPuzzleInfoDialog;   // 128 "Puzzle Information"
extern const DLGTEMPLATEW kUnlockDialog;       // 129 "Unlock Solution"
extern const DLGTEMPLATEW kPrintDialog;        // 130 "Print"
