// Dialog units, word wrap and message box geometry: the pure computations behind dialogs.
#include <gtest/gtest.h>

#include "dialogs/dialog_units.h"
#include "dialogs/message_box_layout.h"
#include "dialogs/text_wrap.h"
#include "winuser.h"

namespace {

// Every character 6 pixels wide: layouts become predictable.
int FixedWidth(std::u16string_view s)
{
    return static_cast<int>(s.size()) * 6;
}

}  // namespace

TEST(DialogUnits, EightPointTemplatesMapOneHundredSixtyUnitsToTheScreenWidth)
{
    const DialogBaseUnits base = DialogBaseUnitsForPointSize(8);
    EXPECT_EQ(base.cx, 6);
    EXPECT_EQ(base.cy, 13);
    EXPECT_EQ(DialogUnitsToPixelsX(160, base), 240);
    EXPECT_EQ(DialogUnitsToPixelsY(194, base), 315);  // 315.25 rounds down
    EXPECT_EQ(DialogUnitsToPixelsY(4, base), 7);      // 6.5 rounds half up
    EXPECT_EQ(DialogUnitsToPixelsX(-4, base), -6);
    EXPECT_EQ(DialogRectToPixels(RECT{4, 139, 44, 153}, base), (RECT{6, 226, 66, 249}));
    // Larger fonts give larger units; a missing size falls back to 8 points.
    EXPECT_GT(DialogBaseUnitsForPointSize(10).cy, base.cy);
    EXPECT_EQ(DialogBaseUnitsForPointSize(0).cx, base.cx);
}

TEST(TextWrap, BreaksAtBlanksLineFeedsAndInsideOverlongWords)
{
    // 10 characters per line.
    auto lines = WrapText(u"Do you want to clear the puzzle ?", 60, FixedWidth);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], u"Do you");
    EXPECT_EQ(lines[1], u"want to");
    EXPECT_EQ(lines[2], u"clear the");
    EXPECT_EQ(lines[3], u"puzzle ?");

    lines = WrapText(u"Title\r\n\nAuthor", 60, FixedWidth);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"Title");
    EXPECT_EQ(lines[1], u"");
    EXPECT_EQ(lines[2], u"Author");

    lines = WrapText(u"abcdefghijklmnopqrstuvwxy z", 60, FixedWidth);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"abcdefghij");
    EXPECT_EQ(lines[1], u"klmnopqrst");
    EXPECT_EQ(lines[2], u"uvwxy z");

    // A line narrower than one character still makes progress.
    EXPECT_EQ(WrapText(u"abc", 2, FixedWidth).size(), 3u);
}

TEST(MessageBoxLayout, ButtonsAndDefaultFollowTheType)
{
    int def = -1;
    auto b = MessageBoxButtonsFor(MB_YESNO | MB_DEFBUTTON2, &def);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].id, IDYES);
    EXPECT_EQ(b[1].id, IDNO);
    EXPECT_EQ(def, 1);
    b = MessageBoxButtonsFor(MB_OKCANCEL, &def);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].id, IDCANCEL);
    EXPECT_EQ(def, 0);
    // A default beyond the buttons falls back to the first.
    b = MessageBoxButtonsFor(MB_OK | MB_DEFBUTTON3, &def);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(def, 0);
}

TEST(MessageBoxLayout, LongTextWrapsInsideTheScreenAndTheBoxIsCentred)
{
    const RECT work{0, 26, 240, 320};
    const std::u16string text = u"This button will check puzzle for errors. You've have not yet "
                                u"started the puzzle, so there is nothing to check.";
    const MessageBoxLayout l =
        LayoutMessageBox(text, u"Puzzle Checker", MB_OK | MB_ICONINFORMATION, work, FixedWidth, 13);
    EXPECT_GE(l.box.left, 0);
    EXPECT_LE(l.box.right, 240);
    EXPECT_EQ(l.box.left, 240 - l.box.right);  // centred
    EXPECT_GT(l.lines.size(), 3u);
    for (const auto& line : l.lines) {
        EXPECT_LE(FixedWidth(line), l.text.right - l.text.left)
            << std::string(line.begin(), line.end());
    }
    // The icon sits left of the text, the single button is centred under both.
    EXPECT_FALSE(l.icon.right == l.icon.left);
    EXPECT_LE(l.icon.right, l.text.left);
    ASSERT_EQ(l.buttons.size(), 1u);
    const RECT& ok = l.buttons[0].rect;
    EXPECT_EQ(ok.left, (l.box.right - l.box.left) - ok.right);
    EXPECT_GE(ok.top, l.text.bottom);
    EXPECT_LE(ok.bottom, l.box.bottom - l.box.top);
    EXPECT_GE(ok.top, l.icon.bottom);
}

TEST(MessageBoxLayout, ShortTextWithoutIconMakesANarrowBox)
{
    const MessageBoxLayout l = LayoutMessageBox(u"Delete Link ?", u"New Game", MB_YESNO,
                                                RECT{0, 26, 240, 320}, FixedWidth, 13);
    EXPECT_LT(l.box.right - l.box.left, 200);
    EXPECT_EQ(l.icon.right - l.icon.left, 0);
    ASSERT_EQ(l.lines.size(), 1u);
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_LT(l.buttons[0].rect.right, l.buttons[1].rect.left);  // side by side, apart
    EXPECT_EQ(l.buttons[0].rect.top, l.buttons[1].rect.top);
    // Vertically centred in the work area.
    EXPECT_NEAR((l.box.top - 26), (320 - l.box.bottom), 1);
}
