// The tab control's state apart from any window: the tabs, the selected one, and where each
// tab sits in a row along the top of the control.
#pragma once

#include <string>
#include <vector>

#include "dialogs/text_wrap.h"
#include "windef.h"

struct TabItem {
    std::u16string text;  // the label
    LPARAM param;         // TCIF_PARAM value
};

struct TabData {
    std::vector<TabItem> items;  // left to right
    int selected = -1;           // TCM_GETCURSEL, -1 when there are no tabs
};

// TCM_INSERTITEM: inserts before `index` (past the end appends). Returns the new index.
// The first tab inserted into an empty control becomes the selected one.
int TabInsert(TabData* tabs, int index, std::u16string_view text, LPARAM param);
bool TabDelete(TabData* tabs, int index);
// TCM_SETCURSEL: returns the previous selection, or -1 when `index` is out of range (the
// selection then stays).
int TabSetCurSel(TabData* tabs, int index);

// The rectangles of the tabs in a strip `height` pixels high starting at x = 0: each tab is
// its label's width plus padding, tabs touch each other.
std::vector<RECT> TabRects(const TabData* tabs, int height, const TextMeasure& measure);
// The tab under a point, or -1.
int TabAt(const TabData* tabs, POINT pt, int height, const TextMeasure& measure);
