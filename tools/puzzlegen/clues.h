// Choosing a clue for every entry of a filled grid under the rules of a puzzle: no clue
// twice, no clue that names an answer of the grid.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// True when the clue's words, alone or run together, spell `answer` ("ice cream" spells
// ICECREAM). Case and punctuation are ignored.
bool ClueMentions(const std::string& clue, const std::string& answer);

// A lively clue: wordplay marked with a question mark, a fill-in-the-blank ("___") or a
// quotation or title in double quotes (not a word to add: Getting by, with "out").
bool IsLively(const std::string& clue);

// Picks one clue per entry from its candidates (best first), never one that names an answer
// of the grid or one the grid already has. When the best candidate was given to the same
// answer earlier in the pack (`usedInPack`) and the second fits and was not, the second is
// taken, so a pack varies between the two best clues of an answer it repeats. Then, while
// the grid has fewer than `minLively` lively clues, an entry trades its clue for a lively
// candidate of its own, the best-ranked such candidates of the grid first (hand-written
// clues lead every list). False when some entry has no candidate left or the grid cannot
// reach `minLively`.
bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues, int minLively = 0);
