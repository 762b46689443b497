// Pack generation: for each row, fill a grid (featuring the row's name word when it is a
// word we have), clue it, and record what the pack has used. A failed fill or clue choice is
// retried on the next pattern with a new seed, so the outcome depends only on the seed.
#include "packs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "clues.h"
#include "filler.h"
#include "puz_writer.h"

namespace {

// A row that no attempt fills is a pack whose earlier puzzles used up the words its last ones
// need (each word of five letters or more once, short ones two or three times). Deeper
// searches do not find a fill that is not there, so after this many attempts the pack starts
// over from a new seed of its own; the sequence of seeds is fixed, so the outcome still
// depends only on the seed.
constexpr int kMaxAttempts = 150;
constexpr int kPackTries = 25;
constexpr double kNoise = 18.0;  // random spread added to scores: variety between grids
constexpr double kReusePenalty = 15.0;

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

std::string Title(const std::string& name)
{
    std::string t;
    for (size_t i = 0; i < name.size(); ++i) {
        char ch = name[i];
        if (i > 0 && std::isdigit(static_cast<unsigned char>(ch)) &&
            !std::isdigit(static_cast<unsigned char>(name[i - 1])))
            t += ' ';
        t += i == 0 ? static_cast<char>(std::toupper(static_cast<unsigned char>(ch))) : ch;
    }
    return t;
}

}  // namespace

uint64_t NameHash(const std::string& text)
{
    uint64_t h = 1469598103934665603ull;  // FNV-1a: fixed, so names never move between packs
    for (char ch : text)
        h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    return h;
}

uint64_t Mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string NameWord(const std::string& name)
{
    std::string w = name;
    while (!w.empty() && std::isdigit(static_cast<unsigned char>(w.back())))
        w.pop_back();
    for (char& ch : w) {
        if (!std::isalpha(static_cast<unsigned char>(ch)))
            return {};
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return w;
}

const std::vector<PackSpec>& AllPacks()
{
    static const std::vector<PackSpec> packs = {
        {"one", "Brambleset One", {"55"}},
        {"two", "Brambleset Two", {"scram"}},
        {"three",
         "Brambleset Three",
         {"scoring", "dim",     "down",    "haley",    "hard",   "hermit", "hilo",    "jewels",
          "knots",   "meat",    "message", "neapolit", "no",     "potato", "races",   "rack",
          "ratatat", "salad",   "to",      "shoulder", "simian", "sounds", "spell",   "splat",
          "start",   "stooped", "stuck",   "suit",     "suit2",  "terr",   "thievery"}},
        {"four", "Brambleset Four", {"getit"}},
        {"five", "Brambleset Five", {"score"}},
        {"six", "Brambleset Six", {"gym"}},
    };
    return packs;
}

namespace {

bool TryPack(Generator& gen, int index, int packTry, std::vector<PackPuzzle>* out)
{
    const PackSpec& spec = AllPacks()[index];
    std::map<std::string, int> answerRow;  // answer -> lexicon row
    for (size_t i = 0; i < gen.lexicon.size(); ++i)
        answerRow[gen.lexicon[i].answer] = static_cast<int>(i);

    // Every fixed name word of the pack is kept for its own puzzle: count it as used now.
    std::map<std::string, int> used;
    std::vector<std::string> featured(kPuzzlesPerPack);
    for (const PackSpec& other : AllPacks())
        for (const std::string& fixed : other.fixedNames)
            gen.names.insert(fixed);
    for (size_t row = 0; row < spec.fixedNames.size(); ++row) {
        std::string word = NameWord(spec.fixedNames[row]);
        if (word.size() >= 3 && answerRow.count(word)) {
            featured[row] = word;
            ++used[word];
        }
        gen.names.insert(spec.fixedNames[row]);
    }
    std::map<std::string, std::set<std::string>> cluesInPack;
    uint64_t packSeed = Mix(gen.seed * 1000003 + static_cast<uint64_t>(index));
    if (packTry > 0)
        packSeed = Mix(packSeed ^ (static_cast<uint64_t>(packTry) * 0xD1B54A32D192ED03ull));

    for (int row = 0; row < kPuzzlesPerPack; ++row) {
        const std::string& word = featured[row];
        bool made = false;
        for (int attempt = 0; attempt < kMaxAttempts && !made; ++attempt) {
            const uint64_t seed = Mix(
                packSeed ^ Mix(static_cast<uint64_t>(row) << 20 | static_cast<uint64_t>(attempt)));
            const Pattern& pattern =
                gen.patterns[(row * 7 + index * 3 + attempt) % gen.patterns.size()];
            std::vector<Slot> slots = FindSlots(pattern.cells);
            std::vector<int> fixedIds(slots.size(), -1);
            if (!word.empty()) {
                std::vector<int> fitting;
                for (size_t s = 0; s < slots.size(); ++s)
                    if (slots[s].cells.size() == word.size())
                        fitting.push_back(static_cast<int>(s));
                if (fitting.empty())
                    continue;
                fixedIds[fitting[Mix(seed) % fitting.size()]] = answerRow[word];
            }
            std::fprintf(
                stderr,
                "\rpack %-5s try %2d  puzzle %2d/%d  attempt %3d  pattern %-6s  (%ld unfilled, "
                "%ld unclued)",
                spec.key.c_str(), packTry + 1, row + 1, kPuzzlesPerPack, attempt + 1,
                pattern.name.c_str(), gen.unfilled, gen.unclued);

            // Word lists for this attempt: pack limits applied, noisy score order.
            std::vector<WordList> lists(kSide + 1);
            std::vector<std::vector<std::pair<double, int>>> ranked(kSide + 1);
            for (size_t i = 0; i < gen.lexicon.size(); ++i) {
                const LexEntry& e = gen.lexicon[i];
                size_t len = e.answer.size();
                if (len < 3 || len > static_cast<size_t>(kSide))
                    continue;
                auto u = used.find(e.answer);
                int uses = u == used.end() ? 0 : u->second;
                bool isFeatured = e.answer == word;
                if (!isFeatured && uses >= PacedLimit(len, row))
                    continue;
                double w =
                    e.score + kNoise * Noise(seed, static_cast<int>(i)) - kReusePenalty * uses;
                ranked[len].push_back({-w, static_cast<int>(i)});
            }
            for (size_t len = 3; len <= static_cast<size_t>(kSide); ++len) {
                std::sort(ranked[len].begin(), ranked[len].end());
                std::vector<std::string> words;
                std::vector<int> ids;
                for (const auto& [w, id] : ranked[len]) {
                    words.push_back(gen.lexicon[id].answer);
                    ids.push_back(id);
                }
                lists[len] = MakeWordList(static_cast<int>(len), words, ids);
            }
            // The last puzzles of a pack have the fewest easy words left: give a puzzle that
            // keeps failing a deeper search rather than only more restarts.
            const long budget = gen.nodeBudget * (1 + attempt / 25);
            FillResult fill = FillGrid(slots, lists, fixedIds, budget);
            if (!fill.filled) {
                ++gen.unfilled;
                continue;
            }

            std::string solution = pattern.cells;
            std::vector<std::string> answers;
            std::vector<const std::vector<std::string>*> candidates;
            for (size_t s = 0; s < slots.size(); ++s) {
                const LexEntry& e = gen.lexicon[fill.wordIds[s]];
                answers.push_back(e.answer);
                candidates.push_back(&e.clues);
                for (size_t p = 0; p < slots[s].cells.size(); ++p)
                    solution[slots[s].cells[p]] = e.answer[p];
            }
            for (char& ch : solution)
                if (ch == '#')
                    ch = '.';
            if (gen.grids.count(solution))
                continue;
            std::vector<std::string> clues;
            if (!ChooseClues(answers, candidates, cluesInPack, &clues)) {
                ++gen.unclued;
                continue;
            }

            // The name: given in advance, or the best entry of four to eight letters that
            // no puzzle has taken, so the title always names a word of the grid.
            std::string name = row < static_cast<int>(spec.fixedNames.size()) ? spec.fixedNames[row]
                                                                              : std::string();
            if (name.empty()) {
                double best = -1e9;
                for (size_t s = 0; s < answers.size(); ++s) {
                    const LexEntry& e = gen.lexicon[fill.wordIds[s]];
                    std::string lower = e.answer;
                    for (char& ch : lower)
                        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
                    if (lower.size() < 4 || lower.size() > 8 || gen.names.count(lower))
                        continue;
                    if (NameHash(lower) % AllPacks().size() != static_cast<size_t>(index))
                        continue;  // another pack's name: packs stay distinct without
                                   // knowing each other, so one pack can be remade alone
                    if (e.score > best) {
                        best = e.score;
                        name = lower;
                    }
                }
                if (name.empty())
                    continue;
                gen.names.insert(name);
            }

            PuzContent content;
            content.solution = solution;
            content.title = Title(name);
            content.author = spec.title;
            content.copyright = "Clues from WordNet 3.0 (c) 2006 Princeton University";
            content.clues = clues;
            PackPuzzle puzzle{name, solution, BuildPuzFile(content)};
            out->push_back(puzzle);
            gen.grids.insert(solution);
            for (size_t s = 0; s < answers.size(); ++s) {
                if (answers[s] != word)
                    ++used[answers[s]];
                cluesInPack[answers[s]].insert(clues[s]);
            }
            made = true;
        }
        if (!made)
            return false;
    }
    std::fprintf(stderr,
                 "\rpack %-5s done: %d puzzles; so far %ld fills gave up, %ld had no clue "
                 "choice%10s\n",
                 spec.key.c_str(), kPuzzlesPerPack, gen.unfilled, gen.unclued, "");
    return true;
}

}  // namespace

bool GeneratePack(Generator& gen, int index, std::vector<PackPuzzle>* out)
{
    for (int packTry = 0; packTry < kPackTries; ++packTry) {
        // A failed try must leave no trace: its grids and names were never written.
        const std::set<std::string> grids = gen.grids;
        const std::set<std::string> names = gen.names;
        out->clear();
        if (TryPack(gen, index, packTry, out))
            return true;
        gen.grids = grids;
        gen.names = names;
    }
    std::fprintf(stderr, "\npack %s could not be completed in %d tries\n",
                 AllPacks()[index].key.c_str(), kPackTries);
    return false;
}
