// Builds .puz images in memory for the reader's tests: a header with the magic, the sizes
// and the version, the solution and fill grids, then the strings.
#pragma once

#include <string>
#include <vector>

struct PuzzleImage {
    int width = 0;                   // written to 0x2C
    int height = 0;                  // written to 0x2D
    std::string solution;            // row-major, "." black
    std::string fill;                // defaults to "-" / "." from the solution
    std::string title = "Title";     //
    std::string author = "Author";   //
    std::string copyright = "(c)";   //
    std::vector<std::string> clues;  // in clue order
    std::string notes;               //
    std::string sections;            // raw bytes after the notes (see Section)
    std::string version = "1.3";     // at 0x18
    int solutionFlags = 0;           // at 0x32: 2 no solution, 4 scrambled
    int scrambledChecksum = 0;       // at 0x1E: sum of a scrambled solution's real letters
    std::string prefix;              // junk before the header
};

// `rows` joined give the solution; the size comes from them.
PuzzleImage MakePuzzle(const std::vector<std::string>& rows);

// One extra section: name, size, checksum (a wrong one when `checksumOk` is false), data, NUL.
std::string Section(const std::string& name, const std::string& data, bool checksumOk = true);

// The file bytes.
std::string Bytes(const PuzzleImage& image);

// A clue per word of `image`'s grid ("c0", "c1", ...), counted with the standard rule.
void AddClues(PuzzleImage* image);

// Loads `bytes` with the game's reader and parses it; false when refused.
bool LoadAndParse(const std::string& bytes);
