#include <gtest/gtest.h>

#include "dialog_test_support.h"

TEST(MessageBox, RecordsCallsAndAnswersFromTheQueueByCaption)
{
    AutomationReset();
    AutomationAnswerMessageBox(u"Are You Sure?", IDNO);

    EXPECT_EQ(MessageBoxW(nullptr, u"Done.", u"Nothing Wrong", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, u"Clear?", u"Are You Sure?", MB_YESNO | MB_ICONQUESTION), IDNO);
    // The queued answer was used up: the default button answers the next box.
    EXPECT_EQ(MessageBoxW(nullptr, u"Clear?", u"Are You Sure?", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, u"Clear?", u"Are You Sure?", MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto& calls = AutomationMessageBoxes();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].text, u"Done.");
    EXPECT_EQ(calls[0].caption, u"Nothing Wrong");
    EXPECT_EQ(calls[1].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(calls[1].answer, IDNO);
}

namespace {

using namespace dialog_test;

class MessageBoxWindow : public DialogTest {};

// What a timer saw while the box's loop ran.
struct BoxProbe {
    bool ownerEnabled = true;
    RECT box{};
    COLORREF caption = 0;
    COLORREF iconFill = 0;
    COLORREF body = 0;
};
BoxProbe gProbe;
HWND gOwner = nullptr;

void CALLBACK ProbeBox(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    KillTimer(hwnd, id);
    HWND box = GetActiveWindow();
    gProbe.ownerEnabled = IsWindowEnabled(gOwner) != FALSE;
    GetWindowRect(box, &gProbe.box);
    gProbe.caption = AutomationScreenPixel(gProbe.box.left + 3, gProbe.box.top + 3);
    // The icon's disc: 8 pixels in from the box, below the 20-pixel caption line.
    gProbe.iconFill = AutomationScreenPixel(gProbe.box.left + 8 + 6, gProbe.box.top + 20 + 8 + 16);
    gProbe.body = AutomationScreenPixel(gProbe.box.right - 4, gProbe.box.top + 24);
    AutomationKey(VK_RETURN);  // the user confirms the default button
}

}  // namespace

TEST_F(MessageBoxWindow, IsModalFitsTheScreenAndDrawsCaptionAndIcon)
{
    gOwner = CreateOwner();
    gProbe = BoxProbe{};
    SetTimer(gOwner, 3, 10, ProbeBox);
    AutomationAdvance(20);  // the timer fires inside the box's loop
    const int windows = WindowCount();
    const int objects = AutomationGdiObjectCount();
    const int answer = MessageBoxW(gOwner,
                                   u"This button will check puzzle for errors. You've have not "
                                   u"yet started the puzzle, so there is nothing to check.",
                                   u"Puzzle Checker", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(answer, IDNO);  // Enter: the default button
    EXPECT_FALSE(gProbe.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(gOwner));
    EXPECT_GE(gProbe.box.left, 0);
    EXPECT_LE(gProbe.box.right, 240);
    EXPECT_GE(gProbe.box.top, 26);
    EXPECT_GT(gProbe.box.bottom - gProbe.box.top, 80);  // several wrapped lines
    EXPECT_EQ(gProbe.caption, 0x00800000u);
    EXPECT_EQ(gProbe.iconFill, 0x00C06000u);
    EXPECT_EQ(gProbe.body, 0x00FFFFFFu);
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(AutomationGdiObjectCount(), objects);
    EXPECT_EQ(GetActiveWindow(), gOwner);
}

TEST_F(MessageBoxWindow, KeysChooseTheButtons)
{
    HWND owner = CreateOwner();
    AutomationKey(VK_TAB);  // from the default "Yes" to "No"
    AutomationKey(VK_RETURN);
    EXPECT_EQ(MessageBoxW(owner, u"Delete Link ?", u"New Game", MB_YESNO | MB_ICONQUESTION), IDNO);

    AutomationKey(VK_ESCAPE);  // a box with Cancel: Escape is Cancel
    EXPECT_EQ(MessageBoxW(owner, u"Go?", u"Go", MB_OKCANCEL), IDCANCEL);

    AutomationKey(VK_ESCAPE);  // a box that only informs closes with OK
    EXPECT_EQ(MessageBoxW(owner, u"Done.", u"Nothing Wrong", MB_OK), IDOK);

    AutomationKey(VK_ESCAPE);  // Yes / No has no Cancel: Escape does nothing, Enter says Yes
    AutomationKey(VK_RETURN);
    EXPECT_EQ(MessageBoxW(owner, u"Sure?", u"Are You Sure?", MB_YESNO), IDYES);
    ASSERT_EQ(AutomationMessageBoxes().size(), 4u);
    EXPECT_EQ(AutomationMessageBoxes()[0].owner, owner);
}

TEST_F(MessageBoxWindow, QueuedAnswerWinsOverScriptedInputWhenTheLoopWouldBlock)
{
    AutomationAnswerMessageBox(u"Confirm", IDNO);
    // The queued answer is used as soon as the box is idle; the key stays for later.
    AutomationKey(VK_RETURN);
    EXPECT_EQ(MessageBoxW(nullptr, u"Do you want to load the puzzle x.puz ?", u"Confirm", MB_YESNO),
              IDNO);
    EXPECT_EQ(AutomationScriptLength(), 2);  // its key down and key up
}
