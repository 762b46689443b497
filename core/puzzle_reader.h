// The puzzle reader: ReadPuzzleFile brings a crossword file into gGame.fileBuffer as a .puz
// image (a .puz as it is, an .ipuz, .jpz or .xd as the formats' readers write it), refusing
// files the game cannot hold or play; ParsePuzzle turns it into the grid, the words and the
// clues.
#pragma once

#include <string>

#include "game_state.h"

// Why a puzzle file was refused; the game treats every reason like a file it cannot open.
enum PuzzleRefusal {
    kPuzzleAccepted = 0,
    kPuzzleCannotOpen,    // missing, a folder, or open elsewhere without sharing
    kPuzzleFileTooLarge,  // more than kMaxPuzzleFile bytes
    kPuzzleNoMagic,       // no "ACROSS&DOWN" header and no other format the game reads
    kPuzzleBadSize,       // a width or height byte that is negative or above kMaxSide, or rows of 0
    kPuzzleTooManySquares,  // width x height above kMaxCells
    kPuzzleTooManyWords,    // more than kMaxWords across or down words
    kPuzzleTooManyClues,    // more than kMaxClues words, so as many clue strings
    kPuzzleTruncated,       // the file ends inside the header, the grids or the clues
    kPuzzleDamaged,         // the header's sizes do not match its checksum
    // An .ipuz, .jpz or .xd; PuzzleRefusalText gives its reader's sentence.
    kPuzzleUnplayable,      // a crossword the game cannot play: an acrostic, a barred grid ...
    kPuzzleBrokenDocument,  // a broken file, or one beyond the readers' bounds
};

// Reads the puzzle file at the device path `path` into gGame.fileBuffer. The file is read
// and checked in a scratch buffer first: on refusal (false) gGame is untouched, so the open
// puzzle's clues stay valid. The caller stores the path and calls ParsePuzzle.
bool ReadPuzzleFile(LPCWSTR path);

// The same reading and copy for a file already in memory (the print command, tests, fuzzing).
bool LoadPuzzleImage(const void* bytes, int size);

// The .puz checks alone, without the copy, for bytes that are a .puz image. gGame is
// untouched. On acceptance *headerOffset says where the header starts (a real file may carry
// a few bytes before it).
PuzzleRefusal CheckPuzzleBytes(const void* bytes, int size, int* headerOffset);

// Whether ReadPuzzleFile would accept a file of these bytes, and the .puz image it would play
// (into *image on acceptance): a download is judged by it before it is stored. gGame is
// untouched.
PuzzleRefusal PuzzleImageOfFile(const void* bytes, int size, std::string* image);

// The extension a file of these bytes is stored under: ".puz", ".ipuz", ".jpz" or ".xd".
const char* PuzzleFileExtension(const void* bytes, int size);

// What ReadPuzzleFile would say of the file at `path`, without reading it into gGame.
PuzzleRefusal JudgePuzzleFile(LPCWSTR path);

// The reason of the last ReadPuzzleFile / LoadPuzzleImage, and a short English text for it.
PuzzleRefusal LastPuzzleRefusal();
const char* PuzzleRefusalText(PuzzleRefusal reason);
// Whether the text of `reason` is another format's reader's own sentence, valid only in the
// process that read the file.
inline bool RefusedByFormatReader(PuzzleRefusal reason)
{
    return reason == kPuzzleUnplayable || reason == kPuzzleBrokenDocument;
}

struct RestoredPlay;

// Rebuilds the grid from fileBuffer: size, solution, entries (those of `play`, the progress
// restored for this puzzle, when there is one and it fits the grid; otherwise the file's own:
// the letters of its fill grid and the rebus entries of its RUSR section, each byte an open
// square may not hold left empty), headerLine, clues, numbering and word lengths; the cursor
// goes where the restored play left it when that square is open, else to the first square
// (SetCursorToFirstSquare). A grid without rows or columns shows the
// "Wow Bummer" message box.
void ParsePuzzle(const RestoredPlay* play = nullptr);

// Numbers the grid whose black squares are the "." of `layout` (the solution, or the player's
// blocks of a diagramless puzzle) into cells, acrossClues and downClues, each word taking the
// next clue index in grid order, and measures the words; a word beyond the tables' bounds is
// left out. Gives the number of words.
int NumberLayout(const char* layout);

// Measures every word into acrossClues / downClues. False when the grid has no row or no
// column.
bool MeasureWords();
