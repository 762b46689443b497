// The six packs: their titles, the file names fixed in advance, and generating a pack's 31
// puzzles under the pack rules (no 5+ letter answer twice, a 4-letter answer at most twice,
// a 3-letter one at most three times).
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "lexicon.h"
#include "pattern.h"

constexpr int kPuzzlesPerPack = 31;

struct PackSpec {
    std::string key;                      // folder name under resources/packs: "three"
    std::string title;                    // "Brambleset Three"
    std::vector<std::string> fixedNames;  // file names without ".puz" given in advance, rows 0..
};

const std::vector<PackSpec>& AllPacks();

struct PackPuzzle {
    std::string name;           // file name without ".puz"
    std::string solution;       // the filled grid
    std::vector<uint8_t> file;  // the .puz image
};

struct Generator {
    std::vector<LexEntry> lexicon;
    std::vector<Pattern> patterns;
    uint64_t seed = 1;
    long nodeBudget = 200;        // search nodes per fill attempt before a restart
    std::set<std::string> grids;  // solutions made so far, so no two packs share a grid
    std::set<std::string> names;  // file names taken by any pack so far
    long unfilled = 0;            // attempts whose fill ran out of nodes
    long unclued = 0;             // filled grids dropped for want of a fitting clue
};

// Generates the 31 puzzles of pack `index` (0 = One). Writes a progress line to stderr.
// False when a puzzle could not be made within its attempts.
bool GeneratePack(Generator& gen, int index, std::vector<PackPuzzle>* out);

// The word a name features: its letters without trailing digits, upper-cased ("suit2" ->
// "SUIT"); empty when it has none.
std::string NameWord(const std::string& name);

// A fixed hash of a word, used to share names and reserve words deterministically.
uint64_t NameHash(const std::string& text);

// Deterministic 64-bit mixing for seeds and noise.
uint64_t Mix(uint64_t x);
