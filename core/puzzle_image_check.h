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
inline bool StartsAcross(const char* solution, int width, int i)
{
    const int c = i % width;
    return !IsBlackSolution(solution[i]) && (c == 0 || IsBlackSolution(solution[i - 1])) &&
           c + 1 < width && !IsBlackSolution(solution[i + 1]);
}

inline bool StartsDown(const char* solution, int width, int height, int i)
{
    const int r = i / width;
    return !IsBlackSolution(solution[i]) && (r == 0 || IsBlackSolution(solution[i - width])) &&
           r + 1 < height && !IsBlackSolution(solution[i + width]);
}

PuzzleRefusal CheckPuzzleImage(const char* bytes, int size, PuzzleLayout* layout);
