// Resource and command ids of the game, by kind. The numbers are the program's interface to
// its own resource tables and menus: they never change.
#pragma once

// String table.
#define IDS_TITLE      1  // main window title
#define IDS_CLASS_NAME 3  // main window class name

// Icon, bitmaps.
#define IDI_CROSSWORD    101  // class icon
#define IDB_TOOLBAR      120  // menu bar pictures: ten 16 x 16 pictures on grey
#define IDB_KEYBOARD     138  // the on-screen keyboard, 240 x 44, 16 colours
#define kToolbarPictures 10   // pictures drawn in the strip

// Menus, menu bar, accelerators.
#define IDM_MAIN_MENU 102  // the three drop-downs of the menu bar
#define IDM_HOLD_MENU 150  // the tap-and-hold menu: Clear / Fill / View / Check
#define IDT_MENU_BAR  102  // toolbar record of the menu bar
#define IDA_MAIN      3    // accelerators: Ctrl+A, Ctrl+Q, Ctrl+Down, Ctrl+Z

// Dialogs.
#define IDD_DOWNLOAD    101
#define IDD_ABOUT       103
#define IDD_PREFERENCES 104
#define IDD_CLUE_LIST   126
#define IDD_QUICK_HELP  127
#define IDD_PUZZLE_INFO 128
#define IDD_UNLOCK      129
#define IDD_PRINT       130

// Commands. Menu items, menu bar buttons and accelerators send these.
#define IDM_CTRL_DOWN        1  // Ctrl+Down: the IDOK of the platform's own "ok" key
#define IDM_EXIT             40006
#define IDM_PREFERENCES      40007
#define IDM_HELP             40009
#define IDM_SELECT_ALL       40010  // Ctrl+A: deliberately left to default processing
#define IDM_ABOUT            40011
#define IDM_VIEW_WORD        40020
#define IDM_VIEW_LETTER      40021
#define IDM_VIEW_MENU        40026  // drop-down button of the View pop-up
#define IDM_TOGGLE_DIRECTION 40047
#define IDM_VIEW_PUZZLE      40048
#define IDM_OPEN             40051
#define IDM_ZOOM_MENU        40052  // drop-down button of the magnification pop-up
#define IDM_CLUE_LIST        40054
#define IDM_MAIN_MENU_BUTTON 40056  // drop-down button of the main menu
#define IDM_CHECK            40062
#define IDM_SMALL            40066
#define IDM_MEDIUM           40067
#define IDM_LARGE            40068
#define IDM_PUZZLE_INFO      40071
#define IDM_KEYBOARD         40072
#define IDM_CLEAR_PUZZLE     40077
#define IDM_CLEAR_WORD       40078
#define IDM_CLEAR_LETTER     40079
#define IDM_QUIT             40086  // Ctrl+Q
#define IDM_AVAILABLE        40088
#define IDM_DOWNLOAD         40089
#define IDM_AUTO_SKIP        40092
#define IDM_NUMBERS          40093
#define IDM_FILL_LETTER      40094
#define IDM_FILL_WORD        40095
#define IDM_FILL_PUZZLE      40096
#define IDM_REBUS            40097  // several letters in the current square (also Insert)
#define IDM_UNLOCK           40098  // a locked solution opened with its key
#define IDM_SHOW_NOTES       40099  // posted: the notes of a puzzle opened for the first time
#define IDM_PENCIL           40100  // toggle: letters typed from now on are pencil letters
#define IDM_MARKS            40101  // toggle: shows the marks Check and View / Fill leave
#define IDM_UNDO             40102  // takes back the last change of the entries (also Ctrl+Z)
#define IDM_LOCK             40103  // an opened solution locked again, its key forgotten
#define IDM_PRINT            40104  // the open puzzle as a PDF page beside its file
#define IDM_CHECK_LETTER     40105  // the current square against the solution
#define IDM_CHECK_WORD       40106  // the current word against the solution
#define IDM_BLOCK            40107  // toggle: a block the player places (diagramless puzzles)
