// Pattern file reading, numbering and the structural rules of a pack grid.
#include "pattern.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

bool LoadPatterns(const std::string& path, std::vector<Pattern>* out, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    Pattern current;
    bool inPattern = false;
    while (std::getline(in, line)) {
        if (line.rfind("pattern ", 0) == 0) {
            current = Pattern{};
            size_t end = line.find(' ', 8);
            current.name = line.substr(8, end == std::string::npos ? end : end - 8);
            const size_t late = line.find(" late=");
            const size_t slash = line.find('/', late);
            if (late != std::string::npos && slash != std::string::npos)
                current.late = std::atof(line.c_str() + late + 6) /
                               std::max(1.0, std::atof(line.c_str() + slash + 1));
            inPattern = true;
            continue;
        }
        // Outside a pattern every line is commentary; blank lines never count as rows.
        if (!inPattern || line.empty())
            continue;
        if (line.size() != kSide || line.find_first_not_of("#.") != std::string::npos) {
            *error = "bad row in pattern " + current.name + ": " + line;
            return false;
        }
        current.cells += line;
        if (current.cells.size() == static_cast<size_t>(kCells)) {
            std::string problem = PatternProblem(current.cells);
            if (!problem.empty()) {
                *error = "pattern " + current.name + ": " + problem;
                return false;
            }
            out->push_back(current);
            inPattern = false;
        }
    }
    return true;
}

std::vector<Slot> FindSlots(const std::string& cells)
{
    auto open = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < kSide && c < kSide && cells[r * kSide + c] != '#';
    };
    std::vector<Slot> slots;
    int number = 1;
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            if (!open(r, c))
                continue;
            bool across = !open(r, c - 1) && open(r, c + 1);
            bool down = !open(r - 1, c) && open(r + 1, c);
            if (across) {
                Slot s{number, false, {}};
                for (int k = c; open(r, k); ++k)
                    s.cells.push_back(r * kSide + k);
                slots.push_back(s);
            }
            if (down) {
                Slot s{number, true, {}};
                for (int k = r; open(k, c); ++k)
                    s.cells.push_back(k * kSide + c);
                slots.push_back(s);
            }
            if (across || down)
                ++number;
        }
    }
    return slots;
}

std::string SlotWord(const std::string& grid, const Slot& slot)
{
    std::string word;
    for (int cell : slot.cells)
        word += grid[cell];
    return word;
}

// A run of one white square between blocks is a word of length 1 that FindSlots does not
// report; it would leave a square without a down or across clue.
bool EveryRunAtLeast3(const std::string& cells)
{
    for (int line = 0; line < kSide; ++line) {
        for (int pass = 0; pass < 2; ++pass) {
            int run = 0;
            for (int k = 0; k <= kSide; ++k) {
                bool white = false;
                if (k < kSide) {
                    int idx = pass == 0 ? line * kSide + k : k * kSide + line;
                    white = cells[idx] != '#';
                }
                if (white) {
                    ++run;
                } else {
                    if (run > 0 && run < 3)
                        return false;
                    run = 0;
                }
            }
        }
    }
    return true;
}

bool WhitesConnected(const std::string& cells)
{
    // The pattern maker asks this of every block it tries: no allocation, fixed arrays.
    std::array<int, kCells> stack;
    std::array<bool, kCells> seen{};
    int top = 0, whites = 0;
    for (int i = 0; i < kCells; ++i)
        if (cells[i] != '#') {
            if (whites++ == 0) {
                stack[top++] = i;
                seen[i] = true;
            }
        }
    int reached = 0;
    while (top > 0) {
        const int i = stack[--top];
        ++reached;
        const int r = i / kSide, c = i % kSide;
        auto visit = [&](int j) {
            if (cells[j] != '#' && !seen[j]) {
                seen[j] = true;
                stack[top++] = j;
            }
        };
        if (r > 0)
            visit(i - kSide);
        if (r + 1 < kSide)
            visit(i + kSide);
        if (c > 0)
            visit(i - 1);
        if (c + 1 < kSide)
            visit(i + 1);
    }
    return reached == whites;
}

std::string PatternProblem(const std::string& cells)
{
    if (cells.size() != static_cast<size_t>(kCells))
        return "not 15 x 15";
    int blocks = 0;
    for (int i = 0; i < kCells; ++i) {
        if ((cells[i] == '#') != (cells[kCells - 1 - i] == '#'))
            return "not symmetric";
        blocks += cells[i] == '#';
    }
    if (blocks < kMinBlocks || blocks > kMaxBlocks)
        return "has " + std::to_string(blocks) + " blocks";
    if (!EveryRunAtLeast3(cells))
        return "has a word shorter than 3";
    size_t words = FindSlots(cells).size();
    if (words > static_cast<size_t>(kMaxPatternWords))
        return "has " + std::to_string(words) + " words";
    if (!WhitesConnected(cells))
        return "is not connected";
    return {};
}

size_t Longest(const std::vector<Slot>& slots)
{
    size_t longest = 0;
    for (const Slot& s : slots)
        longest = std::max(longest, s.cells.size());
    return longest;
}

int SlotsOfAtLeast(const std::vector<Slot>& slots, size_t length)
{
    return static_cast<int>(std::count_if(slots.begin(), slots.end(),
                                          [&](const Slot& s) { return s.cells.size() >= length; }));
}
