#include <gtest/gtest.h>

#include "automation.h"
#include "windows.h"

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
