// The bank of filled grids: its entries read back as written, a malformed one is refused with
// its line, and every committed grid still holds its theme entries (or, a themeless, its
// featured answer within the themeless limits) and the grid rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "committed_inputs.h"
#include "editor_rules.h"
#include "grid_bank.h"
#include "packs.h"
#include "pattern.h"
#include "themes.h"

namespace {

std::string Write(const std::string& text)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("grid_bank_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ".txt");
    std::ofstream(path) << text;
    return path.string();
}

}  // namespace

TEST(GridBank, EntriesReadBackTheFirstOfAKeyWinsAndAMalformedOneNamesItsLine)
{
    std::string a(kCells, 'A'), b(kCells, 'B');
    a[0] = a[kCells - 1] = '#';
    const std::string path = Write("# banked\n" + BankEntry("three/hilo", a) +
                                   BankEntry("one/kitchen", b) + BankEntry("three/hilo", b));
    std::map<std::string, std::string> grids;
    std::string error;
    ASSERT_TRUE(LoadGridBank(path, &grids, &error)) << error;
    EXPECT_EQ(grids.size(), 2u);
    EXPECT_EQ(grids["three/hilo"], a);
    EXPECT_EQ(grids["one/kitchen"], b);

    std::string text = BankEntry("two/ice", a);
    text[text.find('\n') + 3] = 'a';  // a lower-case square in the first row
    std::map<std::string, std::string> none;
    EXPECT_FALSE(LoadGridBank(Write(text), &none, &error));
    EXPECT_NE(error.find(":2:"), std::string::npos) << error;
    EXPECT_FALSE(
        LoadGridBank(Write("grid three/hilo\n" + a.substr(0, kSide) + "\n"), &none, &error));
    EXPECT_TRUE(LoadGridBank(path + ".missing", &none, &error));
    EXPECT_TRUE(none.empty());
    std::remove(path.c_str());
}

TEST(GridBank, EveryCommittedGridHoldsItsPlantedAnswersAndKeepsTheGridRules)
{
    std::vector<ThemeSet> themes;
    std::vector<Featured> featured;
    std::map<std::string, std::string> grids;
    std::string error;
    ASSERT_TRUE(LoadThemes(SourceDir() / "tools/puzzlegen/themes.tsv", &themes, &error)) << error;
    ASSERT_TRUE(LoadFeatured(SourceDir() / "tools/puzzlegen/featured.tsv", &featured, &error))
        << error;
    ASSERT_TRUE(LoadGridBank(SourceDir() / "tools/puzzlegen/grids.txt", &grids, &error)) << error;
    EXPECT_FALSE(grids.empty());
    for (const auto& [key, cells] : grids) {
        SCOPED_TRACE(key);
        const auto row = std::find_if(featured.begin(), featured.end(), [&](const Featured& f) {
            return f.pack + "/" + f.name == key;
        });
        ASSERT_NE(row, featured.end()) << "no such puzzle";
        const auto theme = std::find_if(themes.begin(), themes.end(), [&](const ThemeSet& t) {
            return t.pack + "/" + t.name == key;
        });
        std::string blocks = cells;
        for (char& ch : blocks)
            ch = ch == '#' ? '#' : '.';
        EXPECT_EQ(PatternProblem(blocks), "");
        const std::vector<Slot> slots = FindSlots(cells);
        std::vector<std::string> across, all;
        for (const Slot& slot : slots) {
            all.push_back(SlotWord(cells, slot));
            if (!slot.down)
                across.push_back(all.back());
        }
        EXPECT_LE(slots.size(), static_cast<size_t>(kMaxWords));
        if (theme != themes.end()) {
            for (const std::string& entry : theme->answers)
                EXPECT_EQ(std::count(across.begin(), across.end(), entry), 1) << entry;
            continue;
        }
        // A themeless: its featured answer, and the themeless limits.
        EXPECT_EQ(std::count(all.begin(), all.end(), row->answer), 1) << row->answer;
        EXPECT_LE(slots.size(), static_cast<size_t>(kMaxThemelessWords));
        EXPECT_GE(SlotsOfAtLeast(slots, kThemelessLongLength), kMinThemelessLong);
    }
}
