// Tab control bookkeeping and hit testing.
#include <gtest/gtest.h>

#include "controls/tab_model.h"

namespace {

int FixedWidth(std::u16string_view s)
{
    return static_cast<int>(s.size()) * 6;
}

}  // namespace

TEST(TabModel, FirstTabIsSelectedAndSelectionFollowsInsertsAndDeletes)
{
    TabData tabs;
    EXPECT_EQ(tabs.selected, -1);
    EXPECT_EQ(TabInsert(&tabs, 0, u"Across", 0), 0);
    EXPECT_EQ(tabs.selected, 0);
    EXPECT_EQ(TabInsert(&tabs, 1, u"Down", 0), 1);
    EXPECT_EQ(TabInsert(&tabs, 9, u"End", 0), 2);  // past the end appends
    EXPECT_EQ(TabSetCurSel(&tabs, 1), 0);          // returns the previous selection
    EXPECT_EQ(TabSetCurSel(&tabs, 3), -1);
    EXPECT_EQ(tabs.selected, 1);
    TabInsert(&tabs, 0, u"First", 0);
    EXPECT_EQ(tabs.items[tabs.selected].text, u"Down");
    EXPECT_TRUE(TabDelete(&tabs, 2));  // the selected one
    EXPECT_EQ(tabs.items[tabs.selected].text, u"End");
    EXPECT_FALSE(TabDelete(&tabs, 7));
}

TEST(TabModel, TabsSitSideBySideAndTapsFindThem)
{
    TabData tabs;
    TabInsert(&tabs, 0, u"Across", 0);
    TabInsert(&tabs, 1, u"Down", 0);
    const auto rects = TabRects(&tabs, 18, FixedWidth);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].left, 0);
    EXPECT_EQ(rects[0].right, rects[1].left);
    EXPECT_GE(rects[0].right - rects[0].left, FixedWidth(u"Across"));
    EXPECT_EQ(TabAt(&tabs, POINT{rects[1].left, 5}, 18, FixedWidth), 1);
    EXPECT_EQ(TabAt(&tabs, POINT{rects[1].left - 1, 5}, 18, FixedWidth), 0);
    EXPECT_EQ(TabAt(&tabs, POINT{rects[1].right, 5}, 18, FixedWidth), -1);
    EXPECT_EQ(TabAt(&tabs, POINT{2, 18}, 18, FixedWidth), -1);
}
