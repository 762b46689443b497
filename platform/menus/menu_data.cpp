// HMENU handles and the calls that build and edit menus. A handle is the address of its
// MenuData, checked against the set of live menus so a stale handle fails instead of
// crashing.
#include "menu_data.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "winuser.h"

namespace {

std::unordered_map<HMENU, std::unique_ptr<MenuData>> gMenus;

HMENU NewMenu()
{
    auto data = std::make_unique<MenuData>();
    HMENU handle = reinterpret_cast<HMENU>(data.get());
    gMenus.emplace(handle, std::move(data));
    return handle;
}

// The item `item` names: a position with MF_BYPOSITION, else a command id searched through
// the sub-menus as well.
MenuItemData* ItemOf(HMENU menu, UINT item, UINT flags)
{
    MenuData* data = MenuFromHandle(menu);
    if (!data) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return item < data->items.size() ? &data->items[item] : nullptr;
    }
    return MenuFindCommand(data, item);
}

bool MakeItem(UINT flags, UINT_PTR idOrPopup, LPCWSTR text, MenuItemData* out)
{
    out->flags = flags & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP);
    out->id = 0;
    out->popup = nullptr;
    if (flags & MF_POPUP) {
        out->popup = reinterpret_cast<HMENU>(idOrPopup);
        if (!MenuFromHandle(out->popup)) {
            return false;
        }
    } else if (!(flags & MF_SEPARATOR)) {
        out->id = static_cast<UINT>(idOrPopup);
    }
    if (!(flags & MF_SEPARATOR) && text) {
        out->text = text;
    }
    return true;
}

}  // namespace

MenuData* MenuFromHandle(HMENU menu)
{
    auto it = gMenus.find(menu);
    return it == gMenus.end() ? nullptr : it->second.get();
}

MenuItemData* MenuFindCommand(MenuData* menu, UINT id)
{
    for (MenuItemData& item : menu->items) {
        if (item.flags & MF_POPUP) {
            if (MenuData* sub = MenuFromHandle(item.popup)) {
                if (MenuItemData* found = MenuFindCommand(sub, id)) {
                    return found;
                }
            }
        } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

bool MenuItemChoosable(const MenuItemData& item)
{
    return !(item.flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED));
}

HMENU WINAPI CreateMenu()
{
    return NewMenu();
}

HMENU WINAPI CreatePopupMenu()
{
    return NewMenu();
}

// Destroys the menu and, as on the device, every sub-menu it holds.
BOOL WINAPI DestroyMenu(HMENU menu)
{
    auto it = gMenus.find(menu);
    if (it == gMenus.end()) {
        return FALSE;
    }
    std::unique_ptr<MenuData> data = std::move(it->second);
    gMenus.erase(it);
    for (const MenuItemData& item : data->items) {
        if (item.flags & MF_POPUP) {
            DestroyMenu(item.popup);
        }
    }
    return TRUE;
}

BOOL WINAPI AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCWSTR text)
{
    MenuData* data = MenuFromHandle(menu);
    MenuItemData item;
    if (!data || !MakeItem(flags, idOrPopup, text, &item)) {
        return FALSE;
    }
    data->items.push_back(std::move(item));
    return TRUE;
}

// Inserts before the item `position` names; a position past the end appends.
BOOL WINAPI InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCWSTR text)
{
    MenuData* data = MenuFromHandle(menu);
    MenuItemData item;
    if (!data || !MakeItem(flags, idOrPopup, text, &item)) {
        return FALSE;
    }
    size_t at = data->items.size();
    if (flags & MF_BYPOSITION) {
        at = std::min<size_t>(position, at);
    } else {
        for (size_t i = 0; i < data->items.size(); ++i) {
            if (!(data->items[i].flags & (MF_POPUP | MF_SEPARATOR)) &&
                data->items[i].id == position) {
                at = i;
                break;
            }
        }
    }
    data->items.insert(data->items.begin() + static_cast<ptrdiff_t>(at), std::move(item));
    return TRUE;
}

HMENU WINAPI GetSubMenu(HMENU menu, int position)
{
    MenuData* data = MenuFromHandle(menu);
    if (!data || position < 0 || static_cast<size_t>(position) >= data->items.size()) {
        return nullptr;
    }
    const MenuItemData& item = data->items[static_cast<size_t>(position)];
    return (item.flags & MF_POPUP) ? item.popup : nullptr;
}

int WINAPI GetMenuItemCount(HMENU menu)
{
    MenuData* data = MenuFromHandle(menu);
    return data ? static_cast<int>(data->items.size()) : -1;
}

// Returns the previous check state (MF_CHECKED or MF_UNCHECKED), or -1 (as a DWORD) when the
// item does not exist.
DWORD WINAPI CheckMenuItem(HMENU menu, UINT item, UINT check)
{
    MenuItemData* found = ItemOf(menu, item, check);
    if (!found) {
        return static_cast<DWORD>(-1);
    }
    const DWORD previous = found->flags & MF_CHECKED;
    found->flags = (found->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

// Returns the previous MF_GRAYED / MF_DISABLED state, or -1 when the item does not exist.
BOOL WINAPI EnableMenuItem(HMENU menu, UINT item, UINT enable)
{
    MenuItemData* found = ItemOf(menu, item, enable);
    if (!found) {
        return -1;
    }
    const UINT states = MF_GRAYED | MF_DISABLED;
    const BOOL previous = static_cast<BOOL>(found->flags & states);
    found->flags = (found->flags & ~states) | (enable & states);
    return previous;
}
