// Installation scenarios: the folder proposed, the confirmation, the files written byte for
// byte, and what cancelling and unwritable files leave behind.
#include <sys/stat.h>

#include "automation.h"
#include "installer_fixture.h"

namespace {

const std::string kPackFolder = "\\My Documents\\Brambleset Three\\";
const std::string kGameFolder = "\\My Documents\\Fennimoor\\";
const std::u16string kCaption = u"Brambleset Three";

std::u16string Wide(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

class InstallTest : public InstallerTest {
  protected:
    // Runs the program: wait for the splash, Install, answer the dialogs, OK.
    void Install(const std::string& answer, int confirm = IDYES, bool report = false)
    {
        WaitForAnimation();
        TapInstall();
        if (answer.empty()) {
            AutomationCancelFileDialog();
        } else {
            AutomationAnswerFileDialog(Wide(answer));
            AutomationAnswerMessageBox(kCaption, confirm);
            if (report)
                AutomationAnswerMessageBox(kCaption, IDOK);
        }
        TapOk();
        RunProgram();
    }

    void ExpectWholePack(const std::string& folder)
    {
        for (int row = 0; row < 31; ++row)
            EXPECT_EQ(Read(folder + kThreeNames[row]), Puzzle(row)) << kThreeNames[row];
        EXPECT_EQ(List(folder).size(), 31u) << "only the pack's files, no temporary ones";
    }
};

TEST_F(InstallTest, FirstInstallationCreatesThePackFolderAndWritesEveryPuzzle)
{
    Install(kPackFolder + "scoring.puz");

    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    const FileDialogRecord& dialog = AutomationFileDialogs()[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.title, u"Save File");
    EXPECT_EQ(dialog.proposal, Wide(kPackFolder + "scoring.puz"));
    ExpectWholePack(kPackFolder);
    // A complete installation asks once and then stays silent.
    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].text,
              u"Save puzzles to this location: " + Wide(kPackFolder) + u" ?");
    EXPECT_EQ(AutomationMessageBoxes()[0].caption, kCaption);
}

TEST_F(InstallTest, SecondInstallationProposesTheGameFolderAndLeavesThePackFolderAlone)
{
    Write(kPackFolder + "notes.txt", "mine");
    Install(kGameFolder + "scoring.puz");

    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_EQ(AutomationFileDialogs()[0].proposal, Wide(kGameFolder + "scoring.puz"));
    ExpectWholePack(kGameFolder);
    EXPECT_EQ(Read(kPackFolder + "notes.txt"), "mine");
    EXPECT_EQ(List(kPackFolder).size(), 1u);
}

TEST_F(InstallTest, RepeatedInstallationReplacesThePuzzles)
{
    Write(kGameFolder + "scoring.puz", "an older scoring.puz");
    Write(kPackFolder + "keep.txt", "x");
    Install(kGameFolder + "scoring.puz");
    ExpectWholePack(kGameFolder);
}

TEST_F(InstallTest, ATypedNameChangesTheFolderOnlyNeverTheFileNames)
{
    Install(kPackFolder + "mine.puz");

    EXPECT_FALSE(Exists(kPackFolder + "mine.puz"));
    ExpectWholePack(kPackFolder);
}

TEST_F(InstallTest, AFolderOutsideThePackFolderRemovesTheEmptyPackFolder)
{
    Install("\\My Documents\\Elsewhere\\scoring.puz");

    ExpectWholePack("\\My Documents\\Elsewhere\\");
    EXPECT_FALSE(Exists(kPackFolder));
}

TEST_F(InstallTest, CancellingOrDecliningWritesNothingAndLeavesNoEmptyPackFolder)
{
    Install("");
    EXPECT_FALSE(Exists(kPackFolder));
    EXPECT_TRUE(AutomationMessageBoxes().empty());

    Install(kPackFolder + "scoring.puz", IDNO);
    EXPECT_FALSE(Exists(kPackFolder));
    EXPECT_EQ(AutomationFileDialogs().size(), 2u);
    EXPECT_EQ(List("\\My Documents"), std::vector<std::string>{});
}

TEST_F(InstallTest, AReadOnlyDestinationIsReportedAndTheOtherPuzzlesAreWritten)
{
    Write(kPackFolder + "keep.txt", "x");
    Write(kGameFolder + "dim.puz", "the user's own dim.puz");
    ASSERT_EQ(chmod(HostPath(kGameFolder + "dim.puz").c_str(), 0444), 0);

    Install(kGameFolder + "scoring.puz", IDYES, true);

    EXPECT_EQ(Read(kGameFolder + "dim.puz"), "the user's own dim.puz");
    for (int row = 0; row < 31; ++row) {
        if (row == 1)
            continue;
        EXPECT_EQ(Read(kGameFolder + kThreeNames[row]), Puzzle(row)) << kThreeNames[row];
    }
    EXPECT_EQ(List(kGameFolder).size(), 31u) << "no temporary file stays behind";
    ASSERT_EQ(AutomationMessageBoxes().size(), 2u);
    EXPECT_EQ(AutomationMessageBoxes()[1].text,
              u"1 of the 31 puzzles could not be written to " + Wide(kGameFolder));
    EXPECT_EQ(AutomationMessageBoxes()[1].caption, kCaption);
}

}  // namespace
