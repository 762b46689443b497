// The quick help: its pictures, "Help" starting the help page while the dialog stays, and
// the help page on the device with the anchors the About links name.
#include <string>

#include "automation.h"
#include "dialog_ids.h"
#include "game_dialog_fixture.h"
#include "quick_help_dialog.h"
#include "resource_ids.h"

namespace {

class QuickHelpDialogTest : public GameDialogTest {
  protected:
    void SetUp() override
    {
        GameDialogTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
        Start();
    }
};

TEST_F(QuickHelpDialogTest, HelpStartsTheHelpPageAndTheDialogStays)
{
    const RECT help = ControlOnScreen(IDD_QUICK_HELP, QuickHelpDialogProc, IDC_HELP_PAGE);
    const RECT ok = ControlOnScreen(IDD_QUICK_HELP, QuickHelpDialogProc, IDC_QUICK_HELP_OK);
    AutomationResetPrograms();
    TapOnScreen(help);
    TapOnScreen(help);
    TapOnScreen(ok);
    Command(IDM_HELP);
    const auto& started = AutomationStartedPrograms();
    ASSERT_EQ(started.size(), 2u);  // the first tap did not close the dialog
    EXPECT_EQ(started[0].program, u"PegHelp.exe");
    EXPECT_EQ(started[0].commandLine, u"Quorvale.htm");
    EXPECT_TRUE(started[0].started);
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(QuickHelpDialogTest, TheInputPanelGoesDownAndThePicturesAreThere)
{
    SHSipPreference(window, SIP_UP);
    Idle();
    HWND dialog = OpenModeless(IDD_QUICK_HELP, QuickHelpDialogProc);
    ASSERT_NE(dialog, nullptr);
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0);
    EXPECT_FALSE(sip.fdwFlags & SIPF_ON);
    // The top picture, the menu page, has dark ink on white.
    RECT r = {0, 1000, 0, 1000};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT c;
        GetWindowRect(child, &c);
        if (c.top < r.top || (c.top == r.top && c.left < r.left))
            r = c;
    }
    ASSERT_LT(r.top, 1000);
    Idle();
    int dark = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            dark += AutomationScreenPixel(x, y) == 0x00000000;
    EXPECT_GT(dark, 10);
    DestroyWindow(dialog);
}

TEST_F(QuickHelpDialogTest, TheHelpPageIsOnTheDeviceWithItsAnchors)
{
    const std::string page = ReadDeviceFile("\\Windows\\Quorvale.htm");
    EXPECT_NE(page.find("name=\"contact_us\""), std::string::npos);
    EXPECT_NE(page.find("name=\"trademarks_copyrights\""), std::string::npos);
    for (const char* topic : {"Magnification", "Clue", "Download", "Check", "crossword.dat"})
        EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

// The page tells of every command of the menus, the menu bar and the keys, of each format Open
// File lists, and of Undo as it is: a cleared puzzle comes back.
TEST_F(QuickHelpDialogTest, TheHelpPageDescribesEveryCommandAsItIs)
{
    const std::string page = ReadDeviceFile("\\Windows\\Quorvale.htm");
    for (const char* command :
         {"Available",     "Download",       "Print...",     "Unlock Solution...",
          "Lock Solution", "Auto Skip",      "Numbers",      "Pencil",
          "Marks",         "Fill",           "Clear",        "Undo",
          "Preferences",   "Puzzle Info",    "Help",         "About",
          "Exit",          "Current Letter", "Current Word", "Entire Puzzle",
          "Small",         "Medium",         "Large",        "Rebus...",
          "Clue list",     "Across / Down",  "Keyboard",     "Open",
          "Block"})
        EXPECT_TRUE(page.find("<b>" + std::string(command)) != std::string::npos ||
                    page.find("&gt; " + std::string(command)) != std::string::npos)
            << command;  // in bold, alone or after the menu it is in
    for (const char* detail :
         {".puz", ".ipuz", ".jpz", ".xd", "Insert", "Escape", "Ctrl+Z", "Ctrl+Q", "paused",
          "<b>Rebus</b> key", "pencil", "PDF", "Undo</b> brings the\nletters back", "&hellip;"})
        EXPECT_NE(page.find(detail), std::string::npos) << detail;
    EXPECT_EQ(page.find("cannot be undone"), std::string::npos);
}

}  // namespace
