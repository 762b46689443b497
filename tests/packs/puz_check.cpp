// Checks of the pack puzzles. Offsets and checksum rules follow the published layout of the
// format: a 0x34-byte header, solution, fill grid, NUL-terminated strings.
#include "puz_check.h"

#include "grid_rules.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

uint16_t Get16(const std::vector<uint8_t>& f, size_t at)
{
    return static_cast<uint16_t>(f[at] | (f[at + 1] << 8));
}

void Numbering(CheckedPuzzle& p)
{
    const int w = p.width, h = p.height;
    auto open = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < h && c < w && p.solution[r * w + c] != '.';
    };
    int number = 1;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            if (!open(r, c))
                continue;
            bool across = !open(r, c - 1) && open(r, c + 1);
            bool down = !open(r - 1, c) && open(r + 1, c);
            if (across) {
                CheckedWord word{number, false, "", "", r, c};
                for (int k = c; open(r, k); ++k)
                    word.answer += p.solution[r * w + k];
                p.words.push_back(word);
            }
            if (down) {
                CheckedWord word{number, true, "", "", r, c};
                for (int k = r; open(k, c); ++k)
                    word.answer += p.solution[k * w + c];
                p.words.push_back(word);
            }
            number += across || down;
        }
    }
}

}  // namespace

uint16_t Cksum(const uint8_t* data, size_t size, uint16_t sum)
{
    for (size_t i = 0; i < size; ++i) {
        sum = static_cast<uint16_t>(((sum & 1) ? 0x8000 : 0) | (sum >> 1));
        sum = static_cast<uint16_t>(sum + data[i]);
    }
    return sum;
}

CheckedPuzzle ReadChecked(const std::vector<uint8_t>& f, std::vector<std::string>* problems)
{
    CheckedPuzzle p;
    if (f.size() < 0x34) {
        problems->push_back("shorter than the header");
        return p;
    }
    if (std::memcmp(f.data() + 2, "ACROSS&DOWN", 12) != 0)
        problems->push_back("no file magic");
    if (std::memcmp(f.data() + 0x18, "1.3", 4) != 0)
        problems->push_back("version is not 1.3");
    p.width = f[0x2C];
    p.height = f[0x2D];
    const size_t n = static_cast<size_t>(p.width) * p.height;
    if (f.size() < 0x34 + 2 * n) {
        problems->push_back("grids cut short");
        return p;
    }
    p.solution.assign(f.begin() + 0x34, f.begin() + 0x34 + n);
    std::string fill(f.begin() + 0x34 + n, f.begin() + 0x34 + 2 * n);
    for (size_t i = 0; i < n; ++i) {
        char s = p.solution[i];
        if (s != '.' && (s < 'A' || s > 'Z'))
            problems->push_back("solution has byte " + std::to_string(s));
        if (fill[i] != (s == '.' ? '.' : '-'))
            problems->push_back("fill grid is not empty at " + std::to_string(i));
    }
    // The strings: title, author, copyright, one clue per word, notes; nothing after.
    std::vector<std::string> strings;
    size_t at = 0x34 + 2 * n;
    while (at < f.size()) {
        size_t end = at;
        while (end < f.size() && f[end] != 0)
            ++end;
        if (end == f.size()) {
            problems->push_back("string without its NUL at the end of the file");
            break;
        }
        strings.emplace_back(f.begin() + at, f.begin() + end);
        at = end + 1;
    }
    Numbering(p);
    const size_t clueCount = Get16(f, 0x2E);
    if (clueCount != p.words.size())
        problems->push_back("header clue count " + std::to_string(clueCount) + " for " +
                            std::to_string(p.words.size()) + " words");
    if (strings.size() != 3 + p.words.size() + 1) {
        problems->push_back(std::to_string(strings.size()) + " strings for " +
                            std::to_string(p.words.size()) + " words");
        return p;
    }
    p.title = strings[0];
    p.author = strings[1];
    p.copyright = strings[2];
    p.notes = strings.back();
    for (size_t i = 0; i < p.words.size(); ++i)
        p.words[i].clue = strings[3 + i];
    if (!p.notes.empty())
        problems->push_back("notes are not empty");

    // Checksums, computed here from the parts rather than trusted from the header.
    const uint8_t* sol = f.data() + 0x34;
    const uint8_t* grid = sol + n;
    uint16_t cib = Cksum(f.data() + 0x2C, 8, 0);
    uint16_t text = 0;
    for (const std::string* s : {&p.title, &p.author, &p.copyright})
        if (!s->empty())
            text = Cksum(reinterpret_cast<const uint8_t*>(s->c_str()), s->size() + 1, text);
    for (const CheckedWord& w : p.words)
        text = Cksum(reinterpret_cast<const uint8_t*>(w.clue.data()), w.clue.size(), text);
    uint16_t whole = Cksum(grid, n, Cksum(sol, n, cib));
    for (const std::string* s : {&p.title, &p.author, &p.copyright})
        if (!s->empty())
            whole = Cksum(reinterpret_cast<const uint8_t*>(s->c_str()), s->size() + 1, whole);
    for (const CheckedWord& w : p.words)
        whole = Cksum(reinterpret_cast<const uint8_t*>(w.clue.data()), w.clue.size(), whole);
    if (Get16(f, 0x0E) != cib)
        problems->push_back("CIB checksum");
    if (Get16(f, 0x00) != whole)
        problems->push_back("global checksum");
    const uint16_t parts[4] = {cib, Cksum(sol, n, 0), Cksum(grid, n, 0), text};
    const char* magic = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        if (f[0x10 + i] != (magic[i] ^ (parts[i] & 0xFF)) ||
            f[0x14 + i] != (magic[4 + i] ^ (parts[i] >> 8)))
            problems->push_back("masked checksum " + std::to_string(i));
    }
    return p;
}

void CheckGrid(const CheckedPuzzle& p, std::vector<std::string>* problems)
{
    if (p.width != 15 || p.height != 15) {
        problems->push_back("not 15 x 15");
        return;
    }
    const int n = 225;
    int blocks = 0;
    for (int i = 0; i < n; ++i) {
        blocks += p.solution[i] == '.';
        if ((p.solution[i] == '.') != (p.solution[n - 1 - i] == '.'))
            problems->push_back("not symmetric at " + std::to_string(i));
    }
    // Every white square must lie in an across and a down word of 3 or more.
    for (int r = 0; r < 15; ++r) {
        for (int c = 0; c < 15; ++c) {
            if (p.solution[r * 15 + c] == '.')
                continue;
            for (int dir = 0; dir < 2; ++dir) {
                int len = 1;
                for (int k = 1; k < 15; ++k) {
                    int rr = dir ? r + k : r, cc = dir ? c : c + k;
                    if (rr >= 15 || cc >= 15 || p.solution[rr * 15 + cc] == '.')
                        break;
                    ++len;
                }
                for (int k = 1; k < 15; ++k) {
                    int rr = dir ? r - k : r, cc = dir ? c : c - k;
                    if (rr < 0 || cc < 0 || p.solution[rr * 15 + cc] == '.')
                        break;
                    ++len;
                }
                if (len < 3)
                    problems->push_back("word shorter than 3 at " + std::to_string(r) + "," +
                                        std::to_string(c));
            }
        }
    }
    std::vector<int> stack;
    std::vector<bool> seen(n, false);
    int whites = n - blocks, reached = 0;
    for (int i = 0; i < n && stack.empty(); ++i)
        if (p.solution[i] != '.') {
            stack.push_back(i);
            seen[i] = true;
        }
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        ++reached;
        int r = i / 15, c = i % 15;
        int next[4] = {r > 0 ? i - 15 : -1, r < 14 ? i + 15 : -1, c > 0 ? i - 1 : -1,
                       c < 14 ? i + 1 : -1};
        for (int j : next)
            if (j >= 0 && !seen[j] && p.solution[j] != '.') {
                seen[j] = true;
                stack.push_back(j);
            }
    }
    if (reached != whites)
        problems->push_back("white squares not connected");
}

void CheckPuzzleWords(const CheckedPuzzle& p, std::vector<std::string>* problems)
{
    std::set<std::string> answers, clues;
    for (const CheckedWord& w : p.words) {
        if (!answers.insert(w.answer).second)
            problems->push_back("answer twice: " + w.answer);
        std::string lower;
        for (char ch : w.clue)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (w.clue.empty())
            problems->push_back("empty clue for " + w.answer);
        if (!clues.insert(lower).second)
            problems->push_back("clue twice: " + w.clue);
    }
    for (const CheckedWord& w : p.words)
        for (const CheckedWord& other : p.words)
            if (ClueSpellsAnswer(w.clue, other.answer))
                problems->push_back("clue \"" + w.clue + "\" names " + other.answer);
}

void CheckPackRepeats(const std::vector<CheckedPuzzle>& pack, std::vector<std::string>* problems)
{
    std::map<std::string, int> uses;
    for (const CheckedPuzzle& p : pack)
        for (const CheckedWord& w : p.words)
            ++uses[w.answer];
    for (const auto& [answer, count] : uses) {
        int limit = answer.size() >= 5 ? 1 : answer.size() == 4 ? 2 : 3;
        if (count > limit)
            problems->push_back(answer + " used " + std::to_string(count) + " times");
    }
}

namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Reduces a word to its stem: suffixes off, longest first, while three letters remain, then
// one prefix.
std::string Core(std::string word)
{
    static const char* const suffixes[] = {"ments", "ment", "ness", "less", "able", "ions", "ance",
                                           "ence",  "ers",  "ors",  "ing",  "ion",  "ive",  "ful",
                                           "ity",   "ies",  "ied",  "est",  "es",   "ed",   "er",
                                           "or",    "ly",   "al",   "s",    "d",    "y"};
    static const char* const prefixes[] = {"over", "under", "out", "dis", "mis", "non",
                                           "pre",  "en",    "re",  "un",  "in"};
    for (bool changed = true; changed;) {
        changed = false;
        for (const char* suf : suffixes) {
            const std::string tail = suf;
            if (EndsWith(word, tail) && word.size() >= tail.size() + 3) {
                word.resize(word.size() - tail.size());
                changed = true;
                break;
            }
        }
    }
    for (const char* pre : prefixes) {
        const std::string head = pre;
        if (word.rfind(head, 0) == 0 && word.size() >= head.size() + 3)
            return word.substr(head.size());
    }
    return word;
}

}  // namespace

void CheckBlocked(const CheckedPuzzle& p, const BreakfastList& blocked,
                  std::vector<std::string>* problems)
{
    for (const CheckedWord& w : p.words) {
        if (BreakfastWord(w.answer, w.clue, blocked))
            problems->push_back("blocked answer " + w.answer);
        const std::string word = BreakfastWordOfClue(w.clue, blocked);
        if (!word.empty())
            problems->push_back("blocked word \"" + word + "\" in the clue of " + w.answer);
    }
}

bool SharesStem(const std::string& word, const std::string& answer)
{
    if (answer.size() >= 4 && word.find(answer) != std::string::npos)
        return true;
    if (word.size() >= 4 && answer.find(word) != std::string::npos)
        return true;
    size_t common = 0;
    while (common < word.size() && common < answer.size() && word[common] == answer[common])
        ++common;
    if (common >= 4)
        return true;
    if (word.size() >= 3 && Core(word) == Core(answer))
        return true;
    static const std::set<std::string> chance = {
        "the", "and", "for", "but", "one", "you", "his", "her", "its", "our", "out", "off", "all",
        "any", "can", "not", "who", "how", "why", "are", "was", "has", "had", "him", "she", "get",
        "got", "let", "may", "per", "own", "too", "two", "ten", "via", "yet", "nor"};
    if (word.size() == 3 && !chance.count(word)) {
        const std::string bare =
            EndsWith(answer, "s") ? answer.substr(0, answer.size() - 1) : answer;
        if ((answer.rfind(word, 0) == 0 && answer.size() >= 6) ||
            (EndsWith(bare, word) && bare.size() >= 6))
            return true;
    }
    return false;
}

void CheckClueForms(const CheckedPuzzle& p, const std::set<std::string>& known,
                    std::vector<std::string>* problems)
{
    static const std::set<std::string> generic = {
        "person", "persons", "people",     "someone",     "somebody", "something",
        "thing",  "things",  "individual", "individuals", "entity",   "entities",
        "stuff",  "matter",  "item",       "items",       "one",      "ones"};
    static const std::set<std::string> kinds = {"kind",    "kinds",     "type",   "types",
                                                "sort",    "sorts",     "form",   "forms",
                                                "variety", "varieties", "species"};
    for (const CheckedWord& w : p.words) {
        const std::vector<std::string> words = ClueWords(w.clue);
        const std::string answer = LowerCase(w.answer);
        const std::string where = " in the clue of " + w.answer + ": " + w.clue;
        if (words.size() == 1 && generic.count(words[0]))
            problems->push_back("says nothing" + where);
        // "Kind of bow", "A type of tree": a kind word, "of", an optional article, one word,
        // nothing between them but spaces ("Sort of, casually" is a clue).
        size_t k = words.size() > 0 && (words[0] == "a" || words[0] == "an") ? 1 : 0;
        const bool phrase = w.clue.find_first_of(",;:()") == std::string::npos;
        if (phrase && words.size() >= k + 3 && kinds.count(words[k]) && words[k + 1] == "of") {
            size_t rest = k + 2;
            if (words[rest] == "a" || words[rest] == "an" || words[rest] == "the")
                ++rest;
            if (rest + 1 == words.size() && w.clue.find("___") == std::string::npos)
                problems->push_back("vague" + where);
        }
        for (const std::string& word : words) {
            if (!known.count(word))
                problems->push_back("unknown word form \"" + word + "\"" + where);
            if (SharesStem(word, answer))
                problems->push_back("shares a stem: \"" + word + "\"" + where);
        }
    }
}

void CheckLivelyClues(const CheckedPuzzle& p, std::vector<std::string>* problems)
{
    int lively = 0;
    for (const CheckedWord& w : p.words)
        lively += IsLively(w.clue);
    if (lively < kMinLivelyClues)
        problems->push_back("only " + std::to_string(lively) + " lively clues");
}

void CheckFill(const CheckedPuzzle& p, const std::set<std::string>& unfit,
               const std::string& featured, std::vector<std::string>* problems)
{
    size_t longest = 0;
    int tenPlus = 0;
    bool featuredLongest = false;
    for (const CheckedWord& w : p.words) {
        longest = std::max(longest, w.answer.size());
        tenPlus += w.answer.size() >= 10;
        if (unfit.count(LowerCase(w.answer)))
            problems->push_back("unfit answer " + w.answer);
    }
    for (const CheckedWord& w : p.words)
        featuredLongest |= w.answer == featured && w.answer.size() == longest;
    if (tenPlus < 2)
        problems->push_back(std::to_string(tenPlus) + " answers of ten letters or more");
    if (!featuredLongest)
        problems->push_back("featured answer " + featured + " is not in a longest slot");
}

std::string BlockShape(const std::string& solution)
{
    std::string best;
    for (int t = 0; t < 8; ++t) {
        std::string shape(225, '-');
        for (int r = 0; r < 15; ++r) {
            for (int c = 0; c < 15; ++c) {
                const int rr = t & 2 ? 14 - r : r;
                const int cc = t & 1 ? 14 - c : c;
                const int at = t & 4 ? cc * 15 + rr : rr * 15 + cc;
                shape[at] = solution[r * 15 + c] == '.' ? '#' : '-';
            }
        }
        if (best.empty() || shape < best)
            best = shape;
    }
    return best;
}

void CheckShapes(const std::vector<CheckedPuzzle>& pack, std::vector<std::string>* problems)
{
    std::map<std::string, int> uses;
    for (const CheckedPuzzle& p : pack)
        if (++uses[BlockShape(p.solution)] == 4)
            problems->push_back("a block shape is used more than three times");
}

namespace {

std::vector<std::string> TabFields(const std::string& line)
{
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        f.push_back(field);
    return f;
}

}  // namespace

std::map<std::string, LexiconFacts> ReadLexiconFacts(const std::string& path)
{
    std::map<std::string, LexiconFacts> out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f = TabFields(line);
        if (line.empty() || line[0] == '#' || f.size() < 7)
            continue;
        LexiconFacts& row = out[f[0]];
        row.level = std::atoi(f[2].c_str());
        row.name = f[3] == "n";
        row.stems = f[4];
        const size_t hand = std::strtoul(f[5].c_str(), nullptr, 10);
        for (size_t k = 0; k < hand && 6 + k < f.size(); ++k)
            row.handClues.insert(f[6 + k]);
    }
    return out;
}

std::map<std::string, std::vector<FeaturedPuzzle>> ReadFeatured(const std::string& path)
{
    std::map<std::string, std::vector<FeaturedPuzzle>> out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f = TabFields(line);
        if (line.empty() || line[0] == '#' || f.size() != 5)
            continue;
        std::string answer;
        for (char ch : f[3])
            if (ch != ' ')
                answer += ch;
        out[f[0]].push_back({f[1], f[2], answer, f[4], f[3]});
    }
    return out;
}

void CheckPartialPhrases(const CheckedPuzzle& p, const std::map<std::string, LexiconFacts>& lex,
                         std::vector<std::string>* problems)
{
    static const std::set<std::string> dangling = {
        "as",   "to",   "of",   "for",   "with", "at",     "by",      "from",
        "than", "into", "upon", "about", "onto", "toward", "towards", "against",
        "like", "the",  "a",    "an",    "and",  "or"};
    for (const CheckedWord& w : p.words) {
        auto row = lex.find(w.answer);
        if (row == lex.end())
            continue;
        // Several stems are "+"-joined; a phrase's words are "_"-joined.
        std::istringstream stems(row->second.stems);
        for (std::string stem; std::getline(stems, stem, '+');) {
            const size_t cut = stem.rfind('_');
            if (cut != std::string::npos && dangling.count(stem.substr(cut + 1)))
                problems->push_back("partial phrase " + w.answer + " (" + stem + ")");
        }
    }
}

void CheckObscureShare(const std::vector<CheckedPuzzle>& pack,
                       const std::map<std::string, LexiconFacts>& lex,
                       const std::set<std::string>& featured, std::vector<std::string>* problems)
{
    int slots = 0, obscure = 0;
    for (const CheckedPuzzle& p : pack) {
        for (const CheckedWord& w : p.words) {
            ++slots;
            if (featured.count(w.answer))
                continue;
            auto row = lex.find(w.answer);
            obscure += row == lex.end() || (row->second.level >= 50 &&
                                            row->second.handClues.empty() && !row->second.name);
        }
    }
    if (obscure * 50 > slots)
        problems->push_back(std::to_string(obscure) + " obscure answers in " +
                            std::to_string(slots) + " slots");
}

void CheckCredit(const CheckedPuzzle& p, const std::map<std::string, LexiconFacts>& lex,
                 const std::map<std::string, std::set<std::string>>& featuredClues,
                 std::vector<std::string>* problems)
{
    if (p.copyright.rfind("(c) 2026 Crossword project", 0) != 0)
        problems->push_back("copyright does not name the project: " + p.copyright);
    bool fromWordNet = false;
    for (const CheckedWord& w : p.words) {
        auto row = lex.find(w.answer);
        auto feature = featuredClues.find(w.answer);
        const bool hand = (row != lex.end() && row->second.handClues.count(w.clue)) ||
                          (feature != featuredClues.end() && feature->second.count(w.clue));
        fromWordNet |= !hand;
    }
    const bool credited = p.copyright.find("WordNet 3.0") != std::string::npos;
    if (fromWordNet && !credited)
        problems->push_back("clues from WordNet without its credit");
    if (!fromWordNet && credited)
        problems->push_back("WordNet credited though every clue is hand-written");
}
