// The checker itself: a good puzzle passes, and breaking any one rule in it is reported.
// Without this the pack tests could pass by checking nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "grid_rules.h"
#include "puz_check.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> FirstPuzzleOfPackThree()
{
    const char* dir = std::getenv("CROSSWORD_SOURCE_DIR");
    std::ifstream in(fs::path(dir ? dir : ".") / "resources/packs/three/scoring.puz",
                     std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> FileProblems(const std::vector<uint8_t>& bytes)
{
    std::vector<std::string> problems;
    CheckedPuzzle p = ReadChecked(bytes, &problems);
    CheckGrid(p, &problems);
    CheckPuzzleWords(p, &problems);
    return problems;
}

// Re-serialises a puzzle after an edit, with correct checksums, so that a test can break
// one rule and nothing else. Uses the checker's own Cksum: the edit, not the sums, is tested.
std::vector<uint8_t> Rebuild(const std::vector<uint8_t>& original, const CheckedPuzzle& p)
{
    std::vector<uint8_t> f(original.begin(), original.begin() + 0x34);
    const size_t n = p.solution.size();
    f[0x2E] = static_cast<uint8_t>(p.words.size() & 0xFF);
    f[0x2F] = static_cast<uint8_t>(p.words.size() >> 8);
    std::string fill = p.solution;
    for (char& ch : fill)
        ch = ch == '.' ? '.' : '-';
    f.insert(f.end(), p.solution.begin(), p.solution.end());
    f.insert(f.end(), fill.begin(), fill.end());
    std::vector<std::string> strings{p.title, p.author, p.copyright};
    for (const CheckedWord& w : p.words)
        strings.push_back(w.clue);
    strings.push_back(p.notes);
    for (const std::string& s : strings) {
        f.insert(f.end(), s.begin(), s.end());
        f.push_back(0);
    }
    uint16_t cib = Cksum(f.data() + 0x2C, 8, 0);
    uint16_t text = 0;
    for (size_t i = 0; i < 3; ++i)
        if (!strings[i].empty())
            text = Cksum(reinterpret_cast<const uint8_t*>(strings[i].c_str()),
                         strings[i].size() + 1, text);
    for (const CheckedWord& w : p.words)
        text = Cksum(reinterpret_cast<const uint8_t*>(w.clue.data()), w.clue.size(), text);
    if (!p.notes.empty())
        text = Cksum(reinterpret_cast<const uint8_t*>(p.notes.c_str()), p.notes.size() + 1, text);
    const uint8_t* sol = f.data() + 0x34;
    uint16_t sums[4] = {cib, Cksum(sol, n, 0), Cksum(sol + n, n, 0), text};
    uint16_t whole = Cksum(sol + n, n, Cksum(sol, n, cib));
    // The whole-file sum continues over the text exactly as the text sum does.
    std::vector<uint8_t> textBytes;
    for (size_t i = 0; i < 3; ++i)
        if (!strings[i].empty())
            whole = Cksum(reinterpret_cast<const uint8_t*>(strings[i].c_str()),
                          strings[i].size() + 1, whole);
    for (const CheckedWord& w : p.words)
        whole = Cksum(reinterpret_cast<const uint8_t*>(w.clue.data()), w.clue.size(), whole);
    f[0x0E] = cib & 0xFF;
    f[0x0F] = cib >> 8;
    f[0x00] = whole & 0xFF;
    f[0x01] = whole >> 8;
    const char* magic = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        f[0x10 + i] = static_cast<uint8_t>(magic[i] ^ (sums[i] & 0xFF));
        f[0x14 + i] = static_cast<uint8_t>(magic[4 + i] ^ (sums[i] >> 8));
    }
    return f;
}

void ExpectProblem(const std::vector<uint8_t>& bytes, const std::string& what)
{
    std::vector<std::string> problems = FileProblems(bytes);
    bool found = false;
    for (const std::string& p : problems)
        found |= p.find(what) != std::string::npos;
    EXPECT_TRUE(found) << "expected a problem mentioning \"" << what << "\"";
}

}  // namespace

TEST(PuzCheck, TheSamplePuzzlePassesAndSurvivesARebuild)
{
    std::vector<uint8_t> bytes = FirstPuzzleOfPackThree();
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(FileProblems(bytes).empty());
    std::vector<std::string> ignored;
    EXPECT_EQ(Rebuild(bytes, ReadChecked(bytes, &ignored)), bytes);
}

TEST(PuzCheck, EachChecksumIsVerified)
{
    const std::vector<uint8_t> good = FirstPuzzleOfPackThree();
    ASSERT_FALSE(good.empty());
    const std::pair<size_t, const char*> cases[] = {{0x00, "global"},
                                                    {0x0E, "CIB"},
                                                    {0x10, "masked checksum 0"},
                                                    {0x11, "masked checksum 1"},
                                                    {0x12, "masked checksum 2"},
                                                    {0x17, "masked checksum 3"}};
    for (const auto& [offset, what] : cases) {
        std::vector<uint8_t> bad = good;
        bad[offset] ^= 0x01;
        ExpectProblem(bad, what);
    }
    // A changed clue letter breaks the text sums even though the header is untouched.
    std::vector<uint8_t> bad = good;
    bad[bad.size() - 3] ^= 0x20;
    ExpectProblem(bad, "global");
    ExpectProblem(bad, "masked checksum 3");
}

TEST(PuzCheck, FormatFaultsAreReported)
{
    const std::vector<uint8_t> good = FirstPuzzleOfPackThree();
    ASSERT_FALSE(good.empty());
    std::vector<uint8_t> bad = good;
    bad[0x18] = '1';
    bad[0x1A] = '2';
    ExpectProblem(bad, "version");
    bad = good;
    bad[0x34 + 225] = 'A';  // the fill grid must start empty
    ExpectProblem(bad, "fill grid");
    std::vector<std::string> ignored;
    CheckedPuzzle p = ReadChecked(good, &ignored);
    p.notes = "a note";
    ExpectProblem(Rebuild(good, p), "notes");
    bad = good;
    bad.push_back('x');  // a string after the notes
    ExpectProblem(bad, "without its NUL");
}

TEST(PuzCheck, GridFaultsAreReported)
{
    const std::vector<uint8_t> good = FirstPuzzleOfPackThree();
    ASSERT_FALSE(good.empty());
    std::vector<std::string> ignored;
    const CheckedPuzzle base = ReadChecked(good, &ignored);
    auto edit = [&](const std::function<void(std::string&)>& change) {
        CheckedPuzzle p = base;
        change(p.solution);
        p.words.clear();
        // Renumber through a round trip so the clue count follows the new grid.
        std::vector<uint8_t> bytes = Rebuild(good, p);
        CheckedPuzzle q = ReadChecked(bytes, &ignored);
        for (size_t i = 0; i < q.words.size(); ++i)
            q.words[i].clue = "clue " + std::to_string(i) + "x";
        q.title = base.title;
        q.author = base.author;
        q.copyright = base.copyright;
        return Rebuild(good, q);
    };
    // One square toggled without its mirror.
    ExpectProblem(edit([](std::string& s) { s[16] = s[16] == '.' ? 'A' : '.'; }), "symmetric");
    // A whole white row blacked out: the grid falls in two.
    ExpectProblem(edit([](std::string& s) {
                      for (int c = 0; c < 15; ++c)
                          s[7 * 15 + c] = '.';
                  }),
                  "not connected");
    // Blocks every third square of the top and bottom rows leave two-letter words.
    ExpectProblem(edit([](std::string& s) {
                      for (int c = 0; c < 15; ++c)
                          if (c % 3 == 2)
                              s[0 * 15 + c] = s[14 * 15 + 14 - c] = '.';
                  }),
                  "shorter than 3");
}

TEST(PuzCheck, PuzzleAndPackRuleFaultsAreReported)
{
    const std::vector<uint8_t> good = FirstPuzzleOfPackThree();
    ASSERT_FALSE(good.empty());
    std::vector<std::string> ignored;
    const CheckedPuzzle base = ReadChecked(good, &ignored);
    ASSERT_GE(base.words.size(), 3u);

    CheckedPuzzle p = base;
    p.words[1].clue = p.words[0].clue;
    ExpectProblem(Rebuild(good, p), "clue twice");
    p = base;
    p.words[0].clue = "Not quite " + base.words[2].answer;
    ExpectProblem(Rebuild(good, p), "names");
    std::string spaced;  // an answer spelled over several words still counts
    for (char ch : base.words[2].answer)
        spaced += std::string(1, ch) + " ";
    EXPECT_TRUE(ClueSpellsAnswer(spaced, base.words[2].answer));
    EXPECT_FALSE(ClueSpellsAnswer("x" + base.words[2].answer + "x", base.words[2].answer));

    // The same puzzle twice in a pack repeats every answer.
    std::vector<std::string> problems;
    CheckPackRepeats({base}, &problems);
    EXPECT_TRUE(problems.empty());
    CheckPackRepeats({base, base}, &problems);
    bool longRepeat = false;
    for (const std::string& msg : problems)
        longRepeat |= msg.find("used 2 times") != std::string::npos;
    EXPECT_TRUE(longRepeat);
}

namespace {

// A puzzle of named words only, for the content rules that read words and clues.
CheckedPuzzle Words(const std::vector<std::pair<std::string, std::string>>& answerClues)
{
    CheckedPuzzle p;
    p.copyright = "(c) 2026 Crossword project";
    for (const auto& [answer, clue] : answerClues)
        p.words.push_back({static_cast<int>(p.words.size()) + 1, false, answer, clue});
    return p;
}

bool Reports(const std::vector<std::string>& problems, const std::string& what)
{
    for (const std::string& p : problems)
        if (p.find(what) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST(PuzCheck, BlockedWordsAreCaughtInEveryFormAndOnlyAsWholeWords)
{
    BreakfastList list;
    list.forms = BlockedForms({"abortion", "rape", "lust", "seduce", "pee", "bra"}, {"mice"});
    const std::set<std::string>& blocked = list.forms;
    for (const char* form : {"abortion", "abortions", "rapes", "raped", "raping", "lusts", "lusted",
                             "seduced", "seducing", "mice", "peed", "bras"})
        EXPECT_TRUE(blocked.count(form)) << form;
    // Whole words only, and no stem cut for a suffix that is a word of its own.
    for (const char* harmless :
         {"grape", "draped", "parapet", "trapes", "illustrate", "rap", "pest", "per", "brad"})
        EXPECT_FALSE(blocked.count(harmless)) << harmless;

    std::vector<std::string> problems;
    CheckBlocked(Words({{"ABORTIONS", "Medical procedures"}}), list, &problems);
    EXPECT_TRUE(Reports(problems, "blocked answer ABORTIONS"));
    problems.clear();
    CheckBlocked(Words({{"ASSAULT", "Rape"}, {"GRAPES", "Draped vines"}}), list, &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Reports(problems, "\"rape\" in the clue of ASSAULT"));
}

TEST(PuzCheck, CluesMustBeKnownWordsSharingNoStemAndSayingSomething)
{
    const std::set<std::string> known = {
        "into",     "service", "young",     "kinds",   "of",        "bow",
        "suitcase", "capable", "enactment", "persons", "detective", "assignment",
        "up",       "to",      "the",       "task",    "sort",      "casually"};
    struct Case {
        const char* answer;
        const char* clue;
        const char* problem;
    };
    const Case cases[] = {
        {"PUT", "Putted into service", "unknown word form \"putted\""},
        {"LAMBS", "Young sheeps", "unknown word form \"sheeps\""},
        {"EVEN", "Levelest", "unknown word form \"levelest\""},
        {"CASE", "Suitcase", "shares a stem: \"suitcase\""},
        {"ABLE", "Capable", "shares a stem: \"capable\""},
        {"ACT", "Enactment", "shares a stem: \"enactment\""},
        {"CROSSBOWS", "Kinds of bow", "vague"},
        {"CROSSBOWS", "Kinds of bow", "shares a stem: \"bow\""},
        {"JEWELS", "Persons", "says nothing"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> problems;
        CheckClueForms(Words({{c.answer, c.clue}}), known, &problems);
        EXPECT_TRUE(Reports(problems, c.problem)) << c.answer << " / " << c.clue;
    }
    std::vector<std::string> problems;
    // "Sort of, casually" says how the answer is used, not "a sort of casually".
    CheckClueForms(Words({{"CASE", "Detective's assignment"},
                          {"ABLE", "Up to the task"},
                          {"KINDA", "Sort of, casually"}}),
                   known, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_FALSE(SharesStem("the", "theater"));
    EXPECT_FALSE(SharesStem("carpet", "care"));
}

TEST(PuzCheck, APuzzleNeedsThreeLivelyClues)
{
    // A blank, wordplay ending in a question mark and a quotation each count once.
    const std::vector<std::pair<std::string, std::string>> lively = {
        {"UPS", "___ and downs"},
        {"HIPS", "Hula movers?"},
        {"SHE", "\"___ sells seashells\""},
        {"TEA", "Brew"}};
    std::vector<std::string> problems;
    CheckLivelyClues(Words(lively), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    // A question mark inside the clue, a lone quote mark or a word to add is not wordplay
    // or a quotation.
    CheckLivelyClues(Words({{"UPS", "___ and downs"},
                            {"EH", "Eh? Say again"},
                            {"INCH", "Twelfth of a foot, or 1\""},
                            {"EKING", "Getting by, with \"out\""},
                            {"SHE", "\"___ sells seashells\""}}),
                     &problems);
    EXPECT_TRUE(Reports(problems, "only 2 lively clues"));
}

TEST(PuzCheck, FillRulesCatchUnfitAnswersAndShortGrids)
{
    const CheckedPuzzle good = Words({{"DESERTISLAND", "Castaway's home"},
                                      {"HORSERACES", "Derby and Preakness"},
                                      {"SET", "Put down"}});
    std::vector<std::string> problems;
    CheckFill(good, {"actas"}, "DESERTISLAND", &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();

    CheckedPuzzle bad = good;
    bad.words.push_back({4, true, "SETS", "Puts down"});
    bad.words.push_back({5, true, "ACTAS", "Serve"});
    CheckFill(bad, {"actas"}, "HORSERACES", &problems);
    EXPECT_TRUE(Reports(problems, "unfit answer ACTAS"));
    EXPECT_TRUE(Reports(problems, "HORSERACES is not in a longest slot"));

    problems.clear();
    CheckFill(Words({{"DESERTISLAND", "Castaway's home"}, {"ERA", "Age"}}), {}, "DESERTISLAND",
              &problems);
    EXPECT_TRUE(Reports(problems, "1 answers of ten letters or more"));

    const std::map<std::string, LexiconFacts> lex = {{"ACTAS", {35, "act_as", {}}},
                                                     {"GIVEUP", {20, "give_up", {}}}};
    problems.clear();
    CheckPartialPhrases(Words({{"ACTAS", "Serve"}, {"GIVEUP", "Quit"}}), lex, &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Reports(problems, "partial phrase ACTAS"));
}

TEST(PuzCheck, PackRulesCatchRepeatedShapesAndObscureFill)
{
    const std::vector<uint8_t> bytes = FirstPuzzleOfPackThree();
    ASSERT_FALSE(bytes.empty());
    std::vector<std::string> ignored;
    const CheckedPuzzle base = ReadChecked(bytes, &ignored);

    std::vector<std::string> problems;
    CheckShapes({base, base, base}, &problems);
    EXPECT_TRUE(problems.empty());
    CheckedPuzzle turned = base;  // the same shape turned a quarter: still the same shape
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 15; ++c)
            turned.solution[c * 15 + (14 - r)] = base.solution[r * 15 + c];
    EXPECT_EQ(BlockShape(turned.solution), BlockShape(base.solution));
    CheckShapes({base, base, base, turned}, &problems);
    EXPECT_TRUE(Reports(problems, "more than three times"));

    // One obscure answer in fifty slots is the most a pack may have; a name is not obscure.
    const std::map<std::string, LexiconFacts> lex = {{"ERA", {10, "era", {}}},
                                                     {"ECRU", {50, "ecru", {"Beige"}}},
                                                     {"CLEW", {50, "clew", {}}},
                                                     {"OSLO", {50, "oslo", {}, true}}};
    std::vector<CheckedPuzzle> pack(1, Words({{"CLEW", "Ball of yarn"}}));
    for (int i = 0; i < 49; ++i)
        pack[0].words.push_back({i + 2, false, i % 3 == 0 ? "OSLO" : i % 2 ? "ERA" : "ECRU", "x"});
    problems.clear();
    CheckObscureShare(pack, lex, {}, &problems);
    EXPECT_TRUE(problems.empty());
    pack[0].words.push_back({60, false, "NIMBI", "Rain clouds"});  // not in the lexicon
    CheckObscureShare(pack, lex, {}, &problems);
    EXPECT_TRUE(Reports(problems, "2 obscure answers in 51 slots"));
}

TEST(PuzCheck, CopyrightNamesTheProjectAndCreditsWordNetOnlyForItsClues)
{
    const std::map<std::string, LexiconFacts> lex = {{"ERA", {10, "era", {"Age"}}}};
    const std::map<std::string, std::set<std::string>> featured = {
        {"DESERTISLAND", {"Castaway's home"}}};
    CheckedPuzzle p = Words({{"ERA", "Age"}, {"DESERTISLAND", "Castaway's home"}});
    std::vector<std::string> problems;
    CheckCredit(p, lex, featured, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();

    p.words[0].clue = "Period of history";  // not a hand clue: it came from WordNet
    CheckCredit(p, lex, featured, &problems);
    EXPECT_TRUE(Reports(problems, "without its credit"));
    problems.clear();
    p.copyright = "(c) 2026 Crossword project. Some clues from WordNet 3.0 (c) 2006 Princeton";
    CheckCredit(p, lex, featured, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    p.copyright = "Clues from WordNet 3.0 (c) 2006 Princeton University";
    CheckCredit(p, lex, featured, &problems);
    EXPECT_TRUE(Reports(problems, "does not name the project"));
}
