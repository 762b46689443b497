// The search: most-constrained slot first, up to a few best words per node, each choice
// propagated to a fixpoint of arc consistency over the crossings; a dead end goes back to
// the latest choice near it rather than the latest of all. Domains of all slots live
// in one flat vector so a search node saves and restores them with one copy.
#include "filler.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr int kLetters = 26;
constexpr int kTriesPerNode =
    40;  // the best few by score, tried roomiest first; restarts do the rest

struct Crossing {
    int slot = -1;  // the crossing slot
    int pos = -1;   // position of the shared square in it
};

struct Search {
    const std::vector<Slot>* slots;
    const std::vector<WordList>* lists;
    std::vector<int> offset;                       // per slot: start of its domain in `domains`
    std::vector<int> blocks;                       // per slot: blocks in its domain
    std::vector<std::vector<Crossing>> crossings;  // per slot, per position
    std::vector<uint64_t> domains;
    std::vector<int> maskOffset;  // per slot: start of its letter masks in `masks`
    std::vector<uint32_t> masks;  // per slot and position: letters still possible
    std::vector<char> assigned;
    int maxRare = 1000;
    int maxCrosswordese = 1000;
    const std::unordered_map<std::string, int>* idOf = nullptr;  // word -> caller id
    const RootBook* roots = nullptr;                             // which words share a root
    long nodes = 0;
    long budget = 0;
    std::vector<int> liveBlocks;  // RecomputeMasks' list of the blocks still holding a word
    std::vector<std::string> deadEnds;
    std::vector<int> depthOf;  // per slot: the depth of the search node that placed it
    std::vector<int> handed;   // per depth: a culprit handed to its choice by a dead end
};
constexpr int kUnplaced = 1 << 30;  // depthOf a slot not placed yet

const WordList& ListOf(const Search& s, int slot)
{
    return (*s.lists)[(*s.slots)[slot].cells.size()];
}

const uint64_t* LetterBits(const WordList& list, int pos, int letter)
{
    return list.byLetter.data() + (static_cast<size_t>(pos) * kLetters + letter) * list.blocks;
}

int Count(const Search& s, int slot)
{
    int n = 0;
    const uint64_t* d = s.domains.data() + s.offset[slot];
    for (int b = 0; b < s.blocks[slot]; ++b)
        n += std::popcount(d[b]);
    return n;
}

// Refreshes the cached letter masks of a slot after its domain shrank: the letters still
// possible at each position. A cached mask is never smaller than the truth, so only its
// letters need looking at, and only in the blocks that still hold a word (a narrowed domain
// holds few); a small domain is read word by word instead, which is cheaper than a pass over
// every letter's bitset. This runs after every narrowing and is most of the search's time.
// The cache may still be a superset of the truth (removing a duplicate does not refresh it);
// that only weakens the pruning, never the answer, because an empty domain is still seen
// when the slot is picked.
void RecomputeMasks(Search& s, int slot)
{
    const WordList& list = ListOf(s, slot);
    const uint64_t* d = s.domains.data() + s.offset[slot];
    uint32_t* m = s.masks.data() + s.maskOffset[slot];
    const int length = list.length;
    constexpr int kFewWords = 160;
    int* live = s.liveBlocks.data();
    int lives = 0, n = 0;
    for (int b = 0; b < list.blocks; ++b)
        if (d[b]) {
            live[lives++] = b;
            n += std::popcount(d[b]);
        }
    if (n <= kFewWords) {
        std::fill(m, m + length, 0u);
        for (int k = 0; k < lives; ++k) {
            const int b = live[k];
            for (uint64_t bits = d[b]; bits; bits &= bits - 1) {
                const std::string& w = list.words[b * 64 + std::countr_zero(bits)];
                for (int pos = 0; pos < length; ++pos)
                    m[pos] |= 1u << (w[pos] - 'A');
            }
        }
        return;
    }
    for (int pos = 0; pos < length; ++pos) {
        uint32_t mask = 0;
        for (uint32_t left = m[pos]; left; left &= left - 1) {
            const int L = std::countr_zero(left);
            const uint64_t* bits = LetterBits(list, pos, L);
            for (int k = 0; k < lives; ++k) {
                if (d[live[k]] & bits[live[k]]) {
                    mask |= 1u << L;
                    break;
                }
            }
        }
        m[pos] = mask;
    }
}

// Keeps only the words with a letter of `mask` at `pos`. Returns true when the domain changed.
bool Restrict(Search& s, int slot, int pos, uint32_t mask)
{
    const WordList& list = ListOf(s, slot);
    // Every word has one letter at `pos`: the words to drop are those with a letter outside
    // the mask, and whichever side holds fewer letters is the cheaper to gather. Only the
    // blocks still holding a word are looked at.
    const uint32_t all = (1u << kLetters) - 1;
    const bool keepSide = std::popcount(mask & all) <= std::popcount(~mask & all);
    const uint32_t gather = keepSide ? mask & all : ~mask & all;
    uint64_t* d = s.domains.data() + s.offset[slot];
    bool changed = false;
    for (int b = 0; b < list.blocks; ++b) {
        if (!d[b])
            continue;
        uint64_t bits = 0;
        for (uint32_t left = gather; left; left &= left - 1)
            bits |= LetterBits(list, pos, std::countr_zero(left))[b];
        const uint64_t next = keepSide ? d[b] & bits : d[b] & ~bits;
        changed |= next != d[b];
        d[b] = next;
    }
    if (changed)
        RecomputeMasks(s, slot);
    return changed;
}

// Arc consistency from the given slots outwards; false when some domain becomes empty.
bool Propagate(Search& s, std::vector<int> queue)
{
    std::vector<char> queued(s.offset.size(), 0);
    for (int q : queue)
        queued[q] = 1;
    while (!queue.empty()) {
        int slot = queue.back();
        queue.pop_back();
        queued[slot] = 0;
        const std::vector<Crossing>& cross = s.crossings[slot];
        for (size_t pos = 0; pos < cross.size(); ++pos) {
            const Crossing& c = cross[pos];
            if (c.slot < 0)
                continue;
            uint32_t mine = s.masks[s.maskOffset[slot] + pos];
            uint32_t theirs = s.masks[s.maskOffset[c.slot] + c.pos];
            uint32_t both = mine & theirs;
            if (!both)
                return false;
            if (both != theirs && Restrict(s, c.slot, c.pos, both)) {
                if (!queued[c.slot]) {
                    queued[c.slot] = 1;
                    queue.push_back(c.slot);
                }
            }
            if (both != mine && Restrict(s, slot, static_cast<int>(pos), both)) {
                if (!queued[slot]) {
                    queued[slot] = 1;
                    queue.push_back(slot);
                }
            }
        }
    }
    return true;
}

// The one word of an assigned slot.
int WordOf(const Search& s, int slot)
{
    const uint64_t* d = s.domains.data() + s.offset[slot];
    for (int b = 0; b < s.blocks[slot]; ++b)
        if (d[b])
            return b * 64 + std::countr_zero(d[b]);
    return -1;
}

bool IsMarked(const std::vector<uint64_t>& marks, int word)
{
    return !marks.empty() && (marks[word / 64] >> (word % 64) & 1);
}

// Takes the words `marks` holds out of slot `other`'s domain. True when it changed.
bool RemoveMarked(Search& s, int other, const std::vector<uint64_t>& marks)
{
    if (marks.empty())
        return false;
    uint64_t* d = s.domains.data() + s.offset[other];
    bool changed = false;
    for (int b = 0; b < s.blocks[other]; ++b) {
        changed |= (d[b] & marks[b]) != 0;
        d[b] &= ~marks[b];
    }
    return changed;
}

// A word that shares a stem with the word being placed: its length and caller id.
struct Relative {
    int length;
    int id;
};

// Removes from `other` the words among `relatives`. Returns true when the domain changed.
bool RemoveStemmed(Search& s, int other, const std::vector<Relative>& relatives)
{
    const WordList& list = ListOf(s, other);
    uint64_t* d = s.domains.data() + s.offset[other];
    bool changed = false;
    for (const Relative& r : relatives) {
        if (r.length != list.length || r.id >= static_cast<int>(list.positionOf.size()))
            continue;
        const int at = list.positionOf[r.id];
        if (at < 0)
            continue;
        const uint64_t bit = uint64_t{1} << (at % 64);
        changed |= (d[at / 64] & bit) != 0;
        d[at / 64] &= ~bit;
    }
    return changed;
}

// Makes `word` (an index into the slot's list) the slot's only word, removes every word that
// shares its stem (itself included) from the other slots, and the rare words or the
// crosswordese once the grid has its share of them; then propagates.
bool Assign(Search& s, int slot, int word)
{
    uint64_t* d = s.domains.data() + s.offset[slot];
    std::fill(d, d + s.blocks[slot], 0);
    d[word / 64] = uint64_t{1} << (word % 64);
    s.assigned[slot] = 1;
    const std::string& text = ListOf(s, slot).words[word];
    for (size_t pos = 0; pos < text.size(); ++pos)
        s.masks[s.maskOffset[slot] + pos] = 1u << (text[pos] - 'A');
    int rare = 0, crosswordese = 0;
    for (size_t other = 0; other < s.offset.size(); ++other)
        if (s.assigned[other]) {
            const WordList& theirs = ListOf(s, static_cast<int>(other));
            const int theirWord = WordOf(s, static_cast<int>(other));
            rare += IsMarked(theirs.rare, theirWord);
            crosswordese += IsMarked(theirs.crosswordese, theirWord);
        }
    if (rare > s.maxRare || crosswordese > s.maxCrosswordese)
        return false;
    std::vector<int> queue{slot};
    std::vector<Relative> relatives;
    for (const std::string& form : RootRelatives(text, *s.roots)) {
        auto it = s.idOf->find(form);
        if (it != s.idOf->end())
            relatives.push_back({static_cast<int>(form.size()), it->second});
    }
    for (size_t other = 0; other < s.offset.size(); ++other) {
        const int o = static_cast<int>(other);
        if (o == slot)
            continue;
        if (s.assigned[other]) {
            const WordList& theirs = ListOf(s, o);
            const int id = theirs.ids[WordOf(s, o)];
            for (const Relative& r : relatives)
                if (r.id == id && r.length == theirs.length)
                    return false;
            continue;
        }
        bool changed = RemoveStemmed(s, o, relatives);
        if (rare >= s.maxRare)
            changed |= RemoveMarked(s, o, ListOf(s, o).rare);
        if (crosswordese >= s.maxCrosswordese)
            changed |= RemoveMarked(s, o, ListOf(s, o).crosswordese);
        // The letter masks may now be a superset of the truth: that only weakens pruning.
        if (changed && Count(s, o) == 0)
            return false;
    }
    return Propagate(s, queue);
}

int PickSlot(const Search& s)
{
    int best = -1, bestCount = 0;
    for (size_t i = 0; i < s.offset.size(); ++i) {
        if (s.assigned[i])
            continue;
        int n = Count(s, static_cast<int>(i));
        size_t len = (*s.slots)[i].cells.size();
        if (best < 0 || n < bestCount || (n == bestCount && len > (*s.slots)[best].cells.size())) {
            best = static_cast<int>(i);
            bestCount = n;
        }
    }
    return best;
}

// How much room a choice leaves its crossing words: the sum of the logarithms of their
// domain sizes. Trying the roomiest of the best few words first avoids most dead ends.
double Room(const Search& s, int slot)
{
    double room = 0;
    for (const Crossing& c : s.crossings[slot])
        if (c.slot >= 0 && !s.assigned[c.slot])
            room += std::log(1.0 + Count(s, c.slot));
    return room;
}

// The letters of `slot` fixed by its placed crossings, '?' where none is.
std::string FixedLetters(const Search& s, int slot)
{
    const std::vector<Crossing>& cross = s.crossings[slot];
    std::string out(cross.size(), '?');
    for (size_t pos = 0; pos < cross.size(); ++pos) {
        const Crossing& c = cross[pos];
        if (c.slot >= 0 && s.assigned[c.slot])
            out[pos] = ListOf(s, c.slot).words[WordOf(s, c.slot)][c.pos];
    }
    return out;
}

// What Solve reports besides the depth of the choice to change next.
constexpr int kFilled = -1;
constexpr int kSpent = -2;  // the node budget is used up

// The choice to go back to from a dead end at `slot` (a slot no word fits, or one whose
// every word led to dead ends): the latest made among the slots that cross it and the
// slots that cross those, and among the culprits its own dead ends handed to it. A dead end
// is nearly always made by a word placed close by; the choices taken since in other parts
// of the grid cannot mend it, and undoing them one by one first is what made the search
// thrash. The culprit next in line is handed to the choice gone back to, for when it runs
// out in turn. 0 when no choice is to blame (the fixed words): the search gives up. Only
// the grid's shape picks the culprits, not the words, so a fill a chronological search
// would find may be passed over; another pattern or seed makes up for that many times over.
int Backjump(Search& s, int slot, int depth)
{
    int first = s.handed[depth], second = 0;
    auto blame = [&](int other) {
        const int d = s.depthOf[other];
        if (d >= depth || d == first || d == second)
            return;
        if (d > first) {
            second = first;
            first = d;
        } else if (d > second) {
            second = d;
        }
    };
    for (const Crossing& c : s.crossings[slot]) {
        if (c.slot < 0)
            continue;
        blame(c.slot);
        for (const Crossing& next : s.crossings[c.slot])
            if (next.slot >= 0 && next.slot != slot)
                blame(next.slot);
    }
    s.handed[depth] = 0;
    if (first > 0)
        s.handed[first] = std::max(s.handed[first], second);
    return first;
}

// Returns kFilled, kSpent or the depth of the choice to change next (below `depth`).
int Solve(Search& s, int depth)
{
    if (++s.nodes > s.budget)
        return kSpent;
    int slot = PickSlot(s);
    if (slot < 0)
        return kFilled;
    s.handed[depth] = 0;
    const std::vector<uint64_t> saved = s.domains;
    const std::vector<uint32_t> savedMasks = s.masks;
    const std::vector<char> savedAssigned = s.assigned;
    struct Choice {
        double room;
        int order;
        std::vector<uint64_t> domains;
        std::vector<uint32_t> masks;
        std::vector<char> assigned;
    };
    std::vector<Choice> choices;
    int tries = 0;
    for (int b = 0; b < s.blocks[slot] && tries < kTriesPerNode; ++b) {
        uint64_t bits = saved[s.offset[slot] + b];
        while (bits && tries < kTriesPerNode) {
            int word = b * 64 + std::countr_zero(bits);
            bits &= bits - 1;
            ++tries;
            if (Assign(s, slot, word))
                choices.push_back({Room(s, slot), tries, s.domains, s.masks, s.assigned});
            s.domains = saved;
            s.masks = savedMasks;
            s.assigned = savedAssigned;
        }
    }
    if (choices.empty() && s.deadEnds.size() < 4096)
        s.deadEnds.push_back(FixedLetters(s, slot));
    std::stable_sort(choices.begin(), choices.end(),
                     [](const Choice& a, const Choice& b) { return a.room > b.room; });
    s.depthOf[slot] = depth;
    for (Choice& c : choices) {
        s.domains = std::move(c.domains);
        s.masks = std::move(c.masks);
        s.assigned = std::move(c.assigned);
        const int next = Solve(s, depth + 1);
        if (next == kFilled)
            return kFilled;
        if (next == kSpent || next < depth) {
            s.depthOf[slot] = kUnplaced;
            return next;
        }
    }
    s.depthOf[slot] = kUnplaced;
    return Backjump(s, slot, depth);
}

}  // namespace

WordList MakeWordList(int length, const std::vector<std::string>& words,
                      const std::vector<int>& ids, const std::vector<char>& rare,
                      const std::vector<char>& crosswordese)
{
    WordList list;
    list.length = length;
    list.words = words;
    list.ids = ids;
    list.blocks = static_cast<int>((words.size() + 63) / 64);
    int maxId = -1;
    for (int id : ids)
        maxId = std::max(maxId, id);
    list.positionOf.assign(static_cast<size_t>(maxId + 1), -1);
    for (size_t k = 0; k < ids.size(); ++k)
        list.positionOf[ids[k]] = static_cast<int>(k);
    list.byLetter.assign(static_cast<size_t>(length) * kLetters * list.blocks, 0);
    list.letters.assign(static_cast<size_t>(length), 0);
    for (size_t k = 0; k < words.size(); ++k) {
        for (int pos = 0; pos < length; ++pos) {
            int L = words[k][pos] - 'A';
            list.letters[pos] |= 1u << L;
            uint64_t* bits =
                list.byLetter.data() + (static_cast<size_t>(pos) * kLetters + L) * list.blocks;
            bits[k / 64] |= uint64_t{1} << (k % 64);
        }
    }
    auto marks = [&](const std::vector<char>& marked) {
        std::vector<uint64_t> bits;
        if (marked.empty())
            return bits;
        bits.assign(list.blocks, 0);
        for (size_t k = 0; k < words.size(); ++k)
            if (marked[k])
                bits[k / 64] |= uint64_t{1} << (k % 64);
        return bits;
    };
    list.rare = marks(rare);
    list.crosswordese = marks(crosswordese);
    return list;
}

namespace {

// The search before its first choice: every domain full, the fixed words placed and every
// crossing agreeing. False when that already leaves some slot without a word.
bool Prepare(Search& s, const std::vector<Slot>& slots, const std::vector<WordList>& lists,
             const std::vector<int>& fixedIds, const std::unordered_map<std::string, int>* idOf,
             const RootBook* roots, std::unordered_map<std::string, int>* ownIds)
{
    static const RootBook spellingOnly;
    s.slots = &slots;
    s.lists = &lists;
    if (!idOf) {
        for (const WordList& list : lists)
            for (size_t k = 0; k < list.words.size(); ++k)
                ownIds->emplace(list.words[k], list.ids[k]);
        idOf = ownIds;
    }
    s.idOf = idOf;
    s.roots = roots ? roots : &spellingOnly;
    int total = 0;
    int maxBlocks = 0;
    for (const Slot& slot : slots) {
        const WordList& list = lists[slot.cells.size()];
        s.offset.push_back(total);
        s.blocks.push_back(list.blocks);
        total += list.blocks;
        maxBlocks = std::max(maxBlocks, list.blocks);
    }
    int cellsTotal = 0;
    for (const Slot& slot : slots) {
        s.maskOffset.push_back(cellsTotal);
        cellsTotal += static_cast<int>(slot.cells.size());
    }
    s.masks.assign(cellsTotal, (1u << kLetters) - 1);
    s.liveBlocks.assign(maxBlocks, 0);
    s.domains.assign(total, 0);
    s.assigned.assign(slots.size(), 0);
    // Every domain starts as its whole list, whose letters the list knows already: the
    // pattern maker's check starts here at every block it places.
    for (size_t i = 0; i < slots.size(); ++i) {
        const WordList& list = lists[slots[i].cells.size()];
        uint64_t* d = s.domains.data() + s.offset[i];
        const size_t full = list.words.size() / 64, tail = list.words.size() % 64;
        std::fill(d, d + full, ~uint64_t{0});
        if (tail)
            d[full] = (uint64_t{1} << tail) - 1;
        std::copy(list.letters.begin(), list.letters.end(), s.masks.begin() + s.maskOffset[i]);
    }
    // Which slot crosses which, square by square.
    std::vector<std::vector<std::pair<int, int>>> byCell(kCells);
    for (size_t i = 0; i < slots.size(); ++i)
        for (size_t p = 0; p < slots[i].cells.size(); ++p)
            byCell[slots[i].cells[p]].push_back({static_cast<int>(i), static_cast<int>(p)});
    s.crossings.resize(slots.size());
    for (size_t i = 0; i < slots.size(); ++i) {
        s.crossings[i].resize(slots[i].cells.size());
        for (size_t p = 0; p < slots[i].cells.size(); ++p)
            for (const auto& [other, pos] : byCell[slots[i].cells[p]])
                if (other != static_cast<int>(i))
                    s.crossings[i][p] = Crossing{other, pos};
    }
    std::vector<int> all;
    for (size_t i = 0; i < slots.size(); ++i)
        all.push_back(static_cast<int>(i));
    for (size_t i = 0; i < slots.size(); ++i) {
        if (fixedIds[i] < 0)
            continue;
        const WordList& list = lists[slots[i].cells.size()];
        auto it = std::find(list.ids.begin(), list.ids.end(), fixedIds[i]);
        if (it == list.ids.end() ||
            !Assign(s, static_cast<int>(i), static_cast<int>(it - list.ids.begin())))
            return false;
    }
    return Propagate(s, all);
}

}  // namespace

FillResult FillGrid(const std::vector<Slot>& slots, const std::vector<WordList>& lists,
                    const std::vector<int>& fixedIds, long nodeBudget, int maxRare,
                    const std::unordered_map<std::string, int>* idOf, const RootBook* roots,
                    int maxCrosswordese)
{
    Search s;
    s.budget = nodeBudget;
    s.maxRare = maxRare;
    s.maxCrosswordese = maxCrosswordese;
    std::unordered_map<std::string, int> ownIds;
    FillResult result;
    if (!Prepare(s, slots, lists, fixedIds, idOf, roots, &ownIds))
        return result;
    s.depthOf.assign(slots.size(), kUnplaced);
    s.handed.assign(slots.size() + 2, 0);
    for (size_t i = 0; i < slots.size(); ++i)
        if (s.assigned[i])
            s.depthOf[i] = 0;
    result.filled = Solve(s, 1) == kFilled;
    result.nodes = s.nodes;
    result.deadEnds = std::move(s.deadEnds);
    if (!result.filled)
        return result;
    for (size_t i = 0; i < slots.size(); ++i)
        result.wordIds.push_back(lists[slots[i].cells.size()].ids[WordOf(s, static_cast<int>(i))]);
    return result;
}

std::vector<int> RootRoom(const std::vector<Slot>& slots, const std::vector<WordList>& lists,
                          const std::vector<int>& fixedIds,
                          const std::unordered_map<std::string, int>* idOf, const RootBook* roots)
{
    Search s;
    std::unordered_map<std::string, int> ownIds;
    std::vector<int> room;
    if (!Prepare(s, slots, lists, fixedIds, idOf, roots, &ownIds))
        return room;
    for (size_t i = 0; i < slots.size(); ++i)
        room.push_back(Count(s, static_cast<int>(i)));
    return room;
}

long CountFitting(const WordList& list, const std::string& letters)
{
    if (list.words.empty() || letters.size() != static_cast<size_t>(list.length))
        return 0;
    std::vector<uint64_t> fit(static_cast<size_t>(list.blocks), ~uint64_t{0});
    for (size_t pos = 0; pos < letters.size(); ++pos) {
        if (letters[pos] < 'A' || letters[pos] > 'Z')
            continue;
        const uint64_t* bits = LetterBits(list, static_cast<int>(pos), letters[pos] - 'A');
        for (int b = 0; b < list.blocks; ++b)
            fit[static_cast<size_t>(b)] &= bits[b];
    }
    long count = 0;
    for (int b = 0; b < list.blocks; ++b) {
        uint64_t word = fit[static_cast<size_t>(b)];
        const size_t tail = list.words.size() % 64;
        if (tail != 0 && (b + 1) * 64 > static_cast<int>(list.words.size()))
            word &= (uint64_t{1} << tail) - 1;
        count += std::popcount(word);
    }
    return count;
}
