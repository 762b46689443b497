// Hands test bytes to the game's reader: for programs that link the game's core (the
// writer in puzzle_image.h itself knows nothing of the game).
#pragma once

#include <string>
#include <vector>

#include "puzzle_image.h"
#include "puzzle_reader.h"

// Loads `bytes` with the game's reader and parses them; false when refused.
inline bool LoadAndParse(const std::string& bytes)
{
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size())))
        return false;
    ParsePuzzle();
    return true;
}

// Loads and parses a puzzle whose solution is `rows`, with a clue per word; false when
// refused.
inline bool LoadGrid(const std::vector<std::string>& rows)
{
    PuzzleImage image = MakePuzzle(rows);
    AddClues(&image);
    return LoadAndParse(Bytes(image));
}
