// The main window's commands (menus, menu bar buttons, accelerators, the tap-and-hold menu)
// and the window-level messages: activation, input panel changes, painting, minimising.
// Each command is its operation followed by the repaint it needs, in the order of the menus.
#include "auto_save.h"
#include "bottom_band.h"
#include "check_painter.h"
#include "diagramless.h"
#include "fill_clear_entries.h"
#include "game_dialogs.h"
#include "game_state.h"
#include "grid_paint.h"
#include "main_handlers.h"
#include "main_window.h"
#include "play_cursor.h"
#include "play_time.h"
#include "player_action.h"
#include "print_dialog.h"
#include "puzzle_clock.h"
#include "puzzle_text.h"
#include "rebus_entry.h"
#include "refresh.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "solution_lock.h"
#include "square_marks.h"
#include "undo_history.h"

namespace {

constexpr unsigned kRepaintAll = kGrid | kWord | kClueBar | kKeyboard | kPresent;

// A drop-down's pop-up, fetched from the menu bar each time it is needed.
HMENU MenuOfButton(UINT dropDownCommand)
{
    return reinterpret_cast<HMENU>(
        SendMessageW(gShell.menuBar, SHCMBM_GETSUBMENU, 0, LPARAM(dropDownCommand)));
}

void SetCheck(UINT dropDownCommand, UINT item, bool checked)
{
    CheckMenuItem(MenuOfButton(dropDownCommand), item,
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Small, Medium or Large from the menu: the cursor stays where it is, and the new view
// scrolls to its word.
void ChooseMagnification(HWND window, int magnification)
{
    Settings chosen = gGame.settings;
    SetMagnification(&chosen, magnification);
    SetSettings(chosen);
    SetCheck(IDM_ZOOM_MENU, IDM_SMALL, magnification == kSmall);
    SetCheck(IDM_ZOOM_MENU, IDM_MEDIUM, magnification == kMedium);
    SetCheck(IDM_ZOOM_MENU, IDM_LARGE, magnification == kLarge);
    Refresh(window, kLayout | kGrid | kWord | kScrollZoomed | kClueBar | kKeyboard | kPresent);
}

void OpenAnotherPuzzle(HWND window)
{
    const PuzzleOpening opening = ChoosePuzzleFile(window);
    if (opening != kNotOpened)
        ShowOpenedPuzzle(window, opening);
}

void ShowPuzzleInfo(HWND window)
{
    if (*gGame.notes) {
        RunGameDialog(window, IDD_PUZZLE_INFO);
        return;
    }
    WCHAR text[kHeaderLineSize];
    WidenPuzzleText(gGame.headerLine, text, kHeaderLineSize);
    MessageBoxW(window, text, u"Puzzle Information", MB_OK);
}

// A check-marked item of the Toggle drop-down and its setting.
void FlipToggle(SettingToggle setting, UINT item)
{
    SetCheck(IDM_MAIN_MENU_BUTTON, item, FlipSetting(setting));
}

// The commands that change the squares, show the solution or move the cursor: the ones a
// pause refuses, since the player would not see what they did, and greys while it lasts.
struct GridCommand {
    UINT id;
    bool needsSolution;  // shows or compares the solution
};
constexpr GridCommand kGridCommands[] = {
    {IDM_CHECK, true},         {IDM_CHECK_LETTER, true}, {IDM_CHECK_WORD, true},
    {IDM_VIEW_LETTER, true},   {IDM_VIEW_WORD, true},    {IDM_VIEW_PUZZLE, true},
    {IDM_FILL_LETTER, true},   {IDM_FILL_WORD, true},    {IDM_FILL_PUZZLE, true},
    {IDM_CLEAR_LETTER, false}, {IDM_CLEAR_WORD, false},  {IDM_CLEAR_PUZZLE, false},
    {IDM_UNDO, false},         {IDM_REBUS, false},       {IDM_TOGGLE_DIRECTION, false},
    {IDM_BLOCK, false},  // greyed for an ordinary puzzle as well (EnableBlockItem)
};

const GridCommand* GridCommandOf(UINT command)
{
    for (const GridCommand& c : kGridCommands)
        if (c.id == command)
            return &c;
    return nullptr;
}

bool NeedsSolution(UINT command)
{
    const GridCommand* c = GridCommandOf(command);
    return c && c->needsSolution;
}

bool ChangesGrid(UINT command)
{
    return GridCommandOf(command) != nullptr;
}

// While the pause hides the grid its commands are greyed wherever the player could pick them:
// the main menu, the View pop-up and the menu bar's Check and direction buttons. The hold
// menu never opens then.
void GreyGridCommandsWhilePaused()
{
    const bool paused = PauseHidesGrid();
    const UINT state = MF_BYCOMMAND | (paused ? MF_GRAYED : MF_ENABLED);
    for (const GridCommand& c : kGridCommands) {
        EnableMenuItem(MenuOfButton(IDM_MAIN_MENU_BUTTON), c.id, state);
        EnableMenuItem(MenuOfButton(IDM_VIEW_MENU), c.id, state);
        SendMessageW(gShell.menuBar, TB_ENABLEBUTTON, c.id, MAKELONG(!paused, 0));
    }
}

// A locked or missing solution cannot be shown or compared; the player is told so and
// nothing changes. True when the command must stop.
bool SolutionRefused(HWND window)
{
    switch (gGame.solutionState) {
    case kSolutionLocked:
        MessageBoxW(window, u"The solution of this puzzle is locked.", u"Solution Locked",
                    MB_OK | MB_ICONINFORMATION);
        return true;
    case kSolutionMissing:
        MessageBoxW(window, u"This puzzle comes without its solution.", u"No Solution",
                    MB_OK | MB_ICONINFORMATION);
        return true;
    }
    return false;
}

void AskAndClearPuzzle(HWND window)
{
    const int answer =
        MessageBoxW(window, u"Do you want to clear the puzzle ? Undo brings your letters back.",
                    u"Are You Sure?", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES)
        return;
    ClearPuzzle();
    Refresh(window, kRepaintAll);
}

// A key can match the locked solution's checksum and still be the wrong one; the player's own
// letters are the only other witness.
void UnlockAndWarn(HWND window)
{
    if (RunGameDialog(window, IDD_UNLOCK) != 1)
        return;
    UpdateMenuChecks();
    if (LettersMostlyDisagree())
        MessageBoxW(window,
                    u"This key opens the puzzle, but your letters disagree with its solution: it "
                    u"may be the wrong key.",
                    u"Unlock Solution", MB_OK | MB_ICONINFORMATION);
}

// The keyboard shown or hidden; in Small the grid is laid out again for the other band, in
// Medium and Large the shorter view follows the current word.
void ToggleKeyboard(HWND window)
{
    if (gGame.keyboardShown) {
        const bool layout = HideKeyboardBand(window);
        Refresh(window, (layout ? kLayout | kGrid | kWord : 0u) | kClueBar | kPresent);
    } else {
        const bool layout = ShowKeyboardBand(window);
        Refresh(window,
                (layout ? kLayout | kGrid | kWord : kScroll) | kClueBar | kKeyboard | kPresent);
    }
}

// Check Puzzle: the verdict painted and shown, then told when there is nothing red to see.
void CheckAndReport(HWND window)
{
    MarkWrongSquares(kMarkPuzzle);
    Refresh(window, kCheckMarks | kPresent);
    ReportCheck(window);
    Present(window);
}

}  // namespace

void UpdateMenuChecks()
{
    SetCheck(IDM_MAIN_MENU_BUTTON, IDM_NUMBERS, gGame.settings.showNumbers != 0);
    SetCheck(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP, gGame.settings.autoSkip != 0);
    SetCheck(IDM_MAIN_MENU_BUTTON, IDM_PENCIL, gGame.settings.pencil != 0);
    SetCheck(IDM_MAIN_MENU_BUTTON, IDM_MARKS, gGame.settings.marks != 0);
    const int magnification = MagnificationIndex(gGame.settings);
    SetCheck(IDM_ZOOM_MENU, IDM_SMALL, magnification == kSmall);
    SetCheck(IDM_ZOOM_MENU, IDM_MEDIUM, magnification == kMedium);
    SetCheck(IDM_ZOOM_MENU, IDM_LARGE, magnification == kLarge);
    EnableMenuItem(MenuOfButton(IDM_MAIN_MENU_BUTTON), IDM_UNLOCK,
                   MF_BYCOMMAND |
                       (gGame.solutionState == kSolutionLocked ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(MenuOfButton(IDM_MAIN_MENU_BUTTON), IDM_LOCK,
                   MF_BYCOMMAND | (gGame.unlockKey >= 0 ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(MenuOfButton(IDM_MAIN_MENU_BUTTON), IDM_PRINT,
                   MF_BYCOMMAND | (PuzzleOpen() ? MF_ENABLED : MF_GRAYED));
    GreyGridCommandsWhilePaused();
    EnableBlockItem(MenuOfButton(IDM_MAIN_MENU_BUTTON));
}

void EnableBlockItem(HMENU menu)
{
    const bool enabled = PuzzleOpen() && gGame.diagramless && !PauseHidesGrid();
    EnableMenuItem(menu, IDM_BLOCK, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ShowOpenedPuzzle(HWND window, PuzzleOpening opening)
{
    // The next start must find this puzzle, not the one left, should the game die now.
    SaveStartRecordNow();
    ShowNotesOfANewPuzzle(window, opening);
    UpdateMenuChecks();
    ShowClock(window);
    // A puzzle opened again has its cursor back, perhaps far from the top-left corner.
    Refresh(window, kLayout | kGrid | kWord | kScrollZoomed | kClueBar | kKeyboard | kPresent);
}

void ShowNotesOfANewPuzzle(HWND window, PuzzleOpening opening)
{
    // The first opening is the one without progress of its own: the notes may be what the
    // puzzle cannot be solved without. Posted, so they show once the window is up.
    if (opening == kOpenedFirst && *gGame.notes)
        PostMessageW(window, WM_COMMAND, IDM_SHOW_NOTES, 0);
}

namespace {

// The commands that show the solution or compare the entries with it, leaving the entries:
// View and Check, each of the letter, the word and the puzzle. False for any other command.
bool RunViewOrCheckCommand(HWND window, UINT command)
{
    switch (command) {
    case IDM_VIEW_WORD:
        MarkGiven(kMarkWord);
        Refresh(window, kGrid | kViewWord | kClueBar | kKeyboard | kPresent);
        break;
    case IDM_VIEW_LETTER:
        MarkGiven(kMarkLetter);
        Refresh(window, kGrid | kViewLetter | kClueBar | kKeyboard | kPresent);
        break;
    case IDM_VIEW_PUZZLE:
        MarkGiven(kMarkPuzzle);
        Refresh(window, kSolutionGrid | kClueBar | kKeyboard | kPresent);
        break;
    case IDM_CHECK: CheckAndReport(window); break;
    // The red letters are the report of a letter or a word: a right one stays as it is.
    case IDM_CHECK_LETTER:
        MarkWrongSquares(kMarkLetter);
        Refresh(window, kGrid | kWord | kCheckLetter | kClueBar | kKeyboard | kPresent);
        break;
    case IDM_CHECK_WORD:
        MarkWrongSquares(kMarkWord);
        Refresh(window, kGrid | kWord | kCheckWord | kClueBar | kKeyboard | kPresent);
        break;
    default: return false;
    }
    return true;
}

// The commands that act on the squares: Fill, Clear, the rebus entry, the lock, the direction
// and Undo, in the order of the command table. False for any other command.
bool RunPlayCommand(HWND window, UINT command)
{
    switch (command) {
    case IDM_TOGGLE_DIRECTION:
        ToggleDirection();
        Refresh(window, kGrid | kWord | kClueBar | kPresent);
        break;
    case IDM_CLEAR_PUZZLE: AskAndClearPuzzle(window); break;
    case IDM_CLEAR_WORD:
        ClearWord();
        Refresh(window, kRepaintAll);
        break;
    case IDM_CLEAR_LETTER:
        ClearLetter();
        Refresh(window, kRepaintAll);
        break;
    case IDM_FILL_LETTER:
        FillLetter();
        Refresh(window, kRepaintAll);
        break;
    case IDM_FILL_WORD:
        FillWord();
        Refresh(window, kRepaintAll);
        break;
    case IDM_FILL_PUZZLE:
        FillPuzzle();
        Refresh(window, kRepaintAll);
        break;
    case IDM_REBUS: StartRebusEntry(window); break;
    case IDM_BLOCK:
        ToggleBlock();
        Refresh(window, kRepaintAll);
        break;
    case IDM_UNLOCK:
        UnlockAndWarn(window);
        Refresh(window, kRepaintAll);
        break;
    case IDM_LOCK:
        if (LockSolution())
            UpdateMenuChecks();
        Refresh(window, kRepaintAll);
        break;
    case IDM_UNDO:
        if (UndoLastStep())
            Refresh(window, kRepaintAll | kScroll);
        break;
    default: return false;
    }
    return true;
}

// The commands of the game itself: leaving, the dialogs, other puzzles, the magnification,
// the keyboard and the toggles, in the order of the command table. False for any other.
bool RunGameCommand(HWND window, UINT command)
{
    switch (command) {
    case IDM_CTRL_DOWN:
        SendMessageW(window, WM_ACTIVATE, 0, LPARAM(window));
        SendMessageW(window, WM_CLOSE, 0, 0);
        break;
    case IDM_EXIT: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case IDM_PREFERENCES:
        RunGameDialog(window, IDD_PREFERENCES);
        Refresh(window, kLayout | kGrid | kWord | kScrollZoomed | kClueBar | kPresent);
        break;
    case IDM_HELP: RunGameDialog(window, IDD_QUICK_HELP); break;
    case IDM_ABOUT: RunGameDialog(window, IDD_ABOUT); break;
    case IDM_OPEN: OpenAnotherPuzzle(window); break;
    case IDM_ZOOM_MENU: UpdateMenuChecks(); break;
    case IDM_CLUE_LIST:
        RunGameDialog(window, IDD_CLUE_LIST);
        break;  // the next activation repaints
    case IDM_MAIN_MENU_BUTTON: UpdateMenuChecks(); break;
    case IDM_SMALL: ChooseMagnification(window, kSmall); break;
    case IDM_MEDIUM: ChooseMagnification(window, kMedium); break;
    case IDM_LARGE: ChooseMagnification(window, kLarge); break;
    case IDM_PUZZLE_INFO: ShowPuzzleInfo(window); break;
    case IDM_KEYBOARD: ToggleKeyboard(window); break;
    case IDM_QUIT: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case IDM_AVAILABLE: OpenAnotherPuzzle(window); break;
    case IDM_DOWNLOAD: RunGameDialog(window, IDD_DOWNLOAD); break;
    case IDM_PRINT: PrintOpenPuzzle(window); break;
    case IDM_AUTO_SKIP: FlipToggle(kToggleAutoSkip, IDM_AUTO_SKIP); break;
    case IDM_NUMBERS:
        FlipToggle(kToggleNumbers, IDM_NUMBERS);
        Refresh(window, kRepaintAll);
        break;
    case IDM_SHOW_NOTES: RunGameDialog(window, IDD_PUZZLE_INFO); break;
    case IDM_PENCIL:
        FlipToggle(kTogglePencil, IDM_PENCIL);
        Refresh(window, kClueBar);  // the pencil sign at the bar's corner
        break;
    case IDM_MARKS:
        FlipToggle(kToggleMarks, IDM_MARKS);
        Refresh(window, kRepaintAll);
        break;
    default: return false;
    }
    return true;
}

}  // namespace

LRESULT OnCommand(HWND window, UINT command, WPARAM wParam, LPARAM lParam)
{
    // Refused silently while the pause hides the grid; the panel says how to go on.
    if (PauseHidesGrid() && ChangesGrid(command))
        return 0;
    // An open rebus entry ends before any command acts on the grid.
    EndRebusEntry(window, true);
    if (NeedsSolution(command) && SolutionRefused(window))
        return 0;
    if (!RunViewOrCheckCommand(window, command) && !RunPlayCommand(window, command) &&
        !RunGameCommand(window, command))
        return DefWindowProcW(window, WM_COMMAND, wParam, lParam);  // Ctrl+A, the View drop-down
    if (IsWindow(window))
        AfterPlayerAction(window);
    return 0;
}

void OnSize(HWND window, WPARAM kind)
{
    if (kind == SIZE_MINIMIZED)
        SendMessageW(window, WM_CLOSE, 0, 0);
}

void OnActivate(HWND window, WPARAM state)
{
    SetClockShownActive(window, LOWORD(state) != WA_INACTIVE);
    SHFullScreen(window, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
    if (gShell.refreshOnActivate) {
        gShell.refreshOnActivate = 0;
        Refresh(window, kGrid | kWord | kScrollZoomed | kClueBar | kKeyboard | kPresent);
        return;
    }
    // Every dialog, message box and menu ends in this repaint: the grid keeps the word the
    // clue bar names, but the view stays where the player left it.
    Refresh(window, kRepaintAll);
}

void OnSettingChange(HWND window, WPARAM what)
{
    if (what != SPI_SETSIPINFO)
        return;
    gShell.activateInfo = {};
    SHHandleWMSettingChange(window, WPARAM(-1), 0, &gShell.activateInfo);
    // The game's keyboard never stays up beside the device's input panel.
    const bool layout = HideKeyboardBand(window);
    Refresh(window, (layout ? kLayout | kGrid | kWord : 0u) | kClueBar | kPresent);
}

void OnPaint(HWND window)
{
    Refresh(window, kRepaintAll);
}
