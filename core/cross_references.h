// The other entries a clue names: "See 17-Across", "17- and 23-Down", "the starts of 5-, 9-
// and 14-Across", "17-Across and 23-Down", "17 Across". Only the text is read here; whether a
// word of the grid carries the number is the caller's question.
#pragma once

#include "game_state.h"

constexpr int kMaxCrossReferences = 16;  // more than any clue names

struct CrossReference {
    int number;     // the clue number, 1 to 999
    int direction;  // kAcross or kDown
};

// The entries `clue` names, in the order it names them, each once; at most `capacity` of
// them. Their count. A number needs the direction right after it ("17-Across", "17 Across")
// or, in a list, a hyphen and a later number that has one ("17- and 23-Down"). Without a
// hyphen the direction must be capitalised, so "count 10 down" names nothing; a number of
// four digits (a year), a number glued to a letter, "17A" and a direction word that goes on
// ("1-Down-and-out") name nothing either. The bytes may be ANSI or UTF-8.
int FindCrossReferences(const char* clue, CrossReference* out, int capacity);

// The squares of the entries the current clue names, 1 in `marked` (kMaxCells bytes) for
// each; numbers that start no word of that direction name nothing. The marked squares.
int CrossReferencedSquares(uint8_t* marked);
