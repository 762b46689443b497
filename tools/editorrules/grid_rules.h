// The editor's rules inside one grid: roots, clues holding answers, the breakfast test,
// crosswordese, word counts, theme slots, WordNet's example sentences. Each question the
// generator asks while it fills or clues is a function of its own; CheckGridRules asks them
// all of a finished grid.
#pragma once

#include <string>
#include <vector>

#include "editor_rules.h"

// True when the clue's words, alone or run together, spell `answer` ("ice cream" spells
// ICECREAM; "nice creamery" does not). Case and punctuation are ignored.
bool ClueSpellsAnswer(const std::string& clue, const std::string& answer);

// True when the clue spells `answer` ("ice cream" spells
// ICECREAM), or a clue word of three letters or more shares a root with it ("Drag" for
// DRAGS, "Phases" for PHASE, "Aria" for ARIAS).
bool ClueHoldsAnswer(const std::string& clue, const std::string& answer, const RootBook& roots);

// ClueHoldsAnswer for every answer of a grid at once: the clue is read once.
bool ClueHoldsAnyAnswer(const std::string& clue, const std::vector<std::string>& answers,
                        const RootBook& roots);

// A lively clue: wordplay marked with a question mark, a fill-in-the-blank ("___") or a
// quotation or title in double quotes (not a word to add: Getting by, with "out"). A puzzle
// has three or more.
bool IsLively(const std::string& clue);
constexpr int kMinLivelyClues = 3;

// True when an answer with this clue may not be printed: the answer or a clue word fails the
// breakfast test (SCAB stands only as a strikebreaker).
bool FailsBreakfast(const std::string& answer, const std::string& clue, const BreakfastList& list);

// A WordNet example sentence: a fill-in-the-blank ("Taken ___ by the caustic remarks") that
// no person wrote, since the lexicon makes its blanks only from WordNet's examples.
bool IsWordNetExample(const std::string& clue, bool handClue);

// True when the answer is on the crosswordese list.
bool IsCrosswordese(const std::string& answer, const EditorLists& lists);

// Every rule of one grid; findings go to *out, named by the grid.
void CheckGridRules(const RuleGrid& grid, const EditorLists& lists, std::vector<RuleFinding>* out);
