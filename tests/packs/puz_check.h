// An independent reader and rule checker for the pack puzzles, written apart from the
// generator so that a fault in one is caught by the other.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "breakfast_list.h"

struct CheckedWord {
    int number = 0;
    bool down = false;
    std::string answer;
    std::string clue;
    int row = 0, col = 0;  // its first square
};

struct CheckedPuzzle {
    int width = 0, height = 0;
    std::string solution;  // row-major, '.' for blocks
    std::string title, author, copyright, notes;
    std::vector<CheckedWord> words;  // in clue order
};

// Reads a file image; problems go to *problems (the format, the four checksums, the
// strings). The words are filled in from the grid's own numbering.
CheckedPuzzle ReadChecked(const std::vector<uint8_t>& file, std::vector<std::string>* problems);

// The grid rules: 15 x 15, 180-degree symmetry, every word 3 or longer, connected white
// squares. How many words a grid may have is the editor's rule (tools/editorrules).
void CheckGrid(const CheckedPuzzle& p, std::vector<std::string>* problems);

// Inside one puzzle: no answer twice, no clue twice, no clue spelling an answer of the grid
// (alone or run together; its forms are the editor's rule), no empty clue.
void CheckPuzzleWords(const CheckedPuzzle& p, std::vector<std::string>* problems);

// The pack limits: an answer of 5+ letters once, 4 letters at most twice, 3 at most three
// times in the pack.
void CheckPackRepeats(const std::vector<CheckedPuzzle>& pack, std::vector<std::string>* problems);

// The running checksum of the format.
uint16_t Cksum(const uint8_t* data, size_t size, uint16_t sum);

// ---- Content rules: what may be printed, read from the lexicon's committed lists ----------

// No answer and no whole word of a clue is on the list (the blocked list's forms: the
// breakfast list is the editor's rule).
void CheckBlocked(const CheckedPuzzle& p, const BreakfastList& blocked,
                  std::vector<std::string>* problems);

// True when a clue word and an answer (lower case) share a stem: one holds the other (4+
// letters: suitcase / CASE), they begin with the same four letters, they reduce to one stem
// once affixes are taken off (enactment / ACT), or a three-letter content word is a whole
// part of a compound answer (bow / CROSSBOWS).
bool SharesStem(const std::string& word, const std::string& answer);

// Clue form: every word a known word form, none sharing a stem with its answer, no clue that
// is only a generic word ("Persons"), no vague "Kind of X".
void CheckClueForms(const CheckedPuzzle& p, const std::set<std::string>& known,
                    std::vector<std::string>* problems);

// At least three lively clues a puzzle: a fill-in-the-blank ("___"), wordplay ending in a
// question mark, or a quotation or title between double quotes (not a word to add, as in
// Getting by, with "out").
void CheckLivelyClues(const CheckedPuzzle& p, std::vector<std::string>* problems);

// Fill: no answer is on the list of unfit answers, at least two have ten letters or more, and
// the featured answer fills a longest slot. (Two answers sharing a root is the editor's rule.)
void CheckFill(const CheckedPuzzle& p, const std::set<std::string>& unfit,
               const std::string& featured, std::vector<std::string>* problems);

// The block shape of a grid up to rotation and mirroring (the least of its eight
// orientations); one shape at most three times in a pack.
std::string BlockShape(const std::string& solution);
void CheckShapes(const std::vector<CheckedPuzzle>& pack, std::vector<std::string>* problems);

// What the committed lexicon says of an answer: its SCOWL level, whether it is a name, the
// words it is a form of ("act_as" for a phrase), and its hand-written clues.
struct LexiconFacts {
    int level = 0;
    std::string stems;
    std::set<std::string> handClues;
    bool name = false;
};
std::map<std::string, LexiconFacts> ReadLexiconFacts(const std::string& path);

// One row of featured.tsv: a puzzle's file name, title, featured answer and its clue.
struct FeaturedPuzzle {
    std::string name, title, answer, clue;
    std::string words;  // the answer as featured.tsv spells it, spaces between its words
};
std::map<std::string, std::vector<FeaturedPuzzle>> ReadFeatured(const std::string& path);

// No phrase answer ends in a word that wants an object (ACT AS, MATTER TO).
void CheckPartialPhrases(const CheckedPuzzle& p, const std::map<std::string, LexiconFacts>& lex,
                         std::vector<std::string>* problems);

// Obscure answers fill at most 2% of a pack's slots: those unknown to the lexicon (NIMBI,
// PYXES, ORMOLU, ENDUE, CLEW and ESOPHAGI are dropped from it) and those of SCOWL's rarest
// band (50) that have no hand-written clue and are not names (SCOWL lists the commonest
// names at level 50); featured answers are excepted.
void CheckObscureShare(const std::vector<CheckedPuzzle>& pack,
                       const std::map<std::string, LexiconFacts>& lex,
                       const std::set<std::string>& featured, std::vector<std::string>* problems);

// The copyright string names the project and credits WordNet exactly when a clue is not
// hand-written (not among the answer's hand clues, nor a featured clue).
void CheckCredit(const CheckedPuzzle& p, const std::map<std::string, LexiconFacts>& lex,
                 const std::map<std::string, std::set<std::string>>& featuredClues,
                 std::vector<std::string>* problems);
