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

// Picks one clue per entry from its candidates (best first). A candidate already given to
// the same answer earlier in the pack (`usedInPack`) is passed over while another one fits.
// False when some entry has no candidate left.
bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues);
