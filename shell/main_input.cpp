// Keys and the stylus on the main window: letters to the play engine, Enter and the arrows to
// the word moves, taps to the grid or the on-screen keyboard, drags to the scrolled view, and
// a tap-and-hold to the Clear / Fill / View menu.
#include <cstdlib>

#include "bottom_band.h"
#include "game_state.h"
#include "grid_paint.h"
#include "keyboard.h"
#include "layout.h"
#include "main_handlers.h"
#include "play_cursor.h"
#include "play_input.h"
#include "puzzle_clock.h"
#include "rebus_entry.h"
#include "refresh.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

// Where the game's keyboard answers taps: from its top edge to the bottom of the client area
// of a window with the input panel down.
constexpr RECT kKeyboardArea = {0, kKeyboardTop, 240, 298};

// How far the stylus may wander from where it went down and still make a tap rather than a
// drag: the same few pixels a tap-and-hold allows.
constexpr int kTapSlop = 5;

POINT PointOf(LPARAM lParam)
{
    return {LOWORD(lParam), HIWORD(lParam)};
}

// The pen fields keep the coordinates as the signed 16-bit values the message carries.
void StorePen(POINT p)
{
    gGame.penX = int16_t(p.x);
    gGame.penY = int16_t(p.y);
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

// A tap on the grid view: the square under the point becomes current, scrolled to in the
// magnified views. False when the point named no square the tap may select.
bool SelectTappedCell(HWND window, POINT p)
{
    if (!Magnified()) {
        if (!OnSmallGrid(window, p))
            return false;
        SelectCellAt(window, p.x, p.y);
        return true;
    }
    SelectCellAt(window, p.x, p.y);
    ScrollWordIntoView(window);
    return true;
}

void OpenHoldMenu(HWND window, POINT p)
{
    HMENU menu = LoadMenuW(gShell.instance, MAKEINTRESOURCEW(IDM_HOLD_MENU));
    gGame.holdSelect = 1;
    if (InGridArea(window, p))
        SelectTappedCell(window, p);
    gGame.holdSelect = 0;
    Present(window);
    // The menu opens at the tap's client coordinates, taken as they are.
    TrackPopupMenuEx(GetSubMenu(menu, 0), 0, p.x, p.y, window, nullptr);
    DestroyMenu(menu);
}

}  // namespace

void OnKeyDown(HWND window, int key)
{
    if (key == kKeyBackspace || (key >= 'A' && key <= 'Z')) {
        EnterKey(window, key);  // repaints by itself
        return;
    }
    if (RebusEntryOpen()) {
        // Enter and Insert end the entry and Escape drops it; an arrow ends it and then moves
        // as always. Other keys (Shift, held for capitals, among them) leave it open.
        const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
        if (key == VK_RETURN || key == VK_INSERT || key == VK_ESCAPE || arrow)
            CloseRebusEntry(window, key != VK_ESCAPE);
        if (!arrow)
            return;
    } else if (key == VK_INSERT) {
        OpenRebusEntry(window);
        return;
    }
    switch (key) {
    case VK_RETURN: ToggleDirection(); break;
    case VK_LEFT:
    case VK_UP: JumpToWord(kPreviousWord); break;
    case VK_RIGHT:
    case VK_DOWN: JumpToWord(kNextWord); break;
    default: break;  // nothing changes, but the view is repainted all the same
    }
    Refresh(window, kGrid | kWord | kScroll | kClueBar | kPresent);
}

void OnChar(HWND window, WCHAR ch)
{
    EnterCharacter(window, ch);  // repaints by itself
    AfterPlayerAction(window);
}

void OnStylusDown(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    // Only the keyboard types into an open rebus entry; a tap anywhere else ends it.
    if (RebusEntryOpen() && !(gGame.keyboardShown && PtInRect(&kKeyboardArea, p)))
        CloseRebusEntry(window, true);
    gShell.stylusDown = p;
    gShell.stylusDragged = 0;
    SHRGINFO gesture = {};
    gesture.cbSize = sizeof gesture;
    gesture.hwndClient = window;
    gesture.ptDown = p;
    gesture.dwFlags = SHRG_RETURNCMD;
    if (SHRecognizeGesture(&gesture) == GN_CONTEXTMENU) {
        StorePen(p);
        OpenHoldMenu(window, p);
    }
    // Every drag is measured from where the stylus went down.
    gGame.penPrevX = int16_t(p.x);
    gGame.penPrevY = int16_t(p.y);
}

void OnStylusMove(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    StorePen(p);
    if (!Draggable() || !InGridArea(window, p))
        return;
    // Until the stylus leaves the slop it may still be a tap, and the view stays; the first
    // drag step then covers the whole way from where it went down.
    if (!gShell.stylusDragged && !BeyondTapSlop(p))
        return;
    gShell.stylusDragged = 1;
    DragScroll(window);
}

void OnStylusUp(HWND window, LPARAM lParam)
{
    const POINT p = PointOf(lParam);
    StorePen(p);
    if (gShell.stylusDragged) {
        gShell.stylusDragged = 0;
        return;  // the end of a drag selects nothing, wherever the stylus is lifted
    }
    if (InGridArea(window, p)) {
        if (SelectTappedCell(window, p))
            Present(window);
        return;
    }
    if (gGame.keyboardShown && PtInRect(&kKeyboardArea, p)) {
        HandleKeyboardTap(window, p.x, p.y);
        if (!gGame.keyboardShown) {  // its OK key closed it
            RestoreClueBarBand(window);
            Refresh(window, kClueBar | kPresent);
        }
    }
}
