// Puzzle files named when the game starts, and handed to the running game by a second start:
// the first that is a puzzle opens as with Open File (the puzzle left keeps its letters), one
// that is not is refused with Open File's message, and a hand-over waits for open dialogs.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "automation.h"
#include "crossword_resources.h"
#include "game_state.h"
#include "main_window.h"
#include "open_with.h"
#include "resource_ids.h"
#include "shell_fixture.h"
#include "shell_state.h"

extern char** environ;

namespace {

class OpenWithTest : public ShellTest {
  protected:
    // Plays a.puz, types K on its first square and leaves; the state file names a.puz.
    void PlayFirstPuzzle()
    {
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15), "Puzzle A");
        WritePuzzle("\\My Documents\\b.puz", OpenGrid(5, 5), "Puzzle B");
        Start();
        Key('K');
        PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_EQ(RunMessageLoop(instance), 0);
        AutomationResetDevice();
        ResetGameState();
        gShell = {};
        instance = RegisterCrosswordResources();
    }

    // Hands `line` to the main window as a second start's WM_COPYDATA would.
    LRESULT HandOver(const std::u16string& line, ULONG_PTR kind = kFilesToOpen)
    {
        COPYDATASTRUCT data = {kind, DWORD((line.size() + 1) * sizeof(char16_t)),
                               const_cast<char16_t*>(line.c_str())};
        return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }

    void LetTimePass(DWORD ms)
    {
        AutomationAdvance(ms);
        Idle();
    }
};

TEST_F(OpenWithTest, TheFirstPuzzleOfTheCommandLineOpensAndThePuzzleLeftKeepsItsLetters)
{
    PlayFirstPuzzle();
    WriteDeviceFile("\\My Documents\\notes.txt", "not a puzzle");
    AutomationAnswerMessageBox(u"Open File", IDOK);
    AutomationCloseRequest();
    WCHAR line[] = u"\"\\My Documents\\notes.txt\" \"\\My Documents\\b.puz\" "
                   u"\"\\My Documents\\a.puz\"";
    EXPECT_EQ(WinMain(instance, nullptr, line, SW_SHOW), 0);
    window = nullptr;

    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].text, u"This file could not be opened as a puzzle.");
    EXPECT_EQ(std::string(StateFile().c_str()), "\\My Documents\\b.puz");
    // a.puz's letters went to its own progress file, as Open File leaves them.
    const std::string progress = ReadDeviceFile("\\My Documents\\a.dat");
    ASSERT_EQ(progress.size(), 4096u);
    EXPECT_EQ(RecordEntries(progress, 15 * 15).substr(0, 2), "K-");
}

TEST_F(OpenWithTest, AHandOverOpensThePuzzleOnceNoDialogIsOpen)
{
    PlayFirstPuzzle();
    Start();
    ASSERT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    EXPECT_EQ(HandOver(u"\"\\My Documents\\b.puz\"", kFilesToOpen + 1), FALSE);
    EXPECT_EQ(HandOver(u"\"\\My Documents\\b.puz\""), TRUE);
    EnableWindow(window, FALSE);  // as while a dialog of the game is up
    LetTimePass(2000);
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    EnableWindow(window, TRUE);
    LetTimePass(300);
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\b.puz");
    EXPECT_EQ(gGame.width, 5);
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(Pixel(CellCentreOnScreen(0, 0).x, CellCentreOnScreen(0, 0).y), Colour{kOrange});
    EXPECT_TRUE(AutomationMessageBoxes().empty());
    // The new puzzle's own time at once, not a.puz's until the next tick.
    WCHAR title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_EQ(std::u16string(title), u"Crossword 0:00");
}

TEST_F(OpenWithTest, ASecondStartHandsItsFileToTheRunningGameAndEndsWithZero)
{
    PlayFirstPuzzle();
    Start();
    // The running copy is found by its class whatever its title says.
    SetWindowTextW(window, u"Crossword 12:34");
    // The file lives outside the device, as a download would.
    const std::string outside = testing::TempDir() + "open-with-c.puz";
    WritePuzzle("\\Temp\\c.puz", OpenGrid(7, 7), "Puzzle C");
    std::filesystem::copy_file(HostPathOf("\\Temp\\c.puz"), outside,
                               std::filesystem::copy_options::overwrite_existing);

    // The real program on the same device root, while this game keeps taking its messages.
    setenv("CROSSWORD_BACKEND", "headless", 1);
    const char* argv[] = {CROSSWORD_PROGRAM, outside.c_str(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(
        posix_spawn(&pid, CROSSWORD_PROGRAM, nullptr, nullptr, const_cast<char**>(argv), environ),
        0);
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 1000 && !ended; ++i) {
        LetTimePass(20);
        usleep(5000);
        ended = waitpid(pid, &status, WNOHANG);
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(ended) << "the second start is still running";
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    LetTimePass(20);
    std::filesystem::remove(outside);

    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\open-with-c.puz");
    EXPECT_EQ(gGame.width, 7);
    EXPECT_EQ(ReadDeviceFile("\\My Documents\\open-with-c.puz"), ReadDeviceFile("\\Temp\\c.puz"));
    EXPECT_EQ(AutomationRaiseRequests(), 1);
}

}  // namespace
