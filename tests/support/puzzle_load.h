// Hands test bytes to the game's reader: for programs that link the game's core (the
// writer in puzzle_image.h itself knows nothing of the game).
#pragma once

#include <string>
#include <vector>

#include "diagramless.h"
#include "progress_file.h"
#include "puzzle_image.h"
#include "puzzle_reader.h"

// Loads `bytes` with the game's reader and parses them, with `play` as the restored progress
// when given; false when refused.
inline bool LoadAndParse(const std::string& bytes, const RestoredPlay* play = nullptr)
{
    if (!LoadPuzzleImage(bytes.data(), int(bytes.size())))
        return false;
    ParsePuzzle(play);
    return true;
}

// A diagramless puzzle as its player sees it having found every block: each black square of
// the solution placed, so the words, numbers and clues are the file's own.
inline void PlaceSolutionBlocks()
{
    for (int i = 0; i < gGame.width * gGame.height; ++i) {
        if (gGame.solution[i] == '.')
            gGame.entries[i] = '.';
    }
    FollowPlayerBlocks();
}

// A restored play of `entries` (row-major) for a grid of width x height, nothing else kept.
inline RestoredPlay PlayOf(const std::string& entries, int width, int height)
{
    RestoredPlay play = {};
    play.width = width;
    play.height = height;
    entries.copy(play.entries, entries.size());
    play.timerSeconds = -1;
    play.unlockKey = -1;
    play.cursorRow = play.cursorCol = play.cursorDirection = -1;
    return play;
}

// Loads and parses a puzzle whose solution is `rows`, with a clue per word; false when
// refused.
inline bool LoadGrid(const std::vector<std::string>& rows)
{
    PuzzleImage image = MakePuzzle(rows);
    AddClues(&image);
    return LoadAndParse(Bytes(image));
}
