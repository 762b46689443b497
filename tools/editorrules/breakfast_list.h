// The breakfast test: words an editor keeps out of a puzzle read over breakfast (disease,
// vermin, bodily fluids, violence, slurs), in every form, as answers and as clue words. Read
// from tools/lexicon/breakfast.txt and the blocked list beside it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// A word refused only in some senses: BOIL is a sore only when its clue says so, SCAB may
// stand for a strikebreaker.
struct BreakfastSense {
    bool unless = false;          // true: allowed when the clue holds one of `words`;
                                  // false: refused only when it does
    std::set<std::string> words;  // lower case
};

struct BreakfastList {
    std::set<std::string> forms;                   // every refused form, lower case
    std::map<std::string, BreakfastSense> senses;  // form -> its sense rule, when it has one
};

// Every form of the base words (lower case): each base, its regular inflections spelled every
// way English spells them (-s, -es, -ies, -ed, -d, -ied, -ing, -ying, -er, -est, doubled
// consonants, dropped e; a cut stem is a form only with its suffix), and the irregular forms
// given.
std::set<std::string> BlockedForms(const std::set<std::string>& bases,
                                   const std::set<std::string>& irregular);

// The words of a list file, separated by white space, '#' starting a comment; lower-cased.
std::set<std::string> ReadWordList(const std::string& path);

// The blocked list of the lexicon folder alone: every form of blocklist.txt's words and the
// irregular ones of blocked_irregular.txt, less the words of not_blocked.txt.
BreakfastList LoadBlockedList(const std::string& lexiconDir);

// Reads the lexicon folder's breakfast.txt ("word" or "word unless|when w1 w2 ..." a line),
// blocklist.txt and blocked_irregular.txt, less the words of not_blocked.txt (PEER is no
// form of a blocked word). False when breakfast.txt cannot be read.
bool LoadBreakfastList(const std::string& lexiconDir, BreakfastList* out, std::string* error);

// True when `word` (any case) may not be printed in a puzzle whose clue for it, or whose
// clue holding it, is `clue`.
bool BreakfastWord(const std::string& word, const std::string& clue, const BreakfastList& list);

// The first refused word of a clue, or "" when it has none.
std::string BreakfastWordOfClue(const std::string& clue, const BreakfastList& list);

// The text in lower case.
std::string LowerCase(const std::string& text);

// A clue's words, lower case, a possessive "'s" left out ("dog's" is "dog").
std::vector<std::string> ClueWords(const std::string& clue);
