// Clue choice for one grid.
#include "clues.h"

#include "grid_rules.h"

#include <algorithm>
#include <cctype>

bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues, int minLively, const EditorLists* rules,
                 const PairPrints* printed, std::string* unclued)
{
    std::set<std::string> taken;  // lower-cased clues of this grid
    size_t entry = 0;             // the entry whose candidates `fits` is judging
    auto fits = [&](const std::string& clue) {
        if (taken.count(LowerCase(clue)))
            return false;
        if (printed) {
            auto prints = printed->find({answers[entry], clue});
            if (prints != printed->end() && prints->second >= kMaxPairPrints)
                return false;
        }
        if (rules && FailsBreakfast(answers[entry], clue, rules->breakfast))
            return false;
        if (rules)
            return !ClueHoldsAnyAnswer(clue, answers, rules->roots);
        for (const std::string& other : answers)
            if (ClueSpellsAnswer(clue, other))
                return false;
        return true;
    };
    // An answer printed twice or more with fewer than three clues takes a clue not printed
    // with it yet, so that one used five times has three.
    auto fresh = [&](const std::string& clue) {
        return !printed || !printed->count({answers[entry], clue});
    };
    auto wantsFresh = [&] {
        int uses = 0, distinct = 0;
        for (auto it = printed ? printed->lower_bound({answers[entry], ""})
                               : PairPrints::const_iterator{};
             printed && it != printed->end() && it->first.first == answers[entry]; ++it) {
            uses += it->second;
            ++distinct;
        }
        return uses >= 2 && distinct < kVariedClues;
    };
    clues->clear();
    for (size_t i = 0; i < answers.size(); ++i) {
        entry = i;
        // Hand-written clues come first in the candidates and are the best we have, so a
        // repeated answer keeps its best fitting clue; variety only breaks ties among the
        // first two.
        auto used = usedInPack.find(answers[i]);
        std::string chosen;
        const std::vector<std::string>& cands = *candidates[i];
        if (wantsFresh())
            for (size_t k = 0; k < cands.size() && chosen.empty(); ++k)
                if (fresh(cands[k]) && fits(cands[k]))
                    chosen = cands[k];
        for (size_t k = 0; k < cands.size() && chosen.empty(); ++k) {
            if (!fits(cands[k]))
                continue;
            bool repeat = used != usedInPack.end() && used->second.count(cands[k]);
            if (repeat && k == 0 && cands.size() > 1 && fits(cands[1]) &&
                !used->second.count(cands[1]))
                continue;
            chosen = cands[k];
        }
        if (chosen.empty()) {
            if (unclued)
                *unclued = answers[i];
            return false;
        }
        taken.insert(LowerCase(chosen));
        clues->push_back(chosen);
    }
    int lively = 0;
    size_t longest = 0;
    for (size_t i = 0; i < answers.size(); ++i) {
        lively += IsLively((*clues)[i]);
        longest = std::max(longest, candidates[i]->size());
    }
    // Rank by rank: every entry's best lively candidate before anyone's second best.
    for (size_t k = 0; k < longest && lively < minLively; ++k) {
        for (size_t i = 0; i < answers.size() && lively < minLively; ++i) {
            entry = i;
            const std::vector<std::string>& cands = *candidates[i];
            if (IsLively((*clues)[i]) || k >= cands.size() || !IsLively(cands[k]) ||
                !fits(cands[k]) || (wantsFresh() && !fresh(cands[k])))
                continue;
            taken.erase(LowerCase((*clues)[i]));
            (*clues)[i] = cands[k];
            taken.insert(LowerCase(cands[k]));
            ++lively;
        }
    }
    return lively >= minLively;
}
