// The installer's start and intro: the animation and its skip, the help areas, the screen
// drawn again after another dialog, the input panel lowered, and the second copy.
#include "automation.h"
#include "aygshell.h"
#include "installer_fixture.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "installer_window.h"
#include "intro_dialog.h"
#include "stand_in_window.h"

namespace {

class IntroTest : public InstallerTest {};

TEST_F(IntroTest, TheAnimationBringsThePiecesToRestThenTheSplashShows)
{
    AutomationAdvance(200);
    TapAt(5, 5);  // ends the run once the screen is at rest
    TapOk();
    RunProgram();
    // The tap came after 8 frames: the pieces had not reached their rest yet.
    EXPECT_LT(gInstaller.leftPiece.x, 22);
    EXPECT_EQ(gInstaller.animating, 0);
}

TEST_F(IntroTest, PiecesStopWhereTheFinalFrameExpectsThem)
{
    WaitForAnimation();
    TapOk();
    RunProgram();
    EXPECT_EQ(gInstaller.leftPiece.x, 22);
    EXPECT_EQ(gInstaller.middlePiece.x, 102);
    EXPECT_EQ(gInstaller.middlePiece.y, 72);
    EXPECT_EQ(gInstaller.rightPiece.x, 192);
    EXPECT_EQ(gInstaller.animating, 0);
}

TEST_F(IntroTest, EachFrameDrawsThePiecesWhereTheyHaveGot)
{
    constexpr COLORREF kNavy = RGB(0, 0, 128);  // a black square of the pieces' grids
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_INTRO), RT_DIALOG);
    const auto* intro = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, found)));
    ResetPieces();
    HWND dialog = CreateDialogIndirectParamW(instance, intro, nullptr, IntroDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);  // modeless, so not shown by the template's style
    AutomationAdvance(100);       // four frames
    AutomationRunUntilIdle();
    ASSERT_EQ(gInstaller.leftPiece.x, 8);
    ASSERT_EQ(gInstaller.middlePiece.y, 16);
    ASSERT_EQ(gInstaller.rightPiece.x, 228);
    // The left piece's top-right square is black: at (51..60, 1..9) inside the piece.
    EXPECT_EQ(AutomationScreenPixel(8 + 55, 102 + 5 + 26), kNavy);
    EXPECT_NE(AutomationScreenPixel(22 + 55, 102 + 5 + 26), kNavy) << "not yet at its rest";
    // The middle piece's first square is black, two pixels in from its corner.
    EXPECT_EQ(AutomationScreenPixel(102 + 7, 16 + 7 + 26), kNavy);
    DestroyWindow(dialog);
}

TEST_F(IntroTest, HelpAreasStartTheHelpPageOnlyAfterTheAnimation)
{
    AutomationAdvance(100);
    TapAt(100, 192);  // during the animation: only skips it
    TapAt(100, 192);
    TapAt(100, 207);
    TapAt(20, 192);  // beside both areas
    TapOk();
    RunProgram();

    const auto& started = AutomationStartedPrograms();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].program, u"PegHelp.exe");
    EXPECT_EQ(started[0].commandLine, u"Tinsmere.htm#contact_us");
    EXPECT_EQ(started[1].commandLine, u"Tinsmere.htm#trademarks_copyrights");
}

TEST_F(IntroTest, TheSplashIsDrawnAgainAfterThePreview)
{
    WaitForAnimation();
    TapPreview();
    TapAt(120, 272);  // the preview's OK
    TapOk();
    const int before = AutomationPresentCount();
    RunProgram();
    EXPECT_GT(AutomationPresentCount(), before);
    // The size line of the final screen is drawn in the dialog's text colour over white.
    int ink = 0;
    for (int y = 85; y < 115; ++y)
        for (int x = 10; x < 230; ++x)
            ink += AutomationScreenPixel(x, y + 26) != 0x00FFFFFF;
    EXPECT_GT(ink, 0);
}

TEST_F(IntroTest, AnInputPanelThatIsUpIsLoweredForTheIntro)
{
    SHSipPreference(nullptr, SIP_UP);
    AutomationRunUntilIdle();
    WaitForAnimation();
    TapOk();
    RunProgram();
    SIPINFO sip = {};
    sip.cbSize = sizeof sip;
    SHSipInfo(SPI_GETSIPINFO, 0, &sip, 0);
    EXPECT_EQ(sip.fdwFlags & SIPF_ON, 0u);
}

TEST_F(IntroTest, ASecondCopyRaisesTheFirstAndShowsNothing)
{
    // The first copy's main window, as another process would have it.
    HWND first = CreateStandInWindow(u"Brambleset Three", u"Brambleset Three", nullptr, instance);
    HWND other = CreateStandInWindow(u"Brambleset Three", u"Another", nullptr, instance);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    AutomationRunUntilIdle();

    EXPECT_EQ(InitInstance(instance, SW_SHOW), 0);  // no dialog: an empty script would fail
    EXPECT_EQ(gInstaller.mainWindow, nullptr);
    EXPECT_EQ(GetForegroundWindow(), first);
    DestroyWindow(other);
    DestroyWindow(first);
}

}  // namespace
