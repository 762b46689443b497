// LB_* semantics over ListBoxData.
#include "list_box_model.h"

#include <algorithm>

#include "controls_internal.h"
#include "strings/case_fold.h"

int ListBoxInsertString(ListBoxData* lb, int index, std::u16string_view text)
{
    const int count = static_cast<int>(lb->items.size());
    if (index == -1) {
        index = count;
    }
    if (index < 0 || index > count) {
        return -1;
    }
    lb->items.insert(lb->items.begin() + index, ListBoxItem{std::u16string(text), 0});
    if (lb->selected >= index) {
        ++lb->selected;
    }
    return index;
}

int ListBoxAddString(ListBoxData* lb, std::u16string_view text)
{
    int index = -1;
    if (lb->sorted) {
        const auto it = std::upper_bound(lb->items.begin(), lb->items.end(), text,
                                         [](std::u16string_view t, const ListBoxItem& item) {
                                             return CompareFolded(t, item.text) < 0;
                                         });
        index = static_cast<int>(it - lb->items.begin());
    }
    return ListBoxInsertString(lb, index, text);
}

int ListBoxDeleteString(ListBoxData* lb, int index)
{
    const int count = static_cast<int>(lb->items.size());
    if (index < 0 || index >= count) {
        return -1;
    }
    lb->items.erase(lb->items.begin() + index);
    if (lb->selected == index) {
        lb->selected = -1;
    } else if (lb->selected > index) {
        --lb->selected;
    }
    ListBoxSetTopIndex(lb, lb->topIndex);
    return count - 1;
}

void ListBoxResetContent(ListBoxData* lb)
{
    lb->items.clear();
    lb->selected = -1;
    lb->topIndex = 0;
}

int ListBoxSetCurSel(ListBoxData* lb, int index)
{
    if (index < -1 || index >= static_cast<int>(lb->items.size())) {
        lb->selected = -1;
        return -1;
    }
    lb->selected = index;
    if (index >= 0) {
        ListBoxEnsureVisible(lb, index);
    }
    // Clearing the selection with -1 reports LB_ERR too, as on the device.
    return index;
}

int ListBoxFindStringExact(const ListBoxData* lb, int start, std::u16string_view text)
{
    const int count = static_cast<int>(lb->items.size());
    if (count == 0) {
        return -1;
    }
    if (start < -1 || start >= count) {
        start = -1;
    }
    for (int n = 1; n <= count; ++n) {
        const int i = (start + n) % count;
        if (CompareFolded(lb->items[i].text, text) == 0) {
            return i;
        }
    }
    return -1;
}

int ListBoxPageSize(const ListBoxData* lb)
{
    return std::max(1, lb->visibleHeight / std::max(1, lb->itemHeight));
}

bool ListBoxSetTopIndex(ListBoxData* lb, int top)
{
    const int count = static_cast<int>(lb->items.size());
    const int maxTop = std::max(0, count - ListBoxPageSize(lb));
    top = std::clamp(top, 0, maxTop);
    const bool changed = top != lb->topIndex;
    lb->topIndex = top;
    return changed;
}

void ListBoxEnsureVisible(ListBoxData* lb, int index)
{
    const int page = ListBoxPageSize(lb);
    if (index < lb->topIndex) {
        ListBoxSetTopIndex(lb, index);
    } else if (index >= lb->topIndex + page) {
        ListBoxSetTopIndex(lb, index - page + 1);
    }
}

int ListBoxMaxScrollX(const ListBoxData* lb)
{
    return std::max(0, lb->horizontalExtent - lb->visibleWidth);
}

bool ListBoxSetScrollX(ListBoxData* lb, int x)
{
    x = std::clamp(x, 0, ListBoxMaxScrollX(lb));
    const bool changed = x != lb->scrollX;
    lb->scrollX = x;
    return changed;
}

int ListBoxItemAt(const ListBoxData* lb, int y)
{
    if (y < 0) {
        return -1;
    }
    const int index = lb->topIndex + y / std::max(1, lb->itemHeight);
    return index < static_cast<int>(lb->items.size()) ? index : -1;
}
