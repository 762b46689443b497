// The list box's state and the rules of its LB_* messages, apart from any window: items with
// their data, the selection, the first visible item and the horizontal scroll position.
// The window procedure (list_box.cpp) routes messages here and paints what this holds.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

struct ListBoxItem {
    std::u16string text;  // the item's string
    LPARAM data;          // LB_SETITEMDATA value
};

struct ListBoxData {
    std::vector<ListBoxItem> items;  // in list order
    int selected = -1;               // LB_GETCURSEL, -1 when nothing is selected
    int topIndex = 0;                // first item shown
    int horizontalExtent = 0;        // LB_SETHORIZONTALEXTENT, pixels; 0 = no sideways scroll
    int scrollX = 0;                 // pixels scrolled sideways
    int itemHeight = 15;             // pixels per item
    int visibleWidth = 0;            // width of the item area, pixels
    int visibleHeight = 0;           // height of the item area, pixels
    bool sorted = false;             // LBS_SORT: LB_ADDSTRING keeps the list in order
};

// The LB_* return conventions: LB_ERR (-1) for a bad index, LB_ERRSPACE never (memory is not
// limited the way the device's was).
int ListBoxAddString(ListBoxData* lb, std::u16string_view text);
int ListBoxInsertString(ListBoxData* lb, int index, std::u16string_view text);  // -1 = end
int ListBoxDeleteString(ListBoxData* lb, int index);  // the count left, or LB_ERR
void ListBoxResetContent(ListBoxData* lb);
int ListBoxSetCurSel(ListBoxData* lb, int index);  // -1 clears; LB_ERR when out of range
// Whole-text, case-insensitive search starting after `start` and wrapping round; -1 searches
// from the first item.
int ListBoxFindStringExact(const ListBoxData* lb, int start, std::u16string_view text);

// Items that fit entirely in the visible height (at least one).
int ListBoxPageSize(const ListBoxData* lb);
// Moves the first visible item, keeping the last page full. Returns whether it changed.
bool ListBoxSetTopIndex(ListBoxData* lb, int top);
// Scrolls so that `index` is visible.
void ListBoxEnsureVisible(ListBoxData* lb, int index);
// Moves the sideways scroll position within 0 .. extent - visible width.
bool ListBoxSetScrollX(ListBoxData* lb, int x);
int ListBoxMaxScrollX(const ListBoxData* lb);
// The item under a point of the item area, or -1 below the last item.
int ListBoxItemAt(const ListBoxData* lb, int y);
