// The rules inside one grid. The clue rule reduces every clue word and answer to its root
// keys once, since a grid asks it of every clue against every answer.
#include "grid_rules.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

constexpr int kSide = 15;

std::vector<std::string> UpperClueWords(const std::string& clue)
{
    std::vector<std::string> words = ClueWords(clue);
    for (std::string& w : words)
        for (char& ch : w)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return words;
}

bool Meet(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    for (const std::string& key : a)
        if (std::find(b.begin(), b.end(), key) != b.end())
            return true;
    return false;
}

// A clue, read once: its words and each word's root keys.
struct ReadClue {
    std::vector<std::string> words;
    std::vector<std::vector<std::string>> keys;  // per word; empty for words under 3 letters
};

ReadClue Read(const std::string& clue, const RootBook& roots)
{
    ReadClue out;
    out.words = UpperClueWords(clue);
    for (const std::string& w : out.words)
        out.keys.push_back(w.size() >= 3 ? RootKeys(w, roots) : std::vector<std::string>{});
    return out;
}

bool Spells(const std::vector<std::string>& words, const std::string& answer)
{
    for (size_t i = 0; i < words.size(); ++i) {
        std::string run;
        for (size_t j = i; j < words.size() && run.size() < answer.size(); ++j)
            if ((run += words[j]) == answer)
                return true;
    }
    return false;
}

bool Holds(const ReadClue& clue, const std::string& answer, const std::vector<std::string>& keys)
{
    if (Spells(clue.words, answer))
        return true;
    for (const std::vector<std::string>& wordKeys : clue.keys)
        if (Meet(wordKeys, keys))
            return true;
    return false;
}

void Find(std::vector<RuleFinding>* out, int rule, const RuleGrid& grid, const std::string& what)
{
    out->push_back({rule, grid.name, what});
}

// The entry in the slot that 180-degree symmetry pairs with `e`, or null.
const RuleEntry* Partner(const RuleGrid& grid, const RuleEntry& e)
{
    const int last = static_cast<int>(e.answer.size()) - 1;
    const int row = kSide - 1 - (e.down ? e.row + last : e.row);
    const int col = kSide - 1 - (e.down ? e.col : e.col + last);
    for (const RuleEntry& other : grid.entries)
        if (other.down == e.down && other.row == row && other.col == col &&
            other.answer.size() == e.answer.size())
            return &other;
    return nullptr;
}

void CheckTheme(const RuleGrid& grid, std::vector<RuleFinding>* out)
{
    if (grid.theme.size() < 3 || grid.theme.size() > 4)
        Find(out, kRuleTheme, grid, std::to_string(grid.theme.size()) + " theme entries");
    for (const std::string& answer : grid.theme) {
        auto e = std::find_if(grid.entries.begin(), grid.entries.end(),
                              [&](const RuleEntry& x) { return x.answer == answer; });
        if (e == grid.entries.end()) {
            Find(out, kRuleTheme, grid, "theme entry " + answer + " is not in the grid");
            continue;
        }
        if (answer.size() < static_cast<size_t>(kMinThemeLength))
            Find(out, kRuleTheme, grid, "theme entry " + answer + " is under 11 letters");
        if (!e->handClue)
            Find(out, kRuleTheme, grid, "theme entry " + answer + " is not clued by hand");
        const RuleEntry* partner = Partner(grid, *e);
        if (!partner ||
            std::find(grid.theme.begin(), grid.theme.end(), partner->answer) == grid.theme.end())
            Find(out, kRuleTheme, grid,
                 "theme entry " + answer + " has no theme entry in its symmetric slot");
    }
}

}  // namespace

bool ClueSpellsAnswer(const std::string& clue, const std::string& answer)
{
    return Spells(UpperClueWords(clue), answer);
}

bool ClueHoldsAnswer(const std::string& clue, const std::string& answer, const RootBook& roots)
{
    return Holds(Read(clue, roots), answer, RootKeys(answer, roots));
}

bool ClueHoldsAnyAnswer(const std::string& clue, const std::vector<std::string>& answers,
                        const RootBook& roots)
{
    const ReadClue read = Read(clue, roots);
    for (const std::string& answer : answers)
        if (Holds(read, answer, RootKeys(answer, roots)))
            return true;
    return false;
}

bool IsLively(const std::string& clue)
{
    if (clue.find("___") != std::string::npos || (!clue.empty() && clue.back() == '?'))
        return true;
    const size_t open = clue.find('"');
    if (open == std::string::npos || clue.find('"', open + 1) == std::string::npos)
        return false;
    // Getting by, with "out": a word to add, not a quotation.
    return open < 5 || clue.compare(open - 5, 5, "with ") != 0;
}

bool FailsBreakfast(const std::string& answer, const std::string& clue, const BreakfastList& list)
{
    return BreakfastWord(answer, clue, list) || !BreakfastWordOfClue(clue, list).empty();
}

bool IsWordNetExample(const std::string& clue, bool handClue)
{
    return !handClue && clue.find("___") != std::string::npos;
}

bool IsCrosswordese(const std::string& answer, const EditorLists& lists)
{
    return lists.crosswordese.count(answer) > 0;
}

void CheckGridRules(const RuleGrid& grid, const EditorLists& lists, std::vector<RuleFinding>* out)
{
    const std::vector<RuleEntry>& entries = grid.entries;
    std::vector<std::vector<std::string>> keys;
    for (const RuleEntry& e : entries)
        keys.push_back(RootKeys(e.answer, lists.roots));
    for (size_t i = 0; i < entries.size(); ++i)
        for (size_t j = i + 1; j < entries.size(); ++j)
            if (entries[i].answer != entries[j].answer && Meet(keys[i], keys[j]))
                Find(out, kRuleSharedRoot, grid,
                     entries[i].answer + " and " + entries[j].answer + " share a root");
    for (size_t i = 0; i < entries.size(); ++i) {
        const ReadClue clue = Read(entries[i].clue, lists.roots);
        for (size_t j = 0; j < entries.size(); ++j)
            if (j != i && Holds(clue, entries[j].answer, keys[j]))
                Find(out, kRuleClueHoldsAnswer, grid,
                     entries[i].answer + " \"" + entries[i].clue + "\" holds " + entries[j].answer);
    }
    int crosswordese = 0, longEntries = 0;
    std::string crosswordeseNames;
    for (const RuleEntry& e : entries) {
        if (FailsBreakfast(e.answer, e.clue, lists.breakfast))
            Find(out, kRuleBreakfast, grid, e.answer + " \"" + e.clue + "\"");
        if (IsWordNetExample(e.clue, e.handClue))
            Find(out, kRuleWordNetExample, grid, e.answer + " \"" + e.clue + "\"");
        if (IsCrosswordese(e.answer, lists)) {
            ++crosswordese;
            crosswordeseNames += " " + e.answer;
        }
        longEntries += e.answer.size() >= static_cast<size_t>(kThemelessLongLength);
    }
    if (crosswordese > kMaxCrosswordese)
        Find(out, kRuleCrosswordese, grid,
             std::to_string(crosswordese) + " crosswordese answers:" + crosswordeseNames);
    const int words = static_cast<int>(entries.size());
    if (words > kMaxWords)
        Find(out, kRuleWordCount, grid, std::to_string(words) + " words");
    if (grid.theme.empty() && (words > kMaxThemelessWords || longEntries < kMinThemelessLong))
        Find(out, kRuleThemeless, grid,
             "themeless with " + std::to_string(words) + " words and " +
                 std::to_string(longEntries) + " entries of 8+ letters");
    if (!grid.theme.empty())
        CheckTheme(grid, out);
}
