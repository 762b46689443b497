// Every puzzle of the real-file corpus printed in each contents: the pages, the header and
// every clue read back with pdftotext, the size targets, and pixel probes of the grid.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_sheet.h"
#include "pdf_probe.h"
#include "puzzle_pdf.h"
#include "real_puzzle_loop.h"
#include "real_puzzles.h"

namespace {

constexpr double kMillimetre = 72 / 25.4;

// Pictographs (emoji, their joiners and variation selectors) print only where the machine
// has a font with them; without one the PDF holds no text for them, so they are compared
// out on both sides.
bool IsPictograph(char32_t c)
{
    return c >= 0x1F000 || (c >= 0x2190 && c <= 0x2BFF) || c == 0x200D || c == 0x20E3 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0x203C || c == 0x2049;
}

std::string WithoutPictographs(const std::string& text)
{
    struct Point {
        char32_t c;
        std::string bytes;
    };
    std::vector<Point> points;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back({c, text.substr(i, length)});
        i += length;
    }
    std::string out;
    for (size_t i = 0; i < points.size(); ++i) {
        // A letter or digit followed by a presentation selector or a keycap is a picture too.
        const bool pictured =
            i + 1 < points.size() && (points[i + 1].c == 0xFE0F || points[i + 1].c == 0x20E3);
        if (!IsPictograph(points[i].c) && !pictured)
            out += points[i].bytes;
    }
    return out;
}

bool Contains(const std::string& squeezedText, const std::string& text)
{
    return WithoutPictographs(squeezedText).find(WithoutPictographs(Squeezed(text))) !=
           std::string::npos;
}

// `crowded`: lines so full of pictures that pdftotext gives their words in another order, so
// only the clues without pictures are compared.
void CheckText(const PrintSheet& sheet, const PrintLayout& layout, const std::string& path,
               bool crowded)
{
    const int pages = PdfPages(path);
    ASSERT_EQ(pages, layout.pages);
    EXPECT_EQ(pages, layout.notesPage > 1 ? 2 : 1);
    EXPECT_TRUE(sheet.notes.empty() || layout.notesPage > 0);
    const std::string first = Squeezed(PdfText(path, 1));
    EXPECT_TRUE(Contains(first, sheet.title)) << sheet.title;
    EXPECT_TRUE(Contains(first, sheet.author)) << sheet.author;
    EXPECT_TRUE(sheet.across.empty() || Contains(first, "Across"));
    EXPECT_TRUE(sheet.down.empty() || Contains(first, "Down"));
    for (const std::vector<PrintClue>* list : {&sheet.across, &sheet.down})
        for (const PrintClue& clue : *list) {
            if (crowded && WithoutPictographs(clue.text) != clue.text)
                continue;
            EXPECT_TRUE(Contains(first, std::to_string(clue.number) + clue.text))
                << clue.number << " " << clue.text;
        }
    if (layout.notesPage > 0) {
        EXPECT_TRUE(Contains(Squeezed(PdfText(path, layout.notesPage)), sheet.notes));
    }
}

// Prints every accepted puzzle of `folder` in the three contents; how many pages were checked.
// `crowded` names a puzzle whose clues are too long for 8 points on one page: they shrink.
int PrintEveryPuzzle(const std::filesystem::path& folder, const std::string& crowded = "")
{
    int printed = 0;
    ForEachRealPuzzle(folder, [&](const std::filesystem::path& puzzle) {
        for (PrintContents contents : {kPrintBlank, kPrintLetters, kPrintSolution}) {
            SCOPED_TRACE(puzzle.filename().string() + " contents " + std::to_string(contents));
            PrintSheet sheet;
            std::string error;
            if (!SheetFromGame(contents, &sheet, &error)) {
                EXPECT_EQ(contents, kPrintSolution) << error;
                continue;
            }
            const PaperSize paper = contents == kPrintLetters ? kPaperLetter : kPaperA4;
            const PrintLayout layout = LayOutPuzzlePdf(sheet, paper);
            EXPECT_FALSE(layout.cluesContinued);
            const bool isCrowded = puzzle.filename() == crowded;
            if (!isCrowded) {
                EXPECT_GE(layout.clueSize, 8);
            }
            if (sheet.width == 15 && sheet.height == 15 && paper == kPaperA4) {
                EXPECT_GE(layout.squareSize, 8 * kMillimetre);
            }
            const std::string path = ScratchPath("real.pdf");
            ASSERT_TRUE(WritePuzzlePdf(sheet, paper, path.c_str(), &error)) << error;
            CheckText(sheet, layout, path, isCrowded);
            ++printed;
        }
    });
    return printed;
}

TEST(RealPuzzlePrint, EveryPuzzlePrintsOnOnePageWithItsHeaderAndEveryClue)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    EXPECT_GE(PrintEveryPuzzle(folder), 100);
}

// The .ipuz, .jpz and .xd files the game opens print as its .puz files do.
TEST(RealPuzzlePrint, EveryOtherFormatPrintsAsAPuzDoes)
{
    const std::filesystem::path folder = RealCorpusFolder("formats-real");
    END_TEST_WITHOUT_CORPUS(folder, "formats-real");
    // Its 1-Across alone is over 800 characters.
    EXPECT_GE(PrintEveryPuzzle(folder, "the-minion-puzzle.xd"), 90);
}

// Black squares are black at their centre; a circle's line crosses the square's diagonal
// where no number or letter is; the solution's letters darken the middle of their squares.
TEST(RealPuzzlePrint, GridProbesFindBlackSquaresCirclesAndLetters)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
    int circles = 0;
    ForEachRealPuzzle(folder, [&](const std::filesystem::path& puzzle) {
        for (PrintContents contents : {kPrintBlank, kPrintSolution}) {
            SCOPED_TRACE(puzzle.filename().string() + " contents " + std::to_string(contents));
            PrintSheet sheet;
            std::string error;
            if (!SheetFromGame(contents, &sheet, &error))
                continue;
            const PrintLayout layout = LayOutPuzzlePdf(sheet, kPaperA4);
            const std::string path = ScratchPath("probe.pdf");
            ASSERT_TRUE(WritePuzzlePdf(sheet, kPaperA4, path.c_str(), &error)) << error;
            const PageImage page = RenderRegion(path, 1, 150, layout.grid);
            ASSERT_FALSE(page.grey.empty());
            const double s = layout.squareSize;
            for (int i = 0; i < sheet.width * sheet.height; ++i) {
                const PrintSquare& q = sheet.squares[size_t(i)];
                const double x = layout.grid.x + (i % sheet.width) * s;
                const double y = layout.grid.y + (i / sheet.width) * s;
                auto darkest = [&](double x0, double y0, double x1, double y1) {
                    return page.Darkest(x + x0 * s, y + y0 * s, x + x1 * s, y + y1 * s);
                };
                SCOPED_TRACE(i);
                if (q.block) {
                    EXPECT_LT(darkest(0.45, 0.45, 0.55, 0.55), 40);
                    continue;
                }
                const int diagonal = darkest(0.8, 0.8, 0.85, 0.85);
                if (contents == kPrintBlank) {
                    EXPECT_EQ(diagonal < 170, q.circled) << diagonal;
                    circles += q.circled;
                }
                const int middle = darkest(0.35, 0.45, 0.65, 0.75);
                EXPECT_EQ(middle < 100, !q.text.empty()) << middle << " " << q.text;
            }
        }
    });
    EXPECT_GT(circles, 50);
}

}  // namespace
