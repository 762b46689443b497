// Auto-save: what was typed is on disk, in the puzzle's own progress file and in the state
// file the next start reads, half a second after the change and before any exit, the clock's
// time at its tick; an opening makes the new puzzle the one the next start finds at once.
#include <sys/time.h>

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "automation.h"
#include "game_state.h"
#include "play_time.h"
#include "progress_file.h"
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

    // Lets virtual time pass in steps of 10 ms until the clock has just counted a second, so
    // that the next one is a whole second away.
    void WaitForATick()
    {
        const int seconds = ClockSeconds();
        for (int step = 0; step < 200 && ClockSeconds() == seconds; ++step)
            Wait(10);
        ASSERT_NE(ClockSeconds(), seconds) << "the clock does not run";
    }

    // The record the game would write now, as the state file holds it.
    static std::string RecordNow()
    {
        std::string record(size_t(kProgressRecordSize), '\0');
        BuildProgressRecord(reinterpret_cast<unsigned char*>(record.data()));
        return record;
    }
};

TEST_F(AutoSaveTest, LettersReachBothRecordsWithinASecondWithoutAnExit)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(5));
    Start();
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    for (char c : std::string("XYZ"))
        Key(UINT(c));
    Wait(500);
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

// Half a second after a key, with the clock's next second still far, its letter is on disk;
// the key itself wrote nothing, so typing stays as fast as without the save.
TEST_F(AutoSaveTest, ALetterIsOnDiskHalfASecondAfterItsKeyAndNotInsideIt)
{
    WritePuzzle("\\My Documents\\a.puz", OpenGrid(15, 15));
    Start();
    WaitForATick();
    const std::string before = StateFile();
    Key('Q');
    EXPECT_EQ(StateFile(), before);
    Wait(500);
    EXPECT_EQ(RecordEntries(StateFile(), 225)[0], 'Q');
    EXPECT_EQ(RecordEntries(ReadDeviceFile("\\My Documents\\a.dat"), 225)[0], 'Q');
}

// The clock changes the record every second it runs: each second is on disk at its tick, so
// a death loses at most the second under way.
TEST_F(AutoSaveTest, EachSecondOfTheClockIsOnDiskAtItsTick)
{
    WritePuzzle("\\My Documents\\a.puz", OpenGrid(15, 15));
    Start();
    for (int second = 0; second < 3; ++second) {
        WaitForATick();
        EXPECT_EQ(StateFile(), RecordNow()) << "after " << ClockSeconds() << " s";
    }
}

// Keys ten a second for three seconds: at every moment each letter typed half a second ago is
// on disk, and the letters cost at most one write between two seconds of the clock, so no
// more than two writes a second in all. A write is seen by the state file coming back after
// the test removed it.
TEST_F(AutoSaveTest, ARunOfKeysIsWrittenEveryHalfSecondNotAtEveryKey)
{
    WritePuzzle("\\My Documents\\a.puz", OpenGrid(15, 15));
    Start();
    WaitForATick();
    RemoveDeviceFile("\\Program Files\\Crossword\\crossword.dat");
    std::vector<std::pair<int, std::string>> typed;  // virtual ms, entries after the key
    std::string onDisk;
    int writes = 0;
    for (int ms = 0; ms < 3000; ms += 10) {
        if (ms % 100 == 0) {
            Key(UINT('A' + ms / 100 % 26));
            typed.emplace_back(ms, std::string(gGame.entries, 225));
        }
        Wait(10);
        if (DeviceFileExists("\\Program Files\\Crossword\\crossword.dat")) {
            ++writes;
            onDisk = RecordEntries(StateFile(), 225);
            RemoveDeviceFile("\\Program Files\\Crossword\\crossword.dat");
        }
        // The entries on disk are those after a key of the last half second, or after the
        // last key before it.
        size_t oldest = 0;
        while (oldest + 1 < typed.size() && typed[oldest + 1].first <= ms + 10 - 500)
            ++oldest;
        if (ms + 10 < 500)
            continue;
        bool fresh = false;
        for (size_t k = oldest; k < typed.size(); ++k)
            fresh = fresh || typed[k].second == onDisk;
        ASSERT_TRUE(fresh) << "at " << ms + 10 << " ms the disk holds the letters of an older key";
    }
    EXPECT_LE(writes, 7);
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
