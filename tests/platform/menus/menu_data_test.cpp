// Menu objects: building, sub-menus, check and grey states, and loading from a table.
#include <gtest/gtest.h>

#include "resources.h"
#include "windows.h"

namespace {

// A menu table shaped like a program's: pop-ups holding sub-menus and separators.
const MenuTemplateItem kMainItems[] = {
    {0, u"Menu", 0, 0},         {1, u"Puzzles", 0, 0},         {2, u"Available", 40088, 0},
    {2, u"Download", 40089, 0}, {1, u"Toggle", 0, 0},          {2, u"Auto Skip", 40092, MF_CHECKED},
    {2, u"Numbers", 40093, 0},  {1, nullptr, 0, MF_SEPARATOR}, {1, u"&Exit", 40006, 0},
    {0, u"Size", 0, 0},         {1, u"Small", 40066, 0},       {1, u"Large", 40068, MF_GRAYED},
};
const MenuTemplate kMain = {kMainItems, 12};

const MenuTemplateItem kSkippingItems[] = {
    {0, u"Menu", 0, 0},
    {2, u"Too deep", 1, 0},
};
const MenuTemplate kSkipping = {kSkippingItems, 2};

const ResourceEntry kEntries[] = {
    {RT_MENU, 102, &kMain, 0},
    {RT_MENU, 103, &kSkipping, 0},
};
const ResourceModule kModule = {u"\\Program Files\\MenuTest\\MenuTest.exe", kEntries, 2};

TEST(MenuData, AppendedItemsKeepOrderAndSubMenus)
{
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuW(popup, MF_STRING, 11, u"One"));
    ASSERT_TRUE(AppendMenuW(popup, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuW(popup, MF_STRING, 12, u"Two"));
    ASSERT_TRUE(AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"File"));
    ASSERT_TRUE(InsertMenuW(popup, 12, MF_BYCOMMAND | MF_STRING, 13, u"Before two"));
    ASSERT_TRUE(InsertMenuW(popup, 0, MF_BYPOSITION | MF_STRING, 10, u"First"));

    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), popup);
    EXPECT_EQ(GetSubMenu(bar, 1), nullptr);
    EXPECT_EQ(GetSubMenu(popup, 0), nullptr);  // a command, not a pop-up
    EXPECT_EQ(GetMenuItemCount(popup), 5);
    // Positions after the inserts: First, One, separator, Before two, Two.
    EXPECT_EQ(CheckMenuItem(popup, 3, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(popup, 13, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(popup, 0, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(popup, 10, MF_BYCOMMAND), MF_CHECKED);

    EXPECT_FALSE(AppendMenuW(bar, MF_POPUP, 12345, u"Not a menu"));
    EXPECT_TRUE(DestroyMenu(bar));
    // The sub-menu went with its parent.
    EXPECT_EQ(GetMenuItemCount(popup), -1);
    EXPECT_FALSE(DestroyMenu(popup));
}

TEST(MenuData, CheckMenuItemSearchesSubMenusAndReportsPreviousState)
{
    HINSTANCE module = RegisterResourceModule(&kModule);
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(102));
    ASSERT_NE(menu, nullptr);

    // By command from the top: found two levels down.
    EXPECT_EQ(CheckMenuItem(menu, 40092, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(menu, 40092, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(menu, 40093, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(menu, 40093, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED);
    // The state is the sub-menu's own: seen again through GetSubMenu.
    HMENU toggle = GetSubMenu(GetSubMenu(menu, 0), 1);
    EXPECT_EQ(CheckMenuItem(toggle, 1, MF_BYPOSITION | MF_CHECKED), MF_CHECKED);
    // Unknown ids and positions fail with -1.
    EXPECT_EQ(CheckMenuItem(menu, 49999, MF_BYCOMMAND), static_cast<DWORD>(-1));
    EXPECT_EQ(CheckMenuItem(toggle, 2, MF_BYPOSITION), static_cast<DWORD>(-1));
    EXPECT_EQ(CheckMenuItem(nullptr, 40092, MF_BYCOMMAND), static_cast<DWORD>(-1));

    EXPECT_EQ(EnableMenuItem(menu, 40068, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 40068, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, 40000, MF_BYCOMMAND | MF_GRAYED), -1);
    DestroyMenu(menu);
}

TEST(MenuData, LoadMenuBuildsTheTableStructure)
{
    HINSTANCE module = RegisterResourceModule(&kModule);
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(102));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    HMENU main = GetSubMenu(menu, 0);
    HMENU size = GetSubMenu(menu, 1);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(GetMenuItemCount(main), 4);  // Puzzles, Toggle, separator, Exit
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(main, 0)), 2);
    EXPECT_EQ(GetSubMenu(main, 2), nullptr);
    EXPECT_EQ(GetSubMenu(main, 3), nullptr);
    EXPECT_EQ(GetMenuItemCount(size), 2);
    // "#102" names the same resource; a second load is a separate copy.
    HMENU again = LoadMenuW(module, u"#102");
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, menu);
    CheckMenuItem(menu, 40066, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(again, 40066, MF_BYCOMMAND), MF_UNCHECKED);
    DestroyMenu(menu);
    DestroyMenu(again);

    EXPECT_EQ(LoadMenuW(module, MAKEINTRESOURCEW(999)), nullptr);
    EXPECT_EQ(LoadMenuW(module, MAKEINTRESOURCEW(103)), nullptr);  // depth jumps a level
}

}  // namespace
