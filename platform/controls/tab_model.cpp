// Tab bookkeeping and the strip geometry.
#include "tab_model.h"

#include <algorithm>

namespace {

constexpr int kTabPadding = 8;  // blank pixels each side of a label
constexpr int kTabMinWidth = 40;

}  // namespace

int TabInsert(TabData* tabs, int index, std::u16string_view text, LPARAM param)
{
    const int count = static_cast<int>(tabs->items.size());
    index = std::clamp(index, 0, count);
    tabs->items.insert(tabs->items.begin() + index, TabItem{std::u16string(text), param});
    if (tabs->selected == -1) {
        tabs->selected = 0;
    } else if (tabs->selected >= index) {
        ++tabs->selected;
    }
    return index;
}

bool TabDelete(TabData* tabs, int index)
{
    const int count = static_cast<int>(tabs->items.size());
    if (index < 0 || index >= count) {
        return false;
    }
    tabs->items.erase(tabs->items.begin() + index);
    if (tabs->selected == index) {
        tabs->selected = tabs->items.empty() ? -1 : std::min(index, count - 2);
    } else if (tabs->selected > index) {
        --tabs->selected;
    }
    return true;
}

int TabSetCurSel(TabData* tabs, int index)
{
    if (index < 0 || index >= static_cast<int>(tabs->items.size())) {
        return -1;
    }
    const int previous = tabs->selected;
    tabs->selected = index;
    return previous;
}

std::vector<RECT> TabRects(const TabData* tabs, int height, const TextMeasure& measure)
{
    std::vector<RECT> rects;
    int x = 0;
    for (const auto& item : tabs->items) {
        const int w = std::max(kTabMinWidth, measure(item.text) + 2 * kTabPadding);
        rects.push_back({x, 0, x + w, height});
        x += w;
    }
    return rects;
}

int TabAt(const TabData* tabs, POINT pt, int height, const TextMeasure& measure)
{
    const auto rects = TabRects(tabs, height, measure);
    for (size_t i = 0; i < rects.size(); ++i) {
        const RECT& r = rects[i];
        if (pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
