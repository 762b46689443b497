// TrackPopupMenuEx: a modal loop on the program's thread while a pop-up menu is open. The
// shell routes all stylus input here meanwhile: a tap on an item chooses it, a tap on an item
// with a sub-menu opens it beside the item, a tap outside every open menu closes them with
// nothing chosen. Other messages are dispatched as usual so windows keep painting.
#include <algorithm>

#include "gdi/gdi_internal.h"
#include "menus/menu_data.h"
#include "menus/popup_menu.h"
#include "shell/shell_paint.h"
#include "shell/shell_records.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

constexpr uint32_t kWaitSliceMs = 60 * 1000;  // wakes regularly; any queued message ends a wait

struct Tracking {
    bool active = false;
    bool done = false;
    bool stylusDown = false;  // a stylus-down was seen inside the loop
    UINT chosen = 0;
    HWND owner = nullptr;
    std::vector<PopupLevel> levels;
};

Tracking gTrack;

bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Text widths of a menu's items with the menu font, measured on the screen surface.
std::vector<int> MeasureItems(HMENU menu)
{
    std::vector<int> widths;
    const MenuData* data = MenuFromHandle(menu);
    if (!data) {
        return widths;
    }
    RECT clip = {0, 0, kScreenWidth, kScreenHeight};
    HDC dc = GdiCreateSurfaceDC(UserScreen(), {0, 0}, &clip, 1);
    HFONT font = CreateShellFont(11, false);
    for (const MenuItemData& item : data->items) {
        widths.push_back(item.text.empty() ? 0 : ShellLabelWidth(dc, item.text.c_str(), font));
    }
    DeleteObject(font);
    GdiDeleteSurfaceDC(dc);
    return widths;
}

void MarkDirty(const RECT& r)
{
    UserMarkScreenDirty(r);
}

// Takes the open menus from level `keep` on off the screen; windows under them repaint.
void CloseLevelsFrom(size_t keep)
{
    while (gTrack.levels.size() > keep) {
        const RECT r = gTrack.levels.back().rect;
        gTrack.levels.pop_back();
        InvalidateScreenArea(r, nullptr);
        MarkDirty(r);
    }
    if (!gTrack.levels.empty()) {
        gTrack.levels.back().openItem = -1;
    }
}

void OpenSubMenu(size_t levelIndex, int item)
{
    PopupLevel& parent = gTrack.levels[levelIndex];
    const MenuData* data = MenuFromHandle(parent.menu);
    HMENU sub = data->items[static_cast<size_t>(item)].popup;
    PopupLevel probe = LayOutPopup(sub, {0, 0}, MeasureItems(sub));
    const SIZE size = {probe.rect.right, probe.rect.bottom};
    const POINT at = PlaceSubMenu(parent.rect, parent.itemRects[static_cast<size_t>(item)], size);
    parent.openItem = item;
    gTrack.levels.push_back(LayOutPopup(sub, at, MeasureItems(sub)));
    MarkDirty(gTrack.levels.back().rect);
}

// The deepest open menu containing `p` and its item there (-1 between items).
bool HitTest(POINT p, size_t* level, int* item)
{
    for (size_t i = gTrack.levels.size(); i-- > 0;) {
        const PopupLevel& l = gTrack.levels[i];
        if (!Contains(l.rect, p)) {
            continue;
        }
        *level = i;
        *item = -1;
        for (size_t k = 0; k < l.itemRects.size(); ++k) {
            if (Contains(l.itemRects[k], p)) {
                *item = static_cast<int>(k);
            }
        }
        return true;
    }
    return false;
}

void SetHot(size_t level, int item)
{
    for (size_t i = 0; i < gTrack.levels.size(); ++i) {
        PopupLevel& l = gTrack.levels[i];
        const int hot = i == level ? item : -1;
        if (l.hot != hot) {
            l.hot = hot;
            MarkDirty(l.rect);
        }
    }
}

void Finish(UINT chosen)
{
    gTrack.chosen = chosen;
    gTrack.done = true;
}

void PaintCheck(HDC dc, const RECT& item, COLORREF colour)
{
    const int x = item.left + 3;
    const int y = item.top + (item.bottom - item.top) / 2;
    for (int i = 0; i < 2; ++i) {
        ShellLine(dc, x, y - 1 + i, x + 3, y + 2 + i, colour);
        ShellLine(dc, x + 3, y + 2 + i, x + 8, y - 3 + i, colour);
    }
}

void PaintArrow(HDC dc, const RECT& item, COLORREF colour)
{
    const int x = item.right - 9;
    const int y = item.top + (item.bottom - item.top) / 2;
    for (int i = 0; i < 4; ++i) {
        ShellLine(dc, x + i, y - 3 + i, x + i, y + 4 - i, colour);
    }
}

void PaintLevel(HDC dc, const PopupLevel& level, HFONT font)
{
    ShellFill(dc, level.rect, RGB(255, 255, 255));
    ShellFrame(dc, level.rect, RGB(0, 0, 0));
    const MenuData* data = MenuFromHandle(level.menu);
    if (!data) {
        return;
    }
    for (size_t i = 0; i < data->items.size() && i < level.itemRects.size(); ++i) {
        const MenuItemData& item = data->items[i];
        const RECT& r = level.itemRects[i];
        if (item.flags & MF_SEPARATOR) {
            const int y = r.top + kPopupSeparatorHeight / 2;
            ShellLine(dc, r.left + 2, y, r.right - 2, y, kShadowGrey);
            continue;
        }
        const bool highlighted =
            level.hot == static_cast<int>(i) || level.openItem == static_cast<int>(i);
        const bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        COLORREF text = grey ? kDisabledText : RGB(0, 0, 0);
        if (highlighted && !grey) {
            ShellFill(dc, r, kMenuHighlight);
            text = RGB(255, 255, 255);
        }
        if (item.flags & MF_CHECKED) {
            PaintCheck(dc, r, text);
        }
        RECT textRect = {r.left + kPopupCheckColumn, r.top, r.right - kPopupArrowColumn, r.bottom};
        ShellLabel(dc, item.text.c_str(), textRect, text, font,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (item.flags & MF_POPUP) {
            PaintArrow(dc, r, text);
        }
    }
}

}  // namespace

bool PopupMenuTracking()
{
    return gTrack.active;
}

const std::vector<PopupLevel>& PopupMenuLevels()
{
    return gTrack.levels;
}

void PaintPopupMenus(HDC dc)
{
    if (gTrack.levels.empty()) {
        return;
    }
    HFONT font = CreateShellFont(11, false);
    for (const PopupLevel& level : gTrack.levels) {
        PaintLevel(dc, level, font);
    }
    DeleteObject(font);
}

bool PopupMenuStylus(UINT message, POINT p)
{
    if (!gTrack.active || gTrack.done) {
        return gTrack.active;
    }
    size_t level = 0;
    int item = -1;
    const bool inside = HitTest(p, &level, &item);
    const MenuData* data = inside ? MenuFromHandle(gTrack.levels[level].menu) : nullptr;
    const MenuItemData* hit = data && item >= 0 ? &data->items[static_cast<size_t>(item)] : nullptr;
    switch (message) {
    case WM_LBUTTONDOWN:
        gTrack.stylusDown = true;
        if (!inside) {
            Finish(0);
            break;
        }
        CloseLevelsFrom(level + 1);
        if (hit && (hit->flags & MF_POPUP) && !(hit->flags & (MF_GRAYED | MF_DISABLED))) {
            OpenSubMenu(level, item);
        }
        SetHot(level, item);
        break;
    case WM_MOUSEMOVE:
        if (gTrack.stylusDown && inside) {
            SetHot(level, item);
        }
        break;
    case WM_LBUTTONUP:
        // The stylus that opened the menu (a tap-and-hold, a drop-down) lifts without choosing.
        if (!gTrack.stylusDown) {
            break;
        }
        gTrack.stylusDown = false;
        if (hit && MenuItemChoosable(*hit)) {
            Finish(hit->id);
        }
        break;
    }
    if (gTrack.done && gTrack.owner) {
        // Wakes the menu's loop; changes short of the end only need the repaint that every
        // wait begins with.
        PostMessageW(gTrack.owner, WM_NULL, 0, 0);
    }
    return true;
}

BOOL WINAPI TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS)
{
    if (gTrack.active || !MenuFromHandle(menu) || !IsWindow(owner)) {
        return FALSE;
    }
    ShellEnsureHooks();  // the shell draws the menu and routes the stylus to it
    gTrack = Tracking{};
    gTrack.active = true;
    gTrack.owner = owner;
    PopupLevel probe = LayOutPopup(menu, {0, 0}, MeasureItems(menu));
    const SIZE size = {probe.rect.right, probe.rect.bottom};
    const POINT at = PlacePopup({x, y}, size, flags);
    gTrack.levels.push_back(LayOutPopup(menu, at, MeasureItems(menu)));
    MarkDirty(gTrack.levels.back().rect);

    UserLoopName name("modal loop of a pop-up menu");
    bool quit = false;
    int quitCode = 0;
    while (!gTrack.done) {
        MSG m;
        if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            UserWaitForMessage(kWaitSliceMs, "TrackPopupMenuEx");
            continue;
        }
        if (m.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(m.wParam);
            Finish(0);
        } else if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
            Finish(0);
        } else if (m.message == WM_NULL || (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST)) {
            // Wake-ups; keys belong to the menu while it is open.
        } else if (IsWindow(owner) || m.hwnd != owner) {
            DispatchMessageW(&m);
        }
        if (!IsWindow(owner)) {
            Finish(0);
        }
    }
    const UINT chosen = gTrack.chosen;
    CloseLevelsFrom(0);
    gTrack = Tracking{};
    if (quit) {
        PostQuitMessage(quitCode);  // the quit belongs to the loop outside the menu
    }
    if (flags & TPM_RETURNCMD) {
        return static_cast<BOOL>(chosen);
    }
    if (chosen && IsWindow(owner)) {
        PostMessageW(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    }
    return TRUE;
}
