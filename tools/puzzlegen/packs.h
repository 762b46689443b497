// The six packs: their titles, the file names fixed in advance, and generating a pack's 31
// puzzles under the pack rules (no 5+ letter answer twice, a 4-letter answer at most twice,
// a 3-letter one at most three times, a stand-by once; no block shape more than three times).
// Each puzzle is built around its featured answer, which sits in the grid's longest slot.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "lexicon.h"
#include "pattern.h"

constexpr int kPuzzlesPerPack = 31;

struct PackSpec {
    std::string key;    // folder name under resources/packs: "three"
    std::string title;  // "Brambleset Three"
};

const std::vector<PackSpec>& AllPacks();

// One puzzle's reason to exist: featured.tsv gives, per pack and in installation order, the
// file name, the title and the featured answer with its hand-written clue.
struct Featured {
    std::string pack;    // "three"
    std::string name;    // file name without ".puz"
    std::string title;   // "Crown Jewels" is too long for a name; "Jewels" is the title
    std::string answer;  // upper-case letters, 10 to 15 of them
    std::string clue;
};

// Reads featured.tsv ("pack<tab>name<tab>title<tab>ANSWER WORDS<tab>clue" per line).
bool LoadFeatured(const std::string& path, std::vector<Featured>* out, std::string* error);

// Reads a list of words separated by white space, '#' starting a comment; upper-cased.
bool LoadWordSet(const std::string& path, std::set<std::string>* out, std::string* error);

struct PackPuzzle {
    std::string name;           // file name without ".puz"
    std::string solution;       // the filled grid
    std::vector<uint8_t> file;  // the .puz image
};

struct Generator {
    std::vector<LexEntry> lexicon;
    std::unordered_map<std::string, int> idOf;  // answer -> lexicon row, after AddFeatured
    std::vector<Pattern> patterns;
    std::vector<Featured> featured;
    std::set<std::string> standbys;  // crossword stand-bys: once per pack at most
    uint64_t seed = 1;
    long nodeBudget = 400;        // search nodes per fill attempt before a restart
    std::set<std::string> grids;  // solutions made so far, so no two packs share a grid
    long unfilled = 0;            // attempts whose fill ran out of nodes
    long unclued = 0;             // filled grids dropped for want of a fitting clue
    bool diagnose = false;        // explain each row that stops a pack (stderr)
};

// Adds the featured answers to the lexicon, each with its featured clue as its only clue
// (an answer the lexicon has loses its other clues). Call once before generating.
void AddFeatured(Generator& gen);

// Generates the 31 puzzles of pack `index` (0 = One). Writes a progress line to stderr.
// False when a puzzle could not be made within its attempts.
bool GeneratePack(Generator& gen, int index, std::vector<PackPuzzle>* out);

// The copyright string of a puzzle: the project's, with WordNet credited when any of its
// clues came from WordNet's definitions.
std::string CopyrightLine(bool usesWordNet);

// The block shape of a pattern up to rotation and mirroring: the least of its eight
// orientations, so two patterns of one shape have the same key.
std::string ShapeKey(const std::string& cells);

// Deterministic 64-bit mixing for seeds and noise.
uint64_t Mix(uint64_t x);
