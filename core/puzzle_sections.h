// The extra sections a .puz file may carry after its strings: circles and other square flags
// (GEXT), rebus squares (GRBS with its table RTBL), the player's rebus entries (RUSR), the
// timer (LTIM) and the game's own void and shaded squares (XSQF). Each is checked on its own;
// a broken one is dropped, never the puzzle.
#pragma once

#include "game_state.h"

// One section as found in the file.
struct PuzzleSection {
    char name[5];               // four letters and a NUL
    int size;                   // bytes of data
    bool checksumOk;            // its checksum matches its data
    const unsigned char* data;  // into the image scanned
};

// Walks the sections from `at` up to `end`: each a name, size and checksum, its data and a
// NUL. Stops at the first that does not fit before `end` (trailing bytes that are not a
// section). Fills at most `capacity` rows of `sections`; returns how many were found.
int ScanPuzzleSections(const unsigned char* at, const unsigned char* end, PuzzleSection* sections,
                       int capacity);

// Clears what sections add to gGame, then takes it from the sections between `at` and `end`
// of the image in fileBuffer, for the grid of gGame.width x gGame.height and its solution:
// GEXT, GRBS and XSQF must hold one byte per square (XSQF only flags it knows), RTBL entries
// must be well formed and fit kRebusTextSize, LTIM must read "seconds,state". RUSR, the
// entries another program kept, joins the fill grid's letters already in entries as the
// letters the puzzle starts with, unless the entries were `restored` from the game's own
// progress, which wins whole.
void ReadPuzzleSections(const char* at, const char* end, bool restored);
