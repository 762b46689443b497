// Choosing a clue for every entry of a filled grid under the rules of a puzzle: no clue
// twice, no clue that holds an answer of the grid or a form of it, none failing the breakfast
// test, no answer-and-clue pair printed more often than the packs allow.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor_rules.h"

// How often each answer-and-clue pair is printed in the packs made so far.
using PairPrints = std::map<std::pair<std::string, std::string>, int>;

// Picks one clue per entry from its candidates (best first), never one that spells an answer
// of the grid or one the grid already has; with `rules`, never one that holds a form of an
// answer of the grid (by its roots) or fails the breakfast test; with `printed`, never a pair
// printed the most times the packs allow, and an answer printed twice or more with under
// three clues takes a clue new to it when one fits (so five uses have three clues). When the best
// candidate was given to the same answer earlier in the pack (`usedInPack`) and the second fits and
// was not, the second is taken, so a pack varies between the two best clues of an answer it
// repeats. Then, while the grid has fewer than `minLively` lively clues, an entry trades its clue
// for a lively candidate of its own, the best-ranked such candidates of the grid first
// (hand-written clues lead every list). False when some entry has no candidate left (then
// *unclued, when given, names its answer) or the grid cannot reach `minLively`.
bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues, int minLively = 0,
                 const EditorLists* rules = nullptr, const PairPrints* printed = nullptr,
                 std::string* unclued = nullptr);
