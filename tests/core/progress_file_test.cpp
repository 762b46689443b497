// Progress records: the byte layout, the round trip, untrusted records and the atomic
// replacement of the file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "automation.h"
#include "device_files.h"
#include "game_state.h"
#include "progress_file.h"
#include "progress_tail.h"
#include "puzzle_image.h"
#include "puzzle_load.h"
#include "puzzle_reader.h"

namespace {

class ProgressFile : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        gGame.width = gGame.height = 15;
        for (int i = 0; i < 225; ++i)
            gGame.entries[i] = i % 7 == 0 ? '.' : char('A' + i % 26);
    }
    RestoredPlay play = {};  // what the last record read brought back
};

// A 19-character path, 15 x 15, Small, auto skip off, numbers on, white on black.
TEST_F(ProgressFile, RecordLayoutByteForByte)
{
    lstrcpyW(gGame.puzzlePath, u"\\My Documents\\a.puz");
    ASSERT_EQ(lstrlenW(gGame.puzzlePath), 19);
    gGame.settings.showNumbers = 1;
    WriteProgressFile(u"\\crossword.dat");
    const std::string r = ReadDeviceFile(u"\\crossword.dat");
    ASSERT_EQ(r.size(), 4096u);

    std::string expected(4096, '\0');
    expected.replace(0, 19, "\\My Documents\\a.puz");
    expected.replace(20, 2, "15");
    expected.replace(23, 2, "15");
    expected.replace(26, 225, std::string(gGame.entries, 225));
    expected[252] = '0';
    expected[254] = '0';
    expected[256] = '1';
    expected.replace(258, 3, "255");
    expected.replace(262, 3, "255");
    expected.replace(266, 3, "255");
    expected[270] = expected[274] = expected[278] = '0';
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(int(static_cast<unsigned char>(r[i])),
                  int(static_cast<unsigned char>(expected[i])))
            << "byte " << i;
}

TEST_F(ProgressFile, SingleDigitSizeLeavesItsThirdByteZero)
{
    lstrcpyW(gGame.puzzlePath, u"\\p.puz");
    gGame.width = gGame.height = 9;
    unsigned char r[kProgressRecordSize];
    std::memset(r, 0xAA, sizeof r);
    BuildProgressRecord(r);
    EXPECT_EQ(r[7], '9');
    EXPECT_EQ(r[8], 0);
    EXPECT_EQ(r[9], 0);
    EXPECT_EQ(r[10], '9');
    EXPECT_EQ(r[11], 0);
    EXPECT_EQ(r[4095], 0);
}

TEST_F(ProgressFile, WriteThenReadRestoresEverything)
{
    lstrcpyW(gGame.puzzlePath, u"\\My Documents\\Fennimoor\\caf\u00E9 \u20AC.puz");
    SetMagnification(&gGame.settings, kLarge);
    gGame.settings.autoSkip = 1;
    gGame.settings.showNumbers = 1;
    gGame.settings.squareColour = RGB(1, 2, 3);
    gGame.settings.backgroundColour = RGB(250, 128, 7);
    const std::string entries(gGame.entries, 225);
    WriteProgressFile(u"\\My Documents\\x.dat");

    ResetGameState();
    ASSERT_TRUE(ReadProgressFile(u"\\MY DOCUMENTS\\X.DAT", &play));
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Fennimoor\\caf\u00E9 \u20AC.puz");
    EXPECT_EQ(std::string(play.entries, 225), entries);
    EXPECT_EQ(play.width, 15);
    EXPECT_EQ(play.height, 15);
    EXPECT_EQ(MagnificationIndex(gGame.settings), kLarge);
    EXPECT_EQ(gGame.settings.magnification[kSmall], 0);
    EXPECT_EQ(gGame.settings.autoSkip, 1);
    EXPECT_EQ(gGame.settings.showNumbers, 1);
    EXPECT_EQ(gGame.settings.squareColour, RGB(1, 2, 3));
    EXPECT_EQ(gGame.settings.backgroundColour, RGB(250, 128, 7));
}

TEST_F(ProgressFile, OutOfRangeSettingsLeaveTheCurrentOnes)
{
    unsigned char r[kProgressRecordSize];
    gGame.width = gGame.height = 2;
    lstrcpyW(gGame.puzzlePath, u"\\p.puz");
    BuildProgressRecord(r);
    const int settings = 7 + 6 + 4 + 1;       // path, sizes, entries, unused byte
    r[settings] = '3';                        // magnification 3
    r[settings + 2] = '2';                    // auto skip 2
    std::memcpy(r + settings + 6, "300", 3);  // background red 300
    SetMagnification(&gGame.settings, kMedium);
    gGame.settings.autoSkip = 1;
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    EXPECT_EQ(MagnificationIndex(gGame.settings), kMedium);
    EXPECT_EQ(gGame.settings.autoSkip, 1);
    EXPECT_EQ(GetRValue(gGame.settings.backgroundColour), 44);
}

TEST_F(ProgressFile, UntrustedRecordsChangeNothing)
{
    lstrcpyW(gGame.puzzlePath, u"\\p.puz");
    gGame.width = gGame.height = 2;
    unsigned char good[kProgressRecordSize];
    BuildProgressRecord(good);
    struct Case {
        const char* name;
        int offset;
        const char* bytes;
        int count;
    };
    const Case cases[] = {
        {"height 0", 7, "0\0", 2},    {"width 100", 10, "100", 3}, {"height a1", 7, "a1\0", 3},
        {"empty width", 10, "\0", 1}, {"height 4x", 7, "4x\0", 3},
    };
    for (const Case& c : cases) {
        unsigned char r[kProgressRecordSize];
        std::memcpy(r, good, sizeof r);
        std::memcpy(r + c.offset, c.bytes, size_t(c.count));
        lstrcpyW(gGame.puzzlePath, u"\\keep.puz");
        EXPECT_FALSE(ApplyProgressRecord(r, kProgressRecordSize, &play)) << c.name;
        EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\keep.puz") << c.name;
    }
    // 41 x 40 squares, each size valid alone.
    unsigned char big[kProgressRecordSize] = {};
    std::memcpy(big,
                "p\0"
                "41\0"
                "40\0",
                8);
    EXPECT_FALSE(ApplyProgressRecord(big, kProgressRecordSize, &play));
    // A path without its NUL in the first 260 bytes.
    unsigned char longPath[kProgressRecordSize];
    std::memset(longPath, 'a', sizeof longPath);
    EXPECT_FALSE(ApplyProgressRecord(longPath, kProgressRecordSize, &play));
    // Through the file as well.
    ASSERT_TRUE(
        WriteDeviceFile(u"\\bad.dat", std::string(reinterpret_cast<char*>(longPath), 4096)));
    EXPECT_FALSE(ReadProgressFile(u"\\bad.dat", &play));
    EXPECT_FALSE(ReadProgressFile(u"\\missing.dat", &play));
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\keep.puz");
}

TEST_F(ProgressFile, AFailedWriteKeepsTheOldRecord)
{
    lstrcpyW(gGame.puzzlePath, u"\\old.puz");
    WriteProgressFile(u"\\Temp\\p.dat");
    const std::string old = ReadDeviceFile(u"\\Temp\\p.dat");
    ASSERT_EQ(old.size(), 4096u);
    // The disk fails the flush of the next write.
    AutomationFailFlushes(true);
    lstrcpyW(gGame.puzzlePath, u"\\new.puz");
    WriteProgressFile(u"\\Temp\\p.dat");
    AutomationFailFlushes(false);
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\p.dat"), old);
    // No temporary file is left behind.
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(u"\\Temp\\*", &found);
    int files = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        ++files;
    FindClose(search);
    EXPECT_EQ(files, 1);
    WriteProgressFile(u"\\Temp\\p.dat");
    EXPECT_EQ(ReadDeviceFile(u"\\Temp\\p.dat").substr(0, 8), std::string("\\new.puz"));
}

// Fill puts solution bytes that are not letters into the entries ('1', '@', ' ' in real
// files); they come back like letters. Any other odd byte empties its own square only.
TEST_F(ProgressFile, RestoredEntriesSurviveTheParseOfTheirPuzzle)
{
    PuzzleImage p = MakePuzzle({"A1.", "@ E"});
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    // A typed symbol stays although it is wrong; a control code nobody can type goes.
    std::memcpy(gGame.entries, "X#.@ \x07", 6);
    WriteProgressFile(u"\\p.dat");
    ResetGameState();
    ASSERT_TRUE(ReadProgressFile(u"\\p.dat", &play));
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(std::string(gGame.entries, 6), "X#.@ -");
}

// A path outside the ANSI code page travels in the record's tail as UTF-8; the field keeps
// its "?" form for readers of the layout alone, and a tail that no longer matches the field
// (a foreign writer changed the path) is not believed.
TEST_F(ProgressFile, APathOutsideTheCodePageRoundTrips)
{
    lstrcpyW(gGame.puzzlePath, u"\\My Documents\\Zo\u00EB \u017Curaw.puz");
    unsigned char r[kProgressRecordSize];
    BuildProgressRecord(r);
    EXPECT_STREQ(reinterpret_cast<const char*>(r), "\\My Documents\\Zo\xEB ?uraw.puz");
    ResetGameState();
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Zo\u00EB \u017Curaw.puz");

    r[14] = 'X';
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    EXPECT_EQ(std::u16string(gGame.puzzlePath), u"\\My Documents\\Xo\u00EB ?uraw.puz");
}

// Rebus squares and an unlock key live in the record's tail: every field of the fixed layout
// stays byte for byte where a reader of that layout looks, and the extras come back.
TEST_F(ProgressFile, ExtrasInTheTailLeaveTheLayoutAsItWas)
{
    lstrcpyW(gGame.puzzlePath, u"\\My Documents\\a.puz");
    unsigned char plain[kProgressRecordSize];
    BuildProgressRecord(plain);
    std::strcpy(gGame.playerRebus[3], "STAR");
    std::strcpy(gGame.playerRebus[224], "ABCDEFGH");
    gGame.unlockKey = 7844;
    unsigned char extras[kProgressRecordSize];
    BuildProgressRecord(extras);
    EXPECT_EQ(std::memcmp(plain, extras, kProgressTailOffset), 0);
    EXPECT_NE(std::memcmp(plain, extras, kProgressRecordSize), 0);

    ResetGameState();
    ASSERT_TRUE(ApplyProgressRecord(extras, kProgressRecordSize, &play));
    EXPECT_STREQ(play.playerRebus[3], "STAR");
    EXPECT_STREQ(play.playerRebus[224], "ABCDEFGH");
    EXPECT_EQ(play.playerRebus[4][0], 0);
    EXPECT_EQ(play.unlockKey, 7844);
    // A record without extras clears what the last one brought.
    ASSERT_TRUE(ApplyProgressRecord(plain, kProgressRecordSize, &play));
    EXPECT_EQ(play.playerRebus[3][0], 0);
    EXPECT_EQ(play.unlockKey, -1);
}

}  // namespace

// The cursor travels in the tail: it comes back on its open square with its direction; a
// record from before it was kept, or one naming a square that is black, opens at the first
// square.
TEST_F(ProgressFile, TheCursorComesBackOnAnOpenSquareOnly)
{
    PuzzleImage p = MakePuzzle({"AB.", "CDE", ".FG"});
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    gGame.cursorRow = 2;
    gGame.cursorCol = 1;
    gGame.direction = kDown;
    unsigned char r[kProgressRecordSize];
    BuildProgressRecord(r);
    ResetGameState();
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(gGame.cursorRow, 2);
    EXPECT_EQ(gGame.cursorCol, 1);
    EXPECT_EQ(gGame.direction, kDown);

    int size = 0;
    auto* cursor = const_cast<unsigned char*>(FindProgressTailItem(r, kTailCursor, &size));
    ASSERT_NE(cursor, nullptr);
    ASSERT_EQ(size, 3);
    cursor[1] = 0;  // (2, 0) is black
    ResetGameState();
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);

    cursor[-3] = 99;  // an item of another kind: the record kept no cursor
    ResetGameState();
    ASSERT_TRUE(ApplyProgressRecord(r, kProgressRecordSize, &play));
    EXPECT_EQ(play.cursorRow, -1);
    gGame.direction = kDown;  // as the puzzle left before had it
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(gGame.cursorRow, 0);
    EXPECT_EQ(gGame.cursorCol, 0);
    EXPECT_EQ(gGame.direction, kDown);
}
