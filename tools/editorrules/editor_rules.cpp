// The lists the rules read, and the names of the rules.
#include "editor_rules.h"

#include <cctype>
#include <fstream>

namespace {

std::set<std::string> UpperList(const std::string& path)
{
    std::set<std::string> out;
    for (std::string word : ReadWordList(path)) {
        for (char& ch : word)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        out.insert(word);
    }
    return out;
}

}  // namespace

bool LoadEditorLists(const std::string& lexiconDir, const std::string& standbysPath,
                     EditorLists* out, std::string* error)
{
    for (const std::string& path : {lexiconDir + "/crosswordese.txt", standbysPath}) {
        if (!std::ifstream(path)) {
            *error = "cannot open " + path;
            return false;
        }
    }
    out->crosswordese = UpperList(lexiconDir + "/crosswordese.txt");
    out->standbys = UpperList(standbysPath);
    return LoadBreakfastList(lexiconDir, &out->breakfast, error);
}

const char* RuleName(int rule)
{
    static const char* const names[kRuleCount] = {
        "shared-root", "clue-holds-answer", "breakfast",    "crosswordese",
        "word-count",  "themeless",         "theme",        "wordnet-example",
        "stand-by",    "pack-repeats",      "pair-repeats", "clue-variety"};
    return rule >= 0 && rule < kRuleCount ? names[rule] : "?";
}
