// The entries a clue names: the cross-reference clues of the real-file corpus and the other
// shapes puzzles write them in, the look-alikes that name nothing, and every clue of the
// corpus, none of which may name an entry its puzzle does not have.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cross_references.h"
#include "oracle_json.h"
#include "real_puzzles.h"

namespace {

namespace fs = std::filesystem;

// "17A 23D" style, for readable failures.
std::string Found(const char* clue, int capacity = kMaxCrossReferences)
{
    CrossReference refs[kMaxCrossReferences];
    const int count = FindCrossReferences(clue, refs, capacity);
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i ? " " : "") + std::to_string(refs[i].number) +
                (refs[i].direction == kAcross ? "A" : "D");
    }
    return text;
}

struct Case {
    const char* clue;
    const char* names;
};

TEST(CrossReferences, CorpusCluesNameTheirEntriesInOrder)
{
    const Case kCases[] = {
        {"See 6-Down", "6D"},                                               // gaps
        {"11-Across, for example", "11A"},                                  // gaps
        {"See 6-Down and 1-, 9- and 11-Across", "6D 1A 9A 11A"},            // gaps
        {"See 1- and 9-Across", "1A 9A"},                                   // gaps
        {"See 1-, 8- and 12-Across and 6- and 7-Down", "1A 8A 12A 6D 7D"},  // gaps
        {"Units in 71-downs", "71D"},                                       // 075_WoodenIdols
        {"\"___ G in [59-down]\" (Sacha Baron Cohen bit)", "59D"},          // 075_WoodenIdols
        {"With 23-Down, TV host who wrote the autobiography \"Born a Crime\"", "23D"},  // 1287
        {"City 47 miles southwest of 45-Across", "45A"},                                // mgwcc647
        {"Command center? ... or where you might hear the starts of 17-, 28- and 49-Across",
         "17A 28A 49A"},                                                    // nyt_partlyfilled
        {"City where 32- and 12-Down is found", "32D 12D"},                 // nyt_rebus_with_notes
        {"With 12-Down, locale of the 4-Down", "12D 4D"},                   // nyt_rebus_with_notes
        {"Lead story in tomorrow's newspaper (!), with 43-Across", "43A"},  // nyt_nov0596
        // Clues that say "across" or "down" and name nothing.
        {"Rock band with the 1994 4x platinum album \"The Downward Spiral,\" for short", ""},
        {"How to quickly switch between Across and Down", ""},
        {"\"Don't Let Me Down\" lead singer, 1970", ""},
        {"Goes down", ""},
        {"Incremental expansion of a goal ... and what's depicted across four rows", ""},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(Found(c.clue), c.names) << c.clue;
}

TEST(CrossReferences, OtherShapesOfAListAndTheirLookAlikes)
{
    const Case kCases[] = {
        {"17-Across and 23-Down", "17A 23D"},
        {"17-Across/23-Down", "17A 23D"},
        {"See 17 Across", "17A"},
        {"SEE 17 DOWN", "17D"},
        {"17-, 23-, and 49-Across", "17A 23A 49A"},
        {"17- & 23-Down", "17D 23D"},
        {"17-/23-Across", "17A 23A"},
        {"17- or 23-Down", "17D 23D"},
        {"17\x96"
         "Across, in Windows-1252",
         "17A"},
        {"17\xE2\x80\x93"
         "Across, in UTF-8",
         "17A"},
        {"17-Across's partner", "17A"},
        {"Like 17-Across, but not 17-Across", "17A"},
        // A list broken before its direction names only what the direction follows.
        {"17- to 23-Down", "23D"},
        {"Pages 5- and 6-", ""},
        // Words that go on, years, lower case after a blank, numbers glued to letters.
        {"Feeling 1-Down-and-out", ""},
        {"5-Downtown", ""},
        {"Top 10 Downloads", ""},
        {"Count 10 down", ""},
        {"Released in 1999 Down Under", ""},
        {"1999-Across", ""},
        {"3D glasses, or 17A and 23D", ""},
        {"B52-Down", ""},
        {"0-Across", ""},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(Found(c.clue), c.names) << c.clue;
}

TEST(CrossReferences, StopsAtTheCapacityGiven)
{
    EXPECT_EQ(Found("1-, 2-, 3- and 4-Across", 2), "1A 2A");
    EXPECT_EQ(Found("1-, 2-, 3-, 4-, 5-, 6-, 7-, 8-, 9-, 10-, 11-, 12-, 13-, 14-, 15-, 16-, 17-, "
                    "18- and 19-Down")
                  .size(),
              std::string("1D 2D 3D 4D 5D 6D 7D 8D 9D 10D 11D 12D 13D 14D 15D 16D").size());
    EXPECT_EQ(Found(""), "");
}

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The oracle's clue as UTF-8, the bytes a version 2 file holds.
std::string Utf8(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

TEST(CrossReferences, NoCorpusClueNamesAnEntryItsPuzzleLacks)
{
    const fs::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int named = 0;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() != ".json")
            continue;
        Json oracle;
        ASSERT_TRUE(ParseJson(Slurp(item.path()), &oracle)) << item.path();
        std::set<std::pair<int, int>> entries;
        for (const Json& word : oracle["entries"].items)
            entries.insert({int(word["num"].number), word["dir"].text == u"D" ? kDown : kAcross});
        for (const Json& word : oracle["entries"].items) {
            const std::string clue = Utf8(word["clue"].text);
            CrossReference refs[kMaxCrossReferences];
            const int count = FindCrossReferences(clue.c_str(), refs, kMaxCrossReferences);
            for (int i = 0; i < count; ++i) {
                EXPECT_TRUE(entries.count({refs[i].number, refs[i].direction}))
                    << item.path().filename() << ": " << clue;
            }
            named += count;
        }
    }
    EXPECT_GT(named, 0);
}

}  // namespace
