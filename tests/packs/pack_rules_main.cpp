// pack_rules: the committed packs in the figures an editor asks for (themed puzzles, longest
// entries, words a grid, repeated answer-and-clue pairs, crosswordese a grid), then every
// finding of the editor's rules, counted by rule and listed one a line.
//
//     build/default/bin/pack_rules [source-dir] [--summary]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "grid_rules.h"
#include "pack_rule_grids.h"

namespace {

void PrintFigures(const PacksUnderRules& packs)
{
    std::printf("%-6s %6s %8s %12s %9s %10s %12s\n", "pack", "themed", "longest", "11-15 lttrs",
                "words", "themeless", "crosswordese");
    std::map<std::pair<std::string, std::string>, int> pairs;
    int printed = 0;
    for (size_t p = 0; p < packs.grids.size(); ++p) {
        int themed = 0, longEntries = 0, fewestWords = 999, mostWords = 0, within = 0;
        int mostXese = 0, totalXese = 0;
        size_t longest = 0;
        for (const RuleGrid& grid : packs.grids[p]) {
            themed += !grid.theme.empty();
            int xese = 0, eight = 0;
            for (const RuleEntry& e : grid.entries) {
                longest = std::max(longest, e.answer.size());
                longEntries += e.answer.size() >= static_cast<size_t>(kMinThemeLength);
                xese += IsCrosswordese(e.answer, packs.lists);
                eight += e.answer.size() >= static_cast<size_t>(kThemelessLongLength);
                ++pairs[{e.answer, e.clue}];
                ++printed;
            }
            const int words = static_cast<int>(grid.entries.size());
            fewestWords = std::min(fewestWords, words);
            mostWords = std::max(mostWords, words);
            within +=
                grid.theme.empty() && words <= kMaxThemelessWords && eight >= kMinThemelessLong;
            mostXese = std::max(mostXese, xese);
            totalXese += xese;
        }
        char range[16], xese[24];
        std::snprintf(range, sizeof range, "%d-%d", fewestWords, mostWords);
        std::snprintf(xese, sizeof xese, "%d (max %d)", totalXese, mostXese);
        std::printf("%-6s %3d/%-2zu %8zu %12d %9s %10d %12s\n", packs.packs[p].c_str(), themed,
                    packs.grids[p].size(), longest, longEntries, range, within, xese);
    }
    int overPrinted = 0;
    for (const auto& [pair, count] : pairs)
        overPrinted += count > kMaxPairPrints;
    const int repeats = printed - static_cast<int>(pairs.size());
    std::printf("\n%d clues printed, %zu distinct answer-and-clue pairs: %d prints (%.0f %%) "
                "repeat a pair printed before; %d pairs printed more than %d times\n",
                printed, pairs.size(), repeats, 100.0 * repeats / printed, overPrinted,
                kMaxPairPrints);
    std::printf("themeless column: themeless grids within %d words with %d entries of %d+ "
                "letters\n",
                kMaxThemelessWords, kMinThemelessLong, kThemelessLongLength);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string source = ".";
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--summary") == 0)
            summary = true;
        else
            source = argv[i];
    }
    PacksUnderRules packs;
    std::string error;
    if (!LoadPacksUnderRules(source, &packs, &error)) {
        std::fprintf(stderr, "pack_rules: %s\n", error.c_str());
        return 2;
    }
    PrintFigures(packs);
    const std::vector<RuleFinding> findings = CheckPacksUnderRules(packs);
    std::printf("\n%-18s %9s %8s\n", "rule", "findings", "places");
    for (int rule = 0; rule < kRuleCount; ++rule) {
        std::set<std::string> places;
        int count = 0;
        for (const RuleFinding& f : findings)
            if (f.rule == rule) {
                ++count;
                places.insert(f.where);
            }
        std::printf("%-18s %9d %8zu\n", RuleName(rule), count, places.size());
    }
    if (!summary) {
        std::printf("\n");
        for (const RuleFinding& f : findings)
            std::printf("%-18s %-14s %s\n", RuleName(f.rule), f.where.c_str(), f.what.c_str());
    }
    return findings.empty() ? 0 : 1;
}
