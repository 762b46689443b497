// Constraint filling of one grid: every slot gets a word so that crossing squares agree.
// Domains are bitsets over a per-length word list (bit k = the k-th best word), narrowed by
// letter-position bitsets and arc consistency at every crossing. Knows nothing of clues.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pattern.h"

// The words of one length in preference order, with a bitset per (position, letter) that
// has bit k set when word k has that letter at that position.
struct WordList {
    int length = 0;
    int blocks = 0;  // 64-bit blocks per bitset
    std::vector<std::string> words;
    std::vector<int> ids;            // caller's id of each word (a lexicon row)
    std::vector<uint64_t> byLetter;  // [position][letter][block]
};

// Builds the list for one length from words in the order given (best first).
WordList MakeWordList(int length, const std::vector<std::string>& words,
                      const std::vector<int>& ids);

struct FillResult {
    bool filled = false;
    long nodes = 0;            // search nodes used
    std::vector<int> wordIds;  // per slot: the id of its word
};

// Fills the slots. `lists` is indexed by word length; `fixedIds[s]` is an id the slot must
// take (a featured word) or -1. Gives up after `nodeBudget` search nodes. No word is used
// twice in the grid. Deterministic: same input, same fill.
FillResult FillGrid(const std::vector<Slot>& slots, const std::vector<WordList>& lists,
                    const std::vector<int>& fixedIds, long nodeBudget);
