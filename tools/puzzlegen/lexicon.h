// The answer list the generator fills from: tools/lexicon/lexicon.tsv, built from WordNet and
// SCOWL by build_lexicon.py. Knows nothing of grids.
#pragma once

#include <string>
#include <vector>

struct LexEntry {
    std::string answer;              // upper-case letters only
    double score = 0;                // higher is a better, commoner fill word
    int level = 0;                   // SCOWL level of the word (10 common .. 50 rare)
    std::vector<std::string> clues;  // clue candidates, best first; never empty
};

// Reads the lexicon file; false (with a message in *error) when it cannot be read or a row
// is malformed.
bool LoadLexicon(const std::string& path, std::vector<LexEntry>* out, std::string* error);
