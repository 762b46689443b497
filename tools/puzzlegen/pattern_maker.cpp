// The maker works on a grid of squares marked free, pinned white or black. Every step finds
// the runs longer than the goal allows and blocks one square of one of them (and its mirror)
// where both pieces stay three long and every rule still holds; a run with no such square
// left takes back the cuts before it, within a budget of blocks placed.
#include "pattern_maker.h"

#include <algorithm>
#include <array>
#include <functional>

#include "packs.h"

namespace {

struct Run {
    int first = 0;  // cell index
    int step = 1;   // 1 across, kSide down
    int length = 0;
};

std::vector<Run> Runs(const std::string& cells)
{
    std::vector<Run> runs;
    runs.reserve(4 * kSide);
    for (int line = 0; line < kSide; ++line)
        for (int down = 0; down < 2; ++down) {
            const int step = down ? kSide : 1;
            const int start = down ? line : line * kSide;
            int length = 0;
            for (int k = 0; k <= kSide; ++k) {
                if (k < kSide && cells[start + k * step] != '#') {
                    ++length;
                    continue;
                }
                if (length > 0)
                    runs.push_back({start + (k - length) * step, step, length});
                length = 0;
            }
        }
    return runs;
}

// A 2 x 2 of blocks away from the edges: a dead patch in the middle of the grid.
bool Has2x2Blocks(const std::string& cells, int cell)
{
    const int r = cell / kSide, c = cell % kSide;
    for (int dr = -1; dr <= 0; ++dr)
        for (int dc = -1; dc <= 0; ++dc) {
            const int r0 = r + dr, c0 = c + dc;
            if (r0 < 0 || c0 < 0 || r0 + 1 >= kSide || c0 + 1 >= kSide)
                continue;
            // Against the edge a square of blocks is an edge bar two deep, as grids have.
            if (r0 == 0 || c0 == 0 || r0 + 2 == kSide || c0 + 2 == kSide)
                continue;
            const int i = r0 * kSide + c0;
            if (cells[i] == '#' && cells[i + 1] == '#' && cells[i + kSide] == '#' &&
                cells[i + kSide + 1] == '#')
                return true;
        }
    return false;
}

// Blocks every run of one or two free squares: such a run cannot be a word. False when one
// of them is pinned white. Only the lines through a square blocked since the last call can
// hold a new short run: `blocked` is that square (its mirror goes with it), or -1 to look
// at every line. Blocking only adds blocks, so the grid this ends with is the same whatever
// order the lines go in.
bool CloseShortRuns(std::string& cells, const std::vector<char>& pinned, int blocked = -1)
{
    // Lines 0..14 are rows, 15..29 columns; a line is queued at most once at a time.
    std::array<bool, 2 * kSide> queued{};
    std::array<int, 2 * kSide> lines;
    int waiting = 0;
    auto queue = [&](int line) {
        if (!queued[line]) {
            queued[line] = true;
            lines[waiting++] = line;
        }
    };
    auto queueLinesOf = [&](int cell) {
        queue(cell / kSide);
        queue(kSide + cell % kSide);
    };
    if (blocked < 0) {
        for (int line = 0; line < 2 * kSide; ++line)
            queue(line);
    } else {
        queueLinesOf(blocked);
        queueLinesOf(kCells - 1 - blocked);
    }
    while (waiting > 0) {
        const int line = lines[--waiting];
        queued[line] = false;
        const int step = line < kSide ? 1 : kSide;
        const int start = line < kSide ? line * kSide : line - kSide;
        int length = 0;
        for (int k = 0; k <= kSide; ++k) {
            if (k < kSide && cells[start + k * step] != '#') {
                ++length;
                continue;
            }
            if (length > 0 && length < 3)
                for (int j = k - length; j < k; ++j) {
                    const int cell = start + j * step;
                    if (pinned[cell] || pinned[kCells - 1 - cell])
                        return false;
                    for (int at : {cell, kCells - 1 - cell}) {
                        cells[at] = '#';
                        queueLinesOf(at);
                    }
                }
            length = 0;
        }
    }
    return true;
}

// A run of blocks through `cell`, in its row or its column, of four or more inside the grid or
// five or more from an edge: a wall, which an editor does not print.
bool InWall(const std::string& cells, int cell)
{
    const int r = cell / kSide, c = cell % kSide;
    for (int step : {1, kSide}) {
        const int line = step == 1 ? c : r;  // position along the run's line
        int before = 0, after = 0;
        while (line - before - 1 >= 0 && cells[cell - (before + 1) * step] == '#')
            ++before;
        while (line + after + 1 < kSide && cells[cell + (after + 1) * step] == '#')
            ++after;
        const bool atEdge = line - before == 0 || line + after == kSide - 1;
        if (before + after + 1 >= (atEdge ? 5 : 4))
            return true;
    }
    return false;
}

// Blocks `cell` and its mirror, and the runs of one or two squares that leaves (as a
// constructor fills a corner it has cut off); keeps the change when every changed square is
// free, no 2 x 2 of blocks or wall forms and the white squares stay connected; otherwise
// leaves the grid as it was.
bool TryBlock(std::string& cells, int cell, const std::vector<char>& pinned)
{
    const std::string before = cells;
    cells[cell] = cells[kCells - 1 - cell] = '#';
    if (!CloseShortRuns(cells, pinned, cell) || !WhitesConnected(cells)) {
        cells = before;
        return false;
    }
    for (int at = 0; at < kCells; ++at)
        if (cells[at] != before[at] && (Has2x2Blocks(cells, at) || InWall(cells, at))) {
            cells = before;
            return false;
        }
    return true;
}

// Square `k` of a planting (-1 and its length: the squares that close it).
int PlantedCell(const Planting& p, int k)
{
    return p.row * kSide + p.col + k;
}

constexpr long kPlenty = 1000000;
// A cut must leave at least this many words for a run through a planted letter.
constexpr long kLeastWords = 3;
// Blocks a pattern being made may place, taken back ones included.
constexpr long kPlacements = 120;

bool IsPlanted(const Run& run, const std::vector<Planting>& plantings)
{
    for (const Planting& p : plantings)
        if (run.step == 1 && run.first == PlantedCell(p, 0) && run.length == p.length)
            return true;
    return false;
}

}  // namespace

std::string MakePattern(const std::vector<Planting>& plantings, const PatternGoal& goal,
                        uint64_t seed, const PatternPins& pins, const SlotWords* words,
                        const PatternCheck* check)
{
    std::string cells(kCells, '.');
    std::vector<char> pinned(kCells, 0);
    auto block = [&](int cell) {
        if (pinned[cell] || pinned[kCells - 1 - cell])
            return false;
        cells[cell] = cells[kCells - 1 - cell] = '#';
        return true;
    };
    for (const Planting& p : plantings)
        for (int k = 0; k < p.length; ++k) {
            pinned[PlantedCell(p, k)] = pinned[kCells - 1 - PlantedCell(p, k)] = 1;
            if (!p.answer.empty())
                cells[PlantedCell(p, k)] = p.answer[static_cast<size_t>(k)];
        }
    for (int cell : pins.open)
        pinned[cell] = pinned[kCells - 1 - cell] = 1;
    for (const Planting& p : plantings) {
        if (p.col > 0 && !block(PlantedCell(p, -1)))
            return {};
        if (p.col + p.length < kSide && !block(PlantedCell(p, p.length)))
            return {};
    }
    for (int cell : pins.blocks)
        if (!block(cell))
            return {};
    if (!CloseShortRuns(cells, pinned))
        return {};

    // How well the runs through `cell` can be filled: the fewest words that fit a finished
    // run crossing a planted letter (runs still too long are cut later and do not count).
    auto viability = [&](int cell) {
        long least = kPlenty;
        if (!words)
            return least;
        const int r = cell / kSide, c = cell % kSide;
        for (const Run& run : Runs(cells)) {
            if (run.length > goal.longestFill || IsPlanted(run, plantings))
                continue;
            const int first = run.first;
            const bool near = run.step == 1
                                  ? (first / kSide == r || first / kSide == kSide - 1 - r)
                                  : (first % kSide == c || first % kSide == kSide - 1 - c);
            if (!near)
                continue;
            std::string letters;
            bool planted = false;
            for (int k = 0; k < run.length; ++k) {
                const char ch = cells[run.first + k * run.step];
                planted |= ch != '.';
                letters += ch == '.' ? '?' : ch;
            }
            if (planted)
                least = std::min(least, (*words)(letters));
        }
        return least;
    };

    std::vector<char> refused(kCells, 0);
    uint64_t noise = seed;
    auto random = [&](uint64_t bound) { return (noise = Mix(noise)) % bound; };
    // Cuts the runs still too long, the one with the fewest places left first: cut later,
    // it would find them all taken by the cuts around it. Its place keeps the rules and is
    // taken at random among those whose runs keep a few words each where there are such: a
    // cut that leaves a planted letter where no word has it dooms the pattern however the
    // rest is cut. A run left with no place takes back the cuts before it, up to
    // kPlacements blocks placed in all: most dead ends come from a cut a few steps back.
    long placements = 0;
    std::function<bool()> cutRuns = [&]() {
        std::vector<Run> tooLong;
        for (const Run& run : Runs(cells))
            if (run.length > goal.longestFill && !IsPlanted(run, plantings))
                tooLong.push_back(run);
        if (tooLong.empty())
            return true;
        std::vector<int> good, legal;
        size_t fewest = 0;
        for (const Run& run : tooLong) {
            std::vector<int> runGood, runLegal;
            for (int k = 0; k < run.length; ++k) {
                // Both pieces three long, or the run shortened at one end.
                if ((k > 0 && k < 3) || (k + 1 < run.length && k + 3 >= run.length))
                    continue;
                const int cell = run.first + k * run.step;
                if (pinned[cell] || pinned[kCells - 1 - cell])
                    continue;
                const std::string before = cells;
                if (!TryBlock(cells, cell, pinned))
                    continue;
                runLegal.push_back(cell);
                if (viability(cell) >= kLeastWords)
                    runGood.push_back(cell);
                cells = before;
            }
            if (runLegal.empty())
                return false;
            if (legal.empty() || runLegal.size() < fewest) {
                fewest = runLegal.size();
                legal = runLegal;
                good = runGood;
            }
        }
        // The check is the costly part: it runs on the places picked, not on every legal one.
        std::vector<int> from = good.empty() ? legal : good;
        while (!from.empty() && placements < kPlacements) {
            const size_t k = random(from.size());
            const int cell = from[k];
            from.erase(from.begin() + static_cast<long>(k));
            const std::string before = cells;
            ++placements;
            // Blocks only grow with more cuts, and words nearly so: past a limit now, a
            // pattern seldom gets back within it.
            if (TryBlock(cells, cell, pinned) &&
                std::count(cells.begin(), cells.end(), '#') <= kMaxBlocks &&
                static_cast<int>(FindSlots(cells).size()) <= goal.maxWords &&
                (!check || (*check)(cells)) && cutRuns())
                return true;
            cells = before;
        }
        return false;
    };
    if (!cutRuns())
        return {};
    // Too few words yet: more blocks anywhere they keep the rules, which shortens runs.
    for (int tries = 0; static_cast<int>(FindSlots(cells).size()) < goal.minWords; ++tries) {
        if (tries > 4 * kCells)
            return {};
        const int cell = static_cast<int>(random(kCells));
        if (cells[cell] == '#' || pinned[cell] || pinned[kCells - 1 - cell] || refused[cell])
            continue;
        const std::string before = cells;
        if (!TryBlock(cells, cell, pinned) || viability(cell) < kLeastWords ||
            (check && !(*check)(cells))) {
            cells = before;
            refused[cell] = refused[kCells - 1 - cell] = 1;
        }
    }
    for (char& ch : cells)
        if (ch != '#')
            ch = '.';
    const std::vector<Slot> slots = FindSlots(cells);
    if (static_cast<int>(slots.size()) > goal.maxWords ||
        SlotsOfAtLeast(slots, kLongSlot) < goal.minLong || !PatternProblem(cells).empty())
        return {};
    for (const Planting& p : plantings) {
        const auto planted = std::find_if(slots.begin(), slots.end(), [&](const Slot& s) {
            return !s.down && s.cells.front() == PlantedCell(p, 0) &&
                   s.cells.size() == static_cast<size_t>(p.length);
        });
        if (planted == slots.end())
            return {};
    }
    for (int cell : pins.open)
        if (cells[cell] == '#')
            return {};
    return cells;
}

std::vector<Planting> ThemeLayout(const std::vector<int>& lengths, uint64_t variant)
{
    for (int length : lengths)
        if (length < 3 || length > kSide)
            return {};
    uint64_t noise = variant;
    auto random = [&](uint64_t bound) { return (noise = Mix(noise)) % bound; };
    // An entry of `length` in `row` and its mirror: flush to either side or anywhere between.
    auto pair = [&](int row, int length, std::vector<Planting>* top,
                    std::vector<Planting>* bottom) {
        const int col = static_cast<int>(random(static_cast<uint64_t>(kSide - length + 1)));
        top->push_back({row, col, length, ""});
        bottom->insert(bottom->begin(), {kSide - 1 - row, kSide - length - col, length, ""});
    };
    std::vector<Planting> top, bottom;
    if (lengths.size() == 3 && lengths[0] == lengths[2] && lengths[1] % 2 == 1) {
        // Entries four or five rows apart: three rows apart, a seven-letter down would cross
        // all three, which no word does. A shorter entry in row 2 would close its edge
        // column's top two squares, and the corner with them.
        const int rows[] = {3, 3, 2};
        pair(lengths[0] == kSide ? rows[random(3)] : 3, lengths[0], &top, &bottom);
        top.push_back({kSide / 2, (kSide - lengths[1]) / 2, lengths[1], ""});
    } else if (lengths.size() == 4 && lengths[0] == lengths[3] && lengths[1] == lengths[2]) {
        // Not in rows 6 and 8: every down between them would be three letters crossing both.
        // Above row 3 an entry must span the row, or it closes a corner.
        const int rows[][2] = {{1, 5}, {2, 5}, {1, 4}, {3, 5}};
        const auto& pick = lengths[0] == kSide ? rows[random(3)] : rows[3];
        pair(pick[0], lengths[0], &top, &bottom);
        pair(pick[1], lengths[1], &top, &bottom);
    } else {
        return {};
    }
    top.insert(top.end(), bottom.begin(), bottom.end());
    return top;
}
