// The tests' one .puz writer: builds files in memory for tests, benchmarks and fuzz targets
// (a header with the magic, sizes, version and flags, the solution and fill grids, the
// strings, extra sections). It knows the file format only: no game code, no device.
// Checksums: the header's own (the game refuses a file without it) and the sections'.
#pragma once

#include <string>
#include <vector>

struct PuzzleImage {
    int width = 0;                   // columns
    int height = 0;                  // rows
    std::string solution;            // row-major, "." black
    std::string fill;                // defaults to "-" / "." from the solution
    std::string title = "Title";     //
    std::string author = "Author";   //
    std::string copyright = "(c)";   //
    std::vector<std::string> clues;  // in clue order; their number goes into the header
    std::string notes;               //
    std::string sections;            // raw bytes after the notes (see Section)
    std::string version = "1.3";     // the header's version string
    int solutionFlags = 0;           // puz::kSolutionAbsent, puz::kSolutionScrambled
    bool diagramless = false;        // the header's puzzle type: the blocks are hidden
    int scrambledChecksum = 0;       // sum of a scrambled solution's real letters
    std::string prefix;              // junk before the header
};

// `rows` joined give the solution; the size comes from them.
PuzzleImage MakePuzzle(const std::vector<std::string>& rows);

// A small grid that the play and display tests share. Its words (clue numbers): 1A ABC,
// 4A FGH, 6A IJKLM, 7A QRS; 1D AEINQ, 2D CFKOS, 3D DHMPT, 5D GL.
extern const std::vector<std::string> kFiveByFive;

// One extra section: name, size, checksum (a wrong one when `checksumOk` is false), data, NUL.
std::string Section(const std::string& name, const std::string& data, bool checksumOk = true);

// The file bytes.
std::string Bytes(const PuzzleImage& image);

// A clue per word of `image`'s grid ("c0", "c1", ...), counted with the standard rule.
void AddClues(PuzzleImage* image);

// Locks `image`'s solution with `key` (0 to 9999) the way files lock them: its letters read
// column by column, black squares left out, and per key digit each letter shifted by the
// digit of its place, the string rotated left by the digit and its second half interleaved
// with the first. Sets the flag and the checksum of the real letters the game tries keys on.
void ScrambleSolution(PuzzleImage* image, int key);
