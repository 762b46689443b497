// Pop-up menus while TrackPopupMenuEx runs: their places on the screen, drawing, and the
// stylus input that the shell routes to them. Only one pop-up menu tracks at a time.
#pragma once

#include <vector>

#include "windows.h"

// One open menu: the pop-up itself or a sub-menu opened beside one of its items.
struct PopupLevel {
    HMENU menu;                   // the menu shown
    RECT rect;                    // screen rectangle, border included
    std::vector<RECT> itemRects;  // screen rectangles of the items
    int hot;                      // item under the stylus, or -1
    int openItem;                 // item whose sub-menu is the next level, or -1
};

constexpr int kPopupItemHeight = 18;
constexpr int kPopupSeparatorHeight = 7;
constexpr int kPopupCheckColumn = 14;  // left of the text: check marks
constexpr int kPopupArrowColumn = 14;  // right of the text: sub-menu arrows

// Lays out `menu` with its top-left corner at `origin` (screen); `textWidths[i]` is the width
// of item i's text. Pure geometry.
PopupLevel LayOutPopup(HMENU menu, POINT origin, const std::vector<int>& textWidths);

// Where a menu of `size` goes for a point and TPM_* alignment flags, flipped or moved so that
// it stays on the 240 × 320 screen.
POINT PlacePopup(POINT at, SIZE size, UINT flags);

// Where a sub-menu of `size` goes beside `item` of a menu at `parent`: to its right, or to its
// left when there is no room, and moved up when it would run off the bottom.
POINT PlaceSubMenu(const RECT& parent, const RECT& item, SIZE size);

// True while a pop-up menu tracks.
bool PopupMenuTracking();

// The open menus, outermost first (empty when none tracks).
const std::vector<PopupLevel>& PopupMenuLevels();

// Draws the open menus onto `dc` (screen coordinates).
void PaintPopupMenus(HDC dc);

// While a pop-up menu tracks it takes every stylus message (true); otherwise false.
bool PopupMenuStylus(UINT message, POINT screen);
