// printpdf PUZZLE.puz [--letters | --solution] [--key NNNN] [--paper a4|letter] -o OUT.pdf:
// prints a puzzle file the way the game prints its open puzzle. --letters shows the letters
// the file's own fill grid holds, as if the player had typed them; --key opens a locked
// solution; the paper is the locale's unless named.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_sheet.h"
#include "puz_layout.h"
#include "puzzle_pdf.h"
#include "puzzle_reader.h"
#include "solution_lock.h"
#include "square_text.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: printpdf PUZZLE.puz [--letters | --solution] [--key NNNN] "
                         "[--paper a4|letter] -o OUT.pdf\n");
    return 2;
}

// The file's fill grid as the player's letters: "-" is an empty square, "." a black one.
void EnterFillGrid(const std::vector<char>& bytes)
{
    int offset = 0;
    CheckPuzzleBytes(bytes.data(), int(bytes.size()), &offset);
    const char* header = bytes.data() + offset;
    const int width = static_cast<unsigned char>(header[puz::kWidthOffset]);
    const int height = static_cast<unsigned char>(header[puz::kHeightOffset]);
    const char* fill = header + puz::kGridOffset + width * height;
    for (int i = 0; i < width * height; ++i) {
        const char letter[2] = {fill[i], 0};
        if (fill[i] != '-' && fill[i] != '.')
            PutSquareEntry(i, letter);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const char* input = nullptr;
    const char* output = nullptr;
    PrintContents contents = kPrintBlank;
    PaperSize paper = PaperFromLocale();
    int key = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--letters")
            contents = kPrintLetters;
        else if (arg == "--solution")
            contents = kPrintSolution;
        else if (arg == "--key" && hasValue)
            key = std::atoi(argv[++i]);
        else if (arg == "--paper" && hasValue && !std::strcmp(argv[i + 1], "a4"))
            paper = kPaperA4, ++i;
        else if (arg == "--paper" && hasValue && !std::strcmp(argv[i + 1], "letter"))
            paper = kPaperLetter, ++i;
        else if (arg == "-o" && hasValue)
            output = argv[++i];
        else if (arg[0] != '-' && !input)
            input = argv[i];
        else
            return Usage();
    }
    if (!input || !output)
        return Usage();

    std::ifstream in(input, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ResetGameState();
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "printpdf: cannot read %s\n", input);
        return 1;
    }
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size()))) {
        std::fprintf(stderr, "printpdf: %s: %s\n", input, PuzzleRefusalText(LastPuzzleRefusal()));
        return 1;
    }
    ParsePuzzle();
    if (key >= 0 && !UnlockSolution(key)) {
        std::fprintf(stderr, "printpdf: the key %d does not open the solution\n", key);
        return 1;
    }
    if (contents == kPrintLetters)
        EnterFillGrid(bytes);

    PrintSheet sheet;
    std::string error;
    if (!SheetFromGame(contents, &sheet, &error) || !WritePuzzlePdf(sheet, paper, output, &error)) {
        std::fprintf(stderr, "printpdf: %s\n", error.c_str());
        return 1;
    }
    const PrintLayout layout = LayOutPuzzlePdf(sheet, paper);
    std::printf("%s: %d page(s), %d x %d squares of %.1f mm, clues %.1f pt in %d columns%s\n",
                output, layout.pages, sheet.width, sheet.height, layout.squareSize * 25.4 / 72,
                layout.clueSize, layout.columns,
                layout.notesPage > 1 ? ", notes on their own page" : "");
    return 0;
}
