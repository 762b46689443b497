// Dialog templates of the game. Positions are dialog units; each dialog is made full screen
// when it opens, so the templates only need to fit the screen's width.
#include "dialog_templates.h"

#include "commctrl.h"
#include "dialog_ids.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kText = SS_LEFT;
constexpr DWORD kPicture = SS_BITMAP;

template <size_t N> constexpr WORD Count(const DLGITEMTEMPLATEW (&)[N])
{
    return WORD(N);
}

const DLGITEMTEMPLATEW kDownloadItems[] = {
    {kText, 0, 4, 4, 150, 10, IDC_DOWNLOAD_HEADING, DLG_ATOM_STATIC, u"Download Puzzles"},
    {LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 4, 18, 150, 72, IDC_ADDRESS_LIST,
     DLG_ATOM_LISTBOX, u""},
    {ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 4, 94, 150, 12, IDC_ADDRESS, DLG_ATOM_EDIT, u""},
    {kPush, 0, 4, 112, 46, 14, IDC_GET, DLG_ATOM_BUTTON, u"Get"},
    {kPush, 0, 56, 112, 46, 14, IDC_DELETE, DLG_ATOM_BUTTON, u"Delete"},
    {kPush, 0, 108, 112, 46, 14, IDC_GET_NEW, DLG_ATOM_BUTTON, u"Get New"},
    {kPush, 0, 108, 132, 46, 14, IDC_DOWNLOAD_OK, DLG_ATOM_BUTTON, u"OK"},
    // Shown only while a download runs, under the rest, which it leaves in place.
    {kPush, 0, 4, 132, 46, 14, IDCANCEL, DLG_ATOM_BUTTON, u"Cancel"},
    {SS_LEFTNOWORDWRAP, 0, 4, 151, 150, 10, IDC_DOWNLOAD_STATUS, DLG_ATOM_STATIC, u""},
};

// The About box is painted by its procedure; its only control is OK, at the bottom right,
// below the link lines of the picture.
const DLGITEMTEMPLATEW kAboutItems[] = {
    {kPush, 0, 124, 160, 32, 12, IDC_ABOUT_OK, DLG_ATOM_BUTTON, u"OK"},
};

// The magnification's three choices share a row, so that the toggles and the ways of moving
// fit above the colours on one screen.
const DLGITEMTEMPLATEW kPreferencesItems[] = {
    {BS_GROUPBOX, 0, 4, 2, 150, 26, IDC_MAGNIFICATION_GROUP, DLG_ATOM_BUTTON,
     u"Screen Magnification"},
    {BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 12, 14, 42, 10, IDC_SMALL, DLG_ATOM_BUTTON,
     u"Small"},
    {BS_AUTORADIOBUTTON, 0, 58, 14, 46, 10, IDC_MEDIUM, DLG_ATOM_BUTTON, u"Medium"},
    {BS_AUTORADIOBUTTON, 0, 108, 14, 42, 10, IDC_LARGE, DLG_ATOM_BUTTON, u"Large"},
    {BS_GROUPBOX | WS_GROUP, 0, 4, 32, 150, 62, IDC_TOGGLE_GROUP, DLG_ATOM_BUTTON,
     u"Toggle Options"},
    {BS_AUTOCHECKBOX | WS_TABSTOP, 0, 12, 44, 62, 10, IDC_AUTO_SKIP, DLG_ATOM_BUTTON, u"Auto Skip"},
    {BS_AUTOCHECKBOX | WS_TABSTOP, 0, 80, 44, 70, 10, IDC_SHOW_NUMBERS, DLG_ATOM_BUTTON,
     u"Show Numbers"},
    {BS_AUTOCHECKBOX | WS_TABSTOP, 0, 12, 56, 138, 10, IDC_SKIP_ACROSS_WORDS, DLG_ATOM_BUTTON,
     u"Auto Skip across words"},
    {BS_AUTOCHECKBOX | WS_TABSTOP, 0, 12, 68, 138, 10, IDC_NEXT_WORD_AFTER, DLG_ATOM_BUTTON,
     u"Next word after the last letter"},
    {BS_AUTOCHECKBOX | WS_TABSTOP, 0, 12, 80, 138, 10, IDC_ARROW_SQUARES, DLG_ATOM_BUTTON,
     u"Arrow keys move one square"},
    {BS_GROUPBOX, 0, 4, 98, 150, 38, IDC_COLOUR_GROUP, DLG_ATOM_BUTTON, u"Color Options"},
    {kPush, 0, 12, 110, 12, 10, IDC_SQUARE_SWATCH, DLG_ATOM_BUTTON, u""},
    {kText, 0, 30, 111, 100, 10, 0xFFFF, DLG_ATOM_STATIC, u"Square Color"},
    {kPush, 0, 12, 122, 12, 10, IDC_BACKGROUND_SWATCH, DLG_ATOM_BUTTON, u""},
    {kText, 0, 30, 123, 100, 10, 0xFFFF, DLG_ATOM_STATIC, u"Background Color"},
    {kPush, 0, 108, 142, 46, 14, IDOK, DLG_ATOM_BUTTON, u"OK"},
};

const DLGITEMTEMPLATEW kClueListItems[] = {
    {kText, 0, 4, 2, 110, 10, 0xFFFF, DLG_ATOM_STATIC, u"Across / Down Clues"},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 122, 1, 32, 12, IDOK, DLG_ATOM_BUTTON, u"OK"},
    {LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 2, 16, 154, 118,
     IDC_CLUE_LIST, DLG_ATOM_LISTBOX, u""},
    {WS_TABSTOP, 0, 2, 136, 154, 14, IDC_CLUE_TABS, WC_TABCONTROLW, u""},
};

// Title, author and copyright, then the notes, in one list that scrolls when they are long:
// any of them may run to many lines.
const DLGITEMTEMPLATEW kPuzzleInfoItems[] = {
    {WS_BORDER | WS_VSCROLL | WS_TABSTOP, 0, 2, 2, 156, 136, IDC_INFO_NOTES, DLG_ATOM_LISTBOX, u""},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 124, 142, 32, 14, IDOK, DLG_ATOM_BUTTON, u"OK"},
};

const DLGITEMTEMPLATEW kUnlockItems[] = {
    {kText, 0, 4, 4, 152, 20, IDC_UNLOCK_PROMPT, DLG_ATOM_STATIC,
     u"The solution of this puzzle is locked. Enter its 4-digit key:"},
    {WS_BORDER | WS_TABSTOP, 0, 4, 28, 40, 12, IDC_UNLOCK_KEY, DLG_ATOM_EDIT, u""},
    {BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 70, 46, 40, 14, IDOK, DLG_ATOM_BUTTON, u"Unlock"},
    {kPush, 0, 116, 46, 40, 14, IDCANCEL, DLG_ATOM_BUTTON, u"Cancel"},
};

const DLGITEMTEMPLATEW kPrintItems[] = {
    {kText, 0, 4, 4, 152, 20, IDC_PRINT_PROMPT, DLG_ATOM_STATIC,
     u"Print this puzzle to a PDF page beside its file, showing:"},
    {BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 12, 28, 130, 10, IDC_PRINT_BLANK,
     DLG_ATOM_BUTTON, u"The empty grid"},
    {BS_AUTORADIOBUTTON, 0, 12, 40, 130, 10, IDC_PRINT_LETTERS, DLG_ATOM_BUTTON,
     u"The grid with my letters"},
    {BS_AUTORADIOBUTTON, 0, 12, 52, 130, 10, IDC_PRINT_SOLUTION, DLG_ATOM_BUTTON, u"The solution"},
    {BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 70, 70, 40, 14, IDOK, DLG_ATOM_BUTTON, u"Print"},
    {kPush, 0, 116, 70, 40, 14, IDCANCEL, DLG_ATOM_BUTTON, u"Cancel"},
};

// Nine rows of a 19 x 19 picture and its text, then Help and OK.
constexpr short kRow = 14;
#define HELP_ROW(n, picture, text)                                                                 \
    {kPicture,                                                                                     \
     0,                                                                                            \
     6,                                                                                            \
     short(4 + (n)*kRow),                                                                          \
     13,                                                                                           \
     12,                                                                                           \
     0xFFFF,                                                                                       \
     DLG_ATOM_STATIC,                                                                              \
     MAKEINTRESOURCEW(picture)},                                                                   \
    {                                                                                              \
        kText, 0, 24, short(6 + (n)*kRow), 130, 10, 0xFFFF, DLG_ATOM_STATIC, text                  \
    }
const DLGITEMTEMPLATEW kQuickHelpItems[] = {
    HELP_ROW(0, IDB_HELP_MENU, u"Main Menu"),
    HELP_ROW(1, IDB_HELP_CHECK, u"Checks the puzzle"),
    HELP_ROW(2, IDB_HELP_HINT, u"Display a hint"),
    HELP_ROW(3, IDB_HELP_ZOOM, u"Puzzle magnification"),
    HELP_ROW(4, IDB_HELP_OPEN, u"Select a new puzzle"),
    HELP_ROW(5, IDB_HELP_DIRECTION, u"Toggle clues across / down"),
    HELP_ROW(6, IDB_HELP_CLUE_LIST, u"Open the clue list"),
    HELP_ROW(7, IDB_HELP_KEYBOARD, u"Display Keyboard"),
    HELP_ROW(8, IDB_HELP_ABOUT, u"About Crossword"),
    {kPush, 0, 6, 132, 46, 14, IDC_HELP_PAGE, DLG_ATOM_BUTTON, u"Help"},
    {kPush, 0, 108, 132, 46, 14, IDC_QUICK_HELP_OK, DLG_ATOM_BUTTON, u"OK"},
};
#undef HELP_ROW

}  // namespace

const DLGTEMPLATEW kDownloadDialog = {
    kDialogStyle,  0,   Count(kDownloadItems), 0, 0,
    160,           180, u"Download Puzzles",   8, u"MS Sans Serif",
    kDownloadItems};
const DLGTEMPLATEW kAboutDialog = {kDialogStyle, 0,   Count(kAboutItems), 0, 0,
                                   160,          194, u"About Crossword", 8, u"MS Sans Serif",
                                   kAboutItems};
const DLGTEMPLATEW kPreferencesDialog = {kDialogStyle,
                                         0,
                                         Count(kPreferencesItems),
                                         0,
                                         0,
                                         160,
                                         180,
                                         u"Preferences",
                                         8,
                                         u"MS Sans Serif",
                                         kPreferencesItems};
const DLGTEMPLATEW kClueListDialog = {kDialogStyle,  0,   Count(kClueListItems), 0, 0,
                                      160,           180, u"Crossword Clues",    8, u"System",
                                      kClueListItems};
const DLGTEMPLATEW kPuzzleInfoDialog = {kDialogStyle,
                                        0,
                                        Count(kPuzzleInfoItems),
                                        0,
                                        0,
                                        160,
                                        180,
                                        u"Puzzle Information",
                                        8,
                                        u"MS Sans Serif",
                                        kPuzzleInfoItems};
const DLGTEMPLATEW kUnlockDialog = {kDialogStyle, 0,   Count(kUnlockItems), 0, 0,
                                    160,          180, u"Unlock Solution",  8, u"MS Sans Serif",
                                    kUnlockItems};
const DLGTEMPLATEW kPrintDialog = {kDialogStyle, 0, Count(kPrintItems), 0,          0, 160, 180,
                                   u"Print",     8, u"MS Sans Serif",   kPrintItems};
const DLGTEMPLATEW kQuickHelpDialog = {kDialogStyle,
                                       0,
                                       Count(kQuickHelpItems),
                                       0,
                                       0,
                                       160,
                                       180,
                                       u"Crossword Quick Help",
                                       8,
                                       u"MS Sans Serif",
                                       kQuickHelpItems};
