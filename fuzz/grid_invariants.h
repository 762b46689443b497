// What must hold after any parse, whatever the bytes were.
#pragma once

#include <cstdlib>

#include "game_state.h"
#include "puzzle_text.h"
#include "require.h"
#include "square_text.h"

inline void CheckGridInvariants()
{
    const int n = gGame.width * gGame.height;
    Require(gGame.width >= 0 && gGame.height >= 0 && n <= kMaxCells);
    for (int i = n; i < kMaxCells; ++i)
        Require(gGame.cells[i].acrossClue == -1 && gGame.cells[i].number == -1);
    int nextNumber = 1;
    for (int i = 0; i < n; ++i) {
        const char e = gGame.entries[i];
        const bool black = gGame.solution[i] == '.';
        Require(black == (e == '.'));
        // What a player may type (the file's own letters start as such entries), a solution
        // byte Fill copied there, or the first byte of the square's rebus; nothing else.
        Require(black || e == '-' || IsEntryByte(static_cast<unsigned char>(e)) ||
                e == gGame.solution[i] ||
                (gGame.playerRebus[i][0] && e == gGame.playerRebus[i][0]));
        const CellInfo& cell = gGame.cells[i];
        Require(cell.acrossClue < gGame.clueCount && cell.downClue < gGame.clueCount);
        if (cell.number != -1)
            Require(cell.number == nextNumber++);
        int first;
        int last;
        WordExtent(i, kAcross, &first, &last);
        Require(first <= i && i <= last && first / gGame.width == last / gGame.width);
        WordExtent(i, kDown, &first, &last);
        Require(first <= i && i <= last && first % gGame.width == last % gGame.width);
    }
    // Every clue string lies inside fileBuffer and widens without trouble.
    static WCHAR wide[kMaxPuzzleFile + 1];
    for (int k = 0; k < gGame.clueCount; ++k) {
        Require(gGame.clueTexts[k] >= gGame.fileBuffer &&
                gGame.clueTexts[k] <= gGame.fileBuffer + kMaxPuzzleFile);
        WidenPuzzleText(gGame.clueTexts[k], wide, kMaxPuzzleFile + 1);
    }
    WidenPuzzleText(gGame.headerLine, wide, 64);
    int across = 0;
    int sum = 0;
    while (across < kMaxWords && gGame.acrossClues[across].clueIndex != -1)
        sum += gGame.acrossClues[across++].length;
    int open = 0;
    for (int i = 0; i < n; ++i)
        open += gGame.cells[i].acrossClue != -1;
    Require(sum == open);
}
