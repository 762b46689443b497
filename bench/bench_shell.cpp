// The game's start on the headless device: from CreateMainWindow (state file, puzzle file,
// menu bar, layout) to the first frame on the screen, with the starter puzzle and with a
// state file that brings it back filled in, in Large. Target: under 50 ms.
#include <cstdlib>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "auto_save.h"
#include "automation.h"
#include "device_seed.h"
#include "game_process.h"
#include "game_state.h"
#include "main_window.h"
#include "shell_state.h"
#include "windows.h"

namespace {

// A fresh process's memory on the same device; the files stay. The files a new device
// starts with are registered, as the game's main does.
HINSTANCE FreshProgram()
{
    HINSTANCE instance = FreshGameProcess();
    RegisterDeviceSeedFiles();
    return instance;
}

// Starts the game and runs it until the first frame has been presented. Every start here
// opens a puzzle; one without would time an empty window. False, with the run marked
// failed, when the game did not start so.
bool StartToFirstFrame(benchmark::State& state, HINSTANCE instance)
{
    const int frames = AutomationPresentCount();
    if (!CreateMainWindow(instance, SW_SHOW) || !AutomationRunUntilIdle() ||
        AutomationPresentCount() == frames) {
        state.SkipWithError("the game did not start");
        return false;
    }
    if (!gGame.puzzlePath[0]) {
        state.SkipWithError("the game started without a puzzle");
        return false;
    }
    return true;
}

// Leaves the game as the user does, writing the state file.
void Leave()
{
    SendMessageW(gShell.mainWindow, WM_CLOSE, 0, 0);
}

// One auto-save with something to write: the record built and written whole to the puzzle's
// own progress file and to the state file, each a temporary file flushed, renamed and its
// folder flushed. A square changes between saves, so none is skipped as already written.
void BM_AutoSave(benchmark::State& state)
{
    HINSTANCE instance = FreshProgram();
    if (!StartToFirstFrame(state, instance))
        return;
    int square = 0;
    while (gGame.solution[square] == '.')
        ++square;
    char letter = 'A';
    for (auto _ : state) {
        gGame.entries[square] = letter;
        letter = letter == 'A' ? 'B' : 'A';
        OnAutoSaveTimer(gShell.mainWindow);
    }
    Leave();
}

void BM_StartUpStarterPuzzle(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        HINSTANCE instance = FreshProgram();
        state.ResumeTiming();
        if (!StartToFirstFrame(state, instance))
            break;
        state.PauseTiming();
        DestroyWindow(gShell.mainWindow);  // no state file: every start is a first start
        std::filesystem::remove(std::filesystem::path(std::getenv("CROSSWORD_DEVICE_ROOT")) /
                                "Program Files/Crossword/crossword.dat");
        state.ResumeTiming();
    }
}

void BM_StartUpRestoringLarge(benchmark::State& state)
{
    // One run that leaves a state file naming the puzzle, in Large, every square filled.
    HINSTANCE instance = FreshProgram();
    if (!StartToFirstFrame(state, instance))
        return;
    SendMessageW(gShell.mainWindow, WM_COMMAND, 40068, 0);  // Large
    SendMessageW(gShell.mainWindow, WM_COMMAND, 40096, 0);  // Fill > Puzzle
    Leave();
    for (auto _ : state) {
        state.PauseTiming();
        instance = FreshProgram();
        state.ResumeTiming();
        if (!StartToFirstFrame(state, instance))
            break;
        state.PauseTiming();
        Leave();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_AutoSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpStarterPuzzle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRestoringLarge)->Unit(benchmark::kMillisecond);

}  // namespace
