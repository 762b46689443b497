// Every pack file opened the way the game opens it: copied onto the device, read with
// ReadPuzzleFile and parsed with ParsePuzzle. The game must see the same grid, the same
// words and, for every word, the clue the independent checker found for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game_state.h"
#include "puz_check.h"
#include "puzzle_reader.h"

namespace {

namespace fs = std::filesystem;

const char* const kPacks[6] = {"one", "two", "three", "four", "five", "six"};

std::u16string Widen(const std::string& s)
{
    return std::u16string(s.begin(), s.end());
}

}  // namespace

TEST(PackGameReader, TheGameReadsEveryPackFileAsTheCheckerDoes)
{
    const char* src = std::getenv("CROSSWORD_SOURCE_DIR");
    const char* root = std::getenv("CROSSWORD_DEVICE_ROOT");
    ASSERT_NE(root, nullptr);
    const fs::path packs = fs::path(src ? src : ".") / "resources/packs";
    int opened = 0;
    for (const char* pack : kPacks) {
        std::ifstream list(packs / pack / "pack.txt");
        fs::create_directories(fs::path(root) / pack);
        for (std::string name; std::getline(list, name);) {
            SCOPED_TRACE(std::string(pack) + "/" + name);
            fs::copy_file(packs / pack / name, fs::path(root) / pack / name,
                          fs::copy_options::overwrite_existing);
            std::ifstream in(packs / pack / name, std::ios::binary);
            std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
            std::vector<std::string> problems;
            const CheckedPuzzle expected = ReadChecked(bytes, &problems);

            const std::u16string path = Widen(std::string("\\") + pack + "\\" + name);
            ASSERT_TRUE(ReadPuzzleFile(reinterpret_cast<LPCWSTR>(path.c_str())))
                << PuzzleRefusalText(LastPuzzleRefusal());
            ParsePuzzle();
            ++opened;
            ASSERT_EQ(gGame.width, 15);
            ASSERT_EQ(gGame.height, 15);
            EXPECT_EQ(std::string(gGame.solution, 225), expected.solution);
            EXPECT_EQ(gGame.clueCount, static_cast<int>(expected.words.size()));
            EXPECT_STREQ(gGame.notes, "");
            EXPECT_EQ(std::string(gGame.headerLine),
                      expected.title + "\n" + expected.author + "\n" + expected.copyright);
            for (int i = 0; i < 225; ++i)
                EXPECT_EQ(gGame.entries[i], expected.solution[i] == '.' ? '.' : '-');
            size_t across = 0, down = 0;
            for (const CheckedWord& w : expected.words) {
                const ClueEntry& row =
                    w.down ? gGame.downClues[down++] : gGame.acrossClues[across++];
                EXPECT_EQ(row.number, w.number);
                EXPECT_EQ(row.length, static_cast<int>(w.answer.size()));
                ASSERT_GE(row.clueIndex, 0);
                EXPECT_STREQ(gGame.clueTexts[row.clueIndex], w.clue.c_str());
            }
            EXPECT_EQ(gGame.acrossClues[across].clueIndex, -1);
            EXPECT_EQ(gGame.downClues[down].clueIndex, -1);
        }
    }
    EXPECT_EQ(opened, 186);
}
