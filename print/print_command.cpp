// Printing a puzzle file of the host: read through the game's reader, described by the game's
// sheet, written whole by the PDF renderer.
#include "print_command.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game_sheet.h"
#include "puzzle_pdf.h"
#include "puzzle_reader.h"
#include "solution_lock.h"

namespace {

int Usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s PUZZLE [--letters | --solution] [--key NNNN] [--paper a4|letter] "
                 "[-o OUT.pdf]\n",
                 program);
    return 2;
}

// OUT.pdf when none is named: the puzzle's path with its extension replaced.
std::string PdfBeside(const std::string& puzzle)
{
    const size_t slash = puzzle.find_last_of('/');
    const size_t dot = puzzle.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? puzzle.substr(0, dot) : puzzle) + ".pdf";
}

struct PrintRequest {
    const char* input = nullptr;   // the puzzle file
    const char* output = nullptr;  // the PDF, or null for beside the puzzle
    PrintContents contents = kPrintBlank;
    PaperSize paper = PaperFromLocale();
    int key = -1;  // the key to open a locked solution with, or -1
};

// The command's arguments after the program's name; false for any it does not understand.
bool ReadArguments(int argc, char** argv, PrintRequest* request)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--letters")
            request->contents = kPrintLetters;
        else if (arg == "--solution")
            request->contents = kPrintSolution;
        else if (arg == "--key" && hasValue)
            request->key = std::atoi(argv[++i]);
        else if (arg == "--paper" && hasValue && !std::strcmp(argv[i + 1], "a4"))
            request->paper = kPaperA4, ++i;
        else if (arg == "--paper" && hasValue && !std::strcmp(argv[i + 1], "letter"))
            request->paper = kPaperLetter, ++i;
        else if (arg == "-o" && hasValue)
            request->output = argv[++i];
        else if (arg[0] != '-' && !request->input)
            request->input = argv[i];
        else
            return false;
    }
    return request->input != nullptr;
}

}  // namespace

int RunPrintCommand(int argc, char** argv)
{
    const char* program = argc > 0 ? argv[0] : "print";
    if (const char* slash = std::strrchr(program, '/'))
        program = slash + 1;
    PrintRequest request;
    if (!ReadArguments(argc, argv, &request))
        return Usage(program);
    const char* input = request.input;
    const std::string target = request.output ? request.output : PdfBeside(input);

    std::ifstream in(input, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ResetGameState();
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, input);
        return 1;
    }
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size()))) {
        std::fprintf(stderr, "%s: %s: %s\n", program, input,
                     PuzzleRefusalText(LastPuzzleRefusal()));
        return 1;
    }
    ParsePuzzle();
    if (request.key >= 0 && !UnlockSolution(request.key)) {
        std::fprintf(stderr, "%s: the key %d does not open the solution\n", program, request.key);
        return 1;
    }

    PrintSheet sheet;
    std::string error;
    if (!SheetFromGame(request.contents, &sheet, &error) ||
        !WritePuzzlePdf(sheet, request.paper, target.c_str(), &error)) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    const PrintLayout layout = LayOutPuzzlePdf(sheet, request.paper);
    std::printf("%s: %d page(s), %d x %d squares of %.1f mm, clues %.1f pt in %d columns%s\n",
                target.c_str(), layout.pages, sheet.width, sheet.height,
                layout.squareSize * 25.4 / 72, layout.clueSize, layout.columns,
                layout.notesPage > 1 ? ", notes on their own page" : "");
    return 0;
}
