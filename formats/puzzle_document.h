// A crossword as any of the file formats the game reads describes it, before it becomes the
// .puz image the game plays: the grid square by square, the clues by the game's own numbering,
// the strings. A plain record; it knows nothing of the game's state or of any one format.
#pragma once

#include <string>
#include <vector>

// The game's capacities, which a document must fit to be played (the game's own state record
// holds them; the format tests check that the two agree).
constexpr int kDocumentMaxSide = 99;        // squares a side
constexpr int kDocumentMaxCells = 1600;     // squares in all
constexpr int kDocumentMaxWords = 300;      // across words, and again down words
constexpr int kDocumentMaxClues = 400;      // words in all
constexpr int kDocumentMaxRebus = 16;       // bytes of one square's solution
constexpr int kDocumentMaxImage = 16000;    // bytes of the .puz image it becomes
constexpr int kDocumentMaxInput = 4 << 20;  // bytes of a file (a picture inside inflates some)

struct DocumentCell {
    std::string solution;  // UTF-8; several letters for a rebus, "" when the file gives none
    std::string given;     // a letter the puzzle shows from the start ("" none)
    std::string saved;     // a letter a player left in the file ("" none)
    bool block = false;    // a black square
    bool isVoid = false;   // not part of the puzzle at all (shaped grids); also a block
    bool circled = false;  //
    bool shaded = false;   // a coloured background
};

struct DocumentClue {
    int number = 0;    // the number the game gives the word's first square
    std::string text;  // plain UTF-8, markup removed; "" for a word the file leaves unclued
};

struct PuzzleDocument {
    int width = 0;
    int height = 0;
    std::vector<DocumentCell> cells;   // row-major, width x height
    std::vector<DocumentClue> across;  // one per across word, by number
    std::vector<DocumentClue> down;    // one per down word, by number
    std::string title;
    std::string author;
    std::string copyright;
    std::string notes;
    bool hasSolution = true;   // false: the file gives no solution, or not for every square
    bool diagramless = false;  // played as the game plays a diagramless .puz
};

// Why a file was not read; every refusal comes with a sentence for the player.
enum DocumentRefusal {
    kDocumentAccepted = 0,
    kDocumentUnknownFormat,   // none of the formats the game reads
    kDocumentDamaged,         // a broken file: bad JSON, XML, archive, grid or clue line
    kDocumentTooLarge,        // a file, an archive entry or a text beyond the readers' bounds
    kDocumentAcrostic,        //
    kDocumentBarred,          // words ended by bars instead of blocks
    kDocumentCoded,           // squares numbered for a code instead of clued
    kDocumentOtherClueLists,  // diagonals, bands, zones, colours ...
    kDocumentUnmatchedClue,   // a clue that names no word of the grid (or one already named)
    kDocumentBeyondCapacity,  // more squares, words, clues or rebus letters than the game holds
    kDocumentImageTooLarge,   // fits square by square, but not in the game's 16000 bytes
};
