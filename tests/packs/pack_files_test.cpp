// The committed packs under resources/packs: every one of the 186 files is read with the
// independent checker and held to the format, grid, puzzle and pack rules, and the file
// lists to the names the installer's tables expect.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "puz_check.h"

extern const char* const kThreeNames[31];  // tests/packinstaller/ThreeNames.cpp

namespace {

namespace fs = std::filesystem;

const char* const kPacks[6] = {"one", "two", "three", "four", "five", "six"};
const char* const kFirstNames[6] = {"55.puz",    "scram.puz", "scoring.puz",
                                    "getit.puz", "score.puz", "gym.puz"};

fs::path SourceDir()
{
    const char* dir = std::getenv("CROSSWORD_SOURCE_DIR");
    return dir ? fs::path(dir) : fs::path(".");
}

std::vector<uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> PackList(const std::string& pack)
{
    std::ifstream in(SourceDir() / "resources/packs" / pack / "pack.txt");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        names.push_back(line);
    return names;
}

// The answers of the committed lexicon: a name "is a word" when the generator could have
// used it.
const std::set<std::string>& LexiconAnswers()
{
    static const std::set<std::string> answers = [] {
        std::set<std::string> out;
        std::ifstream in(SourceDir() / "tools/lexicon/lexicon.tsv");
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line[0] != '#')
                out.insert(line.substr(0, line.find('\t')));
        return out;
    }();
    return answers;
}

// "suit2.puz" -> "SUIT"; "55.puz" -> "".
std::string NameWord(const std::string& file)
{
    std::string w = file.substr(0, file.size() - 4);
    while (!w.empty() && std::isdigit(static_cast<unsigned char>(w.back())))
        w.pop_back();
    for (char& ch : w)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return w;
}

std::string Squeeze(const std::string& text)
{
    std::string out;
    for (char ch : text)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

struct LoadedPack {
    std::vector<std::string> names;
    std::vector<CheckedPuzzle> puzzles;
    std::vector<size_t> sizes;
};

const std::vector<LoadedPack>& AllPacks()
{
    static const std::vector<LoadedPack> packs = [] {
        std::vector<LoadedPack> out;
        for (const char* pack : kPacks) {
            LoadedPack loaded;
            loaded.names = PackList(pack);
            for (const std::string& name : loaded.names) {
                std::vector<uint8_t> bytes =
                    ReadBytes(SourceDir() / "resources/packs" / pack / name);
                std::vector<std::string> ignored;
                loaded.puzzles.push_back(ReadChecked(bytes, &ignored));
                loaded.sizes.push_back(bytes.size());
            }
            out.push_back(loaded);
        }
        return out;
    }();
    return packs;
}

std::string Join(const std::vector<std::string>& problems)
{
    std::string out;
    for (const std::string& p : problems)
        out += "\n  " + p;
    return out;
}

}  // namespace

TEST(PackFiles, ListsHold31DistinctShortNamesWithTheAgreedFirstRow)
{
    for (int p = 0; p < 6; ++p) {
        SCOPED_TRACE(kPacks[p]);
        std::vector<std::string> names = PackList(kPacks[p]);
        ASSERT_EQ(names.size(), 31u);
        EXPECT_EQ(names[0], kFirstNames[p]);
        std::set<std::string> distinct(names.begin(), names.end());
        EXPECT_EQ(distinct.size(), 31u);
        std::set<std::string> onDisk;
        for (const auto& entry :
             fs::directory_iterator(SourceDir() / "resources/packs" / kPacks[p]))
            if (entry.path().extension() == ".puz")
                onDisk.insert(entry.path().filename().string());
        EXPECT_EQ(onDisk, distinct) << "pack.txt and the .puz files differ";
        for (const std::string& name : names) {
            ASSERT_GT(name.size(), 4u);
            EXPECT_EQ(name.substr(name.size() - 4), ".puz");
            EXPECT_LE(name.size() - 4, 8u) << name;
            for (char ch : name)
                EXPECT_TRUE(std::islower(static_cast<unsigned char>(ch)) ||
                            std::isdigit(static_cast<unsigned char>(ch)) || ch == '.')
                    << name;
        }
    }
}

TEST(PackFiles, PackThreeIsExactlyItsAgreedList)
{
    std::vector<std::string> names = PackList("three");
    ASSERT_EQ(names.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(names[i], kThreeNames[i]) << "row " << i;
}

TEST(PackFiles, NoFileNameIsSharedBetweenPacks)
{
    // Installing two packs into the game's one puzzle folder must not overwrite anything.
    std::map<std::string, std::string> owner;
    for (int p = 0; p < 6; ++p)
        for (const std::string& name : PackList(kPacks[p])) {
            auto [it, fresh] = owner.emplace(name, kPacks[p]);
            EXPECT_TRUE(fresh) << name << " in " << it->second << " and " << kPacks[p];
        }
}

TEST(PackFiles, EveryFileReadsWithCorrectChecksumsAndStrings)
{
    for (int p = 0; p < 6; ++p) {
        for (const std::string& name : PackList(kPacks[p])) {
            SCOPED_TRACE(std::string(kPacks[p]) + "/" + name);
            std::vector<uint8_t> bytes =
                ReadBytes(SourceDir() / "resources/packs" / kPacks[p] / name);
            std::vector<std::string> problems;
            CheckedPuzzle puzzle = ReadChecked(bytes, &problems);
            EXPECT_TRUE(problems.empty()) << Join(problems);
            // 502 bytes of header and grids, three credits, 76 to 82 clues of 4 to 35
            // characters: a file outside this range lost or doubled a part.
            EXPECT_GE(bytes.size(), 1200u);
            EXPECT_LE(bytes.size(), 2300u);
            EXPECT_NE(puzzle.copyright.find("WordNet"), std::string::npos);
            EXPECT_NE(puzzle.author.find("Brambleset"), std::string::npos);
        }
    }
}

TEST(PackFiles, EveryGridMeetsTheGridRules)
{
    for (int p = 0; p < 6; ++p) {
        const LoadedPack& pack = AllPacks()[p];
        for (size_t i = 0; i < pack.puzzles.size(); ++i) {
            std::vector<std::string> problems;
            CheckGrid(pack.puzzles[i], &problems);
            EXPECT_TRUE(problems.empty()) << kPacks[p] << "/" << pack.names[i] << Join(problems);
        }
    }
}

TEST(PackFiles, EveryPuzzleHasDistinctAnswersAndCluesThatNameNoAnswer)
{
    for (int p = 0; p < 6; ++p) {
        const LoadedPack& pack = AllPacks()[p];
        for (size_t i = 0; i < pack.puzzles.size(); ++i) {
            std::vector<std::string> problems;
            CheckPuzzleWords(pack.puzzles[i], &problems);
            EXPECT_TRUE(problems.empty()) << kPacks[p] << "/" << pack.names[i] << Join(problems);
        }
    }
}

TEST(PackFiles, PacksKeepTheRepeatLimitsAndNoGridRepeatsAnywhere)
{
    std::set<std::string> grids;
    for (int p = 0; p < 6; ++p) {
        const LoadedPack& pack = AllPacks()[p];
        std::vector<std::string> problems;
        CheckPackRepeats(pack.puzzles, &problems);
        EXPECT_TRUE(problems.empty()) << kPacks[p] << Join(problems);
        for (const CheckedPuzzle& puzzle : pack.puzzles)
            EXPECT_TRUE(grids.insert(puzzle.solution).second) << "a grid repeats in " << kPacks[p];
    }
}

TEST(PackFiles, TitlesNameThePuzzleAndTheNameWordIsAnEntry)
{
    ASSERT_FALSE(LexiconAnswers().empty());
    for (int p = 0; p < 6; ++p) {
        const LoadedPack& pack = AllPacks()[p];
        for (size_t i = 0; i < pack.puzzles.size(); ++i) {
            const std::string& name = pack.names[i];
            const CheckedPuzzle& puzzle = pack.puzzles[i];
            SCOPED_TRACE(std::string(kPacks[p]) + "/" + name);
            EXPECT_EQ(Squeeze(puzzle.title), name.substr(0, name.size() - 4));
            std::string word = NameWord(name);
            if (word.size() < 3 || !LexiconAnswers().count(word))
                continue;
            bool featured = false;
            for (const CheckedWord& w : puzzle.words)
                featured |= w.answer == word;
            EXPECT_TRUE(featured) << word << " is a word but not an entry";
        }
    }
}
