// Open File: the hand-over of progress through the .dat files beside each puzzle, and a
// refused file that changes nothing.
#include <cstring>
#include <string>

#include "automation.h"
#include "game_state.h"
#include "puzzle_files.h"
#include "resource_ids.h"
#include "shell_fixture.h"

namespace {

class OpenFileTest : public ShellTest {
  protected:
    // Opens `path` through the menu command, confirming the question with `answer`.
    void Open(const std::u16string& path, int answer = IDYES)
    {
        AutomationAnswerFileDialog(path);
        AutomationAnswerMessageBox(u"Confirm", answer);
        Command(IDM_AVAILABLE);
    }
};

const std::string kFirst = "\\My Documents\\First.puz";
const std::string kSecond = "\\My Documents\\Second.puz";

TEST_F(OpenFileTest, FirstUseWritesNoProgressFile)
{
    WritePuzzle(kSecond, LatticeGrid(7));
    Start();  // no puzzle in "\My Documents" but Second, which it opens
    gGame.puzzlePath[0] = 0;
    AutomationReset();
    Open(u"\\My Documents\\Second.puz");
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Second.puz");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\Second.dat"));
    ASSERT_FALSE(AutomationMessageBoxes().empty());
    EXPECT_EQ(AutomationMessageBoxes()[0].text, u"Do you want to load the puzzle Second.puz ?");
    EXPECT_EQ(AutomationMessageBoxes()[0].type, UINT(MB_YESNO));
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_EQ(AutomationFileDialogs()[0].title, u"Open File");
}

TEST_F(OpenFileTest, ProgressTravelsThroughTheDatFiles)
{
    WritePuzzle(kFirst, LatticeGrid(7));
    WritePuzzle(kSecond, LatticeGrid(11));
    Start();
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\First.puz");
    TapCell(0, 0);
    Key('Q');
    gGame.settings.backgroundColour = 0x00112233;
    SetMagnification(&gGame.settings, kMedium);
    const std::string firstEntries(gGame.entries, size_t(gGame.width * gGame.height));

    // Reopening the current puzzle keeps its letters, settings and cursor.
    Open(u"\\My Documents\\First.puz");
    EXPECT_EQ(std::string(gGame.entries, firstEntries.size()), firstEntries);
    EXPECT_EQ(gGame.settings.backgroundColour, 0x00112233u);
    EXPECT_EQ(MagnificationIndex(gGame.settings), kMedium);
    EXPECT_EQ(gGame.cursorRow, 1);  // the tap on the current square turned it down
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(gGame.direction, kDown);
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\First.dat"));

    // Another puzzle without progress starts empty; its own settings are whatever the
    // progress file of the puzzle left behind says, so leaving and coming back restores.
    Open(u"\\My Documents\\Second.puz");
    EXPECT_EQ(gGame.width, 11);
    EXPECT_EQ(std::string(gGame.entries, 11).find('Q'), std::string::npos);
    gGame.settings.backgroundColour = 0x00445566;
    Open(u"\\My Documents\\First.puz");
    EXPECT_EQ(gGame.width, 7);
    EXPECT_EQ(std::string(gGame.entries, firstEntries.size()), firstEntries);
    EXPECT_EQ(gGame.settings.backgroundColour, 0x00112233u);
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\Second.dat"));
}

TEST_F(OpenFileTest, ARefusedFileChangesNothingAndSaysSo)
{
    WritePuzzle(kFirst, LatticeGrid(7));
    WriteDeviceFile("\\My Documents\\Fennimoor\\Broken.puz", "not a puzzle at all");
    Start();
    TapCell(0, 0);
    Key('Q');
    const std::string entries(gGame.entries, 49);
    const Settings settings = gGame.settings;
    AutomationReset();
    Open(u"\\My Documents\\Fennimoor\\Broken.puz");
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\First.puz");
    EXPECT_EQ(std::string(gGame.entries, 49), entries);
    EXPECT_EQ(0, std::memcmp(&settings, &gGame.settings, sizeof settings));
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\First.dat"));
    ASSERT_EQ(AutomationMessageBoxes().size(), 2u);
    EXPECT_EQ(AutomationMessageBoxes()[1].caption, u"Open File");
    EXPECT_EQ(AutomationMessageBoxes()[1].text,
              u"This file could not be opened as a puzzle: it is not a crossword the game reads "
              u"(.puz, .ipuz, .jpz or .xd).");
    EXPECT_EQ(AutomationMessageBoxes()[1].type, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST_F(OpenFileTest, CancelOrNoChangesNothing)
{
    WritePuzzle(kFirst, LatticeGrid(7));
    WritePuzzle(kSecond, LatticeGrid(11));
    Start();
    AutomationCancelFileDialog();
    Command(IDM_OPEN);
    Open(u"\\My Documents\\Second.puz", IDNO);
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\First.puz");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\First.dat"));
}

// Leaving a puzzle whose letters cannot be written asks first: No keeps it with its letters,
// Yes opens the other one without them.
TEST_F(OpenFileTest, LeavingLettersThatCannotBeSavedAsksFirst)
{
    WritePuzzle(kFirst, LatticeGrid(7));
    WritePuzzle(kSecond, LatticeGrid(11));
    Start();
    for (AutomationFileStep step :
         {kFileStepCreate, kFileStepWrite, kFileStepFlush, kFileStepMove}) {
        SCOPED_TRACE(int(step));
        ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\First.puz");
        TapCell(0, 0);
        Key('Q');
        AutomationFailFileStep(step);
        AutomationReset();
        AutomationAnswerFileDialog(u"\\My Documents\\Second.puz");
        AutomationAnswerMessageBox(u"Confirm", IDYES);  // load it?
        AutomationAnswerMessageBox(u"Confirm", IDNO);   // and lose the letters?
        Command(IDM_AVAILABLE);
        EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\First.puz");
        EXPECT_EQ(gGame.entries[0], 'Q');
        ASSERT_EQ(AutomationMessageBoxes().size(), 2u);
        const MessageBoxRecord& asked = AutomationMessageBoxes()[1];
        EXPECT_EQ(asked.text.rfind(u"The letters of First.puz could not be saved: ", 0), 0u);
        EXPECT_TRUE(asked.text.ends_with(u"They will be lost. Open Second.puz anyway?"));
        EXPECT_EQ(asked.type, UINT(MB_YESNO | MB_ICONEXCLAMATION));

        AutomationAnswerMessageBox(u"Confirm", IDYES);
        Open(u"\\My Documents\\Second.puz");
        AutomationFailFileStep(kFileStepNone);
        EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Second.puz");
        Open(u"\\My Documents\\First.puz");
    }
}

TEST(ProgressPath, APuzKeepsItsDatAndEveryOtherNameItsOwnRecord)
{
    WCHAR path[MAX_PATH];
    ProgressPathOf(u"\\My Documents\\Fennimoor\\today.puz", path);
    EXPECT_EQ(std::u16string(path), u"\\My Documents\\Fennimoor\\today.dat");
    ProgressPathOf(u"\\My Documents\\TODAY.PUZ", path);
    EXPECT_EQ(std::u16string(path), u"\\My Documents\\TODAY.dat");
    // Cutting four characters off any name made "today.jpz" share "today.dat" with today.puz.
    ProgressPathOf(u"\\My Documents\\today.jpz", path);
    EXPECT_EQ(std::u16string(path), u"\\My Documents\\today.jpz.progress");
    ProgressPathOf(u"\\My Documents\\today.ipuz", path);
    EXPECT_EQ(std::u16string(path), u"\\My Documents\\today.ipuz.progress");
    ProgressPathOf(u"\\My Documents\\crossword", path);
    EXPECT_EQ(std::u16string(path), u"\\My Documents\\crossword.progress");
    // A name as long as a path may be still leaves room for the suffix.
    const std::u16string longest = u"\\" + std::u16string(MAX_PATH - 6, u'x') + u".xd";
    ProgressPathOf(longest.c_str(), path);
    EXPECT_EQ(lstrlenW(path), MAX_PATH - 1);
    EXPECT_EQ(std::u16string(path).substr(MAX_PATH - 10), u".progress");
}

}  // namespace
