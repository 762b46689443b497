// A puzzle as a PDF laid out like a newspaper page: title, author and copyright at the top,
// the grid as large as the page allows with the Across and Down clues in columns beside and
// under it, all on one page (long notes go to a page of their own). Text goes through pango
// with the faces the game itself finds through fontconfig. Knows nothing of the game.
#pragma once

#include <string>

#include "print_sheet.h"

// The paper of the user's locale: Letter where LC_ALL, LC_PAPER or LANG (the first one set)
// names a country that uses it (US, Canada, Mexico, ...), A4 everywhere else.
PaperSize PaperFromLocale();

struct PrintRect {
    double x, y, width, height;  // points, from the page's top left corner
};

// Where the renderer puts things, so that callers (and tests probing the pixels) need not
// guess. Every length is in points (1/72 inch).
struct PrintLayout {
    double pageWidth;     //
    double pageHeight;    //
    PrintRect grid;       // the grid's outer edges on page 1
    double squareSize;    // side of one square
    double clueSize;      // font size of the clue text
    int columns;          // clue columns on page 1
    int pages;            // pages of the whole document
    int notesPage;        // 0: no notes; 1: under the header; else the page they start on
    bool cluesContinued;  // the clues did not fit on page 1 even at the smallest size
};

// The layout PuzzlePdf renders `sheet` with. A sheet without squares gives pages 0.
PrintLayout LayOutPuzzlePdf(const PrintSheet& sheet, PaperSize paper);

// The whole PDF in memory. False with a reason, in a sentence fit for a message box, when the
// sheet has no squares or cairo fails.
bool PuzzlePdf(const PrintSheet& sheet, PaperSize paper, std::string* pdf, std::string* error);

// Writes the PDF to `hostPath`, a file of the host (a command line's argument), whole or not
// at all: rendered to memory first, then a temporary file beside the target, flushed and
// renamed over it. A device path is the caller's to write, with PuzzlePdf's bytes and
// filewrite's WriteFileWhole. False with the reason when it cannot.
bool WritePuzzlePdf(const PrintSheet& sheet, PaperSize paper, const char* hostPath,
                    std::string* error);
