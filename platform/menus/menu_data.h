// Menu objects behind HMENU: items with ids, texts, check and grey states, separators and
// sub-menus. Shared by the menu calls, the pop-up tracker and the shell's menu bar; knows
// nothing of windows or drawing.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

struct MenuItemData {
    std::u16string text;  // with "&" before the mnemonic; empty for a separator
    UINT id;              // command id (0 for pop-ups and separators)
    UINT flags;           // MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_SEPARATOR, MF_POPUP
    HMENU popup;          // the sub-menu of an MF_POPUP item, owned by this item
};

struct MenuData {
    std::vector<MenuItemData> items;  // in display order
};

// The menu a handle stands for, or nullptr for a handle that is not a live menu.
MenuData* MenuFromHandle(HMENU menu);

// The item with command `id`, searched depth-first through sub-menus, or nullptr.
MenuItemData* MenuFindCommand(MenuData* menu, UINT id);

// True when a tap on the item chooses a command (not a separator, pop-up or greyed item).
bool MenuItemChoosable(const MenuItemData& item);
