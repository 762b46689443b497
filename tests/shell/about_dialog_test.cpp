// The About box: the logo animation on the virtual clock, a tap that skips it, and the link
// areas that start their programs only once the final screen shows.
#include "about_dialog.h"
#include "automation.h"
#include "dialog_ids.h"
#include "game_dialog_fixture.h"
#include "resource_ids.h"
#include "shell_state.h"

namespace {

constexpr COLORREF kLinkBlue = 0x00FF0000;

class AboutDialogTest : public GameDialogTest {
  protected:
    void SetUp() override
    {
        GameDialogTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
        Start();
        AutomationResetPrograms();
        dialog = OpenModeless(IDD_ABOUT, AboutDialogProc);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        if (dialog && IsWindow(dialog))
            DestroyWindow(dialog);
        GameDialogTest::TearDown();
    }
    void Ticks(int count)
    {
        AutomationAdvance(DWORD(count) * kAboutFrameMs);
        Idle();
    }
    // A tap at dialog client point (x, y).
    void TapClient(int x, int y)
    {
        POINT p = {x, y};
        ClientToScreen(dialog, &p);
        AutomationTap(p.x, p.y);
        Idle();
    }
    // Blue link ink in the contact line's area: the final screen shows.
    int LinkInk()
    {
        int blue = 0;
        for (int y = 187; y < 198; ++y) {
            for (int x = 65; x < 178; ++x) {
                POINT p = {x, y};
                ClientToScreen(dialog, &p);
                blue += AutomationScreenPixel(p.x, p.y) == kLinkBlue;
            }
        }
        return blue;
    }

    HWND dialog = nullptr;
};

TEST_F(AboutDialogTest, NineteenTicksBringTheLogoToRestAndShowTheFinalScreen)
{
    Ticks(10);
    EXPECT_EQ(AboutLogoNow().left.x, 20);
    EXPECT_EQ(AboutLogoNow().middle.y, 40);
    EXPECT_EQ(AboutLogoNow().right.x, 210);
    Ticks(8);
    EXPECT_EQ(AboutLogoNow().left.x, 22);
    EXPECT_EQ(AboutLogoNow().middle.y, 72);
    EXPECT_EQ(AboutLogoNow().right.x, 192);
    EXPECT_EQ(LinkInk(), 0);  // still the animation's last frame
    TapClient(120, 196);      // on the contact line, but a tap now only ends the animation
    EXPECT_GT(LinkInk(), 20);
    EXPECT_TRUE(AutomationStartedPrograms().empty());
}

TEST_F(AboutDialogTest, TheNineteenthTickEndsTheAnimationByItself)
{
    Ticks(19);
    EXPECT_GT(LinkInk(), 20);
    Ticks(5);  // the timer is gone: nothing moves or repaints the animation
    EXPECT_GT(LinkInk(), 20);
    TapClient(120, 192);
    ASSERT_EQ(AutomationStartedPrograms().size(), 1u);
    EXPECT_EQ(AutomationStartedPrograms()[0].program, u"PegHelp.exe");
    EXPECT_EQ(AutomationStartedPrograms()[0].commandLine, u"Quorvale.htm#contact_us");
}

TEST_F(AboutDialogTest, ATapSkipsTheAnimationAndEachLinkStartsItsProgram)
{
    Ticks(3);
    TapClient(10, 10);
    EXPECT_GT(LinkInk(), 20);
    EXPECT_EQ(AboutLogoNow().left.x, 6);  // skipped, not finished
    EXPECT_TRUE(AutomationStartedPrograms().empty());

    TapClient(120, 207);
    TapClient(120, 225);
    TapClient(65, 187);   // left and top edges belong to the area
    TapClient(120, 240);  // nothing there
    const auto& started = AutomationStartedPrograms();
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0].program, u"PegHelp.exe");
    EXPECT_EQ(started[0].commandLine, u"Quorvale.htm#trademarks_copyrights");
    EXPECT_EQ(started[1].program, u"iexplore.exe");
    EXPECT_EQ(started[1].commandLine, u"http://puzzles.example.com/");
    EXPECT_EQ(started[2].commandLine, u"Quorvale.htm#contact_us");
}

TEST_F(AboutDialogTest, OkDuringTheAnimationStopsTheTimerAndReopeningReplays)
{
    DestroyWindow(dialog);
    dialog = nullptr;
    Idle();
    const RECT ok = ControlOnScreen(IDD_ABOUT, AboutDialogProc, IDC_ABOUT_OK);
    AutomationAdvance(4 * kAboutFrameMs);
    TapOnScreen(ok);
    Command(IDM_ABOUT);  // sets the start values, then runs the dialog
    EXPECT_LT(AboutLogoNow().left.x, 22);
    const int stoppedAt = AboutLogoNow().left.x;
    Ticks(30);
    EXPECT_EQ(AboutLogoNow().left.x, stoppedAt);

    AutomationAdvance(19 * kAboutFrameMs);
    TapNavigationOk();
    Command(IDM_ABOUT);
    EXPECT_EQ(AboutLogoNow().middle.y, 72);
}

}  // namespace
