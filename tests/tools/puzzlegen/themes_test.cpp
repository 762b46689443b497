// Themed puzzles: the committed theme sets keep the editor's rules inside each set, and the
// patterns made around planted entries keep the grid rules with every entry in its own slot;
// every themeless has a title of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "committed_inputs.h"
#include "filler.h"
#include "grid_rules.h"
#include "packs.h"
#include "pattern_maker.h"
#include "themes.h"

namespace {

// The slot of a planting, or null.
const Slot* SlotOf(const std::vector<Slot>& slots, const Planting& p)
{
    for (const Slot& s : slots)
        if (!s.down && s.cells.front() == p.row * kSide + p.col &&
            s.cells.size() == static_cast<size_t>(p.length))
            return &s;
    return nullptr;
}

}  // namespace

TEST(Themes, EveryCommittedSetFitsItsPackAndKeepsTheEditorsRulesWithinIt)
{
    Generator gen;
    std::string error;
    ASSERT_TRUE(LoadFeatured(SourceDir() / "tools/puzzlegen/featured.tsv", &gen.featured, &error))
        << error;
    ASSERT_TRUE(LoadThemes(SourceDir() / "tools/puzzlegen/themes.tsv", &gen.themes, &error))
        << error;
    gen.lexicon = Lexicon();
    gen.rules = Rules();
    AddFeatured(gen);

    std::map<std::string, int> perPack;
    std::set<std::string> entries, puzzles;
    for (const ThemeSet& t : gen.themes) {
        const std::string where = t.pack + "/" + t.name;
        EXPECT_TRUE(puzzles.insert(where).second) << where << " has two themes";
        EXPECT_TRUE(
            std::any_of(gen.featured.begin(), gen.featured.end(),
                        [&](const Featured& f) { return f.pack == t.pack && f.name == t.name; }))
            << where << " is no puzzle of its pack";
        EXPECT_FALSE(t.title.empty() || t.title.size() > 24) << where;
        ++perPack[t.pack];
        for (size_t k = 0; k < t.answers.size(); ++k) {
            EXPECT_TRUE(entries.insert(t.answers[k]).second) << t.answers[k] << " is in two sets";
            EXPECT_FALSE(FailsBreakfast(t.answers[k], t.clues[k], gen.rules.breakfast)) << where;
            for (size_t j = 0; j < t.answers.size(); ++j) {
                if (j == k)
                    continue;
                EXPECT_FALSE(ClueHoldsAnswer(t.clues[k], t.answers[j], gen.rules.roots))
                    << where << ": \"" << t.clues[k] << "\" holds " << t.answers[j];
                const std::vector<std::string> a = RootKeys(t.answers[k], gen.rules.roots);
                const std::vector<std::string> b = RootKeys(t.answers[j], gen.rules.roots);
                EXPECT_TRUE(std::none_of(a.begin(), a.end(),
                                         [&](const std::string& key) {
                                             return std::find(b.begin(), b.end(), key) != b.end();
                                         }))
                    << where << ": " << t.answers[k] << " and " << t.answers[j] << " share a root";
            }
        }
    }
    // A third of each pack's 31 puzzles at least, with sets to spare for the ones that fail.
    for (const PackSpec& pack : AllPacks())
        EXPECT_GT(perPack[pack.key], kLeastThemed) << pack.key;
}

TEST(Themes, ARowWithTooFewEntriesOrLengthsNoLayoutTakesIsRefused)
{
    const std::string path = testing::TempDir() + "themes_bad.tsv";
    const std::pair<const char*, const char*> rows[] = {
        {"two entries", "one\tbeach\tT\tPIECE OF CAKE\tEasy\tPIECE OF PIE\tEasy too\n"},
        {"an even centre", "one\tbeach\tT\tABCDEFGHIJK\tc\tABCDEFGHIJKL\tc\tABCDEFGHIJK\tc\n"},
        {"outer pair unequal", "one\tbeach\tT\tABCDEFGHIJK\tc\tABCDEFGHIJK\tc\tABCDEFGHIJKLM\tc\n"},
        {"ten letters", "one\tbeach\tT\tABCDEFGHIJ\tc\tABCDEFGHIJK\tc\tABCDEFGHIJ\tc\n"},
    };
    for (const auto& [what, row] : rows) {
        std::ofstream(path) << row;
        std::vector<ThemeSet> themes;
        std::string error;
        EXPECT_FALSE(LoadThemes(path, &themes, &error)) << what;
        EXPECT_NE(error.find("themes_bad.tsv:1"), std::string::npos) << what << ": " << error;
    }
    std::ofstream(path)
        << "# comment\none\tbeach\tT\tABCDEFGHIJKL\tc\tABCDEFGHIJK\tc\tABCDEFGHIJKL\tc\n";
    std::vector<ThemeSet> themes;
    std::string error;
    ASSERT_TRUE(LoadThemes(path, &themes, &error)) << error;
    ASSERT_EQ(themes.size(), 1u);
    EXPECT_EQ(ThemeLengths(themes[0]), (std::vector<int>{12, 11, 12}));
}

TEST(PatternMaker, PatternsAroundPlantedEntriesKeepTheRulesAndTheGoal)
{
    const std::vector<std::vector<int>> themes = {{15, 15, 15}, {11, 15, 11}, {15, 13, 13, 15}};
    for (const std::vector<int>& lengths : themes) {
        int made = 0;
        for (uint64_t seed = 1; seed <= 300 && made < 3; ++seed) {
            const std::vector<Planting> layout = ThemeLayout(lengths, seed);
            ASSERT_EQ(layout.size(), lengths.size());
            const std::string cells = MakePattern(layout, ThemedGoal(), seed);
            if (cells.empty())
                continue;
            ++made;
            EXPECT_EQ(cells, MakePattern(layout, ThemedGoal(), seed)) << "not deterministic";
            EXPECT_EQ(PatternProblem(cells), "");
            const std::vector<Slot> slots = FindSlots(cells);
            EXPECT_GE(slots.size(), static_cast<size_t>(ThemedGoal().minWords));
            EXPECT_LE(slots.size(), static_cast<size_t>(kMaxWords));
            std::set<const Slot*> planted;
            for (size_t k = 0; k < layout.size(); ++k) {
                EXPECT_EQ(layout[k].length, lengths[k]);
                const Slot* s = SlotOf(slots, layout[k]);
                ASSERT_NE(s, nullptr) << "entry " << k << " has no slot of its own";
                planted.insert(s);
                // Symmetric partners: entry k and entry n-1-k mirror each other.
                const Planting& m = layout[layout.size() - 1 - k];
                EXPECT_EQ(kCells - 1 - s->cells.back(), m.row * kSide + m.col);
            }
            for (const Slot& s : slots) {
                if (!planted.count(&s)) {
                    EXPECT_LE(s.cells.size(), static_cast<size_t>(ThemedGoal().longestFill));
                }
            }
        }
        EXPECT_GT(made, 0) << "no pattern for " << lengths[0] << "/" << lengths[1];
    }
    EXPECT_TRUE(ThemeLayout({13, 14, 13}, 1).empty()) << "an even centre entry";
    EXPECT_TRUE(ThemeLayout({12, 11, 11, 13}, 1).empty()) << "unequal outer pair";
}

TEST(PatternMaker, PinsAndWordsAreKept)
{
    // A planted entry's letters with words that fit nothing but its own crossings' first
    // letters: every slot through a planted letter keeps words that fit.
    Planting entry{7, 0, 15, "COMERAINORSHINE"};
    PatternPins pins;
    pins.open = {1, 5 * kSide};
    pins.blocks = {4};
    std::vector<std::string> words;
    for (const LexEntry& e : Lexicon())
        words.push_back(e.answer);
    std::vector<WordList> lists(kSide + 1);
    for (int len = 3; len <= kSide; ++len) {
        std::vector<std::string> ofLength;
        std::vector<int> ids;
        for (const std::string& w : words)
            if (w.size() == static_cast<size_t>(len)) {
                ofLength.push_back(w);
                ids.push_back(static_cast<int>(ids.size()));
            }
        lists[len] = MakeWordList(len, ofLength, ids);
    }
    const SlotWords fit = [&](const std::string& letters) {
        return CountFitting(lists[letters.size()], letters);
    };
    int made = 0;
    for (uint64_t seed = 1; seed <= 200 && made < 3; ++seed) {
        const std::string cells = MakePattern({entry}, ThemedGoal(), seed, pins, &fit);
        if (cells.empty())
            continue;
        ++made;
        EXPECT_EQ(cells[1], '.');
        EXPECT_EQ(cells[5 * kSide], '.');
        EXPECT_EQ(cells[4], '#');
        EXPECT_EQ(cells[kCells - 1 - 4], '#') << "pins are mirrored";
        for (const Slot& s : FindSlots(cells)) {
            std::string letters;
            for (int cell : s.cells)
                letters +=
                    cell / kSide == 7 ? entry.answer[static_cast<size_t>(cell % kSide)] : '?';
            if (s.down) {
                EXPECT_GT(fit(letters), 0) << letters;
            }
        }
    }
    EXPECT_GT(made, 0);

    // A check refusing a block on one square (and so on its mirror) keeps it white in every
    // pattern made; a check refusing every block leaves nothing to make.
    const int kept = 3 * kSide + 3;
    const PatternCheck open = [&](const std::string& c) { return c[kept] != '#'; };
    const PatternCheck never = [](const std::string&) { return false; };
    made = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        const std::string cells = MakePattern({entry}, ThemedGoal(), seed, {}, &fit, &open);
        made += !cells.empty();
        if (!cells.empty()) {
            EXPECT_EQ(cells[kept], '.');
            EXPECT_EQ(cells[kCells - 1 - kept], '.');
        }
        EXPECT_EQ(MakePattern({entry}, ThemedGoal(), seed, {}, &fit, &never), "");
    }
    EXPECT_GT(made, 0);
    EXPECT_EQ(CountFitting(lists[4], "????"), static_cast<long>(lists[4].words.size()));
    EXPECT_EQ(CountFitting(lists[3], "QQQ"), 0);
}

TEST(PatternMaker, AThemelessPatternMeetsTheThemelessGoalWithTheFeaturedLengthLongest)
{
    int made = 0;
    for (uint64_t seed = 1; seed <= 200 && made < 3; ++seed) {
        const std::string cells = MakeThemelessPattern(seed);
        if (cells.empty())
            continue;
        ++made;
        EXPECT_EQ(PatternProblem(cells), "");
        const std::vector<Slot> slots = FindSlots(cells);
        EXPECT_LE(slots.size(), static_cast<size_t>(kMaxThemelessWords));
        EXPECT_GE(SlotsOfAtLeast(slots, kThemelessLongLength), kMinThemelessLong);
        EXPECT_EQ(Longest(slots), 10u);
    }
    EXPECT_GT(made, 0);
}

TEST(Titles, EveryFeaturedRowHasARealTitleInOrderAndARowOutOfOrderIsRefused)
{
    std::vector<Featured> rows;
    std::string error;
    ASSERT_TRUE(LoadFeatured(SourceDir() / "tools/puzzlegen/featured.tsv", &rows, &error)) << error;
    const std::vector<Featured> stubs = rows;
    ASSERT_TRUE(LoadTitles(SourceDir() / "tools/puzzlegen/titles.tsv", &rows, &error)) << error;
    std::set<std::string> seen;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(seen.insert(rows[i].title).second) << rows[i].title << " twice";
        EXPECT_NE(rows[i].title, stubs[i].title) << rows[i].name << " keeps its file-name title";
    }
    const std::string path = (std::filesystem::temp_directory_path() / "titles_test.tsv").string();
    std::ofstream(path) << stubs[1].pack << "\t" << stubs[1].name << "\tOut of Turn\n";
    std::vector<Featured> again = stubs;
    EXPECT_FALSE(LoadTitles(path, &again, &error));
    EXPECT_NE(error.find(":1:"), std::string::npos) << error;
    std::remove(path.c_str());
}
