// SheetFromGame against the oracle records of the real-file corpus (header, notes, clues,
// black squares, numbers, circles, the solution with its rebus squares and the refusals), and
// on puzzles made here: the player's letters with pencil and rebus, void and shaded squares,
// Windows-1252 text.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "game_sheet.h"
#include "oracle_json.h"
#include "puz_layout.h"
#include "puzzle_load.h"
#include "real_puzzle_loop.h"
#include "real_puzzles.h"
#include "square_marks.h"
#include "square_text.h"

namespace {

std::u16string Utf16(const std::string& text)
{
    std::u16string out(text.size() + 1, u'\0');
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()));
    out.resize(size_t(n > 0 ? n : 0));
    return out;
}

// The oracle's text as the game reads it: its Latin-1 0x80-0x9F are Windows-1252 characters
// to the game, and header fields are printed without their surrounding spaces.
std::u16string AsPrinted(std::u16string text, bool trim)
{
    for (char16_t& c : text) {
        const char byte = char(c);
        if (c >= 0x80 && c <= 0x9F)
            MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1);
    }
    if (trim) {
        const size_t first = text.find_first_not_of(u" \t");
        text = first == std::u16string::npos
                   ? u""
                   : text.substr(first, text.find_last_not_of(u" \t") - first + 1);
    }
    return text;
}

// A blank diagramless sheet hides the blocks and the numbers; its solution shows them.
void CheckSheet(const Json& oracle, const PrintSheet& sheet, bool solution)
{
    const bool hidden = gGame.diagramless && !solution;
    ASSERT_EQ(sheet.width, int(oracle["width"].number));
    ASSERT_EQ(sheet.height, int(oracle["height"].number));
    EXPECT_EQ(Utf16(sheet.title), AsPrinted(oracle["title"].text, true));
    EXPECT_EQ(Utf16(sheet.author), AsPrinted(oracle["author"].text, true));
    EXPECT_EQ(Utf16(sheet.copyright), AsPrinted(oracle["copyright"].text, true));
    EXPECT_EQ(Utf16(sheet.notes), AsPrinted(oracle["notes"].text, false));

    std::map<int, int> numbers;  // square -> number
    size_t across = 0;
    size_t down = 0;
    for (const Json& word : oracle["entries"].items) {
        const bool isDown = word["dir"].text == u"D";
        const std::vector<PrintClue>& list = isDown ? sheet.down : sheet.across;
        const size_t k = isDown ? down++ : across++;
        ASSERT_LT(k, list.size());
        EXPECT_EQ(list[k].number, int(word["num"].number));
        EXPECT_EQ(Utf16(list[k].text), AsPrinted(word["clue"].text, false));
        numbers[int(word["cell"].number)] = int(word["num"].number);
    }
    EXPECT_EQ(across, sheet.across.size());
    EXPECT_EQ(down, sheet.down.size());

    std::set<int> circles;
    for (const Json& circle : oracle["details"]["circles"].items)
        circles.insert(int(circle.number));
    const Json& rebus = oracle["details"]["rebus_cells"];
    const std::u16string& grid = oracle["solution"].text;
    for (int i = 0; i < sheet.width * sheet.height; ++i) {
        SCOPED_TRACE(i);
        const PrintSquare& square = sheet.squares[size_t(i)];
        EXPECT_EQ(square.block, !hidden && (grid[size_t(i)] == u'.' || grid[size_t(i)] == u':'));
        EXPECT_EQ(square.number, !hidden && numbers.count(i) ? numbers[i] : 0);
        EXPECT_EQ(square.circled, circles.count(i) != 0);
        std::u16string expected;
        if (solution && !square.block)
            expected = rebus.Has(std::to_string(i)) ? rebus[std::to_string(i)].text
                                                    : AsPrinted(grid.substr(size_t(i), 1), true);
        EXPECT_EQ(Utf16(square.text), expected);
    }
}

TEST(GameSheet, EveryRealPuzzleMatchesItsOracle)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    const int read = ForEachRealPuzzle(folder, [](const std::filesystem::path& path) {
        SCOPED_TRACE(path.filename().string());
        std::ifstream in(std::filesystem::path(path).replace_extension(".json"));
        std::stringstream json;
        json << in.rdbuf();
        Json oracle;
        ASSERT_TRUE(ParseJson(json.str(), &oracle));
        PrintSheet sheet;
        std::string error;
        ASSERT_TRUE(SheetFromGame(kPrintBlank, &sheet, &error)) << error;
        CheckSheet(oracle, sheet, false);
        const bool open =
            !oracle["details"]["scrambled"].boolean && !oracle["details"]["no_solution"].boolean;
        EXPECT_EQ(SheetFromGame(kPrintSolution, &sheet, &error), open);
        if (open)
            CheckSheet(oracle, sheet, true);
        else
            EXPECT_FALSE(error.empty());
    });
    EXPECT_GE(read, 40);
}

TEST(GameSheet, LettersAreThePlayersInkPencilAndRebus)
{
    ASSERT_TRUE(LoadGrid(kFiveByFive));
    PutSquareEntry(0, "a");
    gGame.settings.pencil = 1;
    PutSquareEntry(1, "C");
    MarkTyped(1);
    PutSquareEntry(2, "jun");
    PrintSheet sheet;
    std::string error;
    ASSERT_TRUE(SheetFromGame(kPrintLetters, &sheet, &error)) << error;
    EXPECT_EQ(sheet.squares[0].text, "A");
    EXPECT_FALSE(sheet.squares[0].pencil);
    EXPECT_EQ(sheet.squares[1].text, "C");
    EXPECT_TRUE(sheet.squares[1].pencil);
    EXPECT_EQ(sheet.squares[2].text, "JUN");
    EXPECT_TRUE(sheet.squares[3].block);
    EXPECT_EQ(sheet.squares[5].text, "");
    ASSERT_TRUE(SheetFromGame(kPrintBlank, &sheet, &error));
    EXPECT_EQ(sheet.squares[0].text, "");
    EXPECT_FALSE(sheet.squares[1].pencil) << "a blank grid has no pencil letters";
}

TEST(GameSheet, VoidAndShadedSquaresArePrintedAsTheGameDrawsThem)
{
    PuzzleImage image = MakePuzzle(kFiveByFive);
    AddClues(&image);
    std::string styles(25, '\0');
    styles[3] = char(puz::kSquareStyleVoid);
    styles[12] = char(puz::kSquareStyleShaded);
    image.sections = Section("XSQF", styles);
    ASSERT_TRUE(LoadAndParse(Bytes(image)));
    PrintSheet sheet;
    std::string error;
    ASSERT_TRUE(SheetFromGame(kPrintBlank, &sheet, &error)) << error;
    EXPECT_TRUE(sheet.squares[3].voidSquare);
    EXPECT_FALSE(sheet.squares[6].voidSquare);  // black, not void
    EXPECT_TRUE(sheet.squares[6].block);
    EXPECT_TRUE(sheet.squares[12].shaded);
    EXPECT_FALSE(sheet.squares[11].shaded);
}

TEST(GameSheet, WindowsTextBecomesUtf8AndALockedOrMissingSolutionIsRefused)
{
    PuzzleImage image = MakePuzzle(kFiveByFive);
    AddClues(&image);
    image.title = "\x80 Title ";
    image.clues[0] = "Caf\xE9 \x93quoted\x94";
    ASSERT_TRUE(LoadAndParse(Bytes(image)));
    PrintSheet sheet;
    std::string error;
    ASSERT_TRUE(SheetFromGame(kPrintSolution, &sheet, &error)) << error;
    EXPECT_EQ(sheet.title, "\u20AC Title");
    EXPECT_EQ(sheet.across[0].text, "Caf\u00E9 \u201Cquoted\u201D");

    for (int flags : {puz::kSolutionAbsent, puz::kSolutionScrambled}) {
        image.solutionFlags = flags;
        ASSERT_TRUE(LoadAndParse(Bytes(image)));
        EXPECT_FALSE(SheetFromGame(kPrintSolution, &sheet, &error)) << flags;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(SheetFromGame(kPrintBlank, &sheet, &error)) << flags;
    }
    ResetGameState();
    EXPECT_FALSE(SheetFromGame(kPrintBlank, &sheet, &error)) << "no puzzle is open";
}

}  // namespace
