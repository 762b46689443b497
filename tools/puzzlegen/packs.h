// The six packs: their titles, the file names fixed in advance, and generating a pack's 31
// puzzles under the pack rules (no 5+ letter answer twice, a 4-letter answer at most twice,
// a 3-letter one at most three times, a stand-by once; no block shape more than three times).
// A themed puzzle is built around its theme entries (themes.tsv), planted in symmetric
// slots of a pattern made for them; the others are themelesses built around their featured
// answer, which sits in the grid's longest slot.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "clues.h"
#include "editor_rules.h"
#include "lexicon.h"
#include "pattern.h"
#include "pattern_maker.h"
#include "themes.h"

constexpr int kPuzzlesPerPack = 31;
// A third of a pack's puzzles at least are themed: a themed row that cannot be filled falls
// back to its featured answer only while the pack keeps this many.
constexpr int kLeastThemed = 11;

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
    std::string words;  // the answer as written, spaces between its words: its roots
};

// Reads featured.tsv ("pack<tab>name<tab>title<tab>ANSWER WORDS<tab>clue" per line).
bool LoadFeatured(const std::string& path, std::vector<Featured>* out, std::string* error);

// Reads titles.tsv ("pack<tab>name<tab>title", a line per featured row in its order) into the
// rows' titles: what a themeless prints (a themed puzzle prints its theme's).
bool LoadTitles(const std::string& path, std::vector<Featured>* rows, std::string* error);

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
    std::vector<ThemeSet> themes;
    std::set<std::string> standbys;  // crossword stand-bys: once per pack at most
    EditorLists rules;               // the editor's lists; its roots made by AddFeatured
    PairPrints printed;              // answer-and-clue pairs of the packs made so far
    uint64_t seed = 1;
    long nodeBudget = 400;        // search nodes per fill attempt before a restart
    std::set<std::string> grids;  // solutions made so far, so no two packs share a grid
    long unfilled = 0;            // attempts whose fill ran out of nodes
    long unclued = 0;             // filled grids dropped for want of a fitting clue
    bool diagnose = false;        // explain each row that stops a pack (stderr)
    // Puzzles made before, "pack/name" -> solution with '#' on blocks: kept while they fit.
    std::map<std::string, std::string> kept;
};

// Adds the featured answers and the theme entries to the lexicon, each with its hand-written
// clue as its only clue (an answer the lexicon has loses its other clues), and makes the book
// of roots over the lexicon. Call once before generating.
void AddFeatured(Generator& gen);

// The filled grid of a 15 x 15 .puz file as pattern cells (its letters, '#' on blocks);
// empty when the file cannot be read as one.
std::string GridOfPuzzleFile(const std::string& path);

// Reads the solutions of pack `key`'s puzzles made before, under `dir`, into gen->kept;
// GeneratePack keeps each that still fits.
void KeepPuzzles(const std::string& dir, const std::string& key, Generator* gen);

// Counts the answer-and-clue pairs of pack `key`'s files under `dir` in gen->printed, so a
// pack made on its own (--pack) prints no pair more often than the packs before it allow.
void CountPrintedPairs(const std::string& dir, const std::string& key, Generator* gen);

// Generates the 31 puzzles of pack `index` (0 = One). Writes a progress line to stderr.
// False when a puzzle could not be made within its attempts.
bool GeneratePack(Generator& gen, int index, std::vector<PackPuzzle>* out);

// The patterns row `done` of a pack tries, in order. Once a pack has spent most of its short
// words only the patterns that fill best late in a pack (the highest `late`) still fill, and
// a shape serves at most three puzzles of a pack; so the first rows take the patterns that
// fill worst late and the last rows those that fill best. Row `done` starts from the pattern
// whose rank in `family` (every pattern the row could use, worst late first) matches its
// place in the pack and goes on to the nearest ranks, harder first on a tie. `usable` is the
// family less the shapes the pack has used up; the result holds only usable patterns.
std::vector<const Pattern*> PatternsForRow(std::vector<const Pattern*> family,
                                           const std::vector<const Pattern*>& usable, int done);

// The order a pack makes its rows in (indices into `rows`): featured answers of rare letters
// first (FRYINGPANS before DEPARTURES), while the pack still has every short word that can
// cross them. A letter's weight is how often it occurs in the lexicon's short answers.
std::vector<int> RowOrder(const std::vector<LexEntry>& lexicon,
                          const std::vector<const Featured*>& rows);

// How many of `tries` fills of `pattern` work, each around a featured answer in one of its
// longest slots (taken in turn from gen.featured), with the words of `used` spent as a pack
// spends them by its row `done`. Measures the `late` of a pattern.
int PatternFills(const Generator& gen, const Pattern& pattern,
                 const std::map<std::string, int>& used, int done, int tries);

// The theme of pack `pack`'s puzzle `name`, or null when it is a themeless.
const ThemeSet* ThemeOf(const Generator& gen, const std::string& pack, const std::string& name);

// How many of `tries` fills of a pattern made for `theme` work in a pack with nothing used
// yet: a set that seldom fills only burns a pack's attempts.
int ThemeFills(const Generator& gen, const ThemeSet& theme, int tries);

// Fills pack `key`'s themed puzzles not in gen.kept yet, `rounds` attempts each, and appends
// each grid that fills, keeps the editor's limits and can be clued to `bank` (and to
// gen.kept); the words of the pack's banked grids (a themeless may be banked too) count as
// used, as in a pack run. Returns how many grids it added.
int BankGrids(Generator& gen, const std::string& key, int rounds, std::ostream& bank);

// The goals of the patterns made for themed puzzles and opened for themelesses (the editor's
// limits: a grid at most 78 words, a themeless at most 72 with six entries of 8 letters or
// more, none over ten: the featured answer's length).
PatternGoal ThemedGoal();
PatternGoal ThemelessGoal();
// A themeless pattern: two symmetric pairs of ten-letter across slots (the featured answer's
// length) laid out as a themed grid's entries are, the rest cut to the themeless limits; empty
// when this seed misses. The ones that fill well go into the patterns file.
std::string MakeThemelessPattern(uint64_t seed);

// The copyright string of a puzzle: the project's, with WordNet credited when any of its
// clues came from WordNet's definitions.
std::string CopyrightLine(bool usesWordNet);

// The block shape of a pattern up to rotation and mirroring: the least of its eight
// orientations, so two patterns of one shape have the same key.
std::string ShapeKey(const std::string& cells);

// Deterministic 64-bit mixing for seeds and noise.
uint64_t Mix(uint64_t x);
