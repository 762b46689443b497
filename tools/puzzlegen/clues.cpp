// Clue choice for one grid.
#include "clues.h"

#include <algorithm>
#include <cctype>

namespace {

std::vector<std::string> UpperWords(const std::string& text)
{
    std::vector<std::string> words;
    std::string w;
    for (char ch : text) {
        if (std::isalpha(static_cast<unsigned char>(ch))) {
            w += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        } else if (!w.empty()) {
            words.push_back(w);
            w.clear();
        }
    }
    if (!w.empty())
        words.push_back(w);
    return words;
}

std::string Lower(const std::string& s)
{
    std::string out = s;
    for (char& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace

bool ClueMentions(const std::string& clue, const std::string& answer)
{
    std::vector<std::string> words = UpperWords(clue);
    for (size_t i = 0; i < words.size(); ++i) {
        std::string joined;
        for (size_t j = i; j < words.size() && joined.size() < answer.size(); ++j) {
            joined += words[j];
            if (joined == answer)
                return true;
        }
    }
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

bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues, int minLively)
{
    std::set<std::string> taken;  // lower-cased clues of this grid
    auto fits = [&](const std::string& clue) {
        if (taken.count(Lower(clue)))
            return false;
        for (const std::string& other : answers)
            if (ClueMentions(clue, other))
                return false;
        return true;
    };
    clues->clear();
    for (size_t i = 0; i < answers.size(); ++i) {
        // Hand-written clues come first in the candidates and are the best we have, so a
        // repeated answer keeps its best fitting clue; variety only breaks ties among the
        // first two.
        auto used = usedInPack.find(answers[i]);
        std::string chosen;
        const std::vector<std::string>& cands = *candidates[i];
        for (size_t k = 0; k < cands.size() && chosen.empty(); ++k) {
            if (!fits(cands[k]))
                continue;
            bool repeat = used != usedInPack.end() && used->second.count(cands[k]);
            if (repeat && k == 0 && cands.size() > 1 && fits(cands[1]) &&
                !used->second.count(cands[1]))
                continue;
            chosen = cands[k];
        }
        if (chosen.empty())
            return false;
        taken.insert(Lower(chosen));
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
            const std::vector<std::string>& cands = *candidates[i];
            if (IsLively((*clues)[i]) || k >= cands.size() || !IsLively(cands[k]) ||
                !fits(cands[k]))
                continue;
            taken.erase(Lower((*clues)[i]));
            (*clues)[i] = cands[k];
            taken.insert(Lower(cands[k]));
            ++lively;
        }
    }
    return lively >= minLively;
}
