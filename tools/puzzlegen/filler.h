// Constraint filling of one grid: every slot gets a word so that crossing squares agree.
// Domains are bitsets over a per-length word list (bit k = the k-th best word), narrowed by
// letter-position bitsets and arc consistency at every crossing. Two rules of a grid are kept
// during the search: no two words share a root (the editor's rule, ShareRoot), at most
// `maxRare` words are marked rare and at most `maxCrosswordese` are marked crosswordese.
// Knows nothing of clues.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "pattern.h"
#include "word_roots.h"

// The words of one length in preference order, with a bitset per (position, letter) that
// has bit k set when word k has that letter at that position.
struct WordList {
    int length = 0;
    int blocks = 0;  // 64-bit blocks per bitset
    std::vector<std::string> words;
    std::vector<int> ids;                // caller's id of each word (a lexicon row)
    std::vector<uint64_t> byLetter;      // [position][letter][block]
    std::vector<uint64_t> rare;          // [block]: the words a grid may hold only `maxRare` of
    std::vector<uint64_t> crosswordese;  // [block]: those it may hold `maxCrosswordese` of
    std::vector<int> positionOf;         // caller id -> its position in `words`, or -1
    std::vector<uint32_t> letters;       // [position]: the letters some word has there
};

// Builds the list for one length from words in the order given (best first); `rare[k]`
// marks word k as rare and `crosswordese[k]` as crosswordese (empty: none is).
WordList MakeWordList(int length, const std::vector<std::string>& words,
                      const std::vector<int>& ids, const std::vector<char>& rare = {},
                      const std::vector<char>& crosswordese = {});

// How many words of `list` fit `letters` ('?' where open), up to the whole list.
long CountFitting(const WordList& list, const std::string& letters);

struct FillResult {
    bool filled = false;
    long nodes = 0;            // search nodes used
    std::vector<int> wordIds;  // per slot: the id of its word
    // The dead ends met: for each search node where no word of the chosen slot could be
    // placed, the slot's letters fixed by its placed crossings ('?' where open). Lets a
    // caller tell which length and which letters ran out.
    std::vector<std::string> deadEnds;
};

// Fills the slots. `lists` is indexed by word length; `fixedIds[s]` is an id the slot must
// take (a featured word) or -1. Gives up after `nodeBudget` search nodes. No word is used
// twice in the grid. Deterministic: same input, same fill.
// `idOf` maps every word to its caller id (the lists are made from it); without it the
// search builds the map from the lists. `roots` tells which words share a root (the
// lexicon's book); without it only the spelling does.
FillResult FillGrid(const std::vector<Slot>& slots, const std::vector<WordList>& lists,
                    const std::vector<int>& fixedIds, long nodeBudget, int maxRare = 1000,
                    const std::unordered_map<std::string, int>* idOf = nullptr,
                    const RootBook* roots = nullptr, int maxCrosswordese = 1000);

// How many words each slot keeps once the fixed words are placed and every crossing agrees,
// before any search: what FillGrid starts from, cheap enough to judge a pattern being made.
// Empty when some slot keeps none.
std::vector<int> RootRoom(const std::vector<Slot>& slots, const std::vector<WordList>& lists,
                          const std::vector<int>& fixedIds,
                          const std::unordered_map<std::string, int>* idOf = nullptr,
                          const RootBook* roots = nullptr);
