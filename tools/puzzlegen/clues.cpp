// Clue choice for one grid.
#include "clues.h"

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

bool ChooseClues(const std::vector<std::string>& answers,
                 const std::vector<const std::vector<std::string>*>& candidates,
                 const std::map<std::string, std::set<std::string>>& usedInPack,
                 std::vector<std::string>* clues)
{
    std::set<std::string> taken;  // lower-cased clues of this grid
    clues->clear();
    for (size_t i = 0; i < answers.size(); ++i) {
        auto fits = [&](const std::string& clue) {
            if (taken.count(Lower(clue)))
                return false;
            for (const std::string& other : answers)
                if (ClueMentions(clue, other))
                    return false;
            return true;
        };
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
    return true;
}
