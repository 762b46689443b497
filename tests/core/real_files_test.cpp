// Every real .puz file of the test corpus, read by the game's reader and compared with its
// oracle record: the size and every word's number, direction, first square, length, answer
// and clue. A file the game refuses must be listed below with its reason, so a new file in
// the corpus is covered without new code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "game_state.h"
#include "oracle_json.h"
#include "play_cursor.h"
#include "puzzle_load.h"
#include "puzzle_reader.h"
#include "puzzle_text.h"
#include "real_puzzles.h"

namespace {

namespace fs = std::filesystem;

const std::map<std::string, PuzzleRefusal> kExpectedRefusals = {
    {"ONE_bad.puz", kPuzzleNoMagic},  // a text file: no header at all
};

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The oracle decodes older files as Latin-1, the game as Windows-1252: map its 0x80-0x9F
// code points the game's way before comparing.
std::u16string AsGameSees(const std::u16string& oracle, bool latin1)
{
    std::u16string out = oracle;
    for (char16_t& c : out) {
        if (latin1 && c >= 0x80 && c <= 0x9F) {
            const char byte = char(c);
            MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1);
        }
    }
    return out;
}

std::u16string Widened(const char* text)
{
    static WCHAR out[kMaxPuzzleFile + 1];
    WidenPuzzleText(text, out, kMaxPuzzleFile + 1);
    return out;
}

const ClueEntry* FindWord(int number, bool down)
{
    const ClueEntry* table = down ? gGame.downClues : gGame.acrossClues;
    for (int i = 0; i < kMaxWords && table[i].clueIndex != -1; ++i) {
        if (table[i].number == number)
            return &table[i];
    }
    return nullptr;
}

void CheckAgainstOracle(const std::string& name, const Json& oracle)
{
    SCOPED_TRACE(name);
    ASSERT_EQ(gGame.width, int(oracle["width"].number));
    ASSERT_EQ(gGame.height, int(oracle["height"].number));
    const bool latin1 = oracle["details"]["text_encoding"].text != u"utf8";
    EXPECT_EQ(gGame.solutionState, oracle["details"]["scrambled"].boolean     ? kSolutionLocked
                                   : oracle["details"]["no_solution"].boolean ? kSolutionMissing
                                                                              : kSolutionOpen);
    const std::vector<Json>& words = oracle["entries"].items;
    ASSERT_EQ(gGame.clueCount, int(words.size()));
    int across = 0;
    int down = 0;
    for (const Json& word : words) {
        const int number = int(word["num"].number);
        const bool isDown = word["dir"].text == u"D";
        SCOPED_TRACE(testing::Message() << number << (isDown ? "D" : "A"));
        (isDown ? down : across)++;
        const ClueEntry* entry = FindWord(number, isDown);
        ASSERT_NE(entry, nullptr);
        const int cell = SquareNumbered(number);
        EXPECT_EQ(cell, int(word["cell"].number));
        EXPECT_EQ(entry->length, int(word["len"].number));
        std::string answer;
        for (int i = 0; i < entry->length; ++i)
            answer += gGame.solution[cell + i * (isDown ? gGame.width : 1)];
        EXPECT_EQ(Widened(answer.c_str()), AsGameSees(word["answer"].text, latin1));
        EXPECT_EQ(Widened(gGame.clueTexts[entry->clueIndex]),
                  AsGameSees(word["clue"].text, latin1));
    }
    EXPECT_EQ(gGame.acrossClues[across].clueIndex, -1);
    EXPECT_EQ(gGame.downClues[down].clueIndex, -1);
}

// A damaged size byte would read as another grid altogether; every real file sums its sizes
// right, so one byte changed among them is always told apart.
TEST(RealFiles, AnyChangeToTheHeadersSizesIsRefusedAsDamage)
{
    const fs::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int files = 0;
    for (const auto& item : fs::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (item.path().extension() != ".puz" || kExpectedRefusals.count(name))
            continue;
        const std::string bytes = Slurp(item.path());
        int header = 0;
        ASSERT_EQ(CheckPuzzleBytes(bytes.data(), int(bytes.size()), &header), kPuzzleAccepted)
            << name;
        for (int at = 0x2C; at < 0x34; ++at) {
            std::string damaged = bytes;
            damaged[size_t(header + at)] ^= 0x04;
            EXPECT_EQ(CheckPuzzleBytes(damaged.data(), int(damaged.size()), &header),
                      kPuzzleDamaged)
                << name << " at " << at;
        }
        ++files;
    }
    EXPECT_GE(files, 40);
}

TEST(RealFiles, EveryCorpusFileMatchesItsOracleOrIsRefusedForItsReason)
{
    const fs::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int read = 0;
    int refused = 0;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() != ".puz")
            continue;
        const std::string name = item.path().filename().string();
        Json oracle;
        ASSERT_TRUE(ParseJson(Slurp(fs::path(item.path()).replace_extension(".json")), &oracle))
            << name;
        const std::string bytes = Slurp(item.path());
        ResetGameState();
        const bool accepted = LoadPuzzleImage(bytes.data(), int(bytes.size()));
        const auto expected = kExpectedRefusals.find(name);
        if (expected != kExpectedRefusals.end()) {
            EXPECT_FALSE(accepted) << name;
            EXPECT_EQ(LastPuzzleRefusal(), expected->second) << name;
            EXPECT_TRUE(oracle.Has("error")) << name << ": the oracle reads it";
            ++refused;
            continue;
        }
        ASSERT_TRUE(accepted) << name << ": " << PuzzleRefusalText(LastPuzzleRefusal());
        ParsePuzzle();
        if (gGame.diagramless)
            PlaceSolutionBlocks();  // the oracle reads the grid the hidden blocks make
        CheckAgainstOracle(name, oracle);
        ++read;
    }
    EXPECT_EQ(refused, int(kExpectedRefusals.size()));
    EXPECT_GE(read, 40);
}

}  // namespace
