// Pop-up menus: where they open, and TrackPopupMenuEx's modal loop with its results.
#include <gtest/gtest.h>

#include "automation.h"
#include "menus/popup_menu.h"
#include "windows.h"

namespace {

std::vector<UINT> gCommands;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        gCommands.push_back(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class PopupMenu : public testing::Test {
  protected:
    void SetUp() override
    {
        AutomationResetDevice();
        gCommands.clear();
        WNDCLASSW wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = u"PopupOwner";
        RegisterClassW(&wc);
        owner =
            CreateWindowExW(0, u"PopupOwner", u"Owner", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        menu = CreatePopupMenu();
        HMENU sub = CreatePopupMenu();
        AppendMenuW(sub, MF_STRING, 31, u"Letter");
        AppendMenuW(sub, MF_STRING, 32, u"Word");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), u"Clear");
        AppendMenuW(menu, MF_STRING | MF_GRAYED, 20, u"Greyed");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, 21, u"Fill");
    }
    void TearDown() override
    {
        DestroyMenu(menu);
        AutomationResetDevice();
    }
    HWND owner = nullptr;
    HMENU menu = nullptr;
};

// Items from the top at y: "Clear" 1-19, "Greyed" 19-37, separator 37-44, "Fill" 44-62.
TEST_F(PopupMenu, ChoiceIsPostedToTheOwnerAfterTheMenuCloses)
{
    AutomationTap(30, 100 + 53);
    ASSERT_TRUE(TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN, 20, 100, owner, nullptr));
    EXPECT_TRUE(gCommands.empty());  // posted, not sent
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_EQ(gCommands, (std::vector<UINT>{21}));
}

TEST_F(PopupMenu, ReturnCommandGivesTheIdAndPostsNothing)
{
    AutomationTap(30, 100 + 28);  // greyed: no choice, the menu stays
    AutomationTap(30, 100 + 40);  // separator: likewise
    AutomationTap(30, 100 + 53);
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 100, owner, nullptr), 21);
    ASSERT_TRUE(AutomationRunUntilIdle());
    EXPECT_TRUE(gCommands.empty());

    AutomationTap(5, 5);  // outside
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 100, owner, nullptr), 0);
    EXPECT_TRUE(PopupMenuLevels().empty());
}

TEST_F(PopupMenu, TheStylusThatOpenedTheMenuLiftsWithoutChoosing)
{
    // As after a tap-and-hold: the stylus is still down when the menu opens and lifts over
    // an item without choosing it; the next tap, outside, closes the menu.
    AutomationStylusUp(30, 100 + 53);
    AutomationTap(5, 5);
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 100, owner, nullptr), 0);
}

TEST_F(PopupMenu, SubMenuItemIsChosenFromBesideItsParent)
{
    // Short texts keep the menu at its least width, 70 px: x 20-90. The sub-menu opens at
    // its right edge, level with "Clear": items "Letter" 101-119 and "Word" 119-137.
    AutomationTap(30, 110);   // "Clear" opens the sub-menu, chooses nothing
    AutomationTap(100, 128);  // "Word"
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 100, owner, nullptr), 32);

    AutomationTap(30, 110);
    AutomationTap(30, 53 + 100);  // a tap in the parent closes the sub-menu and chooses there
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 100, owner, nullptr), 21);
}

}  // namespace
