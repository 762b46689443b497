// Reading the breakfast list and the blocked list into every form of their words, and asking
// whether a word may stand in a puzzle.
#include "breakfast_list.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>

namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool Vowel(char ch)
{
    return std::strchr("aeiou", ch) != nullptr;
}

}  // namespace

std::string LowerCase(const std::string& text)
{
    std::string out = text;
    for (char& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::vector<std::string> ClueWords(const std::string& clue)
{
    std::vector<std::string> words;
    std::string w;
    for (size_t i = 0; i <= clue.size(); ++i) {
        const char ch = i < clue.size() ? clue[i] : ' ';
        if (std::isalpha(static_cast<unsigned char>(ch))) {
            w += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            continue;
        }
        if (ch == '\'' && i + 1 < clue.size() && (clue[i + 1] == 's' || clue[i + 1] == 'S') &&
            (i + 2 == clue.size() || !std::isalpha(static_cast<unsigned char>(clue[i + 2])))) {
            ++i;  // "dog's" is "dog"
        }
        if (!w.empty())
            words.push_back(w);
        w.clear();
    }
    return words;
}

std::set<std::string> ReadWordList(const std::string& path)
{
    std::set<std::string> out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string w; words >> w;)
            out.insert(LowerCase(w));
    }
    return out;
}

std::set<std::string> BlockedForms(const std::set<std::string>& bases,
                                   const std::set<std::string>& irregular)
{
    std::set<std::string> out = irregular;
    for (const std::string& b : bases) {
        if (b.size() < 2)
            continue;
        const char last = b.back();
        for (const char* tail : {"", "s", "es", "ed", "ing", "er", "est"})
            out.insert(b + tail);
        // The spelling changes take a suffix: a cut stem alone is another word (RAP is no
        // form of rape, PEST none of pee, BRAD none of bra).
        std::vector<std::string> stems = {b + last};  // stopped, hotter
        if (last == 'e') {
            stems.push_back(b.substr(0, b.size() - 1));  // raping
            for (const char* tail : {"d", "r", "st"})    // raped, nicer, nicest
                out.insert(b + tail);
        }
        if (last == 'y' && !Vowel(b[b.size() - 2]))
            stems.push_back(b.substr(0, b.size() - 1) + "i");  // cries, cried, crier
        for (const std::string& s : stems)
            for (const char* tail : {"es", "ed", "ing", "er", "est"})
                out.insert(s + tail);
        if (EndsWith(b, "ie"))
            out.insert(b.substr(0, b.size() - 2) + "ying");
    }
    return out;
}

BreakfastList LoadBlockedList(const std::string& lexiconDir)
{
    BreakfastList out;
    out.forms = BlockedForms(ReadWordList(lexiconDir + "/blocklist.txt"),
                             ReadWordList(lexiconDir + "/blocked_irregular.txt"));
    for (const std::string& word : ReadWordList(lexiconDir + "/not_blocked.txt"))
        out.forms.erase(word);
    return out;
}

bool LoadBreakfastList(const std::string& lexiconDir, BreakfastList* out, std::string* error)
{
    const std::string path = lexiconDir + "/breakfast.txt";
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    *out = LoadBlockedList(lexiconDir);
    const std::set<std::string> harmless = ReadWordList(lexiconDir + "/not_blocked.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string base, kind;
        if (!(words >> base))
            continue;
        BreakfastSense sense;
        const bool always = !(words >> kind);
        sense.unless = kind == "unless";
        for (std::string w; words >> w;)
            sense.words.insert(LowerCase(w));
        for (const std::string& form : BlockedForms({LowerCase(base)}, {})) {
            if (harmless.count(form) || (out->forms.count(form) && !out->senses.count(form)))
                continue;  // a word of its own, or refused in every sense already
            out->forms.insert(form);
            if (always)
                out->senses.erase(form);
            else
                out->senses[form] = sense;
        }
    }
    return true;
}

bool BreakfastWord(const std::string& word, const std::string& clue, const BreakfastList& list)
{
    const std::string lower = LowerCase(word);
    if (!list.forms.count(lower))
        return false;
    auto sense = list.senses.find(lower);
    if (sense == list.senses.end())
        return true;
    bool named = false;
    for (const std::string& w : ClueWords(clue))
        named |= sense->second.words.count(w) > 0;
    return sense->second.unless ? !named : named;
}

std::string BreakfastWordOfClue(const std::string& clue, const BreakfastList& list)
{
    for (const std::string& word : ClueWords(clue))
        if (BreakfastWord(word, clue, list))
            return word;
    return "";
}
