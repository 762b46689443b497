// Print... from the Puzzles menu: the contents chosen in the dialog, the PDF beside the puzzle
// handed to the desktop's viewer, and the refusal of a solution the puzzle does not show.
#include <string>

#include "automation.h"
#include "device_files.h"
#include "game_dialog_fixture.h"
#include "game_state.h"
#include "puz_layout.h"
#include "puzzle_image.h"
#include "resource_ids.h"

namespace {

class PrintMenuTest : public GameDialogTest {
  protected:
    // Keys for the Print dialog: `downs` steps down the contents from the empty grid, then
    // Print.
    static void ChooseContents(int downs)
    {
        for (int i = 0; i < downs; ++i)
            AutomationKey(VK_DOWN);
        AutomationKey(VK_RETURN);
    }
    static size_t Count(const std::string& text, const std::string& part)
    {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }
};

TEST_F(PrintMenuTest, ThePageIsWrittenBesideThePuzzleAndHandedToTheViewer)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(5));
    Restart();
    EXPECT_TRUE(MenuItemEnabled(IDM_PRINT));
    AutomationResetPrograms();
    ChooseContents(0);
    Command(IDM_PRINT);
    const std::string pdf = ReadDeviceFile("\\My Documents\\a.pdf");
    ASSERT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_EQ(
        Count(pdf, "/Type /Page\n") + Count(pdf, "/Type /Page\r") + Count(pdf, "/Type /Page "), 1u);
    ASSERT_EQ(AutomationStartedPrograms().size(), 1u);
    EXPECT_EQ(AutomationStartedPrograms()[0].program, u"\\My Documents\\a.pdf");
    EXPECT_NE(AutomationStartedPrograms()[0].target.find("/My%20Documents/a.pdf"),
              std::string::npos);

    // Cancel writes nothing and starts nothing.
    WriteDeviceFile("\\My Documents\\a.pdf", "old");
    AutomationKey(VK_ESCAPE);
    Command(IDM_PRINT);
    EXPECT_EQ(ReadDeviceFile("\\My Documents\\a.pdf"), "old");
    EXPECT_EQ(AutomationStartedPrograms().size(), 1u);
}

TEST_F(PrintMenuTest, ASolutionTheFileDoesNotHoldIsRefusedAndNothingIsWritten)
{
    PuzzleImage p = MakePuzzle(LatticeGrid(5));
    AddClues(&p);
    p.solutionFlags = puz::kSolutionAbsent;
    WriteDeviceFile("\\My Documents\\b.puz", Bytes(p));
    Restart();
    ASSERT_EQ(gGame.solutionState, kSolutionMissing);
    AutomationAnswerMessageBox(u"Print", IDOK);
    ChooseContents(2);
    Command(IDM_PRINT);
    ASSERT_FALSE(AutomationMessageBoxes().empty());
    EXPECT_EQ(AutomationMessageBoxes().back().caption, u"Print");
    EXPECT_EQ(ReadDeviceFile("\\My Documents\\b.pdf"), "");
}

}  // namespace
