// LoadMenuW: builds live menus from a program's MenuTemplate table (RT_MENU resource).
#include <vector>

#include "libloaderapi.h"
#include "resources.h"
#include "winuser.h"

namespace {

// Builds the items of `tmpl` into `root`; false when the depths do not nest (a jump of more
// than one level, or an item above depth 0).
bool BuildMenu(const MenuTemplate& tmpl, HMENU root)
{
    std::vector<HMENU> levels{root};  // levels[d]: the menu receiving items of depth d
    for (int i = 0; i < tmpl.count; ++i) {
        const MenuTemplateItem& item = tmpl.items[i];
        if (item.depth < 0 || static_cast<size_t>(item.depth) >= levels.size()) {
            return false;
        }
        levels.resize(static_cast<size_t>(item.depth) + 1);
        HMENU into = levels.back();
        const bool opensPopup = i + 1 < tmpl.count && tmpl.items[i + 1].depth > item.depth;
        if (opensPopup) {
            HMENU popup = CreatePopupMenu();
            AppendMenuW(into, MF_POPUP | (item.flags & (MF_GRAYED | MF_DISABLED)),
                        reinterpret_cast<UINT_PTR>(popup), item.text);
            levels.push_back(popup);
        } else if ((item.flags & MF_SEPARATOR) || !item.text) {
            AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(into, MF_STRING | (item.flags & (MF_CHECKED | MF_GRAYED | MF_DISABLED)),
                        item.id, item.text);
        }
    }
    return true;
}

}  // namespace

HMENU WINAPI LoadMenuW(HINSTANCE instance, LPCWSTR name)
{
    HRSRC found = FindResourceW(instance, name, RT_MENU);
    if (!found) {
        return nullptr;
    }
    const auto* tmpl = static_cast<const MenuTemplate*>(ResourceEntryFromHandle(found)->data);
    HMENU menu = CreateMenu();
    if (!tmpl || !BuildMenu(*tmpl, menu)) {
        DestroyMenu(menu);
        return nullptr;
    }
    return menu;
}
