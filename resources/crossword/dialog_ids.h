// Control ids of the game's dialogs, by dialog. Like the other resource ids they are the
// program's interface to its own templates: they never change.
#pragma once

// Download Puzzles (dialog 101).
#define IDC_ADDRESS_LIST     1030
#define IDC_GET              1031
#define IDC_DELETE           1032
#define IDC_ADDRESS          1033
#define IDC_GET_NEW          1034
#define IDC_DOWNLOAD_HEADING 1035
#define IDC_DOWNLOAD_STATUS  1036  // shown while a download runs, with Cancel (IDCANCEL)
#define IDC_DOWNLOAD_OK      1047

// About Crossword (dialog 103).
#define IDC_ABOUT_OK 1063

// Preferences (dialog 104).
#define IDC_SMALL               1002
#define IDC_MEDIUM              1003
#define IDC_LARGE               1004
#define IDC_MAGNIFICATION_GROUP 1017
#define IDC_COLOUR_GROUP        1018
#define IDC_TOGGLE_GROUP        1019
#define IDC_BACKGROUND_SWATCH   1023
#define IDC_SQUARE_SWATCH       1024
#define IDC_AUTO_SKIP           1043
#define IDC_SHOW_NUMBERS        1057
#define IDC_NAVIGATION_GROUP    1078
#define IDC_ARROW_SQUARES       1079  // Arrow keys move one square
#define IDC_NEXT_WORD_AFTER     1080  // Next word after the last letter
#define IDC_SKIP_ACROSS_WORDS   1081  // Auto Skip across words

// Crossword Clues (dialog 126).
#define IDC_CLUE_LIST 1025
#define IDC_CLUE_TABS 1024

// Puzzle Information (dialog 128), for puzzles with notes.
#define IDC_INFO_NOTES 1071

// Unlock Solution (dialog 129).
#define IDC_UNLOCK_PROMPT 1072
#define IDC_UNLOCK_KEY    1073

// Print (dialog 130): what the page shows.
#define IDC_PRINT_PROMPT   1074
#define IDC_PRINT_BLANK    1075
#define IDC_PRINT_LETTERS  1076
#define IDC_PRINT_SOLUTION 1077

// Crossword Quick Help (dialog 127).
#define IDC_HELP_PAGE     1037
#define IDC_QUICK_HELP_OK 1055

// Pictures of the quick help, the About picture and the logo pieces.
#define IDB_HELP_MENU      123
#define IDB_HELP_CHECK     124
#define IDB_HELP_HINT      125
#define IDB_HELP_ZOOM      126
#define IDB_HELP_CLUE_LIST 127
#define IDB_HELP_OPEN      128
#define IDB_HELP_KEYBOARD  130
#define IDB_HELP_DIRECTION 131
#define IDB_HELP_ABOUT     116
#define IDB_ABOUT          137
#define IDB_LOGO_LEFT      145
#define IDB_LOGO_MIDDLE    146
#define IDB_LOGO_RIGHT     147
