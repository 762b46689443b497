// The single-line edit's rules on its model: typing, selection, limits and auto-scroll.
#include <gtest/gtest.h>

#include "controls/edit_model.h"

namespace {

int FixedWidth(std::u16string_view s)
{
    return static_cast<int>(s.size()) * 5;
}

EditData EditOf(const char16_t* text, int width = 100, bool autoHScroll = true)
{
    EditData e;
    e.visibleWidth = width;
    e.autoHScroll = autoHScroll;
    EditSetText(&e, text);
    return e;
}

void Type(EditData* e, std::u16string_view text)
{
    for (char16_t c : text) {
        EditChar(e, c, FixedWidth);
    }
}

}  // namespace

TEST(EditModel, TypingInsertsAtTheCaretAndReplacesTheSelection)
{
    EditData e = EditOf(u"");
    Type(&e, u"http://");
    EXPECT_EQ(e.text, u"http://");
    EXPECT_EQ(e.caret, 7);
    EXPECT_TRUE(e.modified);

    EditSetSel(&e, 0, 4);  // "http"
    Type(&e, u"ftp");
    EXPECT_EQ(e.text, u"ftp://");
    EXPECT_EQ(EditSelStart(&e), 3);
    EXPECT_EQ(EditSelEnd(&e), 3);

    // Backspace removes the selection, or the character before the caret.
    EditSetSel(&e, 0, -1);
    EXPECT_EQ(EditSelEnd(&e), 6);
    EXPECT_TRUE(EditChar(&e, u'\b', FixedWidth));
    EXPECT_EQ(e.text, u"");
    EXPECT_FALSE(EditChar(&e, u'\b', FixedWidth));  // nothing before the caret
    Type(&e, u"ab\b");
    EXPECT_EQ(e.text, u"a");
    // Control characters (Enter, Escape, Tab) are not text.
    EXPECT_FALSE(EditChar(&e, u'\r', FixedWidth));
    EXPECT_FALSE(EditChar(&e, 27, FixedWidth));
    EXPECT_EQ(e.text, u"a");
}

TEST(EditModel, SetSelClampsAndMinusOneDeselects)
{
    EditData e = EditOf(u"hello");
    EditSetSel(&e, 4, 1);  // reversed: caret at 1
    EXPECT_EQ(EditSelStart(&e), 1);
    EXPECT_EQ(EditSelEnd(&e), 4);
    EXPECT_EQ(e.caret, 1);
    EditSetSel(&e, 2, 99);
    EXPECT_EQ(EditSelEnd(&e), 5);
    EditSetSel(&e, -1, 0);
    EXPECT_EQ(EditSelStart(&e), 5);
    EXPECT_EQ(EditSelEnd(&e), 5);
    // WM_SETTEXT puts the caret at the start and forgets the modification.
    EditSetText(&e, u"new");
    EXPECT_EQ(e.caret, 0);
    EXPECT_FALSE(e.modified);
}

TEST(EditModel, LimitCutsTypedAndPastedText)
{
    EditData e = EditOf(u"");
    e.limit = 5;
    Type(&e, u"abcdefg");
    EXPECT_EQ(e.text, u"abcde");
    EditSetSel(&e, 1, 3);
    EXPECT_TRUE(EditReplaceSel(&e, u"WXYZ", FixedWidth));  // 2 removed, room for 2
    EXPECT_EQ(e.text, u"aWXde");
}

TEST(EditModel, WithoutAutoScrollTheTextMustFitTheBox)
{
    EditData e = EditOf(u"", 20, false);  // 4 characters fit
    Type(&e, u"abcdef");
    EXPECT_EQ(e.text, u"abcd");
    EXPECT_EQ(e.scrollX, 0);
}

TEST(EditModel, CaretKeysMoveAndShiftExtends)
{
    EditData e = EditOf(u"abcdef");
    EditKey(&e, EditMove::End, false);
    EXPECT_EQ(e.caret, 6);
    EditKey(&e, EditMove::Left, true);
    EditKey(&e, EditMove::Left, true);
    EXPECT_EQ(EditSelStart(&e), 4);
    EXPECT_EQ(EditSelEnd(&e), 6);
    EditKey(&e, EditMove::Left, false);  // collapses to the selection's start
    EXPECT_EQ(e.caret, 4);
    EXPECT_EQ(e.anchor, 4);
    EXPECT_TRUE(EditKey(&e, EditMove::Delete, false));
    EXPECT_EQ(e.text, u"abcdf");
    EditKey(&e, EditMove::Home, false);
    EditKey(&e, EditMove::Left, false);
    EXPECT_EQ(e.caret, 0);
    EditKey(&e, EditMove::End, false);
    EXPECT_FALSE(EditKey(&e, EditMove::Delete, false));
}

TEST(EditModel, AutoScrollFollowsTheCaretBothWays)
{
    EditData e = EditOf(u"", 50);  // 10 characters visible
    Type(&e, u"0123456789abcdef");
    EditScrollToCaret(&e, FixedWidth);
    // The caret (after 16 characters, x 80) is inside the view.
    EXPECT_GT(e.scrollX, 0);
    EXPECT_LT(80 - e.scrollX, 50);
    EditKey(&e, EditMove::Home, false);
    EditScrollToCaret(&e, FixedWidth);
    EXPECT_EQ(e.scrollX, 0);
    // A tap maps to the nearest character boundary, scrolled.
    EXPECT_EQ(EditPositionAt(&e, 12, FixedWidth), 2);
    EXPECT_EQ(EditPositionAt(&e, 13, FixedWidth), 3);
    EXPECT_EQ(EditPositionAt(&e, 500, FixedWidth), 16);
}
