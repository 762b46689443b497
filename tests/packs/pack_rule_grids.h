// The committed packs as the editor's rules read them: every file through the independent
// reader, each entry told whether a person wrote its clue (the lexicon's hand clues, the
// featured and theme clues), each grid its theme from themes.tsv. Shared by the packs' test
// and the pack_rules report.
#pragma once

#include <string>
#include <vector>

#include "editor_rules.h"

struct PacksUnderRules {
    std::vector<std::string> packs;            // "one" .. "six"
    std::vector<std::vector<RuleGrid>> grids;  // per pack, in pack.txt order
    EditorLists lists;
};

// Reads the packs, lists and lexicon under `sourceDir`; false with *error when a list is
// missing (themes.tsv may be: then every puzzle is themeless).
bool LoadPacksUnderRules(const std::string& sourceDir, PacksUnderRules* out, std::string* error);

// Every finding of every editor's rule: grid by grid, pack by pack, then over all six.
std::vector<RuleFinding> CheckPacksUnderRules(const PacksUnderRules& packs);
