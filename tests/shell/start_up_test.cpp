// Start-up, single instance and every way out of the game, with the state file they leave.
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>

#include "automation.h"
#include "crossword_resources.h"
#include "device_seed.h"
#include "display_state.h"
#include "game_state.h"
#include "main_window.h"
#include "play_time.h"
#include "resource_ids.h"
#include "shell_fixture.h"
#include "shell_state.h"

namespace {

constexpr int kSquares = 15 * 15;

// Each step of a write storage may refuse, with the label and the code a failed write shows.
struct FailedStep {
    AutomationFileStep step;
    const char16_t* shown;
};
constexpr FailedStep kFailedSteps[] = {
    {kFileStepCreate, u"CreateFile Error: 5"},
    {kFileStepWrite, u"WriteFile Error: 70"},
    {kFileStepFlush, u"FlushFileBuffers Error: 1d"},
    {kFileStepMove, u"MoveFile Error: 5"},
};

class StartUpTest : public ShellTest {
  protected:
    // A second run of the program on the same device: the process's memory starts afresh,
    // the device's files stay.
    void Restart()
    {
        AutomationResetDevice();
        ResetGameState();
        gDisplay = {};
        gShell = {};
        instance = RegisterCrosswordResources();
    }

    // Types `letters` at the cursor and leaves with Exit.
    void TypeAndExit(const char* letters)
    {
        for (const char* p = letters; *p; ++p)
            Key(UINT(*p));
        PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_EQ(RunMessageLoop(instance), 0);
        window = nullptr;
    }

    // Opens `path` with Open File, answering the dialog and its question.
    void OpenWithDialog(const std::u16string& path)
    {
        AutomationAnswerFileDialog(path);
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        Command(IDM_OPEN);
    }

    void Wait(int ms)
    {
        AutomationAdvance(uint32_t(ms));
        Idle();
    }

    void ExitNow()
    {
        PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
        EXPECT_EQ(RunMessageLoop(instance), 0);
        window = nullptr;
    }
};

TEST_F(StartUpTest, WithoutStateFileTheFirstDocumentsPuzzleOpensEmpty)
{
    WritePuzzle("\\My Documents\\b.puz", LatticeGrid(21));
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    ASSERT_EQ(gGame.width, 15);
    for (int i = 0; i < kSquares; ++i)
        ASSERT_EQ(gGame.entries[i], (i / 15) % 4 == 3 && (i % 15) % 4 == 3 ? '.' : '-') << i;
    // First-run settings, and the menus say so.
    EXPECT_EQ(MagnificationIndex(gGame.settings), kSmall);
    EXPECT_TRUE(Checked(IDM_ZOOM_MENU, IDM_SMALL));
    EXPECT_FALSE(Checked(IDM_ZOOM_MENU, IDM_MEDIUM));
    EXPECT_FALSE(Checked(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP));
    EXPECT_EQ(std::u16string(gGame.programFolder), u"\\Program Files\\Crossword\\");
    EXPECT_TRUE(DeviceFileExists("\\My Documents\\Fennimoor"));
    EXPECT_TRUE(AutomationMessageBoxes().empty());
    // Small 15 x 15: 16-pixel squares from the left edge, the window under the navigation bar.
    EXPECT_EQ(gGame.cellSize, 16);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 268);
    EXPECT_EQ(Pixel(16, 8), Colour{kBlackInk});     // the line between columns 0 and 1
    EXPECT_EQ(Pixel(56, 56), Colour{kBlackInk});    // black square (3, 3)
    EXPECT_EQ(Pixel(40, 40), Colour{kWhitePaper});  // open square (2, 2)
}

TEST_F(StartUpTest, TheStateFileBringsBackPuzzleEntriesAndSettings)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    Command(IDM_AUTO_SKIP);
    Command(IDM_MEDIUM);
    TypeAndExit("XY");

    Restart();
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\a.puz");
    EXPECT_EQ(gGame.entries[0], 'X');
    EXPECT_EQ(gGame.entries[1], 'Y');
    EXPECT_EQ(MagnificationIndex(gGame.settings), kMedium);
    EXPECT_EQ(gGame.settings.autoSkip, 1);
    EXPECT_TRUE(Checked(IDM_ZOOM_MENU, IDM_MEDIUM));
    EXPECT_TRUE(Checked(IDM_MAIN_MENU_BUTTON, IDM_AUTO_SKIP));
    EXPECT_EQ(gGame.cellSize, 20);
}

TEST_F(StartUpTest, ADeletedPuzzleFallsBackWithTheSettingsKeptAndEntriesEmpty)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    Command(IDM_LARGE);
    Command(IDM_NUMBERS);
    TypeAndExit("QQQ");

    RemoveDeviceFile("\\My Documents\\a.puz");
    WritePuzzle("\\My Documents\\c.puz", LatticeGrid(15));
    Restart();
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\c.puz");
    EXPECT_EQ(MagnificationIndex(gGame.settings), kLarge);
    EXPECT_EQ(gGame.settings.showNumbers, 1);
    EXPECT_EQ(gGame.entries[0], '-');
    EXPECT_EQ(gGame.entries[1], '-');
    EXPECT_TRUE(AutomationMessageBoxes().empty());
}

// The last puzzle is away for one run that plays another: when it is back, Open File finds
// its letters, whether its folder stayed (they wait in its own progress file) or went too
// (they wait in the program folder).
TEST_F(StartUpTest, APuzzleAwayForOneRunGetsItsLettersBack)
{
    for (const std::string folder : {"\\My Documents", "\\My Documents\\Pack"}) {
        SCOPED_TRACE(folder);
        const std::string puzzle = folder + "\\a.puz";
        const std::u16string puzzle16(puzzle.begin(), puzzle.end());
        WritePuzzle(puzzle, LatticeGrid(15));
        WritePuzzle("\\My Documents\\c.puz", LatticeGrid(15));
        Restart();
        Start();
        OpenWithDialog(puzzle16);
        TypeAndExit("HELP");

        // The exit wrote the puzzle's own record too; the state file's is the one kept.
        RemoveDeviceFile(puzzle);
        RemoveDeviceFile(folder + "\\a.dat");
        RemoveDeviceFile("\\My Documents\\Pack");
        Restart();
        Start();
        EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\c.puz");
        TypeAndExit("X");

        WritePuzzle(puzzle, LatticeGrid(15));
        Restart();
        Start();
        EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\c.puz");
        OpenWithDialog(puzzle16);
        EXPECT_EQ(std::string(gGame.entries, 4), "HELP");
        // The fallback puzzle kept what was typed in it, too.
        OpenWithDialog(u"\\My Documents\\c.puz");
        EXPECT_EQ(gGame.entries[0], 'X');
        ExitNow();
        EXPECT_FALSE(DeviceFileExists("\\Program Files\\Crossword\\crosswordkept.dat"));
        for (const std::string& file :
             {puzzle, folder + "\\a.dat", std::string("\\My Documents\\c.dat"),
              std::string("\\Program Files\\Crossword\\crossword.dat")})
            RemoveDeviceFile(file);
    }
}

// An exit whose letters cannot be written asks first: No keeps the game running with them,
// Yes leaves without them.
TEST_F(StartUpTest, AnExitThatCannotSaveAsksFirst)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    for (const FailedStep& failed : kFailedSteps) {
        SCOPED_TRACE(int(failed.step));
        Restart();
        Start();
        Key('Q');
        AutomationFailFileStep(failed.step);
        AutomationReset();
        AutomationAnswerMessageBox(u"Crossword", IDNO);
        SendMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(IsWindow(window));
        ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
        EXPECT_EQ(AutomationMessageBoxes()[0].text.rfind(u"Your letters could not be saved: ", 0),
                  0u);
        EXPECT_TRUE(AutomationMessageBoxes()[0].text.ends_with(u"Quit anyway?"));
        EXPECT_EQ(AutomationMessageBoxes()[0].type, UINT(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_EQ(gGame.entries[0], 'Q');
        AutomationAnswerMessageBox(u"Crossword", IDYES);
        ExitNow();
        EXPECT_EQ(AutomationMessageBoxes().size(), 2u);
        RemoveDeviceFile("\\Program Files\\Crossword\\crossword.dat");
        RemoveDeviceFile("\\My Documents\\a.dat");
    }
}

// The letters of a puzzle away at the start, which the start keeps for its return, are told
// when they cannot be written.
TEST_F(StartUpTest, KeptLettersThatCannotBeWrittenAreTold)
{
    for (const FailedStep& failed : kFailedSteps) {
        SCOPED_TRACE(int(failed.step));
        WritePuzzle("\\My Documents\\Pack\\a.puz", LatticeGrid(15));
        WritePuzzle("\\My Documents\\c.puz", LatticeGrid(15));
        Restart();
        Start();
        OpenWithDialog(u"\\My Documents\\Pack\\a.puz");
        TypeAndExit("HELP");
        RemoveDeviceFile("\\My Documents\\Pack\\a.puz");
        RemoveDeviceFile("\\My Documents\\Pack\\a.dat");
        RemoveDeviceFile("\\My Documents\\Pack");

        Restart();
        AutomationFailFileStep(failed.step);
        AutomationAnswerMessageBox(u"Error", IDOK);
        Start();
        AutomationFailFileStep(kFileStepNone);
        std::u16string told;
        for (const MessageBoxRecord& box : AutomationMessageBoxes())
            if (box.caption == u"Error")
                told = box.text;
        EXPECT_EQ(told, std::u16string(u"The letters of \\My Documents\\Pack\\a.puz could not be "
                                       u"saved. ") +
                            failed.shown);
        EXPECT_FALSE(DeviceFileExists("\\Program Files\\Crossword\\crosswordkept.dat"));
        ExitNow();
        RemoveDeviceFile("\\Program Files\\Crossword\\crossword.dat");
    }
}

// With nothing to open, the record of the last run leaves as it came, whatever its size.
TEST_F(StartUpTest, WithNothingToOpenTheRecordSurvivesWhole)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(21));
    Start();
    TypeAndExit("HELP");
    const std::string before = StateFile();
    RemoveDeviceFile("\\My Documents\\a.puz");
    Restart();
    Start();
    ExitNow();
    EXPECT_EQ(StateFile(), before);
}

// With no puzzle shown the clock stands still: the time of the puzzle that could not be read
// comes back as it was when that puzzle returns.
TEST_F(StartUpTest, WithNothingToOpenTheClockStandsStill)
{
    const std::string puzzle = "\\My Documents\\a.puz";
    WritePuzzle(puzzle, LatticeGrid(15));
    const std::string file = ReadDeviceFile(puzzle);
    Start();
    Wait(2000);
    TypeAndExit("AB");
    RemoveDeviceFile(puzzle);
    Restart();
    Start();
    Wait(4000);
    EXPECT_EQ(GetWindowTextLengthW(window), 9);  // "Crossword", no time
    ExitNow();
    WriteDeviceFile(puzzle, file);
    Restart();
    Start();
    EXPECT_EQ(ClockSeconds(), 2);
    EXPECT_EQ(std::string(gGame.entries, 2), "AB");
}

// A name the ANSI code page cannot hold still brings its puzzle back at the next start.
TEST_F(StartUpTest, APuzzleNamedOutsideTheCodePageComesBack)
{
    WritePuzzle("\\My Documents\\Zo\xC3\xAB \xC5\xBCuraw.puz", LatticeGrid(15));
    Start();
    TypeAndExit("ZU");
    Restart();
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Zo\u00EB \u017Curaw.puz");
    EXPECT_EQ(std::string(gGame.entries, 2), "ZU");
}

TEST_F(StartUpTest, WithNoPuzzleAtAllTheWindowOpensAfterOneMessage)
{
    Start();
    ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
    const MessageBoxRecord& box = AutomationMessageBoxes()[0];
    EXPECT_EQ(box.caption, u"Choose File");
    EXPECT_EQ(box.text, u"Please choose a puzzle file from the Available Puzzles option.");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.type, UINT(MB_OK));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(gGame.puzzlePath[0], 0);

    // Leaving still writes a state file.
    PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(RunMessageLoop(instance), 0);
    window = nullptr;
    const std::string record = StateFile();
    ASSERT_EQ(record.size(), 4096u);
    EXPECT_EQ(record[0], '\0');  // no puzzle path
}

TEST_F(StartUpTest, ANewDeviceStartsWithTheStarterPuzzle)
{
    RegisterDeviceSeedFiles();
    Start();
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Welcome.puz");
    EXPECT_EQ(gGame.width, 15);
    EXPECT_EQ(gGame.height, 15);
    EXPECT_GT(gGame.clueCount, 60);
    EXPECT_TRUE(AutomationMessageBoxes().empty());
}

TEST_F(StartUpTest, ASecondCopyRaisesTheFirstAndEnds)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    const HWND first = window;
    EXPECT_EQ(CreateMainWindow(instance, SW_SHOW), 0);
    EXPECT_EQ(gShell.mainWindow, first);
    EXPECT_EQ(FindWindowW(u"Crossword", nullptr), first);
    EXPECT_EQ(GetForegroundWindow(), first);
}

TEST_F(StartUpTest, ASecondProcessRaisesTheRunningGameAndEndsWithZero)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    const int raised = AutomationRaiseRequests();
    // The real program on the same device root, as a second start by the user.
    const int status = std::system("CROSSWORD_BACKEND=headless '" CROSSWORD_PROGRAM "'");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    Idle();
    EXPECT_EQ(AutomationRaiseRequests(), raised + 1);
    EXPECT_FALSE(DeviceFileExists("\\Program Files\\Crossword\\crossword.dat"));
}

// Every way out writes the state file with the puzzle and what was typed.
enum class WayOut { kExit, kCtrlQ, kCtrlDown, kMinimise, kWindowClose, kTerminate };

class WayOutTest : public StartUpTest, public testing::WithParamInterface<WayOut> {};

TEST_P(WayOutTest, LeavesTheStateFile)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    Key('K');
    ASSERT_FALSE(DeviceFileExists("\\Program Files\\Crossword\\crossword.dat"));

    switch (GetParam()) {
    case WayOut::kExit: PostMessageW(window, WM_COMMAND, IDM_EXIT, 0); break;
    case WayOut::kCtrlQ: CtrlKey('Q'); break;
    case WayOut::kCtrlDown: CtrlKey(VK_DOWN); break;
    case WayOut::kMinimise: AutomationMinimise(); break;
    case WayOut::kWindowClose: AutomationCloseRequest(); break;
    case WayOut::kTerminate:
        AutomationCatchTerminationSignals(true);
        std::raise(SIGTERM);
        break;
    }
    EXPECT_EQ(RunMessageLoop(instance), 0);
    EXPECT_FALSE(IsWindow(window));
    window = nullptr;

    const std::string record = StateFile();
    ASSERT_EQ(record.size(), 4096u);
    EXPECT_EQ(record.substr(0, 20), std::string("\\My Documents\\a.puz") + '\0');
    const std::string entries = RecordEntries(record, kSquares);
    EXPECT_EQ(entries.substr(0, 4), "K---");
    EXPECT_EQ(entries[3 * 15 + 3], '.');
}

INSTANTIATE_TEST_SUITE_P(Shell, WayOutTest,
                         testing::Values(WayOut::kExit, WayOut::kCtrlQ, WayOut::kCtrlDown,
                                         WayOut::kMinimise, WayOut::kWindowClose,
                                         WayOut::kTerminate));

TEST_F(StartUpTest, CtrlAIsLeftAlone)
{
    WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
    Start();
    Key('B');
    CtrlKey('A');
    CtrlKey('Q');
    EXPECT_EQ(RunMessageLoop(instance), 0);
    window = nullptr;
    // Ctrl+A neither typed an A nor changed anything else.
    const std::string entries = RecordEntries(StateFile(), kSquares);
    EXPECT_EQ(entries.substr(0, 3), "B--");
}

}  // namespace
