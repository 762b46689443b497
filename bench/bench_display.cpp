// The display's hot paths on a headless main window: a letter key as the main window takes
// it, with its repaint (full grid paint, highlight, clue bar, copy to the screen) and the undo
// step and solved test the game runs after every action, on a 15 x 15 grid in Small and a
// 21 x 21 grid in Large, a change of magnification (layout, new grid image, full paint,
// highlight, clue bar, copy), and the full grid paint alone on the 240 x 268 image of a
// 15 x 15 grid in Small and the 961 x 961 image of a 40 x 40 grid in Large. Every square
// holds a letter and numbers are on. Targets: under 0.5 ms, 2 ms, 5 ms, 300 us and 5 ms.
// Every key arms the auto-save's timer, as the first key after a save does.
// The *Comforts variants turn every comfort on: each letter a pencil letter with both
// corner marks and a clue naming four other entries to tint; they keep the same targets.
// The Diagramless variant places a block with "." and types a letter over it in turn, each
// key numbering the player's layout again before the repaint; it keeps the 2 ms target.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "auto_save.h"
#include "clue_bar.h"
#include "display_state.h"
#include "display_window.h"
#include "entry_check.h"
#include "fill_clear_entries.h"
#include "game_state.h"
#include "grid_draw.h"
#include "grid_paint.h"
#include "layout.h"
#include "main_handlers.h"
#include "puzzle_load.h"
#include "square_marks.h"
#include "undo_history.h"
#include "windows.h"

namespace {

// A grid of `side` x `side` with a scattering of black squares.
std::vector<std::string> ScatteredGrid(int side)
{
    std::vector<std::string> rows(size_t(side), std::string(size_t(side), 'E'));
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            if ((r * 7 + c * 3) % 11 == 0)
                rows[size_t(r)][size_t(c)] = '.';
        }
    }
    return rows;
}

// A fresh device with the display's 240 x 268 window, the puzzle loaded and laid out at
// `magnification`. Null, with the run marked failed, when there is no such window: a paint
// into no window would time nothing.
HWND OpenWindow(benchmark::State& state, int side, int magnification, bool comforts = false,
                bool diagramless = false)
{
    HWND window = OpenDisplayWindow();
    if (!window) {
        state.SkipWithError("no 240 x 268 window to paint");
        return nullptr;
    }
    PuzzleImage image = MakePuzzle(ScatteredGrid(side));
    AddClues(&image);
    image.diagramless = diagramless;
    if (!LoadAndParse(Bytes(image))) {
        state.SkipWithError("puzzle refused");
        CloseDisplayWindow(window);
        return nullptr;
    }
    FillPuzzle();  // every square holds a letter: the most text a paint can draw
    if (comforts) {
        gGame.settings.pencil = 1;
        gGame.settings.marks = 1;
        for (int i = 0; i < side * side; ++i)
            gGame.playerMarks[i] = kMarkPencil | kMarkGiven | kMarkWasWrong;
        for (int k = 0; k < gGame.clueCount && k < kMaxClues; ++k)
            gGame.clueTexts[k] = "Tied to 1-, 2-, 3- and 4-Down";
        ResetUndoHistory();
    }
    SetMagnification(&gGame.settings, magnification);
    gGame.settings.showNumbers = 1;
    ComputeLayout(window);
    PaintGrid(window, kGridEntries);
    return window;
}

// One letter typed into an open square of the middle row, again and again.
void Keystroke(benchmark::State& state, int side, int magnification, bool comforts = false)
{
    HWND window = OpenWindow(state, side, magnification, comforts);
    if (!window)
        return;
    const int row = side / 2;
    int col = 0;
    while (gGame.entries[row * side + col] == '.')
        ++col;
    for (auto _ : state) {
        gGame.cursorRow = row;
        gGame.cursorCol = col;
        // As after a save: the key finds no auto-save timer set and arms it, the most a key
        // does for the auto-save (later keys of the same second find it set).
        ResetAutoSave();
        OnKeyDown(window, 'A');
    }
    CloseDisplayWindow(window);
}

void BM_KeystrokeSmall15(benchmark::State& state)
{
    Keystroke(state, 15, kSmall);
}

void BM_KeystrokeLarge21(benchmark::State& state)
{
    Keystroke(state, 21, kLarge);
}

void BM_KeystrokeSmall15Comforts(benchmark::State& state)
{
    Keystroke(state, 15, kSmall, true);
}

void BM_KeystrokeLarge21Comforts(benchmark::State& state)
{
    Keystroke(state, 21, kLarge, true);
}

// A block placed by "." on an open square of the middle row of a diagramless 21 x 21 grid in
// Large, every block found and every letter in, then a letter typed over it, in turn.
void BM_KeystrokeDiagramlessLarge21(benchmark::State& state)
{
    HWND window = OpenWindow(state, 21, kLarge, false, true);
    if (!window)
        return;
    const int row = 10;
    int col = 0;
    while (gGame.solution[row * 21 + col] == '.')
        ++col;
    bool block = true;
    for (auto _ : state) {
        gGame.cursorRow = row;
        gGame.cursorCol = col;
        ResetAutoSave();
        if (block)
            OnChar(window, u'.');
        else
            OnKeyDown(window, 'E');
        block = !block;
    }
    CloseDisplayWindow(window);
}

// Small, Medium, Large in turn on a 15 x 15 grid, with the whole repaint of the view.
void BM_MagnificationChange(benchmark::State& state)
{
    HWND window = OpenWindow(state, 15, kSmall);
    if (!window)
        return;
    int magnification = kSmall;
    for (auto _ : state) {
        magnification = (magnification + 1) % 3;
        SetMagnification(&gGame.settings, magnification);
        ComputeLayout(window);
        PaintGrid(window, kGridEntries);
        PaintWordHighlight(window);
        PaintClueBar(window);
        PresentView(window, gGame.viewWidth, gGame.viewHeight, gGame.scrollX, gGame.scrollY);
    }
    CloseDisplayWindow(window);
}

// The full paint into the grid image that every repaint starts with; the image's size is
// reported beside the time.
void Repaint(benchmark::State& state, int side, int magnification, bool comforts = false)
{
    HWND window = OpenWindow(state, side, magnification, comforts);
    if (!window)
        return;
    for (auto _ : state)
        PaintGrid(window, kGridEntries);
    state.counters["image_width"] = gGame.bufferWidth;
    state.counters["image_height"] = gGame.bufferHeight;
    CloseDisplayWindow(window);
}

void BM_RepaintSmall15(benchmark::State& state)
{
    Repaint(state, 15, kSmall);
}

void BM_RepaintLarge40(benchmark::State& state)
{
    Repaint(state, 40, kLarge);
}

void BM_RepaintLarge40Comforts(benchmark::State& state)
{
    Repaint(state, 40, kLarge, true);
}

BENCHMARK(BM_KeystrokeSmall15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeLarge21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeSmall15Comforts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeLarge21Comforts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeDiagramlessLarge21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MagnificationChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintSmall15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintLarge40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintLarge40Comforts)->Unit(benchmark::kMicrosecond);

}  // namespace
