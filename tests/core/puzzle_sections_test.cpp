// The extra sections read on their own: the framing walk, and each section's limits, where a
// broken one is dropped whole and the others stay.
#include <string>

#include <gtest/gtest.h>

#include "game_state.h"
#include "play_time.h"
#include "puz_layout.h"
#include "puzzle_image.h"
#include "puzzle_sections.h"

namespace {

class PuzzleSections : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        gGame.width = 2;
        gGame.height = 2;
    }
    static void Read(const std::string& bytes)
    {
        ReadPuzzleSections(bytes.data(), bytes.data() + bytes.size(), false);
    }
    // The rebus texts of squares 0 to 3 as they play, "-" for a square without one.
    static std::string Rebuses()
    {
        std::string out;
        for (int i = 0; i < 4; ++i) {
            const int key = gGame.rebusKeys[i];
            out += key ? gGame.rebusTable[key - 1] : "-";
            out += ' ';
        }
        return out;
    }
};

const std::string kKeys("\x01\xFF\x02\0", 4);   // keys 0, 254 and 1; the last square none
const std::string kCircles("\x80\0\0\x80", 4);  // the first and the last square

TEST_F(PuzzleSections, TheWalkStopsAtBytesThatAreNoSection)
{
    const std::string bytes =
        Section("GEXT", "abcd") + Section("ZZZZ", "", false) + Section("LTIM", "5,0");
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    PuzzleSection found[4] = {};
    ASSERT_EQ(ScanPuzzleSections(begin, begin + bytes.size(), found, 4), 3);
    EXPECT_STREQ(found[1].name, "ZZZZ");
    EXPECT_EQ(found[0].size, 4);
    EXPECT_EQ(found[0].data, begin + puz::kSectionHeadSize);
    EXPECT_EQ(found[1].size, 0);
    EXPECT_TRUE(found[0].checksumOk);
    EXPECT_FALSE(found[1].checksumOk);

    const std::string trailing = bytes + "junk";  // fewer bytes than a section's head
    begin = reinterpret_cast<const unsigned char*>(trailing.data());
    EXPECT_EQ(ScanPuzzleSections(begin, begin + trailing.size(), found, 4), 3);
    EXPECT_EQ(ScanPuzzleSections(begin, begin + bytes.size() - 1, found, 4), 2);  // cut short
    PuzzleSection one[2] = {};
    EXPECT_EQ(ScanPuzzleSections(begin, begin + bytes.size(), one, 1), 3);  // counted, not kept
    EXPECT_STREQ(one[0].name, "GEXT");
    EXPECT_STREQ(one[1].name, "");
}

// Keys run 0 to 254 with texts of up to 16 letters; one entry out of shape drops the table,
// and a square whose key the table lacks plays as its letter alone.
TEST_F(PuzzleSections, TheRebusTableIsTakenWholeOrNotAtAll)
{
    Read(Section("GRBS", kKeys) + Section("RTBL", " 0:EAR;254:ABCDEFGHIJKLMNOP;"));
    EXPECT_EQ(Rebuses(), "EAR ABCDEFGHIJKLMNOP - - ");
    for (const char* table : {" 0:EAR;255:X;", " 0:EAR; 1:;", " 0:EAR; 1:AB", " 0:EAR;x:AB;",
                              " 0:EAR;1234:AB;", " 0:EAR; 1:ABCDEFGHIJKLMNOPQ;"}) {
        Read(Section("GRBS", kKeys) + Section("RTBL", table));
        EXPECT_EQ(Rebuses(), "- - - - ") << table;
    }
    // The first good table counts; a broken one leaves the place to the next.
    Read(Section("GRBS", kKeys) + Section("RTBL", " 0:BAD") + Section("RTBL", " 1:TWO;") +
         Section("RTBL", " 0:ONE;"));
    EXPECT_EQ(Rebuses(), "- - TWO - ");
}

TEST_F(PuzzleSections, TheTimerReadsSecondsAndAStateOrNothing)
{
    Read(Section("LTIM", "123456789,1"));
    EXPECT_EQ(ClockSeconds(), 123456789);
    EXPECT_TRUE(ClockStoppedInFile());
    for (const char* timer : {"1234567890,0", "5,2", ",0", "5,0x", "5;0", "5"}) {
        Read(Section("LTIM", timer));
        EXPECT_EQ(ClockSeconds(), 0) << timer;
        EXPECT_FALSE(ClockStoppedInFile()) << timer;
    }
}

// What one file's sections gave never outlives it: a file without sections, or a section
// that does not suit this grid, leaves nothing behind.
TEST_F(PuzzleSections, NothingOfTheLastFileStays)
{
    Read(Section("GEXT", kCircles) + Section("GRBS", kKeys) + Section("RTBL", " 0:EAR;") +
         Section("LTIM", "75,0"));
    ASSERT_EQ(gGame.squareFlags[0], 0x80);
    ASSERT_EQ(ClockSeconds(), 75);
    ReadPuzzleSections(nullptr, nullptr, false);
    EXPECT_EQ(gGame.squareFlags[0], 0);
    EXPECT_EQ(gGame.squareFlags[3], 0);
    EXPECT_EQ(Rebuses(), "- - - - ");
    EXPECT_EQ(gGame.rebusTable[0][0], 0);
    EXPECT_EQ(ClockSeconds(), 0);

    for (int width : {1, 3}) {  // the same sections, not one byte per square of this grid
        gGame.width = width;
        Read(Section("GEXT", kCircles) + Section("GRBS", kKeys) + Section("RTBL", " 0:EAR;"));
        EXPECT_EQ(gGame.squareFlags[0], 0) << width;
        EXPECT_EQ(gGame.rebusKeys[0], 0) << width;
    }
}

}  // namespace
