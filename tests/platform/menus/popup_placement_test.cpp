// Geometry of pop-up menus: item rows, placement on the screen and beside a parent item.
#include <gtest/gtest.h>

#include "menus/popup_menu.h"
#include "windows.h"

namespace {

TEST(PopupPlacement, StaysOnTheScreen)
{
    const SIZE size = {80, 60};
    EXPECT_EQ(PlacePopup({20, 100}, size, 0), (POINT{20, 100}));
    EXPECT_EQ(PlacePopup({20, 100}, size, TPM_RIGHTALIGN | TPM_BOTTOMALIGN), (POINT{0, 40}));
    // Past the right edge it moves left; past the bottom it opens upwards from the point.
    EXPECT_EQ(PlacePopup({200, 300}, size, 0), (POINT{160, 240}));
    EXPECT_EQ(PlacePopup({100, 30}, {80, 400}, 0), (POINT{100, 0}));
}

TEST(PopupPlacement, SubMenuGoesRightOrLeftOfItsParent)
{
    const RECT parent = {10, 100, 90, 200};
    const RECT item = {11, 119, 89, 137};
    EXPECT_EQ(PlaceSubMenu(parent, item, {70, 40}), (POINT{88, 118}));
    const RECT right = {150, 100, 230, 200};
    const RECT rightItem = {151, 119, 229, 137};
    EXPECT_EQ(PlaceSubMenu(right, rightItem, {70, 40}), (POINT{82, 118}));
    const RECT low = {151, 290, 229, 308};
    EXPECT_EQ(PlaceSubMenu(right, low, {70, 40}), (POINT{82, 280}));
}

TEST(PopupLayout, ItemRowsAndSeparators)
{
    HMENU m = CreatePopupMenu();
    AppendMenuW(m, MF_STRING, 1, u"A");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, 2, u"B");
    const PopupLevel l = LayOutPopup(m, {10, 20}, {30, 0, 90});
    ASSERT_EQ(l.itemRects.size(), 3u);
    EXPECT_EQ(l.itemRects[0], (RECT{11, 21, 10 + 1 + 14 + 90 + 14, 39}));
    EXPECT_EQ(l.itemRects[1].bottom - l.itemRects[1].top, kPopupSeparatorHeight);
    EXPECT_EQ(l.itemRects[2].top, 46);
    EXPECT_EQ(l.rect, (RECT{10, 20, 10 + 2 + 14 + 90 + 14, 65}));
    DestroyMenu(m);
}

}  // namespace
