// What a printed puzzle page shows, as plain records in UTF-8: the header, the grid square by
// square and the two clue lists. The renderer draws exactly this and knows nothing of the
// game; game_sheet.h fills it from the open puzzle.
#pragma once

#include <string>
#include <vector>

enum PaperSize { kPaperA4, kPaperLetter };
// Which letters the grid shows: none, the player's, or the solution.
enum PrintContents { kPrintBlank, kPrintLetters, kPrintSolution };

struct PrintSquare {
    bool block = false;       // a black square
    bool voidSquare = false;  // outside the puzzle's shape: not drawn at all
    int number = 0;           // the clue number printed in its corner, 0 for none
    bool circled = false;     // a circle drawn inside the square
    bool shaded = false;      // a grey background
    std::string text;         // the letters shown, UTF-8: one, several (a rebus) or none
    bool pencil = false;      // the letters were pencilled in: drawn grey
};

struct PrintClue {
    int number;        // the word's number in the grid
    std::string text;  // UTF-8
};

struct PrintSheet {
    std::string title;                 // UTF-8, each of the four
    std::string author;                //
    std::string copyright;             //
    std::string notes;                 // the puzzle's notes; "" when it has none
    int width = 0;                     // columns
    int height = 0;                    // rows
    std::vector<PrintSquare> squares;  // width x height, row-major
    std::vector<PrintClue> across;     // in grid order
    std::vector<PrintClue> down;       //
};
