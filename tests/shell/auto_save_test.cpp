// Auto-save: what was typed is on disk, in the puzzle's own progress file and in the state
// file the next start reads, a second after the change and before any exit; an opening makes
// the new puzzle the one the next start finds at once.
#include <sys/time.h>

#include <ctime>
#include <string>

#include "automation.h"
#include "game_state.h"
#include "resource_ids.h"
#include "shell_fixture.h"

namespace {

class AutoSaveTest : public ShellTest {
  protected:
    void Wait(int ms)
    {
        AutomationAdvance(uint32_t(ms));
        Idle();
    }
};

TEST_F(AutoSaveTest, LettersReachBothRecordsWithinASecondWithoutAnExit)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(5));
    Start();
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    for (char c : std::string("XYZ"))
        Key(UINT(c));
    Wait(1000);
    EXPECT_EQ(RecordEntries(StateFile(), 25).substr(0, 3), "XYZ");
    EXPECT_EQ(RecordEntries(ReadDeviceFile("\\My Documents\\a.dat"), 25).substr(0, 3), "XYZ");

    // With the clock paused nothing changes, and nothing is written: a record removed stays
    // removed.
    AutomationTap(120, 13);  // the title: pause
    Idle();
    Wait(1000);
    RemoveDeviceFile("\\My Documents\\a.dat");
    Wait(3000);
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\a.dat"));
}

// A failed save is told once with its reason, whichever step of the write storage refused;
// the letters stay, and the next change after the device writes again puts them on disk.
TEST_F(AutoSaveTest, AFailedSaveIsToldOnceAndTriedAgainAtTheNextChange)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    Wait(1000);
    const char* letters = "ABCDEFGHIJKL";
    int typed = 0;
    for (AutomationFileStep step :
         {kFileStepCreate, kFileStepWrite, kFileStepFlush, kFileStepMove}) {
        SCOPED_TRACE(int(step));
        const size_t before = AutomationMessageBoxes().size();
        AutomationFailFileStep(step);
        AutomationAnswerMessageBox(u"Crossword", IDOK);
        Key(UINT(letters[typed++]));
        Wait(1000);
        ASSERT_EQ(AutomationMessageBoxes().size(), before + 1);
        EXPECT_EQ(
            AutomationMessageBoxes().back().text.rfind(u"Your letters could not be saved: ", 0),
            0u);
        Key(UINT(letters[typed++]));
        Wait(1000);
        EXPECT_EQ(AutomationMessageBoxes().size(), before + 1);

        AutomationFailFileStep(kFileStepNone);
        Key(UINT(letters[typed++]));
        Wait(1000);
        EXPECT_EQ(RecordEntries(StateFile(), 225).substr(0, size_t(typed)),
                  std::string(letters, size_t(typed)));
        EXPECT_EQ(
            RecordEntries(ReadDeviceFile("\\My Documents\\a.dat"), 225).substr(0, size_t(typed)),
            std::string(letters, size_t(typed)));
    }
}

// The temporary files of writes a death cut short are gone after the next start: the game's
// own at once, however young; one of the shared name that a writer may still be at (written
// to a moment ago, beside the puzzles) is left alone.
TEST_F(AutoSaveTest, AStartRemovesTheTemporaryFilesOfDeadWriters)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(5));
    const std::string own = "\\Program Files\\Crossword\\~bs41.tmp";
    const std::string old = "\\My Documents\\~bs42.tmp";
    const std::string fresh = "\\My Documents\\~bs43.tmp";
    const std::string game = "\\My Documents\\~cw46.tmp";
    for (const std::string& f : {own, old, fresh, game})
        WriteDeviceFile(f, "half a record");
    const timeval aMinuteAgo[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimes(HostPathOf(old).c_str(), aMinuteAgo), 0);
    WriteDeviceFile("\\My Documents\\~bs44.txt", "the user's own");
    Start();
    EXPECT_FALSE(DeviceFileExists(own));
    EXPECT_FALSE(DeviceFileExists(old));
    EXPECT_FALSE(DeviceFileExists(game));
    EXPECT_TRUE(DeviceFileExists(fresh));
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\~bs44.txt"));
}

// A puzzle in a folder of its own keeps its progress file there: a death while writing it
// leaves the temporary file there, which the next start removes.
TEST_F(AutoSaveTest, AStartRemovesTheTemporaryFileBesideTheLastPuzzle)
{
    WritePuzzle("\\My Documents\\Pack\\a.puz", LatticeGrid(5));
    AutomationAnswerFileDialog(u"\\My Documents\\Pack\\a.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Start();
    Command(IDM_OPEN);
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Pack\\a.puz");
    DestroyWindow(window);
    window = nullptr;
    const std::string left = "\\My Documents\\Pack\\~bs45.tmp";
    WriteDeviceFile(left, "half a record");
    const timeval aMinuteAgo[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimes(HostPathOf(left).c_str(), aMinuteAgo), 0);
    AutomationResetDevice();
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Pack\\a.puz");
    EXPECT_FALSE(DeviceFileExists(left));
}

TEST_F(AutoSaveTest, AnOpenedPuzzleIsWhatTheNextStartFindsAtOnce)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(5));
    WritePuzzle("\\My Documents\\b.puz", LatticeGrid(7));
    Start();
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    AutomationAnswerFileDialog(u"\\My Documents\\b.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Command(IDM_OPEN);
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\b.puz");
    EXPECT_EQ(StateFile().substr(0, 20), std::string("\\My Documents\\b.puz") + '\0');
    // The opened puzzle's own progress file waits for its first change.
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\b.dat"));
}

}  // namespace
