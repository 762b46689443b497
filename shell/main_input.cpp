// Keys and the stylus on the main window: letters to the play engine, Enter, Space, Tab and
// the arrows to the cursor moves, taps to the grid or the on-screen keyboard, drags to the scrolled
// view, and a tap-and-hold to the Clear / Fill / View menu. While the pause hides the grid they
// are refused, but for the tap that resumes.
#include <cstdlib>

#include "bottom_band.h"
#include "clue_bar.h"
#include "diagramless.h"
#include "game_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"
#include "main_handlers.h"
#include "main_window.h"
#include "pause_panel.h"
#include "play_cursor.h"
#include "play_time.h"
#include "player_action.h"
#include "puzzle_clock.h"
#include "puzzle_text.h"
#include "rebus_entry.h"
#include "refresh.h"
#include "resource_ids.h"
#include "shell_state.h"
#include "square_text.h"

namespace {

// Where the game's keyboard answers taps: from its top edge to the bottom of the client area
// of a window with the input panel down.
constexpr RECT kKeyboardArea = {0, kKeyboardTop, 240, 298};

// How far the stylus may wander from where it went down and still make a tap rather than a
// drag: the same few pixels a tap-and-hold allows.
constexpr int kTapSlop = 5;

// The repaint of every change a key makes to the squares or the open rebus entry.
constexpr unsigned kTypedRepaint = kGrid | kWord | kClueBar | kPresent;

POINT PointOf(LPARAM lParam)
{
    return {LOWORD(lParam), HIWORD(lParam)};
}

// A drag is measured in the signed 16-bit coordinates the message carries, so a stylus that
// leaves the window on the left or at the top still moves the view the right way.
POINT DragPointOf(POINT p)
{
    return {int16_t(p.x), int16_t(p.y)};
}

// Medium and Large drag the grid along each direction in which it is larger than the view.
bool Draggable()
{
    return Magnified() && (MaxScrollX() > 0 || MaxScrollY() > 0);
}

bool BeyondTapSlop(POINT p)
{
    return std::abs(p.x - gShell.stylusDown.x) > kTapSlop ||
           std::abs(p.y - gShell.stylusDown.y) > kTapSlop;
}

// The grid view: the client area above the bottom band.
bool InGridArea(HWND window, POINT p)
{
    RECT area;
    GetClientRect(window, &area);
    area.bottom -= gGame.bottomPanelHeight;
    return PtInRect(&area, p);
}

// In Small the grid does not fill the view; only points over its squares count. The left
// edge is excluded and the bottom edge included, as the squares' shared border lines fall.
bool OnSmallGrid(HWND window, POINT p)
{
    RECT client;
    GetClientRect(window, &client);
    return gGame.gridLeft < p.x && p.x < gGame.gridLeft + gGame.width * gGame.cellSize &&
           client.top < p.y && p.y <= gGame.height * gGame.cellSize;
}

// A tap on the grid view: the square under the point becomes current (a `held` stylus only
// selects, it never turns the direction), scrolled to in the magnified views; the view is not
// presented. False when the point named no square the tap may select.
bool SelectTappedCell(HWND window, POINT p, bool held)
{
    if (!Magnified() && !OnSmallGrid(window, p))
        return false;
    int row = 0;
    int col = 0;
    if (HitTestCell(p.x, p.y, &row, &col)) {
        // A square without both words leaves the cursor where it was; its word is drawn again
        // all the same, since the clue bar still names it.
        ApplyCellTap(row, col, held);
        Refresh(window, kGrid | kWord | kClueBar);
    }
    Refresh(window, kScrollZoomed);
    return true;
}

void OpenHoldMenu(HWND window, POINT p)
{
    HMENU menu = LoadMenuW(gShell.instance, MAKEINTRESOURCEW(IDM_HOLD_MENU));
    EnableBlockItem(menu);
    if (InGridArea(window, p))
        SelectTappedCell(window, p, true);
    Present(window);
    // The menu opens at the tap's client coordinates, taken as they are.
    TrackPopupMenuEx(GetSubMenu(menu, 0), 0, p.x, p.y, window, nullptr);
    DestroyMenu(menu);
}

// A letter or Backspace at the current square, or into the open rebus entry. A letter steps
// the cursor on in its word; Backspace steps back. On a black square only the view is shown
// again.
void TypeKey(HWND window, int key)
{
    if (RebusEntryOpen()) {
        RebusEntryKey(key);
        Refresh(window, kTypedRepaint);
        return;
    }
    if (key == kKeyBackspace) {
        if (!EraseLetter()) {
            Refresh(window, kPresent);
            return;
        }
        StepBackInWord();
        Refresh(window, kGrid | kWord | kPresent);
        return;
    }
    if (!StoreLetter(key)) {
        Refresh(window, kPresent);
        return;
    }
    StepCursorAfterLetter();
    Refresh(window, kTypedRepaint);
}

// A character typed as text: digits, symbols and letters beyond A-Z, in the puzzle's encoding.
// Letters A-Z arrive as keys instead, so they are not taken twice.
void TypeCharacter(HWND window, WCHAR ch)
{
    if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || ch <= u' ')
        return;  // keys of their own, control codes and the space
    char bytes[4];
    const int count = NarrowTypedCharacter(ch, bytes, sizeof bytes);
    if (count == 0)
        return;
    if (RebusEntryOpen()) {
        RebusEntryType(bytes, count);
        Refresh(window, kTypedRepaint);
        return;
    }
    const int byte = static_cast<unsigned char>(bytes[0]);
    if (count == 1 && IsEntryByte(byte))
        TypeKey(window, byte);
    else if (count == 1 && byte == '.' && TypeBlock())  // a diagramless puzzle's block
        Refresh(window, kTypedRepaint);
}

// The keys other than letters and Backspace: Enter and Insert end the rebus entry (Escape
// drops it); an arrow or Tab ends it and then moves as always. Other keys (Shift, held for
// capitals, and Space among them) leave it open.
void PressOtherKey(HWND window, int key)
{
    if (RebusEntryOpen()) {
        const bool move =
            key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_TAB;
        if (key == VK_RETURN || key == VK_INSERT || key == VK_ESCAPE || move)
            EndRebusEntry(window, key != VK_ESCAPE);
        if (!move)
            return;
    } else if (key == VK_INSERT) {
        StartRebusEntry(window);
        return;
    }
    switch (key) {
    case VK_RETURN:
    case VK_SPACE: ToggleDirection(); break;
    case VK_TAB:
        JumpToWordEmptySquare(GetKeyState(VK_SHIFT) < 0 ? kPreviousWord : kNextWord);
        break;
    case VK_DELETE: EraseLetter(); break;
    case VK_LEFT: PressArrow(kAcross, -1); break;
    case VK_UP: PressArrow(kDown, -1); break;
    case VK_RIGHT: PressArrow(kAcross, 1); break;
    case VK_DOWN: PressArrow(kDown, 1); break;
    default: break;  // nothing changes, but the view is repainted all the same
    }
    Refresh(window, kGrid | kWord | kScroll | kClueBar | kPresent);
}

// A tap on the game's keyboard: letters and the erase key type as keys do; the rebus key
// opens or ends the rebus entry; OK ends an open rebus entry (the keyboard stays) or closes
// the keyboard.
void TapKeyboard(HWND window, POINT p)
{
    const KeyboardKey key = PressKeyboardKey(window, p.x, p.y);
    switch (key.kind) {
    case kLetterKey: TypeKey(window, key.letter); return;
    case kEraseKey: TypeKey(window, kKeyBackspace); return;
    case kRebusKey:
        // As the Rebus command and Insert: opens the entry, or ends it keeping its letters.
        if (RebusEntryOpen())
            EndRebusEntry(window, true);
        else
            StartRebusEntry(window);
        break;
    case kOkKey:
        if (RebusEntryOpen()) {
            EndRebusEntry(window, true);
        } else {
            const bool layout = HideKeyboardBand(window);
            Refresh(window, (layout ? kLayout | kGrid | kWord : 0u) | kClueBar);
        }
        break;
    default: break;
    }
    Refresh(window, kPresent);
}

// A tap on the clue bar: a clue the bar had to cut short is shown whole in a box of its own.
void ShowWholeClue(HWND window)
{
    WCHAR whole[kWholeClueChars];
    WCHAR shown[kClueBarChars];
    if (ComposeWholeClueText(whole) > 0 && ClueBarShownText(window, shown) > 0 &&
        lstrcmpW(whole, shown) != 0)
        MessageBoxW(window, whole, u"Clue", MB_OK);
}

// A lift while the pause hides the grid: on the panel it resumes, and that tap selects no
// square, since the player could not see the one under it; the keyboard's OK key still hides
// the keyboard. Nothing else answers, so no letter changes unseen.
void LiftWhilePaused(HWND window, POINT p)
{
    if (OnPausePanel(window, p))
        TogglePause(window);
    else if (gGame.keyboardShown && PtInRect(&kKeyboardArea, p) && KeyAt(p.x, p.y).kind == kOkKey)
        TapKeyboard(window, p);
}

}  // namespace

void StartRebusEntry(HWND window)
{
    OpenRebusEntry();
    Refresh(window, kTypedRepaint);
}

void EndRebusEntry(HWND window, bool keep)
{
    if (CloseRebusEntry(keep))
        Refresh(window, kTypedRepaint);
}

void OnKeyDown(HWND window, int key)
{
    // The paused grid is not typed into blind: keys wait for the player to resume.
    if (PauseHidesGrid())
        return;
    if (key == kKeyBackspace || (key >= 'A' && key <= 'Z'))
        TypeKey(window, key);
    else
        PressOtherKey(window, key);
    AfterPlayerAction(window);
}

void OnChar(HWND window, WCHAR ch)
{
    if (PauseHidesGrid())
        return;
    TypeCharacter(window, ch);
    AfterPlayerAction(window);
}

void OnStylusDown(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    gShell.stylusDragged = 0;
    // Under the pause panel nothing is held or dragged; the lift decides.
    if (PauseHidesGrid())
        return;
    // Only the keyboard types into an open rebus entry; a tap anywhere else ends it.
    if (RebusEntryOpen() && !(gGame.keyboardShown && PtInRect(&kKeyboardArea, p)))
        EndRebusEntry(window, true);
    gShell.stylusDown = p;
    // Every drag is measured from where the stylus went down.
    gShell.dragFrom = DragPointOf(p);
    SHRGINFO gesture = {};
    gesture.cbSize = sizeof gesture;
    gesture.hwndClient = window;
    gesture.ptDown = p;
    gesture.dwFlags = SHRG_RETURNCMD;
    if (SHRecognizeGesture(&gesture) == GN_CONTEXTMENU)
        OpenHoldMenu(window, p);
    gShell.dragFrom = DragPointOf(p);
    AfterPlayerAction(window);
}

void OnStylusMove(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    if (PauseHidesGrid() || !Draggable() || !InGridArea(window, p))
        return;
    // Until the stylus leaves the slop it may still be a tap, and the view stays; the first
    // drag step then covers the whole way from where it went down.
    if (!gShell.stylusDragged && !BeyondTapSlop(p))
        return;
    gShell.stylusDragged = 1;
    const POINT at = DragPointOf(p);
    DragScroll(window, at.x - gShell.dragFrom.x, at.y - gShell.dragFrom.y);
    gShell.dragFrom = at;
}

void OnStylusUp(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    if (PauseHidesGrid()) {
        LiftWhilePaused(window, p);
        return;
    }
    if (gShell.stylusDragged) {
        gShell.stylusDragged = 0;  // the end of a drag selects nothing, wherever it is lifted
    } else if (InGridArea(window, p)) {
        if (SelectTappedCell(window, p, false))
            Present(window);
    } else if (gGame.keyboardShown && PtInRect(&kKeyboardArea, p)) {
        TapKeyboard(window, p);  // the on-screen keyboard types on the lift
    } else if (OnClueBar(window, p)) {
        ShowWholeClue(window);
    }
    AfterPlayerAction(window);
}
