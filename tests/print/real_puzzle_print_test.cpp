// Every puzzle of the real-file corpus printed in each contents: the pages, the header and
// every clue read back with pdftotext, the size targets, and pixel probes of the grid.
#include <gtest/gtest.h>

#include "game_sheet.h"
#include "pdf_probe.h"
#include "puzzle_pdf.h"
#include "real_puzzle_loop.h"
#include "real_puzzles.h"

namespace {

constexpr double kMillimetre = 72 / 25.4;

bool Contains(const std::string& squeezedText, const std::string& text)
{
    return squeezedText.find(Squeezed(text)) != std::string::npos;
}

void CheckText(const PrintSheet& sheet, const PrintLayout& layout, const std::string& path)
{
    const int pages = PdfPages(path);
    ASSERT_EQ(pages, layout.pages);
    EXPECT_EQ(pages, layout.notesPage > 1 ? 2 : 1);
    EXPECT_TRUE(sheet.notes.empty() || layout.notesPage > 0);
    const std::string first = Squeezed(PdfText(path, 1));
    EXPECT_TRUE(Contains(first, sheet.title)) << sheet.title;
    EXPECT_TRUE(Contains(first, sheet.author)) << sheet.author;
    EXPECT_TRUE(Contains(first, "Across") && Contains(first, "Down"));
    for (const std::vector<PrintClue>* list : {&sheet.across, &sheet.down})
        for (const PrintClue& clue : *list)
            EXPECT_TRUE(Contains(first, std::to_string(clue.number) + clue.text))
                << clue.number << " " << clue.text;
    if (layout.notesPage > 0) {
        EXPECT_TRUE(Contains(Squeezed(PdfText(path, layout.notesPage)), sheet.notes));
    }
}

TEST(RealPuzzlePrint, EveryPuzzlePrintsOnOnePageWithItsHeaderAndEveryClue)
{
    const std::filesystem::path folder = RealPuzzleFolder();
    END_TEST_WITHOUT_REAL_PUZZLES(folder);
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
            EXPECT_GE(layout.clueSize, 8);
            if (sheet.width == 15 && sheet.height == 15 && paper == kPaperA4) {
                EXPECT_GE(layout.squareSize, 8 * kMillimetre);
            }
            const std::string path = ScratchPath("real.pdf");
            ASSERT_TRUE(WritePuzzlePdf(sheet, paper, path.c_str(), &error)) << error;
            CheckText(sheet, layout, path);
            ++printed;
        }
    });
    EXPECT_GE(printed, 100);
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
