// The editor's rules, each with a violation planted in an otherwise clean grid or pack: the
// rule must report exactly the planted fault and nothing in the clean one. Lists are the
// committed ones (breakfast, crosswordese, stand-bys) so a list losing its words fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "grid_rules.h"
#include "pack_rules.h"
#include "word_roots.h"

namespace {

namespace fs = std::filesystem;

fs::path SourceDir()
{
    const char* dir = std::getenv("CROSSWORD_SOURCE_DIR");
    return dir ? fs::path(dir) : fs::path(".");
}

const EditorLists& Lists()
{
    static const EditorLists lists = [] {
        EditorLists out;
        std::string error;
        EXPECT_TRUE(LoadEditorLists((SourceDir() / "tools/lexicon").string(),
                                    (SourceDir() / "tools/puzzlegen/standbys.txt").string(), &out,
                                    &error))
            << error;
        // The lexicon rows the planted faults need (the generator's and the checker's book
        // holds every answer of the lexicon): OVA is a form of ovum, STARTOUT a phrase.
        out.roots = MakeRootBook({{"OVA", "ovum"},
                                  {"OVUM", "ovum"},
                                  {"START", "start"},
                                  {"STARTOUT", "start_out"},
                                  {"EKE", "eke"},
                                  {"EKES", "ekes"},
                                  {"EKED", "eked"},
                                  {"CAR", "car"},
                                  {"CARS", "car"},
                                  {"CARE", "care"},
                                  {"CARING", "care"},
                                  {"DRAGS", "drag"},
                                  {"HAUL", "haul"},
                                  {"PHASE", "phase"},
                                  {"STAGES", "stage"},
                                  {"ARIA", "aria"},
                                  {"ARIAS", "aria"}});
        return out;
    }();
    return lists;
}

std::vector<int> Rules(const std::vector<RuleFinding>& findings)
{
    std::vector<int> out;
    for (const RuleFinding& f : findings)
        out.push_back(f.rule);
    return out;
}

// A grid of the given entries, across from row 0 down, hand-clued.
RuleGrid Grid(const std::vector<std::pair<std::string, std::string>>& entries)
{
    RuleGrid grid{"test/grid", {}, {}};
    int row = 0;
    for (const auto& [answer, clue] : entries)
        grid.entries.push_back({answer, clue, true, row++ % 15, 0, false});
    return grid;
}

// The grid plus filler entries of 8 letters so the word count rules are met.
RuleGrid Themeless(std::vector<std::pair<std::string, std::string>> entries)
{
    static const char* const longOnes[] = {"MOUNTAIN", "SANDWICH", "TREASURE",
                                           "HOMEWORK", "BIRTHDAY", "PAINTING"};
    for (const char* word : longOnes)
        entries.push_back({word, std::string("Clue for ") + word[0]});
    return Grid(entries);
}

std::vector<int> GridRules(const RuleGrid& grid)
{
    std::vector<RuleFinding> findings;
    CheckGridRules(grid, Lists(), &findings);
    return Rules(findings);
}

}  // namespace

TEST(WordRoots, FormsOfOneBaseShareARootAndCutStemsDoNot)
{
    const RootBook none;
    for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{{"ION", "IONS"},
                                                                               {"LIRA", "LIRE"},
                                                                               {"BAKE", "BAKING"},
                                                                               {"STOP", "STOPPED"},
                                                                               {"CRY", "CRIES"},
                                                                               {"RISE", "RISERS"},
                                                                               {"EKES", "EKED"},
                                                                               {"ROPES", "ROPED"},
                                                                               {"EATS", "EATING"},
                                                                               {"DIE", "DYING"},
                                                                               {"OVUM", "OVA"}}) {
        EXPECT_TRUE(ShareRoot(a, b, none)) << a << " " << b;
        // The search's relatives and the pairwise rule agree, both ways.
        const std::vector<std::string> ra = RootRelatives(a, none);
        EXPECT_NE(std::find(ra.begin(), ra.end(), b), ra.end()) << a << " " << b;
    }
    for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{
             {"ROTE", "ROTS"},
             {"LANE", "LAND"},
             {"ONE", "ONLY"},
             {"CARES", "CARESSES"},
             {"CARE", "CART"},
             {"CAR", "CARPET"},
             {"CARS", "CARING"},  // CARING is no form of CAR: it would double the R
             {"HOPED", "HOPPED"},
             {"LETTER", "LET"},  // a doubled consonant before -ER makes a word of its own
             {"HERE", "HERO"},   // only Italian plurals change a last vowel
             {"THE", "THING"}})
        EXPECT_FALSE(ShareRoot(a, b, Lists().roots)) << a << " " << b;
    // The lexicon knows what spelling cannot: OVA is a form of ovum, STARTOUT holds START.
    EXPECT_TRUE(ShareRoot("OVA", "OVUM", Lists().roots));
    EXPECT_TRUE(ShareRoot("START", "STARTOUT", Lists().roots));
    EXPECT_TRUE(ShareRoot("STARTS", "STARTOUT", Lists().roots));
    const std::vector<std::string> rel = RootRelatives("EKED", Lists().roots);
    EXPECT_NE(std::find(rel.begin(), rel.end(), "EKES"), rel.end());
    EXPECT_EQ(std::find(rel.begin(), rel.end(), "CARE"), rel.end());
}

TEST(GridRules, EachInGridRuleReportsItsPlantedFault)
{
    const RuleGrid clean = Themeless({{"HAUL", "Tote"}, {"PHASE", "Stage"}, {"SOLO", "Alone"}});
    EXPECT_EQ(GridRules(clean), std::vector<int>{});

    struct Planted {
        std::vector<std::pair<std::string, std::string>> entries;
        int rule;
    };
    const std::vector<Planted> planted = {
        {{{"OVA", "Egg cells"}, {"OVUM", "Egg cell"}}, kRuleSharedRoot},
        {{{"EKES", "Scrapes by"}, {"EKED", "Got by"}}, kRuleSharedRoot},
        {{{"START", "Begin"}, {"STARTOUT", "Commence"}}, kRuleSharedRoot},
        {{{"HAUL", "Drag"}, {"DRAGS", "Tows"}}, kRuleClueHoldsAnswer},
        {{{"STAGES", "Phases"}, {"PHASE", "Period"}}, kRuleClueHoldsAnswer},
        {{{"SOLO", "Aria, e.g."}, {"ARIAS", "Opera songs"}}, kRuleClueHoldsAnswer},
        {{{"ICECREAM", "Cone filler"}, {"SUNDAE", "Ice cream treat"}}, kRuleClueHoldsAnswer},
        {{{"NOOSE", "Lasso loop"}}, kRuleBreakfast},
        {{{"LOOP", "Noose, e.g."}}, kRuleBreakfast},
        {{{"NIT", "Louse egg"}}, kRuleBreakfast},
        {{{"SCAB", "Crust on a healing cut"}}, kRuleBreakfast},
        {{{"BOIL", "Painful skin sore"}}, kRuleBreakfast},
        {{{"CYSTS", "Growths"}}, kRuleBreakfast},
        {{{"RAPED", "Plundered"}}, kRuleBreakfast},  // the blocked list is part of it
        {{{"ABACK", "Taken ___ by the caustic remarks"}}, kRuleWordNetExample},
        {{{"EKE", "Stretch"}, {"OLEO", "Spread"}, {"ESNE", "Serf"}}, kRuleCrosswordese},
    };
    for (const Planted& p : planted) {
        RuleGrid grid = Themeless(p.entries);
        if (p.rule == kRuleWordNetExample)
            grid.entries[0].handClue = false;
        EXPECT_EQ(GridRules(grid), std::vector<int>{p.rule})
            << RuleName(p.rule) << ": " << p.entries[0].first;
    }
    // SCAB stands as a strikebreaker, BOIL as what water does; two crosswordese are allowed;
    // a person's blank is no WordNet example.
    EXPECT_EQ(GridRules(Themeless({{"SCAB", "Strikebreaker"},
                                   {"BOIL", "Heat to 212 degrees"},
                                   {"EKE", "Stretch"},
                                   {"OLEO", "Spread"},
                                   {"EGO", "Alter ___"}})),
              std::vector<int>{});
    EXPECT_TRUE(FailsBreakfast("GASHES", "Deep cuts", Lists().breakfast));
    EXPECT_FALSE(FailsBreakfast("MANGER", "Creche", Lists().breakfast));
}

TEST(GridRules, WordCountsThemelessLengthsAndThemeSlots)
{
    // 73 short entries: over the themeless limit, within the grid limit.
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i < 67; ++i)
        many.push_back(
            {std::string("AB") + static_cast<char>('A' + i % 26) + static_cast<char>('A' + i / 26),
             "x" + std::to_string(i)});
    RuleGrid grid = Themeless(many);
    EXPECT_EQ(GridRules(grid), std::vector<int>{kRuleThemeless});
    grid.entries.erase(grid.entries.begin());
    EXPECT_EQ(GridRules(grid), std::vector<int>{});
    grid.entries.resize(70);  // two of the six long entries gone
    EXPECT_EQ(GridRules(grid), std::vector<int>{kRuleThemeless});

    // Themed: three entries in symmetric slots (rows 3, 7, 11), so no themeless limits.
    RuleGrid themed = Grid({});
    themed.entries = {{"PEANUTBUTTER", "Sandwich spread", true, 3, 0, false},
                      {"JELLYBEANERY", "Candy shop", true, 7, 1, false},
                      {"STRAWBERRIES", "Jam fruit", true, 11, 3, false}};
    themed.theme = {"PEANUTBUTTER", "JELLYBEANERY", "STRAWBERRIES"};
    EXPECT_EQ(GridRules(themed), std::vector<int>{kRuleTheme})
        << "twelve letters cannot sit centred in the middle row";
    themed.entries[1] = {"JELLYDONUTS", "Bakery buys", true, 7, 2, false};
    themed.theme[1] = "JELLYDONUTS";
    EXPECT_EQ(GridRules(themed), std::vector<int>{});
    themed.entries[2].col = 2;
    EXPECT_EQ(GridRules(themed), (std::vector<int>{kRuleTheme, kRuleTheme}));
    themed.entries[2].col = 3;
    themed.entries[1].handClue = false;
    EXPECT_EQ(GridRules(themed), std::vector<int>{kRuleTheme});
    themed.entries[1].handClue = true;
    themed.theme.push_back("MISSINGENTRY");
    EXPECT_EQ(GridRules(themed), std::vector<int>{kRuleTheme});
    themed.theme.pop_back();
    // 79 words is over the grid limit, themed or not.
    for (int i = 0; i < 76; ++i)
        themed.entries.push_back(
            {"Q" + std::to_string(i), "y" + std::to_string(i), true, 0, 0, true});
    EXPECT_EQ(GridRules(themed), std::vector<int>{kRuleWordCount});
}

TEST(PackRules, StandbysRepeatsPairsAndClueVariety)
{
    // Twenty grids of twenty distinct answers each: 400 entries, 5 % is 20 repeats.
    std::vector<RuleGrid> pack;
    for (int g = 0; g < 20; ++g) {
        RuleGrid grid{"test/" + std::to_string(g), {}, {}};
        for (int i = 0; i < 20; ++i)
            grid.entries.push_back({"W" + std::to_string(g * 20 + i), "c", true, 0, 0, false});
        pack.push_back(grid);
    }
    auto packRules = [&] {
        std::vector<RuleFinding> findings;
        CheckPackRules("test", pack, Lists(), &findings);
        return Rules(findings);
    };
    EXPECT_EQ(packRules(), std::vector<int>{});
    for (int g = 0; g < 20; ++g)
        pack[g].entries[0].answer = "SAME" + std::to_string(g % 2);  // 18 repeats
    EXPECT_EQ(packRules(), std::vector<int>{});
    for (int g = 0; g < 4; ++g)
        pack[g].entries[1].answer = "ODD";  // 21 repeats
    EXPECT_EQ(packRules(), std::vector<int>{kRulePackRepeats});
    pack[3].entries[1].answer = "W61";
    ASSERT_TRUE(Lists().standbys.count("ERA"));
    pack[0].entries[1].answer = pack[1].entries[1].answer = "ERA";  // 19 repeats
    EXPECT_EQ(packRules(), std::vector<int>{kRuleStandby});

    // Over all packs: SAME0 and SAME1 are each printed ten times with the one clue "c".
    std::vector<RuleFinding> findings;
    CheckAllPacksRules({pack}, &findings);
    EXPECT_EQ(Rules(findings), (std::vector<int>{kRulePairRepeats, kRulePairRepeats,
                                                 kRuleClueVariety, kRuleClueVariety}));
    // Four clues taken in turn: none printed over three times.
    const char* const clues[] = {"a", "b", "c", "d"};
    for (int g = 0; g < 20; ++g)
        pack[g].entries[0].clue = clues[(g / 2) % 4];
    findings.clear();
    CheckAllPacksRules({pack}, &findings);
    EXPECT_EQ(Rules(findings), std::vector<int>{});
}
