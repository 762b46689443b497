// Geometry of pop-up menus: item rows, placement on the screen and beside a parent item.
#include <algorithm>

#include "menus/menu_data.h"
#include "menus/popup_menu.h"

namespace {

constexpr int kScreenW = 240;
constexpr int kScreenH = 320;
constexpr int kBorder = 1;
constexpr int kMinTextWidth = 40;

}  // namespace

PopupLevel LayOutPopup(HMENU menu, POINT origin, const std::vector<int>& textWidths)
{
    PopupLevel level = {menu, {}, {}, -1, -1};
    const MenuData* data = MenuFromHandle(menu);
    int textWidth = kMinTextWidth;
    for (int w : textWidths) {
        textWidth = std::max(textWidth, w);
    }
    const int width = 2 * kBorder + kPopupCheckColumn + textWidth + kPopupArrowColumn;
    int y = origin.y + kBorder;
    if (data) {
        for (const MenuItemData& item : data->items) {
            const int h = (item.flags & MF_SEPARATOR) ? kPopupSeparatorHeight : kPopupItemHeight;
            level.itemRects.push_back({origin.x + kBorder, y, origin.x + width - kBorder, y + h});
            y += h;
        }
    }
    level.rect = {origin.x, origin.y, origin.x + width, y + kBorder};
    return level;
}

POINT PlacePopup(POINT at, SIZE size, UINT flags)
{
    POINT p = at;
    if (flags & TPM_RIGHTALIGN) {
        p.x -= size.cx;
    } else if (flags & TPM_CENTERALIGN) {
        p.x -= size.cx / 2;
    }
    if (flags & TPM_BOTTOMALIGN) {
        p.y -= size.cy;
    } else if (flags & TPM_VCENTERALIGN) {
        p.y -= size.cy / 2;
    }
    // Off the bottom: open upwards from the point instead, as the device does.
    if (p.y + size.cy > kScreenH && at.y - size.cy >= 0) {
        p.y = at.y - size.cy;
    }
    p.x = std::clamp<LONG>(p.x, 0, std::max<LONG>(0, kScreenW - size.cx));
    p.y = std::clamp<LONG>(p.y, 0, std::max<LONG>(0, kScreenH - size.cy));
    return p;
}

POINT PlaceSubMenu(const RECT& parent, const RECT& item, SIZE size)
{
    POINT p = {parent.right - 2, item.top - kBorder};
    if (p.x + size.cx > kScreenW) {
        p.x = std::max<LONG>(0, parent.left - size.cx + 2);
    }
    p.y = std::clamp<LONG>(p.y, 0, std::max<LONG>(0, kScreenH - size.cy));
    return p;
}
