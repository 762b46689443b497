// Puzzle files named when the game starts, and handed to the running game by a second start:
// the first that is a puzzle opens as with Open File (the puzzle left keeps its letters), one
// that is not is refused with Open File's message, and a hand-over waits for open dialogs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "automation.h"
#include "crossword_resources.h"
#include "device_seed.h"
#include "game_state.h"
#include "main_window.h"
#include "open_with.h"
#include "puzzle_image.h"
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

    // Runs the real program with `file` on the same device root, this game taking its messages
    // meanwhile; its exit status, or -1. Its standard error goes to `errors` when given.
    int RunSecondStart(const std::string& file, const std::string& errors = "/dev/null")
    {
        setenv("CROSSWORD_BACKEND", "headless", 1);
        const char* argv[] = {CROSSWORD_PROGRAM, file.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, CROSSWORD_PROGRAM, &actions, nullptr,
                                        const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            return -1;
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
            ADD_FAILURE() << "the second start is still running";
            return -1;
        }
        LetTimePass(20);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    EXPECT_EQ(AutomationMessageBoxes()[0].text, u"This file could not be opened as a puzzle: it is "
                                                u"not a crossword the game reads (.puz, .ipuz, "
                                                u".jpz or .xd).");
    EXPECT_EQ(std::string(StateFile().c_str()), "\\My Documents\\b.puz");
    // a.puz's letters went to its own progress file, as Open File leaves them.
    const std::string progress = ReadDeviceFile("\\My Documents\\a.dat");
    ASSERT_EQ(progress.size(), 4096u);
    EXPECT_EQ(RecordEntries(progress, 15 * 15).substr(0, 2), "K-");
}

// A file the game refuses changes nothing: a copy the start made for it ("+") is removed
// again, a file that was there before stays, and the game goes on with its last puzzle.
TEST_F(OpenWithTest, ARefusedFileChangesNothing)
{
    PlayFirstPuzzle();
    const std::string record = StateFile();
    WriteDeviceFile("\\My Documents\\copied.puz", "not a puzzle, copied in by this start");
    WriteDeviceFile("\\My Documents\\kept.puz", "not a puzzle, there before");
    AutomationCloseRequest();
    WCHAR line[] = u"+\"\\My Documents\\copied.puz\" \"\\My Documents\\kept.puz\"";
    EXPECT_EQ(WinMain(instance, nullptr, line, SW_SHOW), 0);
    window = nullptr;
    EXPECT_EQ(AutomationMessageBoxes().size(), 2u);
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\copied.puz"));
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\kept.puz"));
    EXPECT_EQ(StateFile().substr(0, 30), record.substr(0, 30));
    EXPECT_EQ(std::string(StateFile().c_str()), "\\My Documents\\a.puz");
}

// On a new device, a refused file named at the first start never keeps the starter puzzle
// from opening, nor becomes the last puzzle.
TEST_F(OpenWithTest, ARefusedFileOnANewDeviceLeavesTheStarterPuzzle)
{
    RegisterDeviceSeedFiles();
    PuzzleImage noRows = MakePuzzle({"ABC"});
    noRows.height = 0;
    WriteDeviceFile("\\My Documents\\h0.puz", Bytes(noRows));  // sorts before Welcome.puz
    AutomationCloseRequest();
    WCHAR line[] = u"+\"\\My Documents\\h0.puz\"";
    EXPECT_EQ(WinMain(instance, nullptr, line, SW_SHOW), 0);
    window = nullptr;
    EXPECT_EQ(std::string(StateFile().c_str()), "\\My Documents\\Welcome.puz");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\h0.puz"));
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

// Two hand-overs while a dialog is up: the later start's puzzle opens, and the earlier one's
// refused copy goes as if it had been opened and refused, instead of staying for Open File.
TEST_F(OpenWithTest, AHandOverReplacedWhileADialogIsUpLeavesNoRefusedCopy)
{
    PlayFirstPuzzle();
    Start();
    WriteDeviceFile("\\My Documents\\acrostic.ipuz",
                    R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/acrostic#1"]})");
    EnableWindow(window, FALSE);  // as while a dialog of the game is up
    const LRESULT refused = HandOver(u"+\"\\My Documents\\acrostic.ipuz\"");
    EXPECT_NE(refused, 0);
    EXPECT_NE(refused, TRUE);
    LetTimePass(500);
    EXPECT_EQ(HandOver(u"\"\\My Documents\\b.puz\""), TRUE);
    EnableWindow(window, TRUE);
    LetTimePass(300);
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\b.puz");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\acrostic.ipuz"));
    EXPECT_TRUE(AutomationMessageBoxes().empty());
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

    EXPECT_EQ(RunSecondStart(outside), 0);
    std::filesystem::remove(outside);

    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\open-with-c.puz");
    EXPECT_EQ(gGame.width, 7);
    EXPECT_EQ(ReadDeviceFile("\\My Documents\\open-with-c.puz"), ReadDeviceFile("\\Temp\\c.puz"));
    EXPECT_EQ(AutomationRaiseRequests(), 1);
}

// A second start whose file the running game refuses ends with 1 and says why; the running
// game says so too, and the copy the second start made is gone again.
TEST_F(OpenWithTest, ASecondStartWhoseFileIsRefusedEndsWithOneAndSaysWhy)
{
    PlayFirstPuzzle();
    Start();
    const std::string outside = testing::TempDir() + "open-with-damaged.puz";
    const std::string errors = testing::TempDir() + "open-with-damaged.err";
    {
        std::FILE* f = std::fopen(outside.c_str(), "wb");
        std::fputs("a text file named like a puzzle", f);
        std::fclose(f);
    }
    AutomationAnswerMessageBox(u"Open File", IDOK);
    EXPECT_EQ(RunSecondStart(outside, errors), 1);
    LetTimePass(300);
    std::ifstream told(errors);
    const std::string said((std::istreambuf_iterator<char>(told)), {});
    EXPECT_NE(
        said.find(
            "This file could not be opened as a puzzle: it is not a crossword the game reads"),
        std::string::npos)
        << said;
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    EXPECT_EQ(AutomationMessageBoxes()[0].caption, u"Open File");
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\open-with-damaged.puz"));
    std::filesystem::remove(outside);
    std::filesystem::remove(errors);
}

}  // namespace
