// The rules over a pack and over all six packs.
#include "pack_rules.h"

#include <map>
#include <set>

PackRepeats CountPackRepeats(const std::vector<RuleGrid>& pack)
{
    PackRepeats out;
    std::set<std::string> seen;
    for (const RuleGrid& grid : pack) {
        for (const RuleEntry& e : grid.entries) {
            ++out.entries;
            out.repeats += !seen.insert(e.answer).second;
        }
    }
    return out;
}

bool RepeatsWithinShare(int repeats, int entries)
{
    return repeats * 100 <= entries * kRepeatPercent;
}

void CheckPackRules(const std::string& packName, const std::vector<RuleGrid>& pack,
                    const EditorLists& lists, std::vector<RuleFinding>* out)
{
    std::map<std::string, int> standbyUses;
    for (const RuleGrid& grid : pack)
        for (const RuleEntry& e : grid.entries)
            if (lists.standbys.count(e.answer))
                ++standbyUses[e.answer];
    for (const auto& [answer, uses] : standbyUses)
        if (uses > 1)
            out->push_back({kRuleStandby, packName,
                            "stand-by " + answer + " used " + std::to_string(uses) + " times"});
    const PackRepeats repeats = CountPackRepeats(pack);
    if (!RepeatsWithinShare(repeats.repeats, repeats.entries))
        out->push_back({kRulePackRepeats, packName,
                        std::to_string(repeats.repeats) + " of " + std::to_string(repeats.entries) +
                            " entries repeat an answer"});
}

void CheckAllPacksRules(const std::vector<std::vector<RuleGrid>>& packs,
                        std::vector<RuleFinding>* out)
{
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> pairs;
    std::map<std::string, std::set<std::string>> clues;
    std::map<std::string, int> uses;
    for (const std::vector<RuleGrid>& pack : packs) {
        for (const RuleGrid& grid : pack) {
            for (const RuleEntry& e : grid.entries) {
                pairs[{e.answer, e.clue}].push_back(grid.name);
                clues[e.answer].insert(e.clue);
                ++uses[e.answer];
            }
        }
    }
    for (const auto& [pair, where] : pairs) {
        if (where.size() <= static_cast<size_t>(kMaxPairPrints))
            continue;
        std::string grids;
        for (const std::string& name : where)
            grids += " " + name;
        out->push_back({kRulePairRepeats, pair.first,
                        pair.first + " \"" + pair.second + "\" printed " +
                            std::to_string(where.size()) + " times:" + grids});
    }
    for (const auto& [answer, count] : uses)
        if (count >= kVariedUses && clues[answer].size() < static_cast<size_t>(kVariedClues))
            out->push_back({kRuleClueVariety, answer,
                            answer + " used " + std::to_string(count) + " times with " +
                                std::to_string(clues[answer].size()) + " clues"});
}
