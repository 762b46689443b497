// The checks a puzzle image must pass before it may replace the open puzzle. Internal to core.
#pragma once

#include "puzzle_reader.h"

// Where the parts of an accepted image are.
struct PuzzleLayout {
    int headerOffset;  // bytes before the header
    int width;         // signed width byte (0: the empty 15 x 15 grid)
    int height;        // signed height byte
    int encoding;      // PuzzleEncoding of its strings
};

// A solution byte that marks a black square: "." and, in diagramless files, ":".
inline bool IsBlackSolution(char c)
{
    return c == '.' || c == ':';
}

// Whether the square at `i` of a `width` x `height` grid starts an across / a down word: it
// is open, has an edge or a black square before it and an open square after it.
bool StartsAcross(const char* solution, int width, int i);
bool StartsDown(const char* solution, int width, int height, int i);

PuzzleRefusal CheckPuzzleImage(const char* bytes, int size, PuzzleLayout* layout);
