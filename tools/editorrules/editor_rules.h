// The editor's rules for the puzzle packs, shared by the generator (so it never makes what
// the checker refuses) and the packs' checker: the records they read, the lists behind them,
// and one numbered table of the rules, so a finding names the rule it breaks. Knows nothing
// of the game, of files' layout or of how a grid is filled.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "breakfast_list.h"
#include "word_roots.h"

// One clued entry of a grid.
struct RuleEntry {
    std::string answer;  // upper-case letters
    std::string clue;
    bool handClue = false;  // written or chosen by a person (in overrides.tsv, a featured or
                            // theme clue), not one of WordNet's
    int row = 0, col = 0;   // its first square
    bool down = false;
};

// One puzzle as the rules see it.
struct RuleGrid {
    std::string name;                // "three/hilo", to say where a finding is
    std::vector<RuleEntry> entries;  // in clue order
    std::vector<std::string> theme;  // its theme answers from themes.tsv; empty: themeless
};

// The lists the rules read, loaded once.
struct EditorLists {
    RootBook roots;
    BreakfastList breakfast;
    std::set<std::string> crosswordese;  // upper case: tools/lexicon/crosswordese.txt
    std::set<std::string> standbys;      // upper case: tools/puzzlegen/standbys.txt
};

// Reads the breakfast, blocked and crosswordese lists of `lexiconDir` and the stand-bys of
// `standbysPath` into *out (its roots are the caller's: MakeRootBook over the lexicon).
bool LoadEditorLists(const std::string& lexiconDir, const std::string& standbysPath,
                     EditorLists* out, std::string* error);

// The rules, by number. A finding names its rule so a caller can count or excuse one.
enum EditorRule {
    kRuleSharedRoot,       // two answers of a grid share a root
    kRuleClueHoldsAnswer,  // a clue holds another answer of its grid or a form of it
    kRuleBreakfast,        // an answer or clue word from the breakfast or blocked list
    kRuleCrosswordese,     // more than two crosswordese answers in a grid
    kRuleWordCount,        // more than 78 words in a grid
    kRuleThemeless,        // a themeless grid of more than 72 words or under six 8+ entries
    kRuleTheme,            // theme entries missing, unclued by hand or out of symmetric slots
    kRuleWordNetExample,   // a WordNet example sentence as a clue
    kRuleStandby,          // a stand-by more than once in a pack
    kRulePackRepeats,      // over 5 % of a pack's entries repeat an answer of the pack
    kRulePairRepeats,      // an answer-and-clue pair printed more than three times in all
    kRuleClueVariety,      // an answer used five times or more with under three clues
    kRuleCount
};

// The rule's short name, as the report and the tests print it ("shared-root").
const char* RuleName(int rule);

struct RuleFinding {
    int rule = 0;       // an EditorRule
    std::string where;  // the grid's name, or the pack's
    std::string what;   // what breaks it, for a person
};

// The limits, named where the rules use them.
constexpr int kMaxWords = 78;
constexpr int kMaxThemelessWords = 72;
constexpr int kThemelessLongLength = 8;
constexpr int kMinThemelessLong = 6;
constexpr int kMaxCrosswordese = 2;
constexpr int kMinThemeLength = 11;
constexpr int kMaxPairPrints = 3;
constexpr int kVariedUses = 5;   // an answer used this often ...
constexpr int kVariedClues = 3;  // ... has at least this many clues
constexpr int kRepeatPercent = 5;
