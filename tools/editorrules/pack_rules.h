// The editor's rules over a pack and over all six: stand-bys once a pack, few repeated
// answers in a pack, no answer-and-clue pair printed over and over, varied clues for an
// answer used often.
#pragma once

#include <string>
#include <vector>

#include "editor_rules.h"

// The entries of a pack that repeat an answer met before in it, and how many entries it has.
struct PackRepeats {
    int entries = 0;
    int repeats = 0;
};
PackRepeats CountPackRepeats(const std::vector<RuleGrid>& pack);

// True when a pack with these counts keeps within its share of repeats (5 %).
bool RepeatsWithinShare(int repeats, int entries);

// Stand-bys at most once a pack, repeats within their share; findings named by `packName`.
void CheckPackRules(const std::string& packName, const std::vector<RuleGrid>& pack,
                    const EditorLists& lists, std::vector<RuleFinding>* out);

// Over all six packs: no answer-and-clue pair printed more than three times, and an answer
// used five times or more with three different clues or more. Findings are named by the
// answer.
void CheckAllPacksRules(const std::vector<std::vector<RuleGrid>>& packs,
                        std::vector<RuleFinding>* out);
