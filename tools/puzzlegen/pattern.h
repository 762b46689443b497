// Block patterns: the committed 15 x 15 layouts of black squares, their slots (words) and
// the rules every pattern must meet. Knows nothing of words.
#pragma once

#include <string>
#include <vector>

constexpr int kSide = 15;
constexpr int kCells = kSide * kSide;
constexpr int kMinBlocks = 24;  // fewer leave open areas our words cannot fill
constexpr int kMaxBlocks = 42;  // a sixth of the squares, about: more looks unfinished
// The committed patterns of the packs made before the editor's 78-word limit have up to 82;
// the patterns made for a pack keep the editor's limits through their goal.
constexpr int kMaxPatternWords = 82;

struct Pattern {
    std::string name;   // "D2-7", from the patterns file
    std::string cells;  // kCells bytes, row-major: '#' a block, '.' a white square
    double late = -1;   // share of fills that worked late in a pack ("late=K/N"), -1 unknown
};

struct Slot {
    int number = 0;          // the clue number of its first square
    bool down = false;       // false: across
    std::vector<int> cells;  // cell indices, first to last
};

// Reads patterns.txt: "pattern NAME ... [late=K/N]" lines, each followed by 15 rows of '#'
// and '.'.
bool LoadPatterns(const std::string& path, std::vector<Pattern>* out, std::string* error);

// The words of a grid in clue order: numbered row-major, across before down at one number.
// `cells` is '#' or '.' (or letters) per square; a word is a run of two or more squares.
std::vector<Slot> FindSlots(const std::string& cells);

// The letters of `slot` in a filled grid.
std::string SlotWord(const std::string& grid, const Slot& slot);

// Empty when the pattern meets every rule (180-degree symmetry, 24 to 42 blocks, at most 82
// words, every word at least 3 long, white squares connected); otherwise the broken rule.
std::string PatternProblem(const std::string& cells);

// Two of those rules on their own, for a pattern being made.
bool EveryRunAtLeast3(const std::string& cells);
bool WhitesConnected(const std::string& cells);

// The length of the longest slot.
size_t Longest(const std::vector<Slot>& slots);

// How many slots run `length` letters or more.
int SlotsOfAtLeast(const std::vector<Slot>& slots, size_t length);
