// Reading the tab-separated lexicon: answer, score, level, kind, stems, hand-clue count,
// then the clues.
#include "lexicon.h"

#include "grid_rules.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

bool ReadTable(const std::string& path, std::string* error,
               const std::function<bool(const std::string& where,
                                        const std::vector<std::string>& fields)>& row)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (line.empty() || line[0] == '#')
            continue;
        if (!row(path + ":" + std::to_string(lineNo) + ": ", SplitTabs(line)))
            return false;
    }
    return true;
}

namespace {

bool AllUpperLetters(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

}  // namespace

bool LoadLexicon(const std::string& path, std::vector<LexEntry>* out, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f = SplitTabs(line);
        if (f.size() < 7 || !AllUpperLetters(f[0])) {
            *error = path + ":" + std::to_string(lineNo) + ": malformed row";
            return false;
        }
        LexEntry e;
        e.answer = f[0];
        e.score = std::strtod(f[1].c_str(), nullptr);
        e.level = std::atoi(f[2].c_str());
        e.name = f[3] == "n";
        e.stems = f[4];
        e.hand = std::atoi(f[5].c_str());
        e.clues.assign(f.begin() + 6, f.end());
        out->push_back(std::move(e));
    }
    return true;
}

void KeepEditorsFill(std::vector<LexEntry>* lexicon, const EditorLists& rules)
{
    std::vector<LexEntry> kept;
    for (LexEntry& e : *lexicon) {
        std::vector<std::string> clues;
        int hand = 0;
        for (size_t k = 0; k < e.clues.size(); ++k) {
            const bool byHand = static_cast<int>(k) < e.hand;
            if (IsWordNetExample(e.clues[k], byHand) ||
                FailsBreakfast(e.answer, e.clues[k], rules.breakfast))
                continue;
            clues.push_back(e.clues[k]);
            hand += byHand;
        }
        if (clues.empty())
            continue;
        e.clues = std::move(clues);
        e.hand = hand;
        kept.push_back(std::move(e));
    }
    *lexicon = std::move(kept);
}
