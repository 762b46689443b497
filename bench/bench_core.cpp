// Reading and parsing puzzle files: ReadPuzzleFile + ParsePuzzle through the device files,
// and the parse of an image already in memory, for 15 x 15, 21 x 21 and 40 x 40 grids.
#include <benchmark/benchmark.h>

#include <string>

#include "device_files.h"
#include "game_state.h"
#include "puzzle_image.h"
#include "puzzle_reader.h"

namespace {

// A valid .puz image of `side` x `side` with a black square in every fourth row and column
// crossing, so words run 3 long and the numbering has work to do.
std::string MakeImage(int side)
{
    PuzzleImage image;
    image.width = image.height = side;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            image.solution += (r % 4 == 3 && c % 4 == 3) ? '.' : char('A' + (r * 7 + c) % 26);
    AddClues(&image);
    for (size_t k = 0; k < image.clues.size(); ++k)
        image.clues[k] = "Clue number " + std::to_string(k) + " of the puzzle";
    return Bytes(image);
}

std::u16string WriteToDevice(int side)
{
    const std::u16string path =
        u"\\My Documents\\bench" + std::u16string(1, char16_t('A' + side % 26)) + u".puz";
    WriteDeviceFile(path.c_str(), MakeImage(side));
    return path;
}

void ReadAndParse(benchmark::State& state)
{
    const int side = int(state.range(0));
    const std::u16string path = WriteToDevice(side);
    ResetGameState();
    for (auto _ : state) {
        if (!ReadPuzzleFile(path.c_str())) {
            state.SkipWithError("puzzle refused");
            break;
        }
        ParsePuzzle();
        benchmark::DoNotOptimize(gGame.cells);
    }
}

void ParseInMemory(benchmark::State& state)
{
    const std::string bytes = MakeImage(int(state.range(0)));
    ResetGameState();
    for (auto _ : state) {
        if (!LoadPuzzleImage(bytes.data(), int(bytes.size()))) {
            state.SkipWithError("puzzle refused");
            break;
        }
        ParsePuzzle();
        benchmark::DoNotOptimize(gGame.cells);
    }
}

BENCHMARK(ReadAndParse)->Arg(15)->Arg(21)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(ParseInMemory)->Arg(15)->Arg(21)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace
