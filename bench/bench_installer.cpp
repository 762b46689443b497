// Installing a pack on the headless device with pack Three's real resources: the whole
// installation as the user starts it (the save dialog answered with the proposed folder, the
// confirmation answered Yes, 31 puzzles written, each flushed and renamed into place), and the
// 31 writes alone over an installed copy. Target: the whole installation under 50 ms. The
// files' time is mostly the disk's (each puzzle is flushed), so it is wall-clock time that
// counts; TMPDIR chooses the disk of the temporary device.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "automation.h"
#include "device.h"
#include "extract_puzzle.h"
#include "install_pack.h"
#include "installer_ids.h"
#include "installer_state.h"
#include "pack_table.h"
#include "windows.h"

HINSTANCE RegisterBramblesetThreeResources();
const char16_t* BramblesetThreeModulePath();

namespace {

namespace fs = std::filesystem;

// The installer's memory at its start, with pack Three's resources, on this run's device.
void StartInstaller()
{
    AutomationResetDevice();
    gInstaller = {};
    DeviceSetModuleFileName(BramblesetThreeModulePath());
    gInstaller.instance = RegisterBramblesetThreeResources();
}

// The build's title, which is its pack folder's name and the confirmation's caption.
std::u16string PackTitle()
{
    WCHAR title[100] = {};
    LoadStringW(gInstaller.instance, IDS_TITLE, title, 100);
    return std::u16string(title);
}

fs::path HostFolder(const std::u16string& title)
{
    return fs::path(std::getenv("CROSSWORD_DEVICE_ROOT")) / "My Documents" /
           std::string(title.begin(), title.end());
}

// True when the pack folder holds exactly the 31 puzzles and nothing else, so a run that
// silently wrote fewer files (or left temporary ones) is reported instead of timed.
bool PackComplete(const fs::path& folder)
{
    std::error_code error;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".puz")
            return false;
        ++files;
    }
    return !error && files == kPackRows;
}

// A first installation each time: the pack folder is removed (untimed) before every run, so
// the proposal is "\My Documents\Brambleset Three\<first name>" and the folder is created.
void BM_InstallPack(benchmark::State& state)
{
    StartInstaller();
    const std::u16string title = PackTitle();
    const PackEntry* table = LoadPackTable(gInstaller.instance);
    if (!table) {
        state.SkipWithError("no pack table");
        return;
    }
    const std::u16string proposal = u"\\My Documents\\" + title + u"\\" + table[0].fileName;
    const fs::path folder = HostFolder(title);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        AutomationReset();
        AutomationAnswerFileDialog(proposal);
        AutomationAnswerMessageBox(title, IDYES);
        state.ResumeTiming();
        const bool installed = InstallPack(nullptr);
        state.PauseTiming();
        // Only the confirmation may have been shown: a second box reports unwritten files.
        if (!installed || AutomationMessageBoxes().size() != 1 || !PackComplete(folder)) {
            state.SkipWithError("the pack was not installed completely");
            break;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kPackRows);
}

// The 31 writes of an installation over an installed copy: each puzzle resource to a new
// temporary file, flushed, renamed over the old file.
void BM_ExtractAllPuzzles(benchmark::State& state)
{
    StartInstaller();
    const PackEntry* table = LoadPackTable(gInstaller.instance);
    if (!table) {
        state.SkipWithError("no pack table");
        return;
    }
    const std::u16string folder = u"\\My Documents\\Fennimoor\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::u16string paths[kPackRows];
    for (int row = 0; row < kPackRows; ++row)
        paths[row] = folder + table[row].fileName;
    for (auto _ : state) {
        for (int row = 0; row < kPackRows; ++row) {
            if (!ExtractPuzzle(table[row].resourceName, paths[row].c_str())) {
                state.SkipWithError("a puzzle could not be written");
                return;
            }
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kPackRows);
}

BENCHMARK(BM_InstallPack)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExtractAllPuzzles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
