// The .puz reader: numbering, clue assignment, restored entries, the strings, and the files the
// game refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "automation.h"
#include "game_state.h"
#include "play_time.h"
#include "puzzle_image.h"
#include "puzzle_load.h"
#include "puzzle_reader.h"
#include "puzzle_text.h"

namespace {

class PuzzleReader : public testing::Test {
  protected:
    void SetUp() override
    {
        ResetGameState();
        AutomationReset();
    }
};

// 5 x 5 with a black square in each corner but the top-left.
PuzzleImage Corners()
{
    PuzzleImage p = MakePuzzle({"AAAA.", "AAAAA", "AAAAA", "AAAAA", ".AAAA"});
    AddClues(&p);
    return p;
}

int OpenSquares()
{
    int n = 0;
    for (int i = 0; i < gGame.width * gGame.height; ++i)
        n += gGame.solution[i] != '.';
    return n;
}

int TotalLength(const ClueEntry* table)
{
    int sum = 0;
    for (int i = 0; i < kMaxWords && table[i].clueIndex != -1; ++i) {
        EXPECT_GE(table[i].length, 2) << "row " << i;
        sum += table[i].length;
    }
    return sum;
}

int Rows(const ClueEntry* table)
{
    int n = 0;
    while (n < kMaxWords && table[n].clueIndex != -1)
        ++n;
    return n;
}

TEST_F(PuzzleReader, TopLeftStartsBothWordsAndCluesFollowFileOrder)
{
    PuzzleImage p = MakePuzzle({"AB.C", "DEFG", "H.IJ"});
    p.clues = {"1a", "1d", "2d", "3d", "4a", "5d", "6a"};
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.cells[0].acrossClue, 0);
    EXPECT_EQ(gGame.cells[0].downClue, 1);
    EXPECT_EQ(gGame.cells[0].number, 1);
    EXPECT_EQ(gGame.acrossClues[0].clueIndex, 0);
    EXPECT_EQ(gGame.acrossClues[0].number, 1);
    EXPECT_EQ(gGame.acrossClues[0].length, 2);
    EXPECT_EQ(gGame.downClues[0].clueIndex, 1);
    EXPECT_EQ(gGame.downClues[0].length, 3);
    // The next numbered square starts only a down word: number 2, clue index 2.
    EXPECT_EQ(gGame.cells[1].number, 2);
    EXPECT_EQ(gGame.cells[1].downClue, 2);
    EXPECT_EQ(gGame.cells[1].acrossClue, 0);
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[1].downClue], "2d");
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[4].acrossClue], "4a");  // row 1 across
    EXPECT_EQ(gGame.cells[4].number, 4);
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[10].acrossClue], "6a");
    EXPECT_EQ(gGame.cells[2].number, -1);  // black
    EXPECT_EQ(gGame.cells[2].acrossClue, -1);
    EXPECT_EQ(gGame.solution[2], '.');
    EXPECT_EQ(gGame.entries[2], '.');
    EXPECT_EQ(gGame.clueCount, 7);
    EXPECT_TRUE(AutomationMessageBoxes().empty());
}

TEST_F(PuzzleReader, LengthsCoverEveryOpenSquareOnceEachWay)
{
    ASSERT_TRUE(LoadAndParse(Bytes(Corners())));
    EXPECT_EQ(TotalLength(gGame.acrossClues), OpenSquares());
    EXPECT_EQ(TotalLength(gGame.downClues), OpenSquares());
    EXPECT_EQ(Rows(gGame.acrossClues) + Rows(gGame.downClues), gGame.clueCount);
}

TEST_F(PuzzleReader, SmallerPuzzleAfterLargerLeavesNoStaleCells)
{
    PuzzleImage big = MakePuzzle(std::vector<std::string>(21, std::string(21, 'A')));
    AddClues(&big);
    ASSERT_TRUE(LoadAndParse(Bytes(big)));
    ASSERT_TRUE(LoadAndParse(Bytes(Corners())));
    for (int i = 25; i < kMaxCells; ++i)
        ASSERT_EQ(gGame.cells[i].acrossClue, -1) << i;
    EXPECT_EQ(gGame.acrossClues[5].clueIndex, -1);
    EXPECT_EQ(gGame.downClues[5].clueIndex, -1);
}

TEST_F(PuzzleReader, RestoredEntriesThatDoNotFitThePuzzleAreReplaced)
{
    PuzzleImage p = MakePuzzle({"AB.", "CDE"});
    AddClues(&p);
    RestoredPlay play = PlayOf("XYZXYZ", 3, 2);  // a letter where the puzzle is black
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(std::string(gGame.entries, 6), "--.---");

    play = PlayOf("XY.ZZZ", 2, 3);  // right letters, saved for another size
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(std::string(gGame.entries, 6), "--.---");

    play = PlayOf("XY.Z-Z", 3, 2);
    ASSERT_TRUE(LoadAndParse(Bytes(p), &play));
    EXPECT_EQ(std::string(gGame.entries, 6), "XY.Z-Z");
}

TEST_F(PuzzleReader, NotesBecomeOneExtraClueNoWordUses)
{
    PuzzleImage p = Corners();
    p.notes = "A note";
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    const int words = int(p.clues.size());
    EXPECT_EQ(gGame.clueCount, words);
    EXPECT_STREQ(gGame.clueTexts[words], "A note");
    EXPECT_STREQ(gGame.notes, "A note");
    for (int i = 0; i < 25; ++i) {
        EXPECT_LT(gGame.cells[i].acrossClue, words);
        EXPECT_LT(gGame.cells[i].downClue, words);
    }
}

TEST_F(PuzzleReader, EmptyCluesAreStillCluesAndTheNextStringIsTheNotes)
{
    PuzzleImage p = MakePuzzle({"AB", "CD"});
    p.clues = {"1a", "", "2d", "3a"};
    p.notes = "notes";
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_STREQ(gGame.clueTexts[1], "");
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[1].downClue], "2d");
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[2].acrossClue], "3a");
    EXPECT_STREQ(gGame.notes, "notes");
}

TEST_F(PuzzleReader, ZeroSideGivesAnEmptyFifteenGridWithoutMessage)
{
    ASSERT_TRUE(LoadAndParse(Bytes(Corners())));
    PuzzleImage p = MakePuzzle({});
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.width, 15);
    EXPECT_EQ(gGame.height, 15);
    EXPECT_EQ(gGame.acrossClues[0].clueIndex, -1);
    EXPECT_EQ(gGame.downClues[0].clueIndex, -1);
    for (int i = 0; i < kMaxCells; ++i)
        ASSERT_EQ(gGame.cells[i].number, -1);
    EXPECT_TRUE(AutomationMessageBoxes().empty());
}

// Each section stands or falls on its own: a wrong checksum or a wrong size drops that one,
// a section of unknown name is stepped over, and the puzzle itself always reads.
TEST_F(PuzzleReader, ExtraSectionsAreKeptOneByOne)
{
    PuzzleImage p = MakePuzzle({"AB", "CD"});
    AddClues(&p);
    const std::string circles("\x80\0\0\x80", 4);
    const std::string rebus("\0\x03\0\0", 4);
    p.sections = Section("GEXT", circles) + Section("ABCD", "skip me") + Section("GRBS", rebus) +
                 Section("RTBL", " 2:BEE;") + Section("LTIM", "75,1");
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(gGame.squareFlags), 4), circles);
    EXPECT_EQ(gGame.rebusKeys[1], 3);
    EXPECT_STREQ(gGame.rebusTable[2], "BEE");
    EXPECT_EQ(ClockSeconds(), 75);
    EXPECT_TRUE(ClockStoppedInFile());

    p.sections = Section("GEXT", circles, false) + Section("GRBS", rebus + "x") +
                 Section("RTBL", " 2:SEVENTEEN LETTERS;") + Section("LTIM", "75") +
                 Section("GEXT", circles);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.squareFlags[0], 0x80);  // the second GEXT, whose checksum is right
    EXPECT_EQ(gGame.rebusKeys[1], 0);
    EXPECT_EQ(gGame.rebusTable[2][0], 0);
    EXPECT_EQ(ClockSeconds(), 0);
    EXPECT_EQ(gGame.width, 2);

    // A section cut short by the end of the file is not one.
    std::string cut = Bytes(p);
    cut.resize(cut.size() - 3);
    ASSERT_TRUE(LoadAndParse(cut));
    EXPECT_EQ(gGame.squareFlags[0], 0);
}

TEST_F(PuzzleReader, EmptyHeaderStringsAreStillConsumed)
{
    PuzzleImage p = MakePuzzle({"AB", "CD"});
    p.title = p.author = p.copyright = "";
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_STREQ(gGame.headerLine, "\n\n");
    EXPECT_STREQ(gGame.clueTexts[0], "c0");
}

TEST_F(PuzzleReader, HeaderLineIsCutToItsCapacity)
{
    PuzzleImage p = MakePuzzle({"AB", "CD"});
    p.title = std::string(300, 'T');
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(std::strlen(gGame.headerLine), size_t(kHeaderLineSize - 1));
    EXPECT_STREQ(gGame.clueTexts[0], "c0");
}

// A lone top-left square (black to its right and below) starts no word: it must not take a
// clue and shift every later one.
TEST_F(PuzzleReader, LoneTopLeftSquareStartsNoWord)
{
    PuzzleImage p = MakePuzzle({"A.AA", "..AA"});
    AddClues(&p);
    ASSERT_EQ(p.clues.size(), 4u);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.cells[0].number, -1);
    EXPECT_EQ(gGame.cells[0].downClue, -1);
    EXPECT_EQ(gGame.cells[2].number, 1);
    EXPECT_EQ(gGame.cells[2].acrossClue, 0);
    EXPECT_STREQ(gGame.clueTexts[gGame.cells[2].downClue], "c1");
}

TEST_F(PuzzleReader, RectangularGridsTakeTheirHeight)
{
    PuzzleImage p = MakePuzzle({"ABC", "DEF"});
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.width, 3);
    EXPECT_EQ(gGame.height, 2);
    EXPECT_EQ(gGame.downClues[2].length, 2);
    EXPECT_EQ(gGame.acrossClues[1].length, 3);
}

TEST_F(PuzzleReader, HeaderIsFoundAfterLeadingBytes)
{
    PuzzleImage p = Corners();
    p.prefix = "junk.puz\r\n...";
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.headerOffset, 13);
    EXPECT_EQ(gGame.width, 5);
    EXPECT_STREQ(gGame.clueTexts[0], "c0");
    EXPECT_EQ(std::string(gGame.headerLine), "Title\nAuthor\n(c)");
}

TEST_F(PuzzleReader, DiagramlessBlackSquaresArePlayedAsBlack)
{
    PuzzleImage p = MakePuzzle({"AB:", "CDE"});
    AddClues(&p);
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.solution[2], '.');
    EXPECT_EQ(gGame.entries[2], '.');
    EXPECT_EQ(gGame.cells[2].number, -1);
    EXPECT_EQ(gGame.clueCount, int(p.clues.size()));
}

TEST_F(PuzzleReader, TextIsWidenedByTheFileVersion)
{
    PuzzleImage p = MakePuzzle({"AB", "CD"});
    AddClues(&p);
    p.clues[0] = "\x93quoted\x94 caf\xe9";
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    WCHAR out[64];
    EXPECT_EQ(WidenPuzzleText(gGame.clueTexts[0], out, 64), 13);
    EXPECT_EQ(std::u16string(out), u"\u201Cquoted\u201D caf\u00E9");

    p.version = "2.0";
    p.clues[0] = "caf\xc3\xa9 \xe2\x82\xac";
    ASSERT_TRUE(LoadAndParse(Bytes(p)));
    EXPECT_EQ(gGame.textEncoding, kEncodingUtf8);
    WidenPuzzleText(gGame.clueTexts[0], out, 64);
    EXPECT_EQ(std::u16string(out), u"caf\u00E9 \u20AC");
    // Cut to the buffer, never inside a character: "caf" + U+00E9 fit in 5 WCHARs.
    EXPECT_EQ(WidenPuzzleText(gGame.clueTexts[0], out, 5), 4);
    EXPECT_EQ(std::u16string(out), u"caf\u00E9");
}

struct Refusal {
    const char* name;
    std::string bytes;
    PuzzleRefusal reason;
};

std::string Truncated()
{
    std::string b = Bytes(Corners());
    return b.substr(0, b.size() - 20);
}

// `bytes` with one bit of the byte at `offset` changed, after the header's checksum was summed.
std::string Flipped(std::string bytes, int offset)
{
    bytes[size_t(offset)] ^= 0x10;
    return bytes;
}

std::string WithSize(int width, int height)
{
    PuzzleImage p = MakePuzzle({});
    p.width = width;
    p.height = height;
    p.solution.assign(size_t(width > 0 && height > 0 ? width * height : 0), 'A');
    AddClues(&p);
    return Bytes(p);
}

// 40 x 30 in blocks of two open rows under a black one: 260 across and 260 down words,
// each table fits but together they are more clues than the game holds.
std::string TooManyClues()
{
    std::vector<std::string> rows;
    for (int r = 0; r < 30; ++r)
        rows.push_back(r % 3 == 2 ? std::string(40, '.') : [] {
            std::string row;
            while (row.size() < 40)
                row += "AA.";
            return row.substr(0, 40);
        }());
    PuzzleImage p = MakePuzzle(rows);
    AddClues(&p);
    return Bytes(p);
}

std::string TooManyAcross()
{
    std::string row;
    while (row.size() < 40)
        row += "AA.";
    PuzzleImage p = MakePuzzle(std::vector<std::string>(40, row.substr(0, 40)));
    AddClues(&p);
    return Bytes(p);
}

TEST_F(PuzzleReader, FilesThatDoNotFitAreRefusedWithTheirReason)
{
    const Refusal refusals[] = {
        {"no magic", std::string(300, 'x'), kPuzzleNoMagic},
        {"empty", std::string(), kPuzzleNoMagic},
        {"negative width", WithSize(-3, 3), kPuzzleBadSize},
        {"negative height", WithSize(3, -3), kPuzzleBadSize},
        {"no rows", WithSize(5, 0), kPuzzleBadSize},
        {"width 100", WithSize(100, 1), kPuzzleBadSize},
        {"41 x 40", WithSize(41, 40), kPuzzleTooManySquares},
        {"over 300 across", TooManyAcross(), kPuzzleTooManyWords},
        {"over 400 clues", TooManyClues(), kPuzzleTooManyClues},
        {"clues cut off", Truncated(), kPuzzleTruncated},
        {"grid cut off", Bytes(Corners()).substr(0, 0x34 + 30), kPuzzleTruncated},
        {"header cut off", Bytes(Corners()).substr(0, 0x30), kPuzzleTruncated},
        {"too large", Bytes(Corners()) + std::string(16000, '\0'), kPuzzleFileTooLarge},
        {"width changed", Flipped(Bytes(Corners()), 0x2C), kPuzzleDamaged},
        {"clue count changed", Flipped(Bytes(Corners()), 0x2E), kPuzzleDamaged},
        {"header checksum changed", Flipped(Bytes(Corners()), 0x0E), kPuzzleDamaged},
    };
    for (const Refusal& r : refusals) {
        EXPECT_FALSE(LoadPuzzleImage(r.bytes.data(), int(r.bytes.size()))) << r.name;
        EXPECT_EQ(LastPuzzleRefusal(), r.reason) << r.name;
    }
    // The largest grid that fits is accepted.
    EXPECT_TRUE(LoadAndParse(WithSize(40, 40)));
    EXPECT_TRUE(LoadAndParse(WithSize(99, 16)));
}

TEST_F(PuzzleReader, RefusedFileLeavesTheOpenPuzzleIntact)
{
    ASSERT_TRUE(LoadAndParse(Bytes(Corners())));
    const std::string before(gGame.fileBuffer, size_t(gGame.fileSize));
    const std::string bad = Truncated() + std::string(3000, 'Z');
    const std::string cut = bad.substr(0, Truncated().size());
    EXPECT_FALSE(LoadPuzzleImage(cut.data(), int(cut.size())));
    EXPECT_EQ(std::string(gGame.fileBuffer, size_t(gGame.fileSize)), before);
    EXPECT_STREQ(gGame.clueTexts[0], "c0");
}

TEST_F(PuzzleReader, ReadPuzzleFileReadsThroughTheDevice)
{
    const std::string bytes = Bytes(Corners());
    HANDLE file = CreateFileW(u"\\My Documents\\Corners.puz", GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);

    ASSERT_TRUE(ReadPuzzleFile(u"\\my documents\\CORNERS.PUZ"));
    ParsePuzzle();
    EXPECT_EQ(gGame.width, 5);
    EXPECT_EQ(gGame.fileSize, int(bytes.size()));

    EXPECT_FALSE(ReadPuzzleFile(u"\\My Documents\\Missing.puz"));
    EXPECT_EQ(LastPuzzleRefusal(), kPuzzleCannotOpen);
    // Opened elsewhere without sharing: cannot be opened.
    file = CreateFileW(u"\\My Documents\\Corners.puz", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_FALSE(ReadPuzzleFile(u"\\My Documents\\Corners.puz"));
    CloseHandle(file);
}

}  // namespace
