// Puzzle strings are 8-bit in the file's encoding (Windows-1252, or UTF-8 for version 2.0
// files); core widens them to UTF-16 and they are narrowed here to UTF-8 for pango.
#include "game_sheet.h"

#include "diagramless.h"
#include "game_state.h"
#include "puzzle_text.h"
#include "square_text.h"

namespace {

std::string Utf8(const char* text)
{
    static WCHAR wide[kMaxPuzzleFile + 1];
    static char narrow[4 * kMaxPuzzleFile + 4];
    const int chars = WidenPuzzleTextAs(gGame.textEncoding, text, wide, kMaxPuzzleFile + 1);
    if (chars <= 0)
        return std::string();
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide, chars, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow, size_t(bytes > 0 ? bytes : 0));
}

// Header fields often carry spaces around them that a printed line should not.
std::string Trimmed(std::string text)
{
    const char* space = " \t\r\n";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

void ReadHeader(PrintSheet* sheet)
{
    std::string parts[3];
    int part = 0;
    for (const char* p = gGame.headerLine; *p; ++p) {
        if (*p == '\n' && part < 2)
            ++part;
        else
            parts[part] += *p;
    }
    sheet->title = Trimmed(Utf8(parts[0].c_str()));
    sheet->author = Trimmed(Utf8(parts[1].c_str()));
    sheet->copyright = Trimmed(Utf8(parts[2].c_str()));
    sheet->notes = Utf8(gGame.notes);
}

// The file's clues under the file's numbers, whatever layout a diagramless player has made.
void ReadClues(int direction, std::vector<PrintClue>* clues)
{
    const ClueEntry* words = FileWords(direction);
    for (int i = 0; i < kMaxWords && words[i].clueIndex != -1; ++i)
        clues->push_back({words[i].number, Utf8(FileClueText(words[i]))});
}

// A diagramless grid is printed as it is played: blank with no block and no number, the
// player's blocks and numbers with the letters, the hidden blocks and the file's numbers with
// the solution alone.
bool PrintedBlock(int i, PrintContents contents)
{
    if (!gGame.diagramless || contents == kPrintSolution)
        return gGame.solution[i] == '.';
    return contents == kPrintLetters && SquareBlock(i);
}

int PrintedNumber(int i, PrintContents contents)
{
    if (gGame.diagramless && contents == kPrintBlank)
        return 0;
    const int number = contents == kPrintSolution ? FileSquareNumber(i) : gGame.cells[i].number;
    return number > 0 ? number : 0;
}

PrintSquare ReadSquare(int i, PrintContents contents)
{
    PrintSquare square;
    square.block = PrintedBlock(i, contents);
    square.voidSquare = SquareVoid(i);
    if (square.block)
        return square;
    square.number = PrintedNumber(i, contents);
    square.circled = SquareCircled(i);
    square.shaded = SquareShaded(i);
    char text[kRebusTextSize] = "";
    if (contents == kPrintSolution)
        SquareSolutionText(i, text);
    else if (contents == kPrintLetters)
        SquareEntryText(i, text);
    // A file without a solution may hold spaces where the letters would be.
    square.text = Trimmed(Utf8(text));
    square.pencil = contents == kPrintLetters && (gGame.playerMarks[i] & kMarkPencil) != 0;
    return square;
}

}  // namespace

bool SheetFromGame(PrintContents contents, PrintSheet* sheet, std::string* error)
{
    *sheet = PrintSheet();
    if (gGame.width <= 0 || gGame.height <= 0 || !gGame.fileSize) {
        *error = "There is no puzzle to print.";
        return false;
    }
    if (contents == kPrintSolution && gGame.solutionState == kSolutionLocked) {
        *error = "The solution of this puzzle is locked. Unlock it to print it.";
        return false;
    }
    if (contents == kPrintSolution && gGame.solutionState == kSolutionMissing) {
        *error = "This puzzle file does not hold its solution.";
        return false;
    }
    sheet->width = gGame.width;
    sheet->height = gGame.height;
    ReadHeader(sheet);
    ReadClues(kAcross, &sheet->across);
    ReadClues(kDown, &sheet->down);
    const int squares = gGame.width * gGame.height;
    sheet->squares.reserve(size_t(squares));
    for (int i = 0; i < squares; ++i)
        sheet->squares.push_back(ReadSquare(i, contents));
    return true;
}
