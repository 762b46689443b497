// Checks of the pack puzzles. Offsets and checksum rules follow the published layout of the
// format: a 0x34-byte header, solution, fill grid, NUL-terminated strings.
#include "puz_check.h"

#include <cctype>
#include <cstring>

namespace {

uint16_t Get16(const std::vector<uint8_t>& f, size_t at)
{
    return static_cast<uint16_t>(f[at] | (f[at + 1] << 8));
}

std::vector<std::string> UpperWords(const std::string& text)
{
    std::vector<std::string> words(1);
    for (char ch : text) {
        if (std::isalpha(static_cast<unsigned char>(ch)))
            words.back() += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
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
                CheckedWord word{number, false, "", ""};
                for (int k = c; open(r, k); ++k)
                    word.answer += p.solution[r * w + k];
                p.words.push_back(word);
            }
            if (down) {
                CheckedWord word{number, true, "", ""};
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

bool MentionsAnswer(const std::string& clue, const std::string& answer)
{
    std::vector<std::string> words = UpperWords(clue);
    for (size_t i = 0; i < words.size(); ++i) {
        std::string run;
        for (size_t j = i; j < words.size() && run.size() < answer.size(); ++j)
            if ((run += words[j]) == answer)
                return true;
    }
    return false;
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
    if (blocks < 38 || blocks > 42)
        problems->push_back(std::to_string(blocks) + " blocks");
    if (p.words.size() < 76 || p.words.size() > 82)
        problems->push_back(std::to_string(p.words.size()) + " words");
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
            if (MentionsAnswer(w.clue, other.answer))
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
