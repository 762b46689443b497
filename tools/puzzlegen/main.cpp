// puzzlegen: fills and clues the six puzzle packs from the committed lexicon and patterns.
//
//   puzzlegen --lexicon tools/lexicon/lexicon.tsv --patterns tools/puzzlegen/patterns.txt
//             --featured tools/puzzlegen/featured.tsv --standbys tools/puzzlegen/standbys.txt
//             --themes tools/puzzlegen/themes.tsv
//             --out resources/packs [--seed 1] [--pack KEY] [--keep resources/packs]
//   puzzlegen --lexicon ... --patterns ... --featured ... --standbys ... --check-patterns 16
//             [--late resources/packs/two]
//   puzzlegen ... --check-themes 8      how often each theme set fills in a fresh pack
//   puzzlegen ... --make-themeless 40   proposes themeless patterns (to measure, then commit)
//
// The same seed gives the same bytes. With --keep, each puzzle of the packs made before whose
// answers are all still fill is kept as it was (its clues chosen again): a round of review
// verdicts then changes only the puzzles that held an answer the verdicts took away.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "filler.h"
#include "grid_bank.h"
#include "packs.h"

namespace {

void Usage()
{
    std::fprintf(
        stderr, "usage: puzzlegen --lexicon FILE --patterns FILE --featured FILE --standbys FILE "
                "[--themes FILE] [--titles FILE] (--out DIR [--seed N] [--pack KEY] [--keep DIR] | "
                "--check-featured N | --check-themes N | --make-themeless N | "
                "--check-patterns N [--late PACKDIR] | --bank-rounds N [--pack KEY]) [--bank FILE] "
                "[--budget NODES] [--diagnose 1]\n");
}

// The word lists of try `t`: the whole lexicon in noisy score order.
std::vector<WordList> RankedLists(const Generator& gen, int t)
{
    std::vector<WordList> lists(kSide + 1);
    for (int len = 3; len <= kSide; ++len) {
        std::vector<std::pair<double, int>> ranked;
        for (size_t i = 0; i < gen.lexicon.size(); ++i) {
            if (gen.lexicon[i].answer.size() != static_cast<size_t>(len))
                continue;
            double noise = static_cast<double>(Mix(gen.seed + t * 7919 + i) % 1800) / 100;
            ranked.push_back({-(gen.lexicon[i].score + noise), static_cast<int>(i)});
        }
        std::sort(ranked.begin(), ranked.end());
        std::vector<std::string> words;
        std::vector<int> ids;
        std::vector<char> rare;
        for (const auto& r : ranked) {
            words.push_back(gen.lexicon[r.second].answer);
            ids.push_back(r.second);
            rare.push_back(Obscure(gen.lexicon[r.second]));
        }
        lists[len] = MakeWordList(len, words, ids, rare);
    }
    return lists;
}

// The answers of the first `count` puzzles of a pack folder (its pack.txt order) with their
// uses: the words a pack has spent by its row `count`.
std::map<std::string, int> UsedByPack(const std::string& dir, int count)
{
    std::map<std::string, int> used;
    std::ifstream list(dir + "/pack.txt");
    std::string name;
    for (int n = 0; n < count && std::getline(list, name); ++n) {
        const std::string grid = GridOfPuzzleFile(dir + "/" + name);
        if (grid.empty())
            continue;
        for (const Slot& slot : FindSlots(grid))
            ++used[SlotWord(grid, slot)];
    }
    return used;
}

// Fills every pattern `tries` times around the featured answers and reports how often it
// worked, so a new pattern can be judged before it goes into the patterns file. With a pack
// folder, the fills happen as late in a pack: the words of its first 26 puzzles are spent,
// and the count is the pattern's `late=` in the file.
int CheckPatterns(Generator& gen, int tries, const std::string& lateFrom)
{
    constexpr int kLateRow = 26;
    const std::map<std::string, int> used =
        lateFrom.empty() ? std::map<std::string, int>{} : UsedByPack(lateFrom, kLateRow);
    const int done = lateFrom.empty() ? 0 : kLateRow;
    for (const Pattern& p : gen.patterns) {
        auto start = std::chrono::steady_clock::now();
        const int ok = PatternFills(gen, p, used, done, tries);
        double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-14s %s=%d/%d  %.1f s\n", p.name.c_str(),
                    lateFrom.empty() ? "filled" : "late", ok, tries, secs);
        std::fflush(stdout);
    }
    return 0;
}

// Fills every featured answer into the patterns whose longest slots fit it, `tries` times
// each without pack rules, and reports how often that worked: an answer that no pattern
// fills stops its pack, so it is replaced in featured.tsv before a run.
int CheckFeatured(Generator& gen, int tries)
{
    int hopeless = 0;
    for (const Featured& f : gen.featured) {
        int ok = 0, total = 0;
        for (const Pattern& p : gen.patterns) {
            const std::vector<Slot> slots = FindSlots(p.cells);
            std::vector<int> longSlots;
            size_t longest = 0;
            for (const Slot& s : slots)
                longest = std::max(longest, s.cells.size());
            if (longest != f.answer.size())
                continue;
            for (size_t s = 0; s < slots.size(); ++s)
                if (slots[s].cells.size() == longest)
                    longSlots.push_back(static_cast<int>(s));
            for (int t = 0; t < tries; ++t) {
                std::vector<int> fixed(slots.size(), -1);
                fixed[longSlots[t % longSlots.size()]] = gen.idOf.at(f.answer);
                ok += FillGrid(slots, RankedLists(gen, t), fixed, gen.nodeBudget, 2, &gen.idOf,
                               &gen.rules.roots)
                          .filled;
                ++total;
            }
        }
        std::printf("%-6s %-9s %-16s %d/%d\n", f.pack.c_str(), f.name.c_str(), f.answer.c_str(), ok,
                    total);
        std::fflush(stdout);
        hopeless += ok == 0;
    }
    return hopeless == 0 ? 0 : 1;
}

// Fills each theme set `tries` times in patterns made for it, with nothing of a pack used:
// a set that seldom fills is rewritten before a run.
int CheckThemes(const Generator& gen, int tries)
{
    for (const ThemeSet& t : gen.themes) {
        auto start = std::chrono::steady_clock::now();
        const int ok = ThemeFills(gen, t, tries);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-6s %-9s %-24s %d/%d  %.1f s\n", t.pack.c_str(), t.name.c_str(),
                    t.title.c_str(), ok, tries, secs);
        std::fflush(stdout);
    }
    return 0;
}

// Prints `count` themeless patterns of distinct shapes made from the seed, in the patterns
// file's form; the ones that fill well around featured answers (--check-patterns) are
// committed.
int MakeThemeless(const Generator& gen, int count)
{
    std::set<std::string> shapes;
    for (uint64_t s = 0;
         static_cast<int>(shapes.size()) < count && s < static_cast<uint64_t>(count) * 1000; ++s) {
        const std::string cells = MakeThemelessPattern(Mix(gen.seed * 100003 + s));
        if (cells.empty() || !shapes.insert(ShapeKey(cells)).second)
            continue;
        std::printf("pattern T%llu-%llu blocks=%ld words=%zu longest=%zu\n",
                    static_cast<unsigned long long>(gen.seed), static_cast<unsigned long long>(s),
                    static_cast<long>(std::count(cells.begin(), cells.end(), '#')),
                    FindSlots(cells).size(), Longest(FindSlots(cells)));
        for (int r = 0; r < kSide; ++r)
            std::printf("%s\n", cells.substr(static_cast<size_t>(r) * kSide, kSide).c_str());
        std::printf("\n");
    }
    return static_cast<int>(shapes.size()) == count ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string lexiconPath, patternsPath, outDir, featuredPath, standbysPath, lateFrom, keepDir;
    std::string themesPath;
    std::string bankPath, titlesPath;
    int checkTries = 0, checkFeatured = 0, checkThemes = 0, makeThemeless = 0, bankRounds = 0;
    std::string onlyPack;  // empty: all six
    Generator gen;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) {
            Usage();
            return 2;
        }
        std::string value = argv[++i];
        if (arg == "--lexicon")
            lexiconPath = value;
        else if (arg == "--patterns")
            patternsPath = value;
        else if (arg == "--out")
            outDir = value;
        else if (arg == "--featured")
            featuredPath = value;
        else if (arg == "--standbys")
            standbysPath = value;
        else if (arg == "--seed")
            gen.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--budget")
            gen.nodeBudget = std::atol(value.c_str());
        else if (arg == "--pack")
            onlyPack = value;
        else if (arg == "--check-patterns")
            checkTries = std::atoi(value.c_str());
        else if (arg == "--diagnose")
            gen.diagnose = value == "1";
        else if (arg == "--late")
            lateFrom = value;
        else if (arg == "--keep")
            keepDir = value;
        else if (arg == "--check-featured")
            checkFeatured = std::atoi(value.c_str());
        else if (arg == "--themes")
            themesPath = value;
        else if (arg == "--titles")
            titlesPath = value;
        else if (arg == "--bank")
            bankPath = value;
        else if (arg == "--bank-rounds")
            bankRounds = std::atoi(value.c_str());
        else if (arg == "--check-themes")
            checkThemes = std::atoi(value.c_str());
        else if (arg == "--make-themeless")
            makeThemeless = std::atoi(value.c_str());
        else {
            Usage();
            return 2;
        }
    }
    if (lexiconPath.empty() || patternsPath.empty() ||
        (outDir.empty() && checkTries <= 0 && checkFeatured <= 0 && checkThemes <= 0 &&
         makeThemeless <= 0 && bankRounds <= 0) ||
        (bankRounds > 0 && bankPath.empty())) {
        Usage();
        return 2;
    }
    std::string error;
    if (!LoadLexicon(lexiconPath, &gen.lexicon, &error) ||
        !LoadPatterns(patternsPath, &gen.patterns, &error)) {
        std::fprintf(stderr, "puzzlegen: %s\n", error.c_str());
        return 1;
    }
    if (gen.patterns.empty()) {
        std::fprintf(stderr, "puzzlegen: no patterns in %s\n", patternsPath.c_str());
        return 1;
    }
    if (makeThemeless > 0)
        return MakeThemeless(gen, makeThemeless);
    if (featuredPath.empty() || standbysPath.empty()) {
        Usage();
        return 2;
    }
    // The editor's lists sit beside the lexicon: what it may print is theirs to say.
    const std::string lexiconDir = std::filesystem::path(lexiconPath).parent_path().string();
    if (!LoadFeatured(featuredPath, &gen.featured, &error) ||
        !LoadWordSet(standbysPath, &gen.standbys, &error) ||
        !LoadEditorLists(lexiconDir.empty() ? "." : lexiconDir, standbysPath, &gen.rules, &error) ||
        (!themesPath.empty() && !LoadThemes(themesPath, &gen.themes, &error)) ||
        (!titlesPath.empty() && !LoadTitles(titlesPath, &gen.featured, &error))) {
        std::fprintf(stderr, "puzzlegen: %s\n", error.c_str());
        return 1;
    }
    KeepEditorsFill(&gen.lexicon, gen.rules);
    AddFeatured(gen);
    if (checkTries > 0)
        return CheckPatterns(gen, checkTries, lateFrom);
    if (checkFeatured > 0)
        return CheckFeatured(gen, checkFeatured);
    if (checkThemes > 0)
        return CheckThemes(gen, checkThemes);
    // The banked grids go before any kept from a pack folder: they are made for the themes.
    std::map<std::string, std::string> banked;
    if (!bankPath.empty() && !LoadGridBank(bankPath, &banked, &error)) {
        std::fprintf(stderr, "puzzlegen: %s\n", error.c_str());
        return 1;
    }
    gen.kept = banked;
    if (bankRounds > 0) {
        std::ofstream bank(bankPath, std::ios::app);
        int added = 0;
        for (const PackSpec& spec : AllPacks())
            if (onlyPack.empty() || spec.key == onlyPack)
                added += BankGrids(gen, spec.key, bankRounds, bank);
        std::printf("%d grids added to %s\n", added, bankPath.c_str());
        return bank ? 0 : 1;
    }

    namespace fs = std::filesystem;
    bool before = true;  // a pack made on its own counts the pairs of the packs before it
    for (size_t p = 0; p < AllPacks().size(); ++p) {
        before = before && !onlyPack.empty() && AllPacks()[p].key != onlyPack;
        if (before)
            CountPrintedPairs(outDir, AllPacks()[p].key, &gen);
        if (!onlyPack.empty() && AllPacks()[p].key != onlyPack)
            continue;
        if (!keepDir.empty())
            KeepPuzzles(keepDir, AllPacks()[p].key, &gen);
        for (const auto& [key, cells] : banked)
            gen.kept[key] = cells;
        std::vector<PackPuzzle> puzzles;
        if (!GeneratePack(gen, static_cast<int>(p), &puzzles))
            return 1;
        fs::path dir = fs::path(outDir) / AllPacks()[p].key;
        fs::create_directories(dir);
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() == ".puz")
                fs::remove(entry.path());
        std::ofstream list(dir / "pack.txt", std::ios::binary);
        for (const PackPuzzle& puzzle : puzzles) {
            std::ofstream f(dir / (puzzle.name + ".puz"), std::ios::binary);
            f.write(reinterpret_cast<const char*>(puzzle.file.data()),
                    static_cast<std::streamsize>(puzzle.file.size()));
            list << puzzle.name << ".puz\n";
        }
    }
    return 0;
}
