// The theme sets of the themed puzzles: themes.tsv names, per puzzle of a pack, its title
// and three or four theme entries with the clues written for them. The generator plants the
// entries in symmetric slots and fills the grid around them.
#pragma once

#include <string>
#include <vector>

struct ThemeSet {
    std::string pack;                  // "three"
    std::string name;                  // the puzzle's file name without ".puz"
    std::string title;                 // ties the entries together
    std::vector<std::string> words;    // each entry as written, spaces between its words
    std::vector<std::string> answers;  // each entry's letters: the grid's answer
    std::vector<std::string> clues;
};

// Reads themes.tsv ("pack<tab>name<tab>title" then "ENTRY WORDS<tab>clue" by turns). False
// with the line in *error for a malformed row, an entry outside 11 to 15 letters or entries
// whose lengths no symmetric layout takes (ThemeLayout).
bool LoadThemes(const std::string& path, std::vector<ThemeSet>* out, std::string* error);

// The lengths of a set's entries, top to bottom.
std::vector<int> ThemeLengths(const ThemeSet& theme);
