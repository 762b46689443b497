// The answer list the generator fills from: tools/lexicon/lexicon.tsv, built from WordNet and
// SCOWL by build_lexicon.py. Knows nothing of grids.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor_rules.h"

struct LexEntry {
    std::string answer;              // upper-case letters only
    double score = 0;                // higher is a better, commoner fill word
    int level = 0;                   // SCOWL level of the word (10 common .. 50 rare)
    std::string stems;               // the words it is a form of, "+"-joined: "lira"
    int hand = 0;                    // how many of the first clues are hand-written
    std::vector<std::string> clues;  // clue candidates, best first; never empty
    bool name = false;               // a proper name (Oslo), from SCOWL's lists of names
};

// Obscure fill: a word of SCOWL's rarest band (the learned plurals such as NIMBI counted with
// it) that no editor has clued by hand. Hand-clued words of that band are the crossword
// words a person has read and kept (ACME, EWER); the obscure ones among them are on the
// unfit list instead.
constexpr int kObscureLevel = 50;
// A name is not: SCOWL lists the commonest names at its level 50.
inline bool Obscure(const LexEntry& e)
{
    return e.level >= kObscureLevel && e.hand == 0 && !e.name;
}

// The tab-separated fields of a line.
std::vector<std::string> SplitTabs(const std::string& line);

// Calls `row` with the "path:line: " prefix and the fields of each line of a tab-separated
// table that is neither empty nor a '#' comment. False, with *error, when the file cannot be
// opened or `row` refuses a line (it sets *error then).
bool ReadTable(const std::string& path, std::string* error,
               const std::function<bool(const std::string& where,
                                        const std::vector<std::string>& fields)>& row);

// Drops what the editor's rules refuse to print: WordNet's example sentences among the clues,
// clues and answers failing the breakfast test (SCAB keeps only its strikebreaker clues), and
// the answers left with no clue.
void KeepEditorsFill(std::vector<LexEntry>* lexicon, const EditorLists& rules);

// Reads the lexicon file; false (with a message in *error) when it cannot be read or a row
// is malformed.
bool LoadLexicon(const std::string& path, std::vector<LexEntry>* out, std::string* error);
