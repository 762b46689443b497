// The .puz image of a document, as the game's own reader takes it: the grids, the clue order,
// the sections for rebus squares, circles and square styles, the flags, the refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "game_state.h"
#include "puz_image.h"
#include "puz_layout.h"
#include "puzzle_reader.h"
#include "puzzle_sections.h"
#include "square_text.h"

static_assert(kDocumentMaxSide == kMaxSide && kDocumentMaxCells == kMaxCells &&
                  kDocumentMaxWords == kMaxWords && kDocumentMaxClues == kMaxClues &&
                  kDocumentMaxRebus == kRebusTextSize - 1 && kDocumentMaxImage == kMaxPuzzleFile,
              "the documents are held to the game's own capacities");

namespace {

// "#" a block; "[XYZ]" a rebus square.
PuzzleDocument Grid(const std::vector<std::string>& rows)
{
    PuzzleDocument d;
    d.height = int(rows.size());
    for (const std::string& row : rows) {
        int width = 0;
        for (size_t i = 0; i < row.size(); ++i, ++width) {
            DocumentCell cell;
            if (row[i] == '#') {
                cell.block = true;
            } else if (row[i] == '[') {
                const size_t close = row.find(']', i);
                cell.solution = row.substr(i + 1, close - i - 1);
                i = close;
            } else {
                cell.solution = row.substr(i, 1);
            }
            d.cells.push_back(cell);
        }
        d.width = width;
    }
    return d;
}

// The image, read and parsed by the game.
std::string Load(const PuzzleDocument& d)
{
    std::string image;
    std::string reason;
    EXPECT_EQ(WritePuzImage(d, &image, &reason), kDocumentAccepted) << reason;
    ResetGameState();
    EXPECT_TRUE(LoadPuzzleImage(image.data(), int(image.size())))
        << PuzzleRefusalText(LastPuzzleRefusal());
    ParsePuzzle();
    return image;
}

const PuzzleSection* FindSection(const std::string& image, const char* name,
                                 PuzzleSection (&sections)[8])
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(image.data());
    const int count =
        ScanPuzzleSections(bytes + (gGame.notes - gGame.fileBuffer) + std::strlen(gGame.notes) + 1,
                           bytes + image.size(), sections, 8);
    for (int k = 0; k < count && k < 8; ++k) {
        if (std::strcmp(sections[k].name, name) == 0)
            return &sections[k];
    }
    return nullptr;
}

TEST(PuzImage, TheGameReadsTheGridAndTheCluesInItsOwnOrder)
{
    PuzzleDocument d = Grid({"AB#", "CDE", "#FG"});
    d.across = {{1, "ab"}, {3, "cde"}, {5, "fg"}};
    d.down = {{1, "ac"}, {2, "bdf"}, {4, "eg"}};
    d.title = "T";
    d.author = "Au";
    d.copyright = "C";
    d.notes = "N";
    d.cells[4].saved = "d";
    const std::string image = Load(d);
    EXPECT_EQ(std::string(gGame.solution, 9), "AB.CDE.FG");
    EXPECT_EQ(image.substr(0x34 + 9, 9), "--.-D-.--");  // the saved letter in the fill grid
    ASSERT_EQ(gGame.clueCount, 6);
    const char* expected[] = {"ab", "ac", "bdf", "cde", "eg", "fg"};
    for (int k = 0; k < 6; ++k)
        EXPECT_STREQ(gGame.clueTexts[k], expected[k]);
    EXPECT_STREQ(gGame.headerLine, "T\nAu\nC");
    EXPECT_STREQ(gGame.notes, "N");
    EXPECT_EQ(image.substr(puz::kVersionOffset, 4), std::string("1.3\0", 4));
    EXPECT_EQ(gGame.solutionState, kSolutionOpen);
}

TEST(PuzImage, RebusCirclesAndSquareStylesGoInSectionsTheGameSkipsOrReads)
{
    PuzzleDocument d = Grid({"A[XYZ]#", "CDE", "#F[\xC3\x89]"});
    d.cells[0].circled = true;
    d.cells[5].shaded = true;
    d.cells[6].isVoid = true;
    const std::string image = Load(d);
    EXPECT_EQ(gGame.squareFlags[0], puz::kSquareCircled);
    EXPECT_EQ(gGame.squareFlags[1], 0);
    EXPECT_STREQ(gGame.rebusTable[gGame.rebusKeys[1] - 1], "XYZ");
    EXPECT_STREQ(gGame.rebusTable[gGame.rebusKeys[8] - 1], "\xC3\x89");  // no ASCII letter
    EXPECT_EQ(gGame.rebusKeys[4], 0);
    EXPECT_EQ(gGame.textEncoding, kEncodingUtf8);
    PuzzleSection sections[8];
    const PuzzleSection* styles = FindSection(image, puz::kSquareStyleSection, sections);
    ASSERT_NE(styles, nullptr);
    ASSERT_EQ(styles->size, 9);
    EXPECT_TRUE(styles->checksumOk);
    EXPECT_EQ(styles->data[5], puz::kSquareStyleShaded);
    EXPECT_EQ(styles->data[6], puz::kSquareStyleVoid);
    EXPECT_EQ(styles->data[0] | styles->data[1] | styles->data[2], 0);
    EXPECT_TRUE(SquareShaded(5));
    EXPECT_TRUE(SquareVoid(6));
    EXPECT_FALSE(SquareShaded(4) || SquareVoid(4));
    // Without any of them, no section at all.
    const std::string plain = Load(Grid({"AB", "CD"}));
    EXPECT_EQ(FindSection(plain, "GEXT", sections), nullptr);
    EXPECT_EQ(FindSection(plain, puz::kSquareStyleSection, sections), nullptr);
}

// The grids' own marks ("." and ":" for blocks, "-" for empty) never stand for a letter, and a
// rebus text with the table's separator never breaks the table: the game sees the grid the
// document has.
TEST(PuzImage, SolutionsThatLookLikeTheGridsMarksStayLetters)
{
    const PuzzleDocument d = Grid({"A:B", "[X;Y]-.", "[Q:]CD"});
    Load(d);
    EXPECT_EQ(gGame.clueCount, 6);
    for (int i = 0; i < 9; ++i)
        EXPECT_NE(gGame.solution[i], '.') << i;
    EXPECT_STREQ(gGame.rebusTable[gGame.rebusKeys[1] - 1], ":");
    EXPECT_EQ(gGame.rebusKeys[3], 0);  // "X;Y" plays as its first letter
    EXPECT_STREQ(gGame.rebusTable[gGame.rebusKeys[6] - 1], "Q:");
}

// The letters a document starts with are the game's starting entries: one in the fill grid,
// several (or one beyond ASCII) whole through the player's section, the fill grid keeping no
// stand-in for them.
TEST(PuzImage, GivenAndSavedLettersComeInWholeAsTheStartingEntries)
{
    PuzzleDocument d = Grid({"A[XYZ]#", "CDE", "#FG"});
    d.cells[0].given = "a";
    d.cells[1].saved = "xyz";
    d.cells[3].saved = "\xC3\xA9";
    d.cells[4].given = "D";
    d.cells[4].saved = "dee";  // what the puzzle gives wins
    const std::string image = Load(d);
    EXPECT_EQ(image.substr(0x34 + 9, 9), "AX.-D-.--");
    EXPECT_EQ(gGame.textEncoding, kEncodingUtf8);
    char text[kRebusTextSize];
    SquareEntryText(1, text);
    EXPECT_STREQ(text, "XYZ");
    SquareEntryText(3, text);
    EXPECT_STREQ(text, "\xC3\xA9");
    SquareEntryText(4, text);
    EXPECT_STREQ(text, "D");
    EXPECT_EQ(std::string(gGame.entries, 2), "AX");
    EXPECT_TRUE(SquareEntryRight(1));

    PuzzleSection sections[8];
    EXPECT_NE(FindSection(image, "RUSR", sections), nullptr);
    const std::string plain = Load(Grid({"AB", "CD"}));
    EXPECT_EQ(FindSection(plain, "RUSR", sections), nullptr);
}

TEST(PuzImage, AMissingSolutionAndADiagramlessGridAreFlaggedInTheHeader)
{
    PuzzleDocument d = Grid({"AB", "CD"});
    d.hasSolution = false;
    d.diagramless = true;
    const std::string image = Load(d);
    EXPECT_EQ(gGame.solutionState, kSolutionMissing);
    EXPECT_EQ(puz::ReadShort(image.data() + 0x30), 0x0401);
    EXPECT_EQ(std::string(gGame.solution, 4), "XXXX");
}

TEST(PuzImage, RefusesWhatTheGameCannotHold)
{
    std::string image;
    std::string reason;
    PuzzleDocument tooWide = Grid({std::string(100, 'A')});
    EXPECT_EQ(WritePuzImage(tooWide, &image, &reason), kDocumentBeyondCapacity);
    PuzzleDocument d = Grid({"AB", "CD"});
    d.across = {{1, std::string(8000, 'a')}, {3, std::string(8000, 'c')}};
    EXPECT_EQ(WritePuzImage(d, &image, &reason), kDocumentImageTooLarge);
    EXPECT_EQ(reason,
              "The puzzle is too large for the game: it needs 16068 bytes, and the game holds "
              "16000.");
    EXPECT_TRUE(image.empty());
    d.across = {{7, "no such word"}};
    EXPECT_EQ(WritePuzImage(d, &image, &reason), kDocumentUnmatchedClue);
}

}  // namespace
