// Pack generation: for each row of featured.tsv, fill a grid around the featured answer in a
// pattern whose longest slot fits it, clue it, and record what the pack has used. A failed
// fill or clue choice is retried on the next fitting pattern with a new seed, so the outcome
// depends only on the seed.
#include "packs.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "clues.h"
#include "filler.h"
#include "grid_bank.h"
#include "grid_rules.h"
#include "puz_layout.h"
#include "puz_writer.h"

namespace {

// A row that no attempt fills is a pack whose earlier puzzles used up the words its last ones
// need (each word of five letters or more once, short ones two or three times; four-letter
// words run out first). Deeper searches do not find a fill that is not there, so after this
// many attempts the pack starts over from a new seed of its own, making that row first; the
// sequence of seeds is fixed, so the outcome still depends only on the seed.
constexpr int kMaxAttempts = 80;
// A themed attempt makes and searches patterns until one fills or it has spent its nodes,
// which takes tens of seconds; a theme that fails this many attempts becomes a themeless
// while the pack keeps enough themes.
constexpr int kThemedAttempts = 6;
constexpr long kThemedBudget = 100000;
constexpr int kPackTries = 25;
constexpr double kNoise = 18.0;  // random spread added to scores: variety between grids
constexpr double kReusePenalty = 15.0;
constexpr int kShapeLimit = 3;  // uses of one block shape per pack
constexpr int kMinLively = 3;   // clues with a blank, wordplay or a quotation per puzzle

// Obscure words a grid may hold: two while the pack stays within two plus one and a half
// per grid so far, else one, so they stay under 2% of a pack's slots (47 of at least
// 31 x 76).
int RareAllowed(int rareSoFar, int row)
{
    return rareSoFar + 2 <= 2 + row * 3 / 2 ? 2 : 1;
}

int PackLimit(size_t length)
{
    return length >= 5 ? 1 : length == 4 ? 2 : 3;
}

// Uses of a short word allowed by puzzle `row`: the pack limit, paced over the pack. The
// vowel-rich short words (ERA, ALOE) are what makes a corner fill; used freely, the first
// puzzles take all their uses and the last ones cannot be filled. Paced too strictly, the
// middle of the pack runs dry instead; starting the pace a few rows early balances the two.
int PacedLimit(size_t length, int row)
{
    constexpr int kHeadStart = 6;
    const int limit = PackLimit(length);
    return std::min(limit, 1 + (row + kHeadStart) * limit / kPuzzlesPerPack);
}

double Noise(uint64_t seed, int row)
{
    return static_cast<double>(Mix(seed ^ (static_cast<uint64_t>(row) * 0x9E3779B97F4A7C15ull)) >>
                               11) /
           static_cast<double>(uint64_t{1} << 53);
}

// The game's starter puzzle is pack Three's "hilo"; the game's end-to-end test taps its
// square (5, 0), the start of an across word of six letters, finds (6, 1) open below it, and
// looks for a block at (0, 4) beside an open (0, 1).
bool StarterFits(const std::string& cells)
{
    auto open = [&](int r, int c) { return cells[r * kSide + c] != '#'; };
    for (int c = 0; c < 6; ++c)
        if (!open(5, c))
            return false;
    return !open(5, 6) && open(6, 1) && !open(0, 4) && open(0, 1);
}

}  // namespace

uint64_t Mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string CopyrightLine(bool usesWordNet)
{
    return usesWordNet ? "(c) 2026 Crossword project. Some clues from WordNet 3.0 (c) 2006 "
                         "Princeton University"
                       : "(c) 2026 Crossword project";
}

std::string ShapeKey(const std::string& cells)
{
    std::string best;
    for (int t = 0; t < 8; ++t) {
        std::string out(kCells, '.');
        for (int r = 0; r < kSide; ++r) {
            for (int c = 0; c < kSide; ++c) {
                int rr = r, cc = c;
                if (t & 1)
                    cc = kSide - 1 - cc;  // mirror
                if (t & 2)
                    rr = kSide - 1 - rr;  // flip
                if (t & 4)
                    std::swap(rr, cc);  // transpose
                out[rr * kSide + cc] = cells[r * kSide + c] == '#' ? '#' : '.';
            }
        }
        if (best.empty() || out < best)
            best = out;
    }
    return best;
}

std::vector<const Pattern*> PatternsForRow(std::vector<const Pattern*> family,
                                           const std::vector<const Pattern*>& usable, int done)
{
    std::stable_sort(family.begin(), family.end(),
                     [](const Pattern* a, const Pattern* b) { return a->late < b->late; });
    std::map<const Pattern*, int> rank;
    for (size_t k = 0; k < family.size(); ++k)
        rank[family[k]] = static_cast<int>(k);
    const double target =
        family.size() < 2 ? 0.0
                          : static_cast<double>(done) * (family.size() - 1) / (kPuzzlesPerPack - 1);
    std::vector<const Pattern*> out;
    for (const Pattern* p : family)
        if (std::find(usable.begin(), usable.end(), p) != usable.end())
            out.push_back(p);
    std::stable_sort(out.begin(), out.end(), [&](const Pattern* a, const Pattern* b) {
        return std::abs(rank[a] - target) < std::abs(rank[b] - target);
    });
    return out;
}

std::vector<int> RowOrder(const std::vector<LexEntry>& lexicon,
                          const std::vector<const Featured*>& rows)
{
    double count[26] = {};
    double total = 0;
    for (const LexEntry& e : lexicon) {
        if (e.answer.size() < 3 || e.answer.size() > 7)
            continue;
        for (char ch : e.answer) {
            count[ch - 'A'] += 1;
            total += 1;
        }
    }
    // The mean log frequency of the answer's letters: low for J, Y, P, G; high for E, S, A.
    std::vector<double> common;
    for (const Featured* f : rows) {
        double sum = 0;
        for (char ch : f->answer)
            sum += std::log((count[ch - 'A'] + 1) / total);
        common.push_back(sum / static_cast<double>(f->answer.size()));
    }
    std::vector<int> order;
    for (size_t row = 0; row < rows.size(); ++row)
        order.push_back(static_cast<int>(row));
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return common[a] < common[b]; });
    return order;
}

bool LoadFeatured(const std::string& path, std::vector<Featured>* out, std::string* error)
{
    return ReadTable(path, error, [&](const std::string& where, const std::vector<std::string>& f) {
        Featured row;
        if (f.size() == 5) {
            row = {f[0], f[1], f[2], "", f[4], f[3]};
            for (char ch : f[3])
                if (ch != ' ')
                    row.answer += ch;
        }
        if (row.answer.size() < 3 || row.answer.size() > static_cast<size_t>(kSide) ||
            row.answer.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) {
            *error = where + "malformed row";
            return false;
        }
        out->push_back(row);
        return true;
    });
}

bool LoadTitles(const std::string& path, std::vector<Featured>* rows, std::string* error)
{
    size_t next = 0;
    return ReadTable(path, error,
                     [&](const std::string& where, const std::vector<std::string>& f) {
                         if (f.size() != 3 || f[2].empty() || next >= rows->size() ||
                             (*rows)[next].pack != f[0] || (*rows)[next].name != f[1]) {
                             *error =
                                 where + "expected the next featured row's pack, name and title";
                             return false;
                         }
                         (*rows)[next++].title = f[2];
                         return true;
                     }) &&
           (next == rows->size() || (*error = path + ": fewer rows than featured.tsv", false));
}

bool LoadWordSet(const std::string& path, std::set<std::string>* out, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) {
            for (char& ch : word)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            out->insert(word);
        }
    }
    return true;
}

const std::vector<PackSpec>& AllPacks()
{
    static const std::vector<PackSpec> packs = {
        {"one", "Brambleset One"},   {"two", "Brambleset Two"},   {"three", "Brambleset Three"},
        {"four", "Brambleset Four"}, {"five", "Brambleset Five"}, {"six", "Brambleset Six"},
    };
    return packs;
}

void AddFeatured(Generator& gen)
{
    std::map<std::string, size_t> row;
    for (size_t i = 0; i < gen.lexicon.size(); ++i)
        row[gen.lexicon[i].answer] = i;
    // The hand-written clue is the only one the answer may print: a featured clue names its
    // puzzle's title, a theme clue plays the theme.
    auto add = [&](const std::string& answer, const std::string& words, const std::string& clue) {
        auto it = row.find(answer);
        if (it == row.end()) {
            LexEntry e;
            e.answer = answer;
            e.level = 10;
            e.stems = words;
            std::replace(e.stems.begin(), e.stems.end(), ' ', '_');
            row[answer] = gen.lexicon.size();
            gen.lexicon.push_back(e);
            it = row.find(answer);
        }
        LexEntry& e = gen.lexicon[it->second];
        e.clues = {clue};
        e.hand = 1;
    };
    for (const Featured& f : gen.featured)
        add(f.answer, f.words, f.clue);
    for (const ThemeSet& t : gen.themes)
        for (size_t k = 0; k < t.answers.size(); ++k)
            add(t.answers[k], t.words[k], t.clues[k]);
    std::vector<RootRow> roots;
    for (size_t i = 0; i < gen.lexicon.size(); ++i) {
        gen.idOf[gen.lexicon[i].answer] = static_cast<int>(i);
        roots.push_back({gen.lexicon[i].answer, gen.lexicon[i].stems});
    }
    gen.rules.roots = MakeRootBook(roots);
}

const ThemeSet* ThemeOf(const Generator& gen, const std::string& pack, const std::string& name)
{
    for (const ThemeSet& t : gen.themes)
        if (t.pack == pack && t.name == name)
            return &t;
    return nullptr;
}

PatternGoal ThemedGoal()
{
    PatternGoal goal;
    goal.minWords = 72;
    goal.maxWords = kMaxWords;
    goal.longestFill = 8;
    return goal;
}

PatternGoal ThemelessGoal()
{
    PatternGoal goal;
    goal.maxWords = kMaxThemelessWords;
    goal.longestFill = 10;
    goal.minLong = kMinThemelessLong;
    return goal;
}

std::string MakeThemelessPattern(uint64_t seed)
{
    // Long slots laid out as themed entries are, crossed by short words, fill; patterns cut
    // at random around nothing leave open corners our words do not fill. So the fill between
    // them runs eight letters at most: longer runs leave open areas.
    PatternGoal goal = ThemelessGoal();
    goal.minWords = 64;
    goal.longestFill = kLongSlot;
    constexpr int kFeaturedLength = 10;
    const std::vector<int> lengths(4, kFeaturedLength);
    return MakePattern(ThemeLayout(lengths, Mix(seed + 1)), goal, seed);
}

namespace {

// Relaxations of the pack rules, for diagnosing a row that does not fill.
enum Relax : unsigned {
    kFree3 = 1,        // three-letter words ignore their pack uses
    kFree4 = 2,        // four-letter words too
    kFree5 = 4,        // and longer ones
    kFreeStandby = 8,  // stand-bys count as ordinary words
    kNoPace = 16,      // the pack limits without the pace
    kFreshPack = 32,   // nothing used yet
    kFreeRare = 64,    // no cap on obscure words
    kFreeStem = 128,   // no stem rule
    kDeep = 256,       // ten times the search budget
};

// The word lists of one attempt: the lexicon less what the pack rules forbid at puzzle
// `done` and the rows `avoid` marks, each length in noisy score order. `planted` are the
// answers the grid plants (its featured answer or its theme entries): they stay in.
std::vector<WordList> AttemptLists(const Generator& gen, const std::map<std::string, int>& used,
                                   const std::set<std::string>& featuredHere,
                                   const std::set<std::string>& planted, uint64_t seed, int done,
                                   unsigned relax, const std::vector<char>* avoid = nullptr)
{
    std::vector<WordList> lists(kSide + 1);
    std::vector<std::vector<std::pair<double, int>>> ranked(kSide + 1);
    for (size_t i = 0; i < gen.lexicon.size(); ++i) {
        const LexEntry& e = gen.lexicon[i];
        size_t len = e.answer.size();
        if (len < 3 || len > static_cast<size_t>(kSide))
            continue;
        const bool isFeatured = planted.count(e.answer) > 0;
        if (!isFeatured && (featuredHere.count(e.answer) || (avoid && (*avoid)[i])))
            continue;
        auto u = used.find(e.answer);
        int uses = u == used.end() || (relax & kFreshPack) ? 0 : u->second;
        const bool standby = gen.standbys.count(e.answer) && !(relax & kFreeStandby);
        int limit = standby ? 1 : (relax & kNoPace) ? PackLimit(len) : PacedLimit(len, done);
        const unsigned free = len == 3 ? kFree3 : len == 4 ? kFree4 : kFree5;
        if (!isFeatured && uses >= limit && !(relax & free))
            continue;
        double w = e.score + kNoise * Noise(seed, static_cast<int>(i)) - kReusePenalty * uses;
        ranked[len].push_back({-w, static_cast<int>(i)});
    }
    for (size_t len = 3; len <= static_cast<size_t>(kSide); ++len) {
        std::sort(ranked[len].begin(), ranked[len].end());
        std::vector<std::string> words;
        std::vector<int> ids;
        std::vector<char> rare, crosswordese;
        for (const auto& [w, id] : ranked[len]) {
            words.push_back(gen.lexicon[id].answer);
            ids.push_back(id);
            rare.push_back(Obscure(gen.lexicon[id]));
            crosswordese.push_back(IsCrosswordese(gen.lexicon[id].answer, gen.rules));
        }
        lists[len] = MakeWordList(static_cast<int>(len), words, ids, rare, crosswordese);
    }
    return lists;
}

// The squares StarterFits asks for, pinned for a pattern made for the starter puzzle.
PatternPins StarterPins()
{
    PatternPins pins;
    pins.open = {1,
                 5 * kSide + 0,
                 5 * kSide + 1,
                 5 * kSide + 2,
                 5 * kSide + 3,
                 5 * kSide + 4,
                 5 * kSide + 5,
                 6 * kSide + 1};
    pins.blocks = {4, 5 * kSide + 6};
    return pins;
}

// Patterns a themed attempt may make before it gives up: some seeds miss the goal, and most
// patterns made cannot be filled, which their search shows within a few nodes. Making one
// costs tens of milliseconds (every block placed is checked against the crossings).
constexpr int kPatternTries = 500;
// The fewest words a slot may keep by its crossings alone while a themed pattern is made.
constexpr int kLeastRoom = 3;
// Search nodes one pattern of a themed attempt may spend: the patterns that filled took
// a few hundred to 8,000 nodes, while a search still going past that mostly wanders a dead
// part of the tree until the attempt's budget is gone; a fresh pattern is the better bet.
constexpr long kPatternNodes = 20000;
// Fills again of a filled pattern, each without a word the grid could not clue.
constexpr int kClueRefills = 8;

// One themed attempt near `seed`: patterns made for `theme`, its entries planted, each
// searched in turn until one fills or the attempt's `budget` of search nodes is spent. Most
// patterns that cannot be filled show it within a few nodes. True with its cells, slots and
// fill when one filled.
bool FillTheme(const Generator& gen, const ThemeSet& theme, uint64_t seed, bool starter,
               const std::vector<WordList>& lists, long budget, int maxRare, std::string* cells,
               std::vector<Slot>* slots, FillResult* fill)
{
    const std::vector<int> lengths = ThemeLengths(theme);
    const SlotWords words = [&](const std::string& letters) {
        return CountFitting(lists[letters.size()], letters);
    };
    // A block is kept while the crossings' agreement alone leaves every slot a few words:
    // most random cuts near the theme entries leave some slot none, and such a pattern
    // only fails at the search's first step.
    const PatternGoal goal = ThemedGoal();
    const PatternCheck check = [&](const std::string& partial) {
        std::vector<Slot> sofar;
        std::vector<int> fixedIds;
        for (const Slot& slot : FindSlots(partial)) {
            const std::string word = SlotWord(partial, slot);
            const bool planted = word.find('.') == std::string::npos;
            if (!planted && slot.cells.size() > static_cast<size_t>(goal.longestFill))
                continue;  // cut later
            auto id = gen.idOf.find(word);
            if (planted && id == gen.idOf.end())
                return false;
            sofar.push_back(slot);
            fixedIds.push_back(planted ? id->second : -1);
        }
        const std::vector<int> room = RootRoom(sofar, lists, fixedIds, &gen.idOf, &gen.rules.roots);
        if (room.empty())
            return false;
        for (size_t i = 0; i < room.size(); ++i)
            if (fixedIds[i] < 0 && room[i] < kLeastRoom)
                return false;
        return true;
    };
    long spent = 0;
    for (int v = 0; v < kPatternTries; ++v) {
        const uint64_t s = Mix(seed + static_cast<uint64_t>(v));
        std::vector<Planting> layout = ThemeLayout(lengths, s);
        for (size_t k = 0; k < layout.size(); ++k)
            layout[k].answer = theme.answers[k];
        *cells = MakePattern(layout, goal, Mix(s), starter ? StarterPins() : PatternPins{}, &words,
                             &check);
        if (cells->empty() || (starter && !StarterFits(*cells)))
            continue;
        *slots = FindSlots(*cells);
        std::vector<int> fixedIds(slots->size(), -1);
        for (size_t k = 0; k < layout.size(); ++k)
            for (size_t i = 0; i < slots->size(); ++i)
                if (!(*slots)[i].down &&
                    (*slots)[i].cells.front() == layout[k].row * kSide + layout[k].col)
                    fixedIds[i] = gen.idOf.at(theme.answers[k]);
        *fill = FillGrid(*slots, lists, fixedIds, std::min(budget - spent, kPatternNodes), maxRare,
                         &gen.idOf, &gen.rules.roots, kMaxCrosswordese);
        spent += fill->nodes;
        if (fill->filled || spent >= budget)
            return fill->filled;
    }
    return false;
}

// The lexicon rows whose answers share a root with a word of `clues` (a theme's, or a
// featured answer's): in their grid such an answer would stand in a clue printed beside it.
std::vector<char> ClueClashes(const Generator& gen, const std::vector<std::string>& clues)
{
    std::vector<std::string> keys;
    for (const std::string& clue : clues)
        for (std::string word : ClueWords(clue)) {
            for (char& ch : word)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            if (word.size() >= 3)
                for (const std::string& key : RootKeys(word, gen.rules.roots))
                    keys.push_back(key);
        }
    std::vector<char> avoid(gen.lexicon.size(), 0);
    for (size_t i = 0; i < gen.lexicon.size(); ++i)
        for (const std::string& key : RootKeys(gen.lexicon[i].answer, gen.rules.roots))
            if (std::find(keys.begin(), keys.end(), key) != keys.end())
                avoid[i] = 1;
    return avoid;
}

// One failed fill attempt, kept to explain a row that stops its pack.
struct Failure {
    const Pattern* pattern;
    std::vector<int> fixedIds;
    uint64_t seed;
    long budget;
    std::vector<std::string> deadEnds;
};

bool Fits(const std::string& word, const std::string& letters)
{
    if (word.size() != letters.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (letters[i] != '?' && letters[i] != word[i])
            return false;
    return true;
}

// Explains a row that no attempt filled: which slot lengths the searches died on and why
// the words that would fit there were out (used up in the pack, a used stand-by, paced
// out, another puzzle's featured answer, or in the list but refused by the grid: stem rule,
// obscure cap or crossings), then how often the row fills with each rule relaxed.
void Diagnose(const Generator& gen, const std::map<std::string, int>& used,
              const std::set<std::string>& featuredHere, const std::string& word, int done,
              int rareSoFar, const std::vector<Failure>& failures)
{
    std::map<size_t, long> deadByLength;
    std::map<size_t, std::map<std::string, long>> why;  // length -> reason -> words
    for (const Failure& f : failures) {
        for (const std::string& letters : f.deadEnds) {
            ++deadByLength[letters.size()];
            for (const LexEntry& e : gen.lexicon) {
                if (!Fits(e.answer, letters))
                    continue;
                auto u = used.find(e.answer);
                const int uses = u == used.end() ? 0 : u->second;
                std::string reason = "in list";
                if (featuredHere.count(e.answer))
                    reason = "featured";
                else if (gen.standbys.count(e.answer) && uses >= 1)
                    reason = "stand-by used";
                else if (uses >= PackLimit(e.answer.size()))
                    reason = "used up";
                else if (uses >= PacedLimit(e.answer.size(), done))
                    reason = "paced out";
                ++why[letters.size()][reason];
            }
        }
    }
    std::fprintf(stderr, "\n  dead ends by slot length (fitting words summed over dead ends):\n");
    for (const auto& [len, n] : deadByLength) {
        std::fprintf(stderr, "    %2zu letters: %5ld dead ends;", len, n);
        for (const auto& [reason, count] : why[len])
            std::fprintf(stderr, "  %s %ld", reason.c_str(), count);
        std::fprintf(stderr, "\n");
    }
    const std::pair<const char*, unsigned> probes[] = {
        {"as run", 0},
        {"3-letter free", kFree3},
        {"4-letter free", kFree4},
        {"5+-letter free", kFree5},
        {"stand-bys free", kFreeStandby},
        {"no pace", kNoPace},
        {"fresh pack", kFreshPack},
        {"obscure free", kFreeRare},
        {"no stem rule", kFreeStem},
        {"deep search", kDeep},
        {"fresh+free all", kFreshPack | kFreeRare | kFreeStem},
    };
    const std::unordered_map<std::string, int> noStems;
    for (const auto& [name, relax] : probes) {
        int filled = 0;
        long nodes = 0;
        for (const Failure& f : failures) {
            const std::vector<WordList> lists =
                AttemptLists(gen, used, featuredHere, {word}, f.seed, done, relax);
            const std::vector<Slot> slots = FindSlots(f.pattern->cells);
            FillResult r = FillGrid(
                slots, lists, f.fixedIds, (relax & kDeep) ? f.budget * 10 : f.budget,
                (relax & kFreeRare) ? 1000 : RareAllowed(rareSoFar, done),
                (relax & kFreeStem) ? &noStems : &gen.idOf, &gen.rules.roots, kMaxCrosswordese);
            filled += r.filled;
            nodes += r.nodes;
        }
        std::fprintf(stderr, "  %-16s %3d/%zu filled, %ld nodes\n", name, filled, failures.size(),
                     nodes);
    }
}

// The editor's limit that a fill alone does not keep: crosswordese a grid. (The pack's share
// of repeated answers is the pack limits' to keep: PackLimit, PacedLimit.)
bool KeepsEditorsLimits(const Generator& gen, const std::vector<std::string>& answers)
{
    int crosswordese = 0;
    for (const std::string& answer : answers)
        crosswordese += IsCrosswordese(answer, gen.rules);
    return crosswordese <= kMaxCrosswordese;
}

// `fill` of `slots` made again with `word` (which no clue the grid allows fits: its clues
// name another answer of the grid) out of the lists, as the words *without marks already are
// (it joins them); the planted answers stay where they stand, across or down. The rest of the fill
// nearly always still fits, so a grid loses a word rather than its whole search. Not filled when
// `word` is planted itself.
FillResult RefillWithout(const Generator& gen, const std::vector<Slot>& slots,
                         const FillResult& fill, const std::string& word,
                         const std::set<std::string>& planted, std::vector<char>* without,
                         const std::function<std::vector<WordList>()>& lists, long budget,
                         int maxRare)
{
    if (planted.count(word))
        return {};
    (*without)[static_cast<size_t>(gen.idOf.at(word))] = 1;
    std::vector<int> fixedIds(slots.size(), -1);
    for (size_t k = 0; k < slots.size(); ++k)
        if (planted.count(gen.lexicon[fill.wordIds[k]].answer))
            fixedIds[k] = fill.wordIds[k];
    return FillGrid(slots, lists(), fixedIds, budget, maxRare, &gen.idOf, &gen.rules.roots,
                    kMaxCrosswordese);
}

// Chooses the clues of the filled grid `solution` ('.' on blocks) and writes its file into
// *out; false when the grid's clues cannot be chosen. The chosen clues join *cluesInPack and
// are counted in *printed, the pairs printed in all packs, which limit the choice unless
// `limitPrints` is false.
bool CluePuzzle(const Generator& gen, const PackSpec& spec, const std::string& name,
                const std::string& title, const std::string& solution,
                std::map<std::string, std::set<std::string>>* cluesInPack, PairPrints* printed,
                PackPuzzle* out, bool limitPrints = true, std::string* unclued = nullptr)
{
    std::string cells = solution;
    std::replace(cells.begin(), cells.end(), '.', '#');
    std::vector<std::string> answers;
    std::vector<const LexEntry*> entries;
    std::vector<const std::vector<std::string>*> candidates;
    for (const Slot& slot : FindSlots(cells)) {
        const std::string answer = SlotWord(solution, slot);
        entries.push_back(&gen.lexicon[gen.idOf.at(answer)]);
        candidates.push_back(&entries.back()->clues);
        answers.push_back(answer);
    }
    std::vector<std::string> clues;
    if (!ChooseClues(answers, candidates, *cluesInPack, &clues, kMinLively, &gen.rules,
                     limitPrints ? printed : nullptr, unclued))
        return false;
    bool usesWordNet = false;
    for (size_t s = 0; s < entries.size(); ++s) {
        const std::vector<std::string>& all = entries[s]->clues;
        usesWordNet |=
            std::find(all.begin(), all.end(), clues[s]) - all.begin() >= entries[s]->hand;
        (*cluesInPack)[answers[s]].insert(clues[s]);
        ++(*printed)[{answers[s], clues[s]}];
    }
    PuzContent content;
    content.solution = solution;
    content.title = title;
    content.author = spec.title;
    content.copyright = CopyrightLine(usesWordNet);
    content.clues = clues;
    *out = {name, solution, BuildPuzFile(content)};
    return true;
}

// Makes the pack's puzzles in the given order of its rows (`out` is indexed by row). False
// when a row cannot be made; *failedRow then names it.
bool TryPack(Generator& gen, int index, int packTry, const std::vector<int>& order,
             std::vector<PackPuzzle>* out, int* failedRow)
{
    const PackSpec& spec = AllPacks()[index];
    std::map<std::string, int> answerRow;  // answer -> lexicon row
    for (size_t i = 0; i < gen.lexicon.size(); ++i)
        answerRow[gen.lexicon[i].answer] = static_cast<int>(i);
    // The pack's own featured answers are never its ordinary fill: each belongs to its own
    // puzzle. Another pack's may be, with its hand-written clue.
    std::vector<const Featured*> rows;
    std::vector<const ThemeSet*> theme;  // per row while it stays themed
    std::set<std::string> featuredHere;
    int themed = 0;
    for (const Featured& f : gen.featured) {
        if (f.pack == spec.key) {
            rows.push_back(&f);
            featuredHere.insert(f.answer);
            theme.push_back(ThemeOf(gen, spec.key, f.name));
            themed += theme.back() != nullptr;
            if (theme.back())
                featuredHere.insert(theme.back()->answers.begin(), theme.back()->answers.end());
        }
    }
    if (rows.size() != static_cast<size_t>(kPuzzlesPerPack)) {
        std::fprintf(stderr, "pack %s has %zu featured rows, not %d\n", spec.key.c_str(),
                     rows.size(), kPuzzlesPerPack);
        return false;
    }

    std::map<std::string, int> used;
    std::map<std::string, int> shapes;
    int rareSoFar = 0;
    std::map<std::string, std::set<std::string>> cluesInPack;
    PairPrints printed = gen.printed;  // the packs before this one, and this one so far
    uint64_t packSeed = Mix(gen.seed * 1000003 + static_cast<uint64_t>(index));
    if (packTry > 0)
        packSeed = Mix(packSeed ^ (static_cast<uint64_t>(packTry) * 0xD1B54A32D192ED03ull));

    out->assign(kPuzzlesPerPack, PackPuzzle{});
    std::vector<int> queue = order;
    std::set<int> refill;  // kept rows that no longer fit: made anew after all the others
    int done = 0;          // puzzles made so far: the pace of the pack limits follows it
    for (size_t next = 0; next < queue.size(); ++next) {
        const int row = queue[next];
        *failedRow = row;
        const Featured& feature = *rows[row];
        const std::string& word = feature.answer;
        const bool starter = spec.key == "three" && feature.name == "hilo";
        const ThemeSet* const th = theme[row];
        const std::set<std::string> planted =
            th ? std::set<std::string>(th->answers.begin(), th->answers.end())
               : std::set<std::string>{word};
        // The puzzle of `cells` filled with `wordIds`, its clues chosen: false when the grid
        // exists already or the clues cannot be chosen.
        const auto finish = [&](const std::string& cells, const std::vector<Slot>& slots,
                                const std::vector<int>& wordIds, std::string* unclued = nullptr) {
            std::string solution = cells;
            std::vector<std::string> answers;
            for (size_t s = 0; s < slots.size(); ++s) {
                const LexEntry& e = gen.lexicon[wordIds[s]];
                answers.push_back(e.answer);
                for (size_t p = 0; p < slots[s].cells.size(); ++p)
                    solution[slots[s].cells[p]] = e.answer[p];
            }
            for (char& ch : solution)
                if (ch == '#')
                    ch = '.';
            if (gen.grids.count(solution) || !KeepsEditorsLimits(gen, answers))
                return false;
            for (const std::string& answer : planted)
                if (std::count(answers.begin(), answers.end(), answer) != 1)
                    return false;  // a grid is made for its featured answer or theme entries
            // The pairs' limits are the file-order pass's below: here they would make the
            // clues, and so which grids are kept, depend on the order the rows are made in.
            if (!CluePuzzle(gen, spec, feature.name, th ? th->title : feature.title, solution,
                            &cluesInPack, &printed, &(*out)[row], false, unclued)) {
                ++gen.unclued;
                return false;
            }
            gen.grids.insert(solution);
            ++shapes[ShapeKey(cells)];
            for (int id : wordIds)
                rareSoFar += Obscure(gen.lexicon[id]);
            for (const std::string& answer : answers)
                if (!planted.count(answer))
                    ++used[answer];
            return true;
        };
        bool made = false;
        // A puzzle of the packs made before (--keep) stays as it was while every answer of
        // it is still fill the pack may use; its clues are chosen again, read ones first. So
        // a round of verdicts changes only the puzzles that held a dropped answer, and the
        // next round of reading meets only those.
        auto kept = gen.kept.find(spec.key + "/" + feature.name);
        if (kept != gen.kept.end() && !refill.count(row)) {
            const std::vector<Slot> slots = FindSlots(kept->second);
            std::vector<int> ids;
            // A themeless keeps its featured answer in its longest slot; a themed grid keeps
            // its theme entries.
            bool fits = (th || Longest(slots) == word.size()) &&
                        (!starter || StarterFits(kept->second)) &&
                        shapes[ShapeKey(kept->second)] < kShapeLimit;
            for (const Slot& slot : slots) {
                const std::string answer = SlotWord(kept->second, slot);
                auto id = gen.idOf.find(answer);
                const int limit = gen.standbys.count(answer) ? 1 : PackLimit(answer.size());
                fits = fits && id != gen.idOf.end() &&
                       (planted.count(answer) ||
                        (!featuredHere.count(answer) && used[answer] < limit));
                ids.push_back(id == gen.idOf.end() ? -1 : id->second);
            }
            for (const std::string& answer : planted)
                fits = fits && std::count(ids.begin(), ids.end(), gen.idOf.at(answer)) == 1;
            made = fits && finish(kept->second, slots, ids);
            if (!made) {
                refill.insert(row);
                queue.push_back(row);
            } else {
                ++done;
            }
            continue;
        }
        std::vector<const Pattern*> family, usable;
        for (const Pattern& p : gen.patterns) {
            if (th || Longest(FindSlots(p.cells)) != word.size() ||
                (starter && !StarterFits(p.cells)))
                continue;
            family.push_back(&p);
            if (shapes[ShapeKey(p.cells)] < kShapeLimit)
                usable.push_back(&p);
        }
        const std::vector<const Pattern*> fitting = PatternsForRow(family, usable, done);
        if (!th && fitting.empty()) {
            std::fprintf(stderr, "\npack %s: no pattern left for %s (%zu letters)\n",
                         spec.key.c_str(), word.c_str(), word.size());
            return false;
        }
        const std::vector<char> avoid =
            ClueClashes(gen, th ? th->clues : std::vector<std::string>{feature.clue});
        std::vector<Failure> failures;
        for (int attempt = 0; attempt < (th ? kThemedAttempts : kMaxAttempts) && !made; ++attempt) {
            const uint64_t seed = Mix(
                packSeed ^ Mix(static_cast<uint64_t>(row) << 20 | static_cast<uint64_t>(attempt)));
            std::string cells;
            std::vector<Slot> slots;
            std::vector<int> fixedIds;
            const Pattern* pattern = th ? nullptr : fitting[attempt % fitting.size()];
            if (!th) {
                cells = pattern->cells;
                slots = FindSlots(cells);
                fixedIds.assign(slots.size(), -1);
                std::vector<int> longSlots;
                for (size_t s = 0; s < slots.size(); ++s)
                    if (slots[s].cells.size() == word.size())
                        longSlots.push_back(static_cast<int>(s));
                fixedIds[longSlots[Mix(seed) % longSlots.size()]] = answerRow[word];
            }
            std::fprintf(
                stderr,
                "\rpack %-5s try %2d  puzzle %2d/%d  attempt %3d  pattern %-9s  (%ld unfilled, "
                "%ld unclued)",
                spec.key.c_str(), packTry + 1, done + 1, kPuzzlesPerPack, attempt + 1,
                th ? "themed" : pattern->name.c_str(), gen.unfilled, gen.unclued);

            std::vector<char> without = avoid;
            const std::vector<WordList> lists =
                AttemptLists(gen, used, featuredHere, planted, seed, done, 0, &without);
            // The last puzzles of a pack have the fewest easy words left: give a puzzle that
            // keeps failing a deeper search rather than only more restarts.
            const long budget = th ? kThemedBudget : gen.nodeBudget * (1 + attempt / 25);
            FillResult fill;
            if (th)
                FillTheme(gen, *th, seed, starter, lists, budget, RareAllowed(rareSoFar, done),
                          &cells, &slots, &fill);
            else
                fill = FillGrid(slots, lists, fixedIds, budget, RareAllowed(rareSoFar, done),
                                &gen.idOf, &gen.rules.roots, kMaxCrosswordese);
            if (!fill.filled && gen.diagnose && pattern)
                failures.push_back({pattern, fixedIds, seed, budget, fill.deadEnds});
            if (!fill.filled) {
                ++gen.unfilled;
                continue;
            }

            std::string unclued;
            made = finish(cells, slots, fill.wordIds, &unclued);
            for (int again = 0; !made && !unclued.empty() && again < kClueRefills; ++again) {
                fill = RefillWithout(
                    gen, slots, fill, unclued, planted, &without,
                    [&] {
                        return AttemptLists(gen, used, featuredHere, planted, seed, done, 0,
                                            &without);
                    },
                    budget, RareAllowed(rareSoFar, done));
                unclued.clear();
                made = fill.filled && finish(cells, slots, fill.wordIds, &unclued);
            }
        }
        if (!made && th && !starter && themed > kLeastThemed) {
            // The pack has themes to spare: this row becomes a themeless around its featured
            // answer, made after the others.
            std::fprintf(stderr, "\npack %s: theme \"%s\" did not fill; %s is a themeless\n",
                         spec.key.c_str(), th->title.c_str(), feature.name.c_str());
            theme[row] = nullptr;
            --themed;
            queue.push_back(row);
            continue;
        }
        if (!made) {
            if (gen.diagnose && !th)
                Diagnose(gen, used, featuredHere, word, done, rareSoFar, failures);
            return false;
        }
        ++done;
    }
    // The clues once more, in the pack's file order: the same grids then always get the same
    // clues, whatever order they were made in (a kept puzzle comes before a new one).
    std::map<std::string, std::set<std::string>> cluesInFileOrder;
    PairPrints printedInFileOrder = gen.printed;
    for (int row = 0; row < kPuzzlesPerPack; ++row) {
        PackPuzzle again;
        // Where the pairs printed so far leave no choice, the grid is clued without their
        // limit rather than keep the clues of the first pass, which depend on the order the
        // grids were made in; the packs' checker then reports the pair.
        const std::string& title = theme[row] ? theme[row]->title : rows[row]->title;
        if (CluePuzzle(gen, spec, rows[row]->name, title, (*out)[row].solution, &cluesInFileOrder,
                       &printedInFileOrder, &again) ||
            CluePuzzle(gen, spec, rows[row]->name, title, (*out)[row].solution, &cluesInFileOrder,
                       &printedInFileOrder, &again, false))
            (*out)[row] = again;
    }
    // A puzzle whose clues cannot be chosen again at all keeps its first ones, which this
    // count then misses; the packs' checker still counts every print.
    gen.printed = printedInFileOrder;
    std::fprintf(stderr,
                 "\rpack %-5s done: %d puzzles; so far %ld fills gave up, %ld had no clue "
                 "choice%10s\n",
                 spec.key.c_str(), kPuzzlesPerPack, gen.unfilled, gen.unclued, "");
    return true;
}

}  // namespace

int PatternFills(const Generator& gen, const Pattern& pattern,
                 const std::map<std::string, int>& used, int done, int tries)
{
    const std::vector<Slot> slots = FindSlots(pattern.cells);
    const size_t longest = Longest(slots);
    std::vector<int> longSlots;
    for (size_t s = 0; s < slots.size(); ++s)
        if (slots[s].cells.size() == longest)
            longSlots.push_back(static_cast<int>(s));
    std::vector<const Featured*> fitting;
    for (const Featured& f : gen.featured)
        if (f.answer.size() == longest)
            fitting.push_back(&f);
    if (fitting.empty())
        return 0;
    int filled = 0;
    for (int t = 0; t < tries; ++t) {
        // Featured answers far apart in the list, so the tries meet different letters.
        const Featured& f = *fitting[(static_cast<size_t>(t) * 37) % fitting.size()];
        const uint64_t seed = Mix(gen.seed * 7919 + static_cast<uint64_t>(t));
        std::vector<int> fixedIds(slots.size(), -1);
        fixedIds[longSlots[t % longSlots.size()]] = gen.idOf.at(f.answer);
        const std::vector<WordList> lists = AttemptLists(gen, used, {}, {f.answer}, seed, done, 0);
        filled += FillGrid(slots, lists, fixedIds, gen.nodeBudget, RareAllowed(0, done), &gen.idOf,
                           &gen.rules.roots, kMaxCrosswordese)
                      .filled;
    }
    return filled;
}

int ThemeFills(const Generator& gen, const ThemeSet& theme, int tries)
{
    const bool starter = theme.pack == "three" && theme.name == "hilo";
    const std::vector<char> avoid = ClueClashes(gen, theme.clues);
    std::set<std::string> planted(theme.answers.begin(), theme.answers.end());
    int filled = 0;
    for (int t = 0; t < tries; ++t) {
        const uint64_t seed = Mix(gen.seed * 7919 + static_cast<uint64_t>(t));
        const std::vector<WordList> lists = AttemptLists(gen, {}, {}, planted, seed, 0, 0, &avoid);
        std::string cells;
        std::vector<Slot> slots;
        FillResult fill;
        filled += FillTheme(gen, theme, seed, starter, lists, gen.nodeBudget, RareAllowed(0, 0),
                            &cells, &slots, &fill);
    }
    return filled;
}

int BankGrids(Generator& gen, const std::string& key, int rounds, std::ostream& bank)
{
    const auto spec = std::find_if(AllPacks().begin(), AllPacks().end(),
                                   [&](const PackSpec& p) { return p.key == key; });
    if (spec == AllPacks().end())
        return 0;
    // What the pack run asks of a kept grid: its fill not another puzzle's featured answer or
    // theme entry, and within the pack's limits together with the grids banked before it.
    std::vector<const Featured*> rows;
    std::set<std::string> featuredHere;
    for (const Featured& f : gen.featured)
        if (f.pack == key) {
            rows.push_back(&f);
            featuredHere.insert(f.answer);
            if (const ThemeSet* th = ThemeOf(gen, key, f.name))
                featuredHere.insert(th->answers.begin(), th->answers.end());
        }
    // Themed rows first, as in a pack run: their long entries need the most crossings.
    std::stable_partition(rows.begin(), rows.end(), [&](const Featured* row) {
        return ThemeOf(gen, key, row->name) != nullptr;
    });
    const auto plantedOf = [&](const Featured& row) {
        const ThemeSet* th = ThemeOf(gen, key, row.name);
        return th ? std::set<std::string>(th->answers.begin(), th->answers.end())
                  : std::set<std::string>{row.answer};
    };
    std::map<std::string, int> used;
    int rareSoFar = 0, banked = 0;
    const auto count = [&](const std::string& cells, const std::set<std::string>& planted) {
        for (const Slot& slot : FindSlots(cells)) {
            const std::string answer = SlotWord(cells, slot);
            auto id = gen.idOf.find(answer);
            if (id != gen.idOf.end())
                rareSoFar += Obscure(gen.lexicon[id->second]);
            if (!planted.count(answer))
                ++used[answer];
        }
        ++banked;
    };
    for (const Featured* row : rows) {
        auto kept = gen.kept.find(key + "/" + row->name);
        if (kept != gen.kept.end())
            count(kept->second, plantedOf(*row));
    }
    int added = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Featured* row : rows) {
            const std::string name = key + "/" + row->name;
            if (gen.kept.count(name))
                continue;
            const ThemeSet* theme = ThemeOf(gen, key, row->name);
            if (!theme)
                continue;  // a pack run fills its themelesses in patterns that fill well
            const bool starter = key == "three" && row->name == "hilo";
            const uint64_t seed = Mix(gen.seed * 1000003 + std::hash<std::string>{}(name) +
                                      static_cast<uint64_t>(round) * 7919);
            const std::set<std::string> planted = plantedOf(*row);
            const std::vector<char> avoid = ClueClashes(gen, theme->clues);
            const std::vector<WordList> lists =
                AttemptLists(gen, used, featuredHere, planted, seed, 0, kNoPace, &avoid);
            std::string cells;
            std::vector<Slot> slots;
            FillResult fill;
            const auto start = std::chrono::steady_clock::now();
            const int maxRare = RareAllowed(rareSoFar, banked);
            bool filled = FillTheme(gen, *theme, seed, starter, lists, kThemedBudget, maxRare,
                                    &cells, &slots, &fill);
            // A grid the pack run could not clue would only be made anew there. Where a word
            // has no clue the grid allows (its clues name another answer), the pattern is
            // filled again without it: the rest of the fill nearly always still fits.
            std::vector<char> without = avoid;
            bool kept = false;
            std::string solution;
            for (int refill = 0; filled && !kept; ++refill) {
                solution = cells;
                std::vector<std::string> answers;
                for (size_t k = 0; k < slots.size(); ++k) {
                    answers.push_back(gen.lexicon[fill.wordIds[k]].answer);
                    for (size_t p = 0; p < slots[k].cells.size(); ++p)
                        solution[slots[k].cells[p]] = answers.back()[p];
                }
                std::map<std::string, std::set<std::string>> clues;
                PairPrints printed;
                PackPuzzle puzzle;
                std::string dotted = solution;
                std::replace(dotted.begin(), dotted.end(), '#', '.');
                std::string unclued;
                kept = KeepsEditorsLimits(gen, answers) &&
                       CluePuzzle(gen, *spec, row->name, theme->title, dotted, &clues, &printed,
                                  &puzzle, false, &unclued);
                if (kept || unclued.empty() || refill == kClueRefills)
                    break;
                fill = RefillWithout(
                    gen, slots, fill, unclued, planted, &without,
                    [&] {
                        return AttemptLists(gen, used, featuredHere, planted, seed, 0, kNoPace,
                                            &without);
                    },
                    kPatternNodes, maxRare);
                filled = fill.filled;
            }
            std::fprintf(
                stderr, "round %d  %-16s %-24s %s  %.1f s\n", round + 1, name.c_str(),
                theme->title.c_str(),
                kept     ? "banked"
                : filled ? "refused"
                         : "no fill",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            if (!kept)
                continue;
            bank << BankEntry(name, solution) << std::flush;
            gen.kept[name] = solution;
            count(solution, planted);
            ++added;
        }
    }
    return added;
}

std::string GridOfPuzzleFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() < static_cast<size_t>(puz::kGridOffset + kCells) ||
        bytes[puz::kWidthOffset] != kSide || bytes[puz::kHeightOffset] != kSide)
        return {};
    std::string cells = bytes.substr(puz::kGridOffset, kCells);
    std::replace(cells.begin(), cells.end(), '.', '#');
    return cells;
}

void KeepPuzzles(const std::string& dir, const std::string& key, Generator* gen)
{
    for (const Featured& f : gen->featured) {
        if (f.pack != key)
            continue;
        std::string cells =
            GridOfPuzzleFile((std::filesystem::path(dir) / key / (f.name + ".puz")).string());
        if (!cells.empty())
            gen->kept[key + "/" + f.name] = std::move(cells);
    }
}

void CountPrintedPairs(const std::string& dir, const std::string& key, Generator* gen)
{
    for (const Featured& f : gen->featured) {
        if (f.pack != key)
            continue;
        const std::string path = (std::filesystem::path(dir) / key / (f.name + ".puz")).string();
        const std::string cells = GridOfPuzzleFile(path);
        if (cells.empty())
            continue;
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        // After the two grids: title, author, copyright, then one clue per slot in order.
        std::vector<std::string> strings;
        for (size_t at = puz::kGridOffset + 2 * kCells; at < bytes.size();) {
            const size_t end = bytes.find('\0', at);
            if (end == std::string::npos)
                break;
            strings.push_back(bytes.substr(at, end - at));
            at = end + 1;
        }
        const std::vector<Slot> slots = FindSlots(cells);
        for (size_t s = 0; s < slots.size() && 3 + s < strings.size(); ++s)
            ++gen->printed[{SlotWord(cells, slots[s]), strings[3 + s]}];
    }
}

bool GeneratePack(Generator& gen, int index, std::vector<PackPuzzle>* out)
{
    // Rows are made in this order; a row that stops a try is made first in the next one,
    // while the pack still has all its words (the order of the files stays the list's).
    std::vector<const Featured*> rows;
    for (const Featured& f : gen.featured)
        if (f.pack == AllPacks()[index].key)
            rows.push_back(&f);
    std::vector<int> order = RowOrder(gen.lexicon, rows);
    // Themed rows first: their long entries need the most crossings, while the pack still has
    // all its short words.
    std::stable_partition(order.begin(), order.end(), [&](int row) {
        return ThemeOf(gen, rows[row]->pack, rows[row]->name) != nullptr;
    });
    // Kept puzzles whose answers are all still in the lexicon come first: made after new
    // ones, they would find their words spent.
    std::stable_partition(order.begin(), order.end(), [&](int row) {
        auto kept = gen.kept.find(rows[row]->pack + "/" + rows[row]->name);
        if (kept == gen.kept.end())
            return false;
        for (const Slot& slot : FindSlots(kept->second))
            if (!gen.idOf.count(SlotWord(kept->second, slot)))
                return false;
        return true;
    });
    for (int packTry = 0; packTry < kPackTries; ++packTry) {
        // A failed try must leave no trace: its grids were never written.
        const std::set<std::string> grids = gen.grids;
        int failedRow = -1;
        if (TryPack(gen, index, packTry, order, out, &failedRow))
            return true;
        gen.grids = grids;
        if (failedRow < 0)
            return false;
        order.erase(std::find(order.begin(), order.end(), failedRow));
        order.insert(order.begin(), failedRow);
    }
    std::fprintf(stderr, "\npack %s could not be completed in %d tries\n",
                 AllPacks()[index].key.c_str(), kPackTries);
    return false;
}
