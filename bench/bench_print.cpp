// Printing a 21 x 21 Sunday-sized puzzle (134 words, clues of 15 to 45 characters) from the
// game's state: the sheet, the page plan with its search for the clue size, and the whole
// PDF in memory. The first print also pays for fontconfig's and pango's set-up, which the
// warm-up run absorbs.
#include <benchmark/benchmark.h>

#include <string>

#include "game_sheet.h"
#include "puzzle_image.h"
#include "puzzle_pdf.h"
#include "puzzle_reader.h"

namespace {

bool LoadSunday()
{
    PuzzleImage image;
    image.width = image.height = 21;
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c) {
            const bool black = (r % 4 == 3 && c % 4 == 3) || (r % 4 == 1 && c % 4 == 1) ||
                               (r % 6 == 5 && c % 6 == 0);
            image.solution += black ? '.' : char('A' + (r * 7 + c) % 26);
        }
    AddClues(&image);
    static const char* const words[] = {"Partner", "of", "an",     "old",  "river", "crossing",
                                        "e.g.",    "in", "famous", "song", "Abbr.", "the"};
    for (size_t k = 0; k < image.clues.size(); ++k) {
        std::string clue;
        for (size_t w = 0; clue.size() < 15 + (k * 13) % 31; ++w)
            clue += std::string(clue.empty() ? "" : " ") + words[(k * 5 + w * 7) % 12];
        image.clues[k] = clue;
    }
    ResetGameState();
    const std::string bytes = Bytes(image);
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size())))
        return false;
    ParsePuzzle();
    return true;
}

void PrintSunday(benchmark::State& state)
{
    if (!LoadSunday()) {
        state.SkipWithError("puzzle refused");
        return;
    }
    const PrintContents contents = PrintContents(state.range(0));
    for (auto _ : state) {
        PrintSheet sheet;
        std::string pdf;
        std::string error;
        if (!SheetFromGame(contents, &sheet, &error) || !PuzzlePdf(sheet, kPaperA4, &pdf, &error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(pdf.data());
    }
}

void PlanSunday(benchmark::State& state)
{
    PrintSheet sheet;
    std::string error;
    if (!LoadSunday() || !SheetFromGame(kPrintBlank, &sheet, &error)) {
        state.SkipWithError("puzzle refused");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutPuzzlePdf(sheet, kPaperA4));
}

BENCHMARK(PrintSunday)->Arg(kPrintBlank)->Arg(kPrintSolution)->Unit(benchmark::kMillisecond);
BENCHMARK(PlanSunday)->Unit(benchmark::kMillisecond);

}  // namespace
