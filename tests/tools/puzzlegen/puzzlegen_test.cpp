// The generator's steps one at a time: the committed patterns keep the grid rules and the
// rule check rejects each kind of bad pattern; a fill is a real crossword (crossings agree,
// every word from its list, none twice, featured words in place) and the same input gives
// the same fill; clue choice keeps the puzzle's clue rules; the written file passes the
// packs' independent checker, checksums included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "clues.h"
#include "committed_inputs.h"
#include "filler.h"
#include "grid_rules.h"
#include "lexicon.h"
#include "packs.h"
#include "pattern.h"
#include "puz_check.h"
#include "puz_writer.h"

namespace {

namespace fs = std::filesystem;

// Word lists of every length in lexicon order (best score first within the file's order).
std::vector<WordList> ListsFromLexicon()
{
    std::vector<WordList> lists(kSide + 1);
    for (int len = 3; len <= kSide; ++len) {
        std::vector<std::string> words;
        std::vector<int> ids;
        for (size_t i = 0; i < Lexicon().size(); ++i) {
            if (Lexicon()[i].answer.size() == static_cast<size_t>(len)) {
                words.push_back(Lexicon()[i].answer);
                ids.push_back(static_cast<int>(i));
            }
        }
        lists[len] = MakeWordList(len, words, ids);
    }
    return lists;
}

// The grid a fill spells: letters in the white squares, '.' in the blocks.
std::string Spell(const Pattern& pattern, const std::vector<Slot>& slots, const FillResult& fill,
                  std::vector<std::string>* answers)
{
    std::string grid = pattern.cells;
    for (char& ch : grid)
        if (ch == '#')
            ch = '.';
    std::string conflicts;
    for (size_t s = 0; s < slots.size(); ++s) {
        const std::string& word = Lexicon()[fill.wordIds[s]].answer;
        answers->push_back(word);
        for (size_t p = 0; p < slots[s].cells.size(); ++p) {
            char& cell = grid[slots[s].cells[p]];
            if (cell != '.' && cell != '#' && cell != word[p])
                conflicts += word + " ";
            cell = word[p];
        }
    }
    EXPECT_EQ(conflicts, "") << "crossing squares disagree";
    return grid;
}

std::string WithRow(std::string cells, int row, const std::string& text)
{
    cells.replace(static_cast<size_t>(row) * kSide, kSide, text);
    return cells;
}

}  // namespace

TEST(Patterns, CommittedPatternsKeepTheRulesAndBadOnesAreRefused)
{
    ASSERT_GE(Patterns().size(), 6u);
    std::set<std::string> distinct;
    for (const Pattern& p : Patterns()) {
        EXPECT_EQ(PatternProblem(p.cells), "") << p.name;
        distinct.insert(p.cells);
    }
    EXPECT_EQ(distinct.size(), Patterns().size()) << "a pattern is listed twice";

    const std::string good = Patterns()[0].cells;
    // Each change breaks one rule; the check must name a problem for every one.
    std::string asymmetric = good;
    for (int c = 0; c < kSide; ++c) {
        if (asymmetric[c] == '.' && asymmetric[kCells - 1 - c] == '.') {
            asymmetric[c] = '#';
            break;
        }
    }
    EXPECT_NE(PatternProblem(asymmetric), "") << "asymmetric";
    EXPECT_NE(PatternProblem(std::string(kCells, '.')), "") << "no blocks";
    // A wall across the middle row cuts the grid in two.
    EXPECT_NE(PatternProblem(WithRow(good, 7, std::string(kSide, '#'))), "") << "cut in two";
    // A two-letter across word at the start of the middle row, mirrored at its end.
    EXPECT_NE(PatternProblem(WithRow(good, 7, "..#.........#..")), "") << "two-letter words";
    // A single square walled off, in the middle and in a corner.
    EXPECT_TRUE(WhitesConnected(good));
    std::string pocket(kCells, '.');
    for (int cell : {6 * kSide + 7, 8 * kSide + 7, 7 * kSide + 6, 7 * kSide + 8})
        pocket[cell] = '#';
    EXPECT_FALSE(WhitesConnected(pocket)) << "middle";
    std::string corner(kCells, '.');
    corner[1] = corner[kSide] = '#';
    EXPECT_FALSE(WhitesConnected(corner)) << "corner";
    corner[1] = '.';
    EXPECT_TRUE(WhitesConnected(corner));
    // The first square of row 1 walled off: the last square of row 0 is not beside it.
    std::string edge(kCells, '.');
    for (int cell : {0, 2 * kSide, kSide + 1})
        edge[cell] = '#';
    EXPECT_FALSE(WhitesConnected(edge)) << "edge";
}

TEST(Filler, FillsACommittedPatternIntoAConsistentGridTheSameWayTwice)
{
    const Pattern& pattern = Patterns()[0];
    const std::vector<Slot> slots = FindSlots(pattern.cells);
    const std::vector<WordList> lists = ListsFromLexicon();

    // A featured word in the first slot of its length, as a pack's name word is placed.
    int featuredSlot = -1, featuredId = -1;
    for (size_t s = 0; s < slots.size() && featuredSlot < 0; ++s) {
        if (slots[s].cells.size() == 5) {
            featuredSlot = static_cast<int>(s);
            for (size_t i = 0; i < Lexicon().size() && featuredId < 0; ++i)
                if (Lexicon()[i].answer == "SALAD")
                    featuredId = static_cast<int>(i);
        }
    }
    ASSERT_GE(featuredSlot, 0);
    ASSERT_GE(featuredId, 0);
    std::vector<int> fixed(slots.size(), -1);
    fixed[featuredSlot] = featuredId;

    const FillResult first = FillGrid(slots, lists, fixed, 20000);
    ASSERT_TRUE(first.filled) << "after " << first.nodes << " nodes";
    ASSERT_EQ(first.wordIds.size(), slots.size());
    EXPECT_EQ(first.wordIds[featuredSlot], featuredId);

    std::vector<std::string> answers;
    const std::string grid = Spell(pattern, slots, first, &answers);
    std::set<std::string> distinct(answers.begin(), answers.end());
    EXPECT_EQ(distinct.size(), answers.size()) << "a word is used twice";
    for (size_t s = 0; s < slots.size(); ++s)
        EXPECT_EQ(answers[s].size(), slots[s].cells.size());
    EXPECT_EQ(grid.find('#'), std::string::npos);

    const FillResult second = FillGrid(slots, lists, fixed, 20000);
    EXPECT_EQ(second.wordIds, first.wordIds);
    EXPECT_EQ(second.nodes, first.nodes);

    // No two words of the grid share a root.
    for (size_t a = 0; a < answers.size(); ++a)
        for (size_t b = a + 1; b < answers.size(); ++b)
            EXPECT_FALSE(ShareRoot(answers[a], answers[b], RootBook{}))
                << answers[a] << " " << answers[b];

    // A budget of one node cannot fill a grid and must say so.
    EXPECT_FALSE(FillGrid(slots, lists, fixed, 1).filled);
}

TEST(Filler, RootRoomCountsTheWordsTheCrossingsLeaveAndIsEmptyWhenOneSlotHasNone)
{
    // CAT across and a down word sharing its first square: the down keeps the other word
    // of that first letter, CAT itself being spent; after DOG no down word is left.
    std::vector<WordList> lists(kSide + 1);
    lists[3] = MakeWordList(3, {"CAT", "COW", "DOG"}, {0, 1, 2});
    const std::vector<Slot> slots = {{1, false, {0, 1, 2}}, {1, true, {0, kSide, 2 * kSide}}};
    EXPECT_EQ(RootRoom(slots, lists, {0, -1}), (std::vector<int>{1, 1}));
    EXPECT_EQ(RootRoom(slots, lists, {-1, -1}), (std::vector<int>{3, 3}));
    EXPECT_TRUE(RootRoom(slots, lists, {2, -1}).empty());
}

TEST(Filler, ADeadEndGoesBackToTheChoiceThatMadeItNotThroughTheChoicesBetween)
{
    // A ring of four slots (R1 across, C1 and C2 down from its ends, R2 across their feet)
    // with letters of two groups, A-C and D-F: the downs change group from top to foot and
    // R2 keeps it, so R1 must keep it too; its "Q" words change it and leave the ring with no
    // fill, which no single crossing shows. P comes down onto R1's middle and picks Q or Z.
    // Ten lone slots with fewer words than the ring are placed between P and the ring: going
    // back through their words one by one would spend the whole budget before P changes.
    auto at = [](int row, int col) { return row * kSide + col; };
    std::vector<Slot> slots = {
        {0, true, {at(0, 1), at(1, 1), at(2, 1), at(3, 1), at(4, 1), at(5, 1)}},  // P
        {0, false, {at(5, 0), at(5, 1), at(5, 2)}},                               // R1
        {0, true, {at(5, 0), at(6, 0), at(7, 0), at(8, 0)}},                      // C1
        {0, true, {at(5, 2), at(6, 2), at(7, 2), at(8, 2)}},                      // C2
        {0, false, {at(8, 0), at(8, 1), at(8, 2), at(8, 3)}},                     // R2
    };
    for (int row = 10; row < kSide; ++row)
        for (int col : {0, 6})
            slots.push_back({0,
                             false,
                             {at(row, col), at(row, col + 1), at(row, col + 2), at(row, col + 3),
                              at(row, col + 4)}});
    const std::string groups[] = {"ABC", "DEF"};
    std::vector<std::string> three, four, five;
    for (int g = 0; g < 2; ++g)
        for (char a : groups[g]) {
            for (char b : groups[1 - g])
                three.push_back(std::string{a, 'Q', b});
            for (char b : groups[g]) {
                three.push_back(std::string{a, 'Z', b});
                for (char c : groups[1 - g])
                    four.push_back(std::string{a, 'M', b, c});
            }
        }
    for (char c = 'A'; c <= 'K'; ++c)
        five.push_back(std::string("VWXY") + c);
    auto listOf = [](int length, const std::vector<std::string>& words, int firstId) {
        std::vector<int> ids;
        for (size_t k = 0; k < words.size(); ++k)
            ids.push_back(firstId + static_cast<int>(k));
        return MakeWordList(length, words, ids);
    };
    std::vector<WordList> lists(kSide + 1);
    lists[3] = listOf(3, three, 100);
    lists[4] = listOf(4, four, 200);
    lists[5] = listOf(5, five, 300);
    const std::vector<int> none(slots.size(), -1);

    lists[6] = listOf(6, {"PPPPPQ", "PPPPPZ"}, 0);
    const FillResult filled = FillGrid(slots, lists, none, 100000);
    ASSERT_TRUE(filled.filled) << "after " << filled.nodes << " nodes";
    EXPECT_EQ(filled.wordIds[0], 1) << "P ends in Z";
    EXPECT_LT(filled.nodes, 100);

    // Without the Z word no fill exists, and the search says so as soon as P is spent.
    lists[6] = listOf(6, {"PPPPPQ"}, 0);
    const FillResult noFill = FillGrid(slots, lists, none, 100000);
    EXPECT_FALSE(noFill.filled);
    EXPECT_LT(noFill.nodes, 100);
}

TEST(Filler, AGridHoldsNoMoreRareWordsThanAllowed)
{
    const Pattern& pattern = Patterns()[0];
    const std::vector<Slot> slots = FindSlots(pattern.cells);
    // Every word of three and four letters is rare here: a grid that may hold none of them
    // cannot be filled, and one that may hold all of them can.
    std::vector<WordList> lists = ListsFromLexicon();
    for (int len : {3, 4}) {
        std::vector<char> rare(lists[len].words.size(), 1);
        lists[len] = MakeWordList(len, lists[len].words, lists[len].ids, rare);
    }
    const std::vector<int> none(slots.size(), -1);
    EXPECT_FALSE(FillGrid(slots, lists, none, 20000, 0).filled);
    EXPECT_TRUE(FillGrid(slots, lists, none, 20000, 1000).filled);
}

TEST(Packs, ShapeKeyIsTheSameForEveryOrientationOfAPattern)
{
    const std::string& cells = Patterns()[0].cells;
    std::string mirrored(kCells, '.'), turned(kCells, '.');
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            mirrored[r * kSide + (kSide - 1 - c)] = cells[r * kSide + c];
            turned[c * kSide + (kSide - 1 - r)] = cells[r * kSide + c];
        }
    }
    EXPECT_EQ(ShapeKey(mirrored), ShapeKey(cells));
    EXPECT_EQ(ShapeKey(turned), ShapeKey(cells));
    EXPECT_NE(ShapeKey(Patterns()[0].cells), ShapeKey(Patterns()[4].cells));
}

TEST(Lexicon, EveryHandCluedShortAnswerIsFillUnlessUnfitOrBlocked)
{
    // A hand-written clue says an editor judged the word fair fill; the lexicon must not
    // drop it for want of a WordNet sense (THE), for a form SCOWL rates rare (OILS) or for
    // a gloss that made no clue (BARN).
    std::set<std::string> inLexicon;
    for (const LexEntry& e : Lexicon())
        inLexicon.insert(e.answer);
    const std::set<std::string> unfit = ReadWordList(SourceDir() / "tools/lexicon/unfit.txt");
    const std::set<std::string> blocked =
        BlockedForms(ReadWordList(SourceDir() / "tools/lexicon/blocklist.txt"),
                     ReadWordList(SourceDir() / "tools/lexicon/blocked_irregular.txt"));
    std::ifstream in(SourceDir() / "tools/lexicon/overrides.tsv");
    int checked = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::string answer = line.substr(0, line.find('\t'));
        std::string lower = answer;
        for (char& ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (answer.size() > 5 || unfit.count(lower) || blocked.count(lower))
            continue;
        ++checked;
        EXPECT_TRUE(inLexicon.count(answer)) << answer;
    }
    EXPECT_GT(checked, 1000);
}

TEST(Lexicon, TheEditorsFillDropsWordNetExamplesAndBreakfastWords)
{
    std::vector<LexEntry> lexicon = {
        {"ABACK", 1, 35, "aback", 0, {"Taken ___ by the caustic remarks", "Unawares, with taken"}},
        {"EGO", 1, 20, "ego", 1, {"Alter ___", "Taken ___ by pride"}},
        {"NOOSE", 1, 35, "noose", 1, {"Lasso loop"}},
        {"SCAB", 1, 35, "scab", 2, {"Crust on a healing cut", "Strikebreaker"}},
        {"HAUL", 1, 35, "haul", 2, {"Tote", "Louse's load"}}};
    KeepEditorsFill(&lexicon, Rules());
    ASSERT_EQ(lexicon.size(), 4u) << "NOOSE is gone";
    EXPECT_EQ(lexicon[0].clues, std::vector<std::string>{"Unawares, with taken"});
    EXPECT_EQ(lexicon[0].hand, 0);
    // A blank a person wrote stays; WordNet's is dropped.
    EXPECT_EQ(lexicon[1].clues, std::vector<std::string>{"Alter ___"});
    EXPECT_EQ(lexicon[1].hand, 1);
    EXPECT_EQ(lexicon[2].clues, std::vector<std::string>{"Strikebreaker"});
    EXPECT_EQ(lexicon[2].hand, 1);
    EXPECT_EQ(lexicon[3].clues, std::vector<std::string>{"Tote"});
}

TEST(Clues, ChoiceSkipsCluesThatNameAnAnswerOrRepeatAndVariesTheBestTwoInAPack)
{
    const std::vector<std::string> answers = {"TEA", "CUP", "SAUCER"};
    const std::vector<std::string> tea = {"Cup contents", "Brew", "Afternoon drink"};
    const std::vector<std::string> cup = {"Mug", "Trophy", "Brew"};
    const std::vector<std::string> saucer = {"Flying ___", "Dish under a cup"};
    const std::map<std::string, std::set<std::string>> used = {{"CUP", {"Mug"}}};
    std::vector<std::string> clues;
    ASSERT_TRUE(ChooseClues(answers, {&tea, &cup, &saucer}, used, &clues));
    // "Cup contents" names CUP; CUP had "Mug" earlier in the pack and its second clue is
    // free; "Flying ___" names nothing.
    EXPECT_EQ(clues, (std::vector<std::string>{"Brew", "Trophy", "Flying ___"}));

    // A clue of this grid is never given twice, but a pack repeat beyond the best two is
    // allowed rather than leaving the grid unclued.
    const std::vector<std::string> cupLate = {"Brew", "Mug"};
    ASSERT_TRUE(ChooseClues({"TEA", "CUP"}, {&tea, &cupLate}, used, &clues));
    EXPECT_EQ(clues, (std::vector<std::string>{"Brew", "Mug"}));

    // Run-together words spell an answer too.
    EXPECT_TRUE(ClueSpellsAnswer("Ice cream maker", "ICECREAM"));
    EXPECT_FALSE(ClueSpellsAnswer("Nice creamery", "ICECREAM"));

    // With no fitting candidate left the grid cannot be clued.
    const std::vector<std::string> onlyNaming = {"Tea cup"};
    EXPECT_FALSE(ChooseClues({"TEA", "CUP"}, {&tea, &onlyNaming}, {}, &clues));
}

TEST(Clues, ChoiceKeepsTheEditorsRules)
{
    // The editor's lists, with a book of roots for the answers below.
    EditorLists rules = Rules();
    rules.roots = MakeRootBook({{"HAUL", "haul"}, {"DRAGS", "drag"}, {"SCAB", "scab"}});
    const std::vector<std::string> haul = {"Drag", "Tote"};
    const std::vector<std::string> drags = {"Hauls", "Tows"};
    const std::vector<std::string> scab = {"Crust on a healing cut", "Strikebreaker"};
    std::vector<std::string> clues;
    // "Drag" holds a form of DRAGS and "Hauls" one of HAUL; SCAB stands as a strikebreaker.
    ASSERT_TRUE(
        ChooseClues({"HAUL", "DRAGS", "SCAB"}, {&haul, &drags, &scab}, {}, &clues, 0, &rules));
    EXPECT_EQ(clues, (std::vector<std::string>{"Tote", "Tows", "Strikebreaker"}));

    // A pair printed three times is not printed again; an answer printed twice with one
    // clue takes another.
    const std::vector<std::string> tea = {"Brew", "Cup contents", "Afternoon drink"};
    PairPrints printed = {{{"TEA", "Brew"}, 3}};
    ASSERT_TRUE(ChooseClues({"TEA"}, {&tea}, {}, &clues, 0, &rules, &printed));
    EXPECT_EQ(clues, std::vector<std::string>{"Cup contents"});
    printed = {{{"TEA", "Brew"}, 2}};
    ASSERT_TRUE(ChooseClues({"TEA"}, {&tea}, {}, &clues, 0, &rules, &printed));
    EXPECT_EQ(clues, std::vector<std::string>{"Cup contents"});
    printed = {{{"TEA", "Brew"}, 1}};
    ASSERT_TRUE(ChooseClues({"TEA"}, {&tea}, {}, &clues, 0, &rules, &printed));
    EXPECT_EQ(clues, std::vector<std::string>{"Brew"});
}

TEST(Clues, AGridTradesPlainCluesForLivelyOnesUntilItHasEnough)
{
    const std::vector<std::string> tea = {"Brew", "Afternoon drink", "High ___"};
    const std::vector<std::string> cup = {"Mug", "World ___", "Trophy"};
    const std::vector<std::string> pot = {"Kettle", "Tea ___"};
    std::vector<std::string> clues;
    // One lively clue wanted: the best-ranked lively candidate of the grid is taken, and a
    // lively candidate that names an answer of the grid ("Tea ___" names TEA) never is.
    ASSERT_TRUE(ChooseClues({"TEA", "CUP", "POT"}, {&tea, &cup, &pot}, {}, &clues, 1));
    EXPECT_EQ(clues, (std::vector<std::string>{"Brew", "World ___", "Kettle"}));
    ASSERT_TRUE(ChooseClues({"TEA", "CUP", "POT"}, {&tea, &cup, &pot}, {}, &clues, 2));
    EXPECT_EQ(clues, (std::vector<std::string>{"High ___", "World ___", "Kettle"}));
    EXPECT_FALSE(ChooseClues({"TEA", "CUP", "POT"}, {&tea, &cup, &pot}, {}, &clues, 3));
    EXPECT_TRUE(IsLively("\"Here you ___\"") && IsLively("Hula movers?") &&
                IsLively("\"Our Town\" playwright"));
    EXPECT_FALSE(IsLively("Eh? Say again") || IsLively("Brew") ||
                 IsLively("Getting by, with \"out\""));
}

TEST(Packs, EarlyRowsTakeThePatternsThatFillWorstLateAndLastRowsTheBest)
{
    // Five patterns of one length, from the worst late in a pack to the best.
    std::vector<Pattern> patterns(5);
    for (int k = 0; k < 5; ++k)
        patterns[k] = Pattern{"P" + std::to_string(k), "", 0.1 * (4 - k)};
    std::vector<const Pattern*> family;
    for (const Pattern& p : patterns)
        family.push_back(&p);
    auto names = [](const std::vector<const Pattern*>& order) {
        std::string out;
        for (const Pattern* p : order)
            out += p->name.substr(1);
        return out;
    };
    // P4 fills worst late, P0 best: the first row starts at P4, the last at P0, the middle
    // one at P2, then the nearest ranks, the harder first on a tie.
    EXPECT_EQ(names(PatternsForRow(family, family, 0)), "43210");
    EXPECT_EQ(names(PatternsForRow(family, family, kPuzzlesPerPack - 1)), "01234");
    EXPECT_EQ(names(PatternsForRow(family, family, 15)), "23140");
    // A shape the pack has used up is skipped; the rank of the others stays.
    std::vector<const Pattern*> usable = {&patterns[0], &patterns[1], &patterns[3], &patterns[4]};
    EXPECT_EQ(names(PatternsForRow(family, usable, 15)), "3140");
}

TEST(Packs, RowsWithFeaturedAnswersOfRareLettersComeFirst)
{
    const Featured easy{"one", "tests", "Tests", "SEASONTEAR", ""};
    const Featured hard{"one", "frying", "Frying", "FRYINGPANS", ""};
    const Featured mid{"one", "depart", "Depart", "DEPARTURES", ""};
    EXPECT_EQ(RowOrder(Lexicon(), {&easy, &hard, &mid}), (std::vector<int>{1, 2, 0}));
}

TEST(PuzWriter, AFilledGridWrittenOutPassesTheIndependentChecker)
{
    const Pattern& pattern = Patterns()[0];
    const std::vector<Slot> slots = FindSlots(pattern.cells);
    const std::vector<WordList> lists = ListsFromLexicon();
    // Some first words leave no fill, and some fills a word whose only clues name another
    // answer; the generator meets both by filling again: here, with another first word,
    // until the grid is filled and clued.
    const WordList& first = lists[slots[0].cells.size()];
    std::vector<std::string> answers;
    PuzContent content;
    bool clued = false;
    for (size_t k = 0; k < 40 && !clued; k += 7) {
        std::vector<int> fixed(slots.size(), -1);
        fixed[0] = first.ids[k];
        const FillResult fill = FillGrid(slots, lists, fixed, 20000);
        if (!fill.filled)
            continue;
        answers.clear();
        content.solution = Spell(pattern, slots, fill, &answers);
        std::vector<const std::vector<std::string>*> candidates;
        for (int id : fill.wordIds)
            candidates.push_back(&Lexicon()[id].clues);
        clued = ChooseClues(answers, candidates, {}, &content.clues);
    }
    ASSERT_TRUE(clued);
    content.title = "Salad";
    content.author = "Brambleset Test";
    content.copyright = CopyrightLine(true);

    const std::vector<uint8_t> file = BuildPuzFile(content);
    std::vector<std::string> problems;
    const CheckedPuzzle read = ReadChecked(file, &problems);
    CheckGrid(read, &problems);
    CheckPuzzleWords(read, &problems);
    std::string all;
    for (const std::string& p : problems)
        all += p + "; ";
    EXPECT_EQ(all, "");
    EXPECT_EQ(read.solution, content.solution);
    EXPECT_EQ(read.title, "Salad");
    ASSERT_EQ(read.words.size(), answers.size());
    for (size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(read.words[i].answer, answers[i]) << i;
        EXPECT_EQ(read.words[i].clue, content.clues[i]) << i;
    }
}
