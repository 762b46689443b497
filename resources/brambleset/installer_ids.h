// Resource, control and timer ids of the pack installer. Every build carries the same ids;
// only the title, the splash picture and the puzzles behind them differ.
#pragma once

#define IDS_TITLE      1  // the pack title, the main window's title
#define IDS_CLASS_NAME 3  // the pack title again, the main window's class name

#define IDI_INSTALLER    101
#define IDD_INTRO        103
#define IDB_SPLASH       137  // 240 x 320, 4 bits per pixel
#define IDB_PIECE_LEFT   145  // 62 x 91
#define IDB_PIECE_MIDDLE 146  // 64 x 84
#define IDB_PIECE_RIGHT  147  // 27 x 84
#define IDD_PREVIEW      183
#define IDR_PACK_TABLE   1  // RT_RCDATA: the build's 31 PackEntry rows

// Intro dialog.
#define IDC_INTRO_OK  1063
#define IDC_INSTALL   1064
#define IDC_STATUS    1065  // "Extracting..." while an installation runs
#define IDC_FILE_NAME 1066  // the puzzle being written
#define IDC_PREVIEW   1073

// Preview dialog.
#define IDC_PUZZLE_LIST 1070
#define IDC_PREVIEW_OK  1071
#define IDC_HEADING     1072

#define IDT_ANIMATION 101  // the intro animation's 25 ms timer

#define PUZZLE_TYPE u"PUZZLETYPE"
