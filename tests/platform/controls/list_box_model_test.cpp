// The list box's LB_* rules on its model: indexes, selection, search and scrolling.
#include <gtest/gtest.h>

#include "controls/list_box_model.h"

namespace {

ListBoxData ListOf(std::initializer_list<const char16_t*> texts, int visibleRows = 4)
{
    ListBoxData lb;
    lb.itemHeight = 15;
    lb.visibleHeight = visibleRows * 15;
    lb.visibleWidth = 100;
    for (auto t : texts) {
        ListBoxAddString(&lb, t);
    }
    return lb;
}

}  // namespace

TEST(ListBoxModel, AddInsertDeleteKeepOrderAndTheSelectionOnItsItem)
{
    ListBoxData lb = ListOf({u"b", u"d"});
    EXPECT_EQ(ListBoxInsertString(&lb, 0, u"a"), 0);
    EXPECT_EQ(ListBoxInsertString(&lb, -1, u"e"), 3);
    EXPECT_EQ(ListBoxInsertString(&lb, 5, u"x"), -1);  // beyond the end
    EXPECT_EQ(ListBoxSetCurSel(&lb, 2), 2);            // "d"
    EXPECT_EQ(ListBoxInsertString(&lb, 2, u"c"), 2);
    EXPECT_EQ(lb.selected, 3);  // still "d"
    EXPECT_EQ(lb.items[lb.selected].text, u"d");

    EXPECT_EQ(ListBoxDeleteString(&lb, 0), 4);  // returns the count left
    EXPECT_EQ(lb.items[lb.selected].text, u"d");
    EXPECT_EQ(ListBoxDeleteString(&lb, lb.selected), 3);
    EXPECT_EQ(lb.selected, -1);  // deleting the selected item clears the selection
    EXPECT_EQ(ListBoxDeleteString(&lb, 3), -1);

    ListBoxResetContent(&lb);
    EXPECT_TRUE(lb.items.empty());
    EXPECT_EQ(lb.selected, -1);
}

TEST(ListBoxModel, SortedListsInsertInOrderUnsortedAppend)
{
    ListBoxData lb = ListOf({u"pear", u"Apple", u"fig"});
    EXPECT_EQ(lb.items[0].text, u"pear");  // unsorted: file order
    ListBoxData sorted;
    sorted.sorted = true;
    for (auto t : {u"pear", u"Apple", u"fig", u"banana"}) {
        ListBoxAddString(&sorted, t);
    }
    EXPECT_EQ(sorted.items[0].text, u"Apple");
    EXPECT_EQ(sorted.items[1].text, u"banana");
    EXPECT_EQ(sorted.items[3].text, u"pear");
}

TEST(ListBoxModel, SetCurSelOutOfRangeClearsAndReportsError)
{
    ListBoxData lb = ListOf({u"a", u"b"});
    EXPECT_EQ(ListBoxSetCurSel(&lb, 1), 1);
    EXPECT_EQ(ListBoxSetCurSel(&lb, 7), -1);
    EXPECT_EQ(lb.selected, -1);
    ListBoxSetCurSel(&lb, 0);
    EXPECT_EQ(ListBoxSetCurSel(&lb, -1), -1);
    EXPECT_EQ(lb.selected, -1);
}

TEST(ListBoxModel, FindStringExactIgnoresCaseMatchesWholeTextAndWrapsFromStart)
{
    ListBoxData lb = ListOf({u"http://a/x.puz", u"HTTP://A/X.PUZ", u"http://a/x.puz2"});
    EXPECT_EQ(ListBoxFindStringExact(&lb, -1, u"http://A/x.PUZ"), 0);
    EXPECT_EQ(ListBoxFindStringExact(&lb, 0, u"http://a/x.puz"), 1);  // search starts after 0
    EXPECT_EQ(ListBoxFindStringExact(&lb, 1, u"http://a/x.puz"), 0);  // and wraps round
    EXPECT_EQ(ListBoxFindStringExact(&lb, -1, u"http://a/x"), -1);    // no prefix matches
    EXPECT_EQ(ListBoxFindStringExact(&lb, -1, u"Http://a/x.puz2"), 2);
    // The device's one case rule: letters past Latin-1 fold as lstrcmpiW folds them.
    ListBoxData names = ListOf({u"\u0100dam.puz", u"\u0416uk.puz"});
    EXPECT_EQ(ListBoxFindStringExact(&names, -1, u"\u0101DAM.PUZ"), 0);
    EXPECT_EQ(ListBoxFindStringExact(&names, -1, u"\u0436UK.puz"), 1);
    ListBoxData empty;
    EXPECT_EQ(ListBoxFindStringExact(&empty, -1, u"x"), -1);
}

TEST(ListBoxModel, ScrollingKeepsTheLastPageFullAndSelectionVisible)
{
    ListBoxData lb = ListOf({u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"}, 4);
    EXPECT_EQ(ListBoxPageSize(&lb), 4);
    EXPECT_TRUE(ListBoxSetTopIndex(&lb, 20));
    EXPECT_EQ(lb.topIndex, 6);  // 10 items, 4 shown
    EXPECT_FALSE(ListBoxSetTopIndex(&lb, 6));
    ListBoxSetCurSel(&lb, 1);
    EXPECT_EQ(lb.topIndex, 1);
    ListBoxSetCurSel(&lb, 9);
    EXPECT_EQ(lb.topIndex, 6);
    EXPECT_EQ(ListBoxItemAt(&lb, 0), 6);
    EXPECT_EQ(ListBoxItemAt(&lb, 15 * 3 + 14), 9);
    EXPECT_EQ(ListBoxItemAt(&lb, 15 * 4), -1);  // below the last item
    // Deleting near the end pulls the view back so the last page stays full.
    ListBoxDeleteString(&lb, 9);
    ListBoxDeleteString(&lb, 8);
    EXPECT_EQ(lb.topIndex, 4);
}

TEST(ListBoxModel, SidewaysScrollStaysWithinTheExtent)
{
    ListBoxData lb = ListOf({u"a"});
    EXPECT_FALSE(ListBoxSetScrollX(&lb, 50));  // no extent: no sideways scroll
    lb.horizontalExtent = 300;
    EXPECT_EQ(ListBoxMaxScrollX(&lb), 200);
    EXPECT_TRUE(ListBoxSetScrollX(&lb, 500));
    EXPECT_EQ(lb.scrollX, 200);
    ListBoxSetScrollX(&lb, -5);
    EXPECT_EQ(lb.scrollX, 0);
}
