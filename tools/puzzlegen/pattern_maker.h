// Making block patterns at random around planted across entries (a themed puzzle's theme
// entries, or a themeless's long slots), each closed by blocks. Blocks go in 180-degree pairs
// where they cut the longest runs, so a pattern keeps every pack rule by construction and the
// goal decides the rest: how many words, how long the fill may run, how many long slots.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor_rules.h"
#include "pattern.h"

// A slot planted across a pattern: its first square and its length.
struct Planting {
    int row = 0;
    int col = 0;
    int length = 0;
    std::string answer;  // its letters when the pattern is made for them; empty: any word
};

struct PatternGoal {
    int minWords = 0;
    int maxWords = kMaxWords;
    int longestFill = 9;  // no slot but a planted one runs longer
    int minLong = 0;      // slots of kLongSlot letters or more, at least
};
constexpr int kLongSlot = 8;

// The squares a pattern must leave white or black beyond its plantings (the starter
// puzzle's, which the game's tests tap); each is mirrored by the maker.
struct PatternPins {
    std::vector<int> open;
    std::vector<int> blocks;
};

// How many words fit a slot's letters ('?' where open): the maker cuts runs through planted
// letters where words fit them.
using SlotWords = std::function<long(const std::string& letters)>;

// Judges a pattern while it is made: its cells with the planted letters in, the runs longer
// than the goal's longest fill not cut yet. False refuses the block just placed.
using PatternCheck = std::function<bool(const std::string& cells)>;

// A pattern ('#' and '.') meeting PatternProblem's rules and the goal, with every planting a
// slot of its own length; empty when this seed's pattern misses (the caller tries another).
// With `words`, every slot through a planted letter keeps a few words that fit it; with
// `check`, every block placed passes it.
std::string MakePattern(const std::vector<Planting>& plantings, const PatternGoal& goal,
                        uint64_t seed, const PatternPins& pins = {},
                        const SlotWords* words = nullptr, const PatternCheck* check = nullptr);

// Where a theme's entries go, listed top to bottom: three (the middle one of odd length, in
// the centre row) or four (two symmetric pairs); empty when the lengths cannot be laid out
// so. `variant` picks among the rows and columns the layout allows.
std::vector<Planting> ThemeLayout(const std::vector<int>& lengths, uint64_t variant);
