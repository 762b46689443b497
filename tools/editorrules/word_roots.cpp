// Root keys of words. A word's bases are found by spelling every form of each candidate base
// and keeping the candidates whose forms hold the word, so the two directions (a base's forms,
// a form's bases) never disagree.
#include "word_roots.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>

namespace {

bool IsVowel(char ch)
{
    return std::strchr("AEIOU", ch) != nullptr;
}

bool EndsWith(const std::string& s, const char* tail)
{
    const size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// A word of one short vowel before its last consonant doubles that consonant before a vowel
// ending: STOP, STOPPED. Two vowel groups (OPEN, VISIT) or a long vowel (EAT) do not.
bool DoublesLast(const std::string& base)
{
    const size_t n = base.size();
    if (n < 3 || IsVowel(base[n - 1]) || std::strchr("WXY", base[n - 1]) || !IsVowel(base[n - 2]) ||
        IsVowel(base[n - 3]))
        return false;
    int groups = 0;
    for (size_t i = 0; i < n; ++i)
        groups += IsVowel(base[i]) && (i == 0 || !IsVowel(base[i - 1]));
    return groups == 1;
}

// The words of a phrase stem that make it share a root with an answer: the short joining
// words of phrases do not.
bool JoiningWord(const std::string& w)
{
    static const std::set<std::string> joining = {"A",  "AN", "THE", "OF",  "TO", "IN", "ON",
                                                  "AT", "BY", "FOR", "AND", "OR", "AS"};
    return w.size() < 3 || joining.count(w) > 0;
}

// Words that are no base of another (THING is no form of THE).
bool FunctionWord(const std::string& w)
{
    static const std::set<std::string> words = {"THE", "AND", "FOR", "NOR", "BUT", "YET", "HIS",
                                                "HER", "ITS", "OUR", "WHO", "HOW", "WHY", "ARE",
                                                "WAS", "HAS", "HAD", "HIM", "SHE", "ANY", "ALL",
                                                "NOT", "TOO", "TWO", "YOU", "THY", "THEE"};
    return words.count(w) > 0;
}

std::string Upper(const std::string& s)
{
    std::string out = s;
    for (char& ch : out)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

void AddUnique(std::vector<std::string>* to, const std::string& s)
{
    if (std::find(to->begin(), to->end(), s) == to->end())
        to->push_back(s);
}

// The keys of a word from its spelling alone: itself, its bases (those `known` accepts), the
// word less a last vowel that may change ("LIR*AE" for LIRA and LIRE).
template <typename Known> std::vector<std::string> SpelledKeys(const std::string& word, Known known)
{
    std::vector<std::string> keys{word};
    for (const std::string& base : SpelledBases(word))
        if (known(base))
            AddUnique(&keys, base);
    // The plurals of Italian (LIRA, LIRE; LIBRETTO, LIBRETTI): another last vowel makes
    // the same word only as A and E, or O and I.
    if (word.size() >= 4 && std::strchr("AE", word.back()))
        keys.push_back(word.substr(0, word.size() - 1) + "*AE");
    if (word.size() >= 4 && std::strchr("OI", word.back()))
        keys.push_back(word.substr(0, word.size() - 1) + "*OI");
    return keys;
}

}  // namespace

std::vector<std::string> RegularForms(const std::string& base)
{
    std::vector<std::string> out;
    if (base.size() < 2)
        return out;
    const char last = base.back();
    const std::string cut = base.substr(0, base.size() - 1);
    auto add = [&](const std::string& stem, std::initializer_list<const char*> endings) {
        for (const char* e : endings)
            out.push_back(stem + e);
    };
    if (last == 'Y' && !IsVowel(base[base.size() - 2])) {
        add(cut + "I", {"ES", "ED", "ER", "ERS", "EST", "LY"});  // CRIES, CRIED
        add(base, {"ING"});                                      // CRYING
    } else if (EndsWith(base, "IE")) {
        add(base, {"S", "D", "R", "RS", "ST"});
        add(base.substr(0, base.size() - 2), {"YING"});  // DYING
    } else if (last == 'E') {
        add(base, {"S", "D", "R", "RS", "ST", "LY"});
        add(cut, {"ING", "ED", "ER", "ERS", "EST"});  // a cut stem only with a vowel ending
    } else {
        const bool hisses =
            std::strchr("SXZ", last) || EndsWith(base, "CH") || EndsWith(base, "SH");
        if (!hisses)
            add(base, {"S"});
        if (hisses || last == 'O')
            add(base, {"ES"});
        // A doubled consonant before -ER makes a word of its own more often than a form
        // (LETTER, DINNER, SUPPER), so a doubling base takes no -ER.
        if (DoublesLast(base))
            add(base + last, {"ED", "ING", "EST"});
        else
            add(base, {"ED", "ING", "ER", "ERS", "EST"});
        add(base, {"LY"});
    }
    // The Latin plurals a crossword meets: OVUM, OVA; ALUMNUS, ALUMNI; ALA, ALAE.
    if (EndsWith(base, "UM"))
        out.push_back(base.substr(0, base.size() - 2) + "A");
    if (EndsWith(base, "US"))
        out.push_back(base.substr(0, base.size() - 2) + "I");
    if (last == 'A')
        out.push_back(base + "E");
    return out;
}

std::vector<std::string> SpelledBases(const std::string& word)
{
    std::vector<std::string> out;
    const size_t n = word.size();
    // No ending is longer than five letters (IESTS is none, YING less IE is the most), so
    // a base keeps all but the last five letters of its form.
    for (size_t keep = n > 5 ? n - 5 : 1; keep < n; ++keep) {
        const std::string head = word.substr(0, keep);
        for (const char* tail : {"", "E", "Y", "IE", "UM", "US"}) {
            const std::string base = head + tail;
            if (base.size() < 3 || base == word || FunctionWord(base))
                continue;
            const std::vector<std::string> forms = RegularForms(base);
            if (std::find(forms.begin(), forms.end(), word) != forms.end())
                AddUnique(&out, base);
        }
    }
    return out;
}

RootBook MakeRootBook(const std::vector<RootRow>& rows)
{
    std::map<std::string, std::string> stems;
    for (const RootRow& row : rows)
        stems[row.answer] = row.stems;
    RootBook book;
    for (const auto& [answer, stem] : stems) {
        std::vector<std::string> keys =
            SpelledKeys(answer, [&](const std::string& base) { return stems.count(base) > 0; });
        // Several stems are "+"-joined; a phrase's words are "_"-joined.
        size_t from = 0;
        while (from <= stem.size()) {
            size_t to = stem.find('+', from);
            if (to == std::string::npos)
                to = stem.size();
            const std::string one = Upper(stem.substr(from, to - from));
            std::vector<std::string> words(1);
            for (char ch : one) {
                if (ch == '_')
                    words.emplace_back();
                else
                    words.back() += ch;
            }
            std::string joined;
            for (const std::string& word : words) {
                joined += word;
                if (words.size() > 1 && !JoiningWord(word))
                    AddUnique(&keys, word);
            }
            if (joined.size() >= 3)
                AddUnique(&keys, joined);
            from = to + 1;
        }
        for (const std::string& key : keys)
            book.holders[key].push_back(answer);
        book.keys[answer] = std::move(keys);
    }
    return book;
}

std::vector<std::string> RootKeys(const std::string& word, const RootBook& book)
{
    auto known = book.keys.find(word);
    if (known != book.keys.end())
        return known->second;
    return SpelledKeys(word, [&](const std::string& base) {
        return book.keys.empty() || book.keys.count(base) > 0;
    });
}

bool ShareRoot(const std::string& a, const std::string& b, const RootBook& book)
{
    const std::vector<std::string> ka = RootKeys(a, book);
    for (const std::string& key : RootKeys(b, book))
        if (std::find(ka.begin(), ka.end(), key) != ka.end())
            return true;
    return false;
}

std::vector<std::string> RootRelatives(const std::string& word, const RootBook& book)
{
    std::vector<std::string> out{word};
    for (const std::string& key : RootKeys(word, book)) {
        if (!book.keys.empty()) {
            auto holders = book.holders.find(key);
            if (holders != book.holders.end())
                for (const std::string& h : holders->second)
                    AddUnique(&out, h);
            continue;
        }
        const size_t star = key.find('*');
        if (star != std::string::npos) {
            for (char v : key.substr(star + 1))
                AddUnique(&out, key.substr(0, star) + v);
            continue;
        }
        AddUnique(&out, key);
        for (const std::string& form : RegularForms(key))
            AddUnique(&out, form);
    }
    return out;
}
