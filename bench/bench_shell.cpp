// The game's start on the headless device: from CreateMainWindow (state file, puzzle file,
// menu bar, layout) to the first frame on the screen, with the starter puzzle and with a
// state file that brings it back filled in, in Large. Target: under 50 ms.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "automation.h"
#include "crossword_resources.h"
#include "device.h"
#include "device_seed.h"
#include "display_state.h"
#include "game_state.h"
#include "layout.h"
#include "main_window.h"
#include "shell_state.h"
#include "windows.h"

namespace {

// A fresh process's memory on the same device; the files stay.
HINSTANCE FreshProgram()
{
    AutomationResetDevice();
    DestroyBackBuffer();
    DestroyGridFonts();
    ResetGameState();
    gDisplay = {};
    gShell = {};
    DeviceSetModuleFileName(CrosswordModulePath());
    return RegisterCrosswordResources();
}

// Starts the game and runs it until the first frame has been presented.
void StartToFirstFrame(benchmark::State& state, HINSTANCE instance)
{
    const int frames = AutomationPresentCount();
    if (!CreateMainWindow(instance, SW_SHOW) || !AutomationRunUntilIdle() ||
        AutomationPresentCount() == frames)
        state.SkipWithError("the game did not start");
}

// Leaves the game as the user does, writing the state file.
void Leave()
{
    SendMessageW(gShell.mainWindow, WM_CLOSE, 0, 0);
}

void BM_StartUpStarterPuzzle(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        HINSTANCE instance = FreshProgram();
        state.ResumeTiming();
        StartToFirstFrame(state, instance);
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
    StartToFirstFrame(state, instance);
    SendMessageW(gShell.mainWindow, WM_COMMAND, 40068, 0);  // Large
    SendMessageW(gShell.mainWindow, WM_COMMAND, 40096, 0);  // Fill > Puzzle
    Leave();
    for (auto _ : state) {
        state.PauseTiming();
        instance = FreshProgram();
        state.ResumeTiming();
        StartToFirstFrame(state, instance);
        state.PauseTiming();
        Leave();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_StartUpStarterPuzzle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRestoringLarge)->Unit(benchmark::kMillisecond);

}  // namespace

// The device lives in a temporary root under the headless backend, as in the tests; the root
// starts with the game's starter puzzle.
int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::string root = (fs::temp_directory_path() / "crossword-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        return 2;
    setenv("CROSSWORD_DEVICE_ROOT", root.c_str(), 1);
    setenv("CROSSWORD_BACKEND", "headless", 1);
    RegisterDeviceSeedFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(root, ignored);
    return 0;
}
